#pragma once
// Every picture the game shows, by name and size. The art generator draws
// one file per entry; the game loads them all at start-up. A player may
// replace any file with a picture of the same name and size.

#include <array>
#include <string_view>

namespace vantoro {

enum class PictureId {
  Title,     // the game's title art
  Creation,  // team creation background: a full-frame fiery explosion
  Icon,      // the window icon
};

struct PictureInfo {
  PictureId Id;
  std::string_view File;
  int Width;
  int Height;
};

inline constexpr std::array kPictures = {
    PictureInfo{PictureId::Title, "title.jpg", 785, 572},
    PictureInfo{PictureId::Creation, "creation.jpg", 800, 600},
    PictureInfo{PictureId::Icon, "icon.jpg", 64, 64},
};

}  // namespace vantoro
