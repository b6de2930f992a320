// Pictures as their recipes draw them, each drawn once a test process: the
// recipes are pure (the build checks that a second drawing gives the same
// bytes), and under the sanitizers a drawing can take a second.
#pragma once

#include <map>

#include "assets/recipes.hpp"

namespace vantoro::art {

inline const Image& Drawn(PictureId id) {
  static FontLibrary fonts;
  static std::map<PictureId, Image> drawn;
  auto it = drawn.find(id);
  if (it == drawn.end()) it = drawn.emplace(id, RecipeFor(id)(fonts)).first;
  return it->second;
}

}  // namespace vantoro::art
