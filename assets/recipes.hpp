#pragma once
// One recipe per picture of the manifest. To add a picture: list it in the
// manifest, write its `Draw...` function in a recipe file, and add one line
// to the table in recipes.cpp.

#include <string_view>

#include "ui/artwork.hpp"
#include "ui/font.hpp"
#include "ui/image.hpp"

namespace vantoro::art {

using RecipeFn = Image (*)(FontLibrary& fonts);

Image DrawTitle(FontLibrary& fonts);
Image DrawCreation(FontLibrary& fonts);
Image DrawIcon(FontLibrary& fonts);

// The recipe that draws a picture; nullptr when there is none yet.
RecipeFn RecipeFor(PictureId id);

// The manifest entry whose file name is `name`, with or without ".jpg";
// nullptr when there is none.
const PictureInfo* FindPicture(std::string_view name);

}  // namespace vantoro::art
