#include "ui/font.hpp"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <unordered_map>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include "state/cp1252.hpp"

namespace vantoro {

int Font::TextWidth(std::string_view cp1252) const {
  long long width = 0;
  for (const char ch : cp1252) width += GlyphFor(Cp1252ToUnicode(static_cast<unsigned char>(ch))).Advance;
  return static_cast<int>(std::min<long long>(width, INT_MAX));
}

int Font::InkWidth(std::string_view cp1252) const {
  long long pen = 0, right = 0;
  for (const char ch : cp1252) {
    const Glyph& glyph = GlyphFor(Cp1252ToUnicode(static_cast<unsigned char>(ch)));
    if (glyph.Width > 0 && glyph.Height > 0) right = std::max(right, pen + glyph.Left + glyph.Width);
    pen += glyph.Advance;
  }
  return static_cast<int>(std::min<long long>(right, INT_MAX));
}

namespace {

// Sizes come from screen code, never from a file; anything outside this range
// is a slip that must not ask FreeType for a page-sized glyph.
constexpr int kMaxSizeValue = 500;
constexpr int kMaxAdvance = 4096;

struct FontFile {
  std::string Path;
  int Index = 0;
  std::string Family;  // the family of the face fontconfig chose
};

// Faces the game's layouts were measured with, where Debian ships them
// outside fontconfig's own folders.
constexpr std::array<const char*, 1> kExtraFontFiles = {"/usr/share/wine/fonts/ms_sans_serif.ttf"};

// Families that stand in for a named one letter for letter.
struct MetricTwin {
  std::string_view Family, Twin;
};
constexpr std::array<MetricTwin, 2> kMetricTwins = {{{"Arial", "Liberation Sans"}, {"Arial", "Arimo"}}};

// The user-interface face holds only a few bitmap sizes. Every other size,
// and every size where the face is missing, is drawn in a scalable face:
// of the sans faces Debian ships, this one's letters come closest to the
// bitmap face's widths on the game's texts at the sizes both have (1.4 %
// apart on average, where Liberation Sans is 1.9 % and DejaVu Sans 15 %).
struct StandIn {
  std::string_view Family, Scalable;
};
constexpr std::array<StandIn, 1> kStandIns = {{{"MS Sans Serif", "Nimbus Sans"}}};
constexpr std::string_view kInterfaceFamily = "MS Sans Serif";

const StandIn* StandInFor(std::string_view family) {
  for (const StandIn& s : kStandIns) {
    if (s.Family == family) return &s;
  }
  return nullptr;
}

bool SameLetterWidths(std::string_view wanted, std::string_view got) {
  const auto lower = [](std::string_view t) {
    std::string out(t);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
  };
  if (lower(wanted) == lower(got)) return true;
  for (const MetricTwin& m : kMetricTwins) {
    if (lower(m.Family) == lower(wanted) && lower(m.Twin) == lower(got)) return true;
  }
  return false;
}

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

std::optional<FontFile> Match(FcConfig* config, std::string_view family, bool bold) {
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  const std::string name(family);
  if (!FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str())) ||
      !FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR) ||
      !FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN) ||
      !FcConfigSubstitute(config, pattern.get(), FcMatchPattern)) {
    return std::nullopt;
  }
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  const PatternPtr match(FcFontMatch(config, pattern.get(), &result));
  if (!match) return std::nullopt;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr)
    return std::nullopt;
  int index = 0;
  if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) != FcResultMatch) index = 0;
  FcChar8* matched = nullptr;
  std::string matchedFamily;
  if (FcPatternGetString(match.get(), FC_FAMILY, 0, &matched) == FcResultMatch && matched != nullptr)
    matchedFamily = reinterpret_cast<const char*>(matched);
  return FontFile{reinterpret_cast<const char*>(file), index, matchedFamily};
}

// The cell of the Windows drawing interface: usWinAscent over the baseline and
// usWinDescent under it, which is what the screens were laid out with.
struct CellUnits {
  long Ascent = 0, Descent = 0;
};

CellUnits WindowsCell(FT_Face face) {
  CellUnits cell;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    cell = {os2->usWinAscent, os2->usWinDescent};
  } else {
    cell = {std::max<long>(face->ascender, 0), std::max<long>(-face->descender, 0)};
  }
  if (cell.Ascent + cell.Descent <= 0) cell = {face->units_per_EM, face->units_per_EM / 4};
  return cell;
}

int RoundPixels(FT_Pos pos26dot6) { return static_cast<int>((pos26dot6 + 32) >> 6); }

// A point size as a whole number of pixels of em at 96 dpi, rounded, as
// the drawing interface the layouts come from turns a size into a height.
int PointPixels(int points) { return (points * 96 + 36) / 72; }

// A bitmap face's strikes are known by the point size whose em is four
// fifths of their cell: cells of 13, 16 and 20 pixels are 8, 10 and 12
// points. The strike of that size, if the face has one.
std::optional<int> OwnStrike(FT_Face face, FontSize size) {
  for (int i = 0; i < face->num_fixed_sizes; ++i) {
    const int height = face->available_sizes[i].height;
    const int named = size.Kind == FontSize::Unit::Points ? (3 * height + 2) / 5 : height;
    if (named == size.Value) return i;
  }
  return std::nullopt;
}

// The strike nearest the wanted em, for a bitmap face with no stand-in.
int NearestStrike(FT_Face face, int pixels) {
  int best = 0;
  for (int i = 1; i < face->num_fixed_sizes; ++i) {
    if (std::abs(face->available_sizes[i].height - pixels) <
        std::abs(face->available_sizes[best].height - pixels)) {
      best = i;
    }
  }
  return best;
}

// Capital height over the em, from the face's own figures or its H.
double DesignCapRatio(FT_Face face) {
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) return 0;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version != 0xFFFF && os2->version >= 2 && os2->sCapHeight > 0)
    return static_cast<double>(os2->sCapHeight) / face->units_per_EM;
  if (FT_Load_Char(face, 'H', FT_LOAD_NO_SCALE) != 0) return 0;
  return static_cast<double>(face->glyph->metrics.horiBearingY) / face->units_per_EM;
}

class FreeTypeFont final : public Font {
 public:
  // A strike of a bitmap face, or the face scaled to the size; a scalable
  // face may be drawn narrower, to `percent` of its width. A strike names
  // the scalable family that stands in for it.
  FreeTypeFont(FT_Face face, FontSize size, std::optional<int> strike, FontFacts facts, int percent = 100,
               std::string_view standIn = {})
      : face_(face), facts_(std::move(facts)), size_{size}, strike_(strike), standIn_(standIn) {
    if (FT_New_Size(face_, &ftSize_) != 0) throw std::runtime_error("cannot create a font size");
    FT_Activate_Size(ftSize_);
    SetSize(size, strike);
    if (FT_IS_SCALABLE(face_)) xScale_ = static_cast<FT_Fixed>(0x10000L * std::clamp(percent, 50, 100) / 100);
  }

  FT_Face Face() const { return face_; }
  FontSize Size() const { return size_; }
  std::optional<int> Strike() const { return strike_; }
  std::string_view StandIn() const { return standIn_; }
  ~FreeTypeFont() override { FT_Done_Size(ftSize_); }
  FreeTypeFont(const FreeTypeFont&) = delete;
  FreeTypeFont& operator=(const FreeTypeFont&) = delete;

  int Ascent() const override { return ascent_; }
  int CellHeight() const override { return cellHeight_; }
  const FontFacts& Facts() const override { return facts_; }

  const Glyph& GlyphFor(char32_t codePoint) const override {
    if (codePoint < low_.size()) {
      auto& slot = low_[codePoint];
      if (!slot) slot = Render(codePoint);
      return *slot;
    }
    auto it = high_.find(codePoint);
    if (it == high_.end()) it = high_.emplace(codePoint, Render(codePoint)).first;
    return it->second;
  }

 private:
  void SetSize(FontSize size, std::optional<int> strike) {
    assert(size.Value > 0 && size.Value <= kMaxSizeValue);
    const int value = std::clamp(size.Value, 1, kMaxSizeValue);
    const CellUnits cell = WindowsCell(face_);
    if (!FT_IS_SCALABLE(face_)) {
      const int wanted = size.Kind == FontSize::Unit::Points ? PointPixels(value) : value;
      FT_Select_Size(face_, strike.value_or(NearestStrike(face_, wanted)));
      ascent_ = RoundPixels(ftSize_->metrics.ascender);
      cellHeight_ = std::max(ascent_ + RoundPixels(-ftSize_->metrics.descender), 1);
      facts_.EmPixels = wanted;
      return;
    }
    if (size.Kind == FontSize::Unit::Points) {
      const int em = PointPixels(value);
      FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(em));
      ascent_ = RoundPixels(FT_MulFix(cell.Ascent, ftSize_->metrics.y_scale));
      cellHeight_ = RoundPixels(FT_MulFix(cell.Ascent + cell.Descent, ftSize_->metrics.y_scale));
      facts_.EmPixels = em;
    } else {
      // At 72 dpi a point is a pixel: the em that makes the cell `value` high.
      const long long em = 64LL * value * face_->units_per_EM / (cell.Ascent + cell.Descent);
      FT_Set_Char_Size(face_, 0, static_cast<FT_F26Dot6>(std::max(em, 64LL)), 72, 72);
      // A font height is a promise about the cell, whatever em the face rounds to.
      cellHeight_ = value;
      ascent_ = static_cast<int>((2LL * value * cell.Ascent + (cell.Ascent + cell.Descent)) /
                                 (2LL * (cell.Ascent + cell.Descent)));
      facts_.EmPixels = static_cast<double>(std::max(em, 64LL)) / 64.0;
    }
    cellHeight_ = std::max(cellHeight_, 1);
    ascent_ = std::clamp(ascent_, 0, cellHeight_);
  }

  Glyph Render(char32_t codePoint) const {
    Glyph glyph;
    FT_Activate_Size(ftSize_);
    // Index 0 is the face's .notdef box, which is what a missing character shows.
    const FT_UInt index = FT_Get_Char_Index(face_, codePoint);
    // Narrowing comes after hinting, and narrows the advance with the outline.
    FT_Matrix narrow{xScale_, 0, 0, 0x10000};
    FT_Set_Transform(face_, xScale_ == 0x10000 ? nullptr : &narrow, nullptr);
    const FT_Error loaded = FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL);
    FT_Set_Transform(face_, nullptr, nullptr);
    if (loaded != 0) return glyph;
    const FT_GlyphSlot slot = face_->glyph;
    glyph.Advance = std::clamp(RoundPixels(slot->advance.x), 0, kMaxAdvance);
    glyph.Left = slot->bitmap_left;
    glyph.Top = slot->bitmap_top;
    CopyCoverage(slot->bitmap, glyph);
    return glyph;
  }

  void CopyCoverage(const FT_Bitmap& source, Glyph& glyph) const {
    FT_Bitmap converted;
    FT_Bitmap_Init(&converted);
    const FT_Bitmap* bitmap = &source;
    int levels = 256;
    if (source.pixel_mode != FT_PIXEL_MODE_GRAY || source.num_grays != 256) {
      if (FT_Bitmap_Convert(face_->glyph->library, &source, &converted, 1) != 0) {
        FT_Bitmap_Done(face_->glyph->library, &converted);
        return;
      }
      bitmap = &converted;
      levels = std::max(converted.num_grays, static_cast<unsigned short>(2));
    }
    glyph.Width = static_cast<int>(bitmap->width);
    glyph.Height = static_cast<int>(bitmap->rows);
    glyph.Coverage.resize(static_cast<std::size_t>(glyph.Width) * static_cast<std::size_t>(glyph.Height));
    const std::size_t stride = static_cast<std::size_t>(std::abs(bitmap->pitch));
    for (int row = 0; row < glyph.Height; ++row) {
      // A negative pitch stores the bottom row first.
      const int stored = bitmap->pitch >= 0 ? row : glyph.Height - 1 - row;
      const unsigned char* src = bitmap->buffer + static_cast<std::size_t>(stored) * stride;
      std::uint8_t* dst =
          glyph.Coverage.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(glyph.Width);
      for (int x = 0; x < glyph.Width; ++x) {
        dst[x] = static_cast<std::uint8_t>(std::min(src[x] * 255 / (levels - 1), 255));
      }
    }
    FT_Bitmap_Done(face_->glyph->library, &converted);
  }

  FT_Face face_;
  FontFacts facts_;
  FontSize size_;
  std::optional<int> strike_;
  std::string_view standIn_;
  FT_Fixed xScale_ = 0x10000;
  FT_Size ftSize_ = nullptr;
  int ascent_ = 0;
  int cellHeight_ = 1;
  // The game's text is Windows-1252, so nearly every lookup lands in the array.
  mutable std::array<std::optional<Glyph>, 256> low_;
  mutable std::unordered_map<char32_t, Glyph> high_;
};

// Fonts are looked up by name on every draw: by a view of the name, with
// no string made and no tree of names compared.
struct FontKeyView {
  std::string_view Family;
  FontSize Size;
  bool Bold = false;
  bool operator==(const FontKeyView&) const = default;
};
struct FontKey {
  std::string Family;
  FontSize Size;
  bool Bold = false;
  operator FontKeyView() const { return {Family, Size, Bold}; }
};
struct FontKeyHash {
  using is_transparent = void;
  std::size_t operator()(const FontKeyView& key) const {
    const std::size_t kind = key.Size.Kind == FontSize::Unit::Points ? 0 : 1;
    return std::hash<std::string_view>{}(key.Family) ^
           (static_cast<std::size_t>(static_cast<unsigned>(key.Size.Value)) << 2 | kind << 1 |
            static_cast<std::size_t>(key.Bold)) *
               0x9E3779B97F4A7C15ull;
  }
};
struct FontKeyEqual {
  using is_transparent = void;
  bool operator()(const FontKeyView& a, const FontKeyView& b) const { return a == b; }
};

}  // namespace

struct FontLibrary::Impl {
  FT_Library Library = nullptr;
  FcConfig* Config = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> Faces;
  std::unordered_map<FontKey, std::unique_ptr<FreeTypeFont>, FontKeyHash, FontKeyEqual> Fonts;
  const Font* DefaultFont = nullptr;
  // Narrowed copies of fonts, by the font and the percentage of its width.
  std::map<std::pair<const Font*, int>, std::unique_ptr<FreeTypeFont>> Narrowed;
  std::set<std::string, std::less<>> Warned;

  Impl() {
    if (FT_Init_FreeType(&Library) != 0) throw std::runtime_error("Cannot start the FreeType font library.");
    Config = FcInitLoadConfigAndFonts();
    if (Config == nullptr) {
      FT_Done_FreeType(Library);
      throw std::runtime_error("Cannot load the fontconfig configuration.");
    }
    for (const char* file : kExtraFontFiles)
      FcConfigAppFontAddFile(Config, reinterpret_cast<const FcChar8*>(file));
  }
  ~Impl() {
    Narrowed.clear();
    Fonts.clear();  // each holds a size of a face below
    for (auto& [file, face] : Faces) FT_Done_Face(face);
    FT_Done_FreeType(Library);
    FcConfigDestroy(Config);
  }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  FT_Face FaceFor(const FontFile& file) {
    const auto key = std::make_pair(file.Path, file.Index);
    if (auto it = Faces.find(key); it != Faces.end()) return it->second;
    FT_Face face = nullptr;
    if (FT_New_Face(Library, file.Path.c_str(), file.Index, &face) != 0) {
      throw std::runtime_error("Cannot open the font file " + file.Path + ".");
    }
    Faces.emplace(key, face);
    return face;
  }

  // Text laid out for one face runs out of its boxes in a wider one: say so,
  // once a family, when the named face is missing.
  void WarnOnStandIn(std::string_view family, const FontFile& file) {
    if (SameLetterWidths(family, file.Family) || !Warned.emplace(family).second) return;
    std::fprintf(stderr,
                 "vantoro: no \"%.*s\" font is installed; using \"%s\" (%s), whose letters differ in width\n",
                 static_cast<int>(family.size()), family.data(), file.Family.c_str(), file.Path.c_str());
  }

  // The file for a family: its own, or where it is missing, its stand-in's
  // (or whatever fontconfig offers), with a warning.
  FontFile Resolve(std::string_view family, bool bold) {
    std::optional<FontFile> file = Match(Config, family, bold);
    const StandIn* standIn = StandInFor(family);
    if (standIn != nullptr && (!file || !SameLetterWidths(family, file->Family))) {
      if (std::optional<FontFile> scalable = Match(Config, standIn->Scalable, bold)) file = scalable;
    }
    if (!file)
      throw std::runtime_error("No font file found for \"" + std::string(family) +
                               "\": is fontconfig set up?");
    WarnOnStandIn(family, *file);
    return *file;
  }

  const Font& Get(std::string_view family, FontSize size, bool bold) {
    if (auto it = Fonts.find(FontKeyView{family, size, bold}); it != Fonts.end()) return *it->second;
    FontFile file = Resolve(family, bold);
    FT_Face face = FaceFor(file);
    std::optional<int> strike;
    std::string_view scalableFamily;
    double capRatio = DesignCapRatio(face);
    if (const StandIn* standIn = StandInFor(family); !FT_IS_SCALABLE(face) && standIn != nullptr) {
      scalableFamily = standIn->Scalable;
      // The stand-in draws the sizes the bitmap face lacks, and its design
      // says how tall the face's capitals should stand at any size.
      const FontFile scalable = Resolve(standIn->Scalable, bold);
      FT_Face scalableFace = FaceFor(scalable);
      capRatio = DesignCapRatio(scalableFace);
      strike = OwnStrike(face, size);
      if (!strike && FT_IS_SCALABLE(scalableFace)) {
        file = scalable;
        face = scalableFace;
      }
    } else if (!FT_IS_SCALABLE(face)) {
      strike = OwnStrike(face, size);
    }
    FontFacts facts{file.Family, 0, capRatio, !FT_IS_SCALABLE(face)};
    auto font = std::make_unique<FreeTypeFont>(face, size, strike, std::move(facts), 100, scalableFamily);
    return *Fonts.emplace(FontKey{std::string(family), size, bold}, std::move(font)).first->second;
  }

  const Font& Narrow(const Font& font, int percent) {
    percent = std::clamp(percent, 50, 100);
    const auto* source = dynamic_cast<const FreeTypeFont*>(&font);
    if (percent == 100 || source == nullptr) return font;
    if (!FT_IS_SCALABLE(source->Face())) {
      // A strike cannot be drawn narrower; its scalable stand-in can.
      if (source->StandIn().empty()) return font;
      return Narrow(Get(source->StandIn(), source->Size(), false), percent);
    }
    auto& narrowed = Narrowed[{&font, percent}];
    if (!narrowed)
      narrowed = std::make_unique<FreeTypeFont>(source->Face(), source->Size(), source->Strike(),
                                                source->Facts(), percent);
    return *narrowed;
  }
};

FontLibrary::FontLibrary() : impl_(std::make_unique<Impl>()) {}
FontLibrary::~FontLibrary() = default;

const Font& FontLibrary::Get(std::string_view family, FontSize size, bool bold) {
  return impl_->Get(family, size, bold);
}

const Font& FontLibrary::Default() {
  if (impl_->DefaultFont == nullptr) impl_->DefaultFont = &Interface(FontSize::Points(8));
  return *impl_->DefaultFont;
}

const Font& FontLibrary::Interface(FontSize size) { return impl_->Get(kInterfaceFamily, size, false); }

const Font& FontLibrary::Narrowed(const Font& font, int percent) { return impl_->Narrow(font, percent); }

std::string FontLibrary::FileFor(std::string_view family, bool bold) {
  const std::optional<FontFile> file = Match(impl_->Config, family, bold);
  return file ? file->Path : std::string();
}

}  // namespace vantoro
