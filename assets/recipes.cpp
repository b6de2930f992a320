#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

struct Recipe {
  PictureId Id;
  RecipeFn Draw;
};

constexpr Recipe kRecipes[] = {
    {PictureId::Title, DrawTitle},
    {PictureId::Creation, DrawCreation},
    {PictureId::Icon, DrawIcon},
};

}  // namespace

RecipeFn RecipeFor(PictureId id) {
  for (const Recipe& r : kRecipes) {
    if (r.Id == id) return r.Draw;
  }
  return nullptr;
}

const PictureInfo* FindPicture(std::string_view name) {
  for (const PictureInfo& p : kPictures) {
    const std::string_view file = p.File;
    if (name == file) return &p;
    const std::size_t dot = file.rfind('.');
    if (dot != std::string_view::npos && name == file.substr(0, dot)) return &p;
  }
  return nullptr;
}

}  // namespace vantoro::art
