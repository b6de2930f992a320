#pragma once
// The 800 x 600 off-screen frame every screen draws into, in the
// conventions of the coordinates the screens are laid out in: the right and
// bottom edges of rectangles and ellipses are exclusive, a line stops before
// its end point, text is placed by the top-left of its cell, and everything
// clips to the frame.
//
// Every tick draws the whole picture, but from one tick to the next most of
// it is drawn exactly alike. So drawing is recorded rather than done at
// once, and the frame is worked out when it is read (Pixels, At, Drawn),
// only in the parts whose drawing differs from what they hold: each row is
// cut into bands of columns, and each such part is known by a hash chained
// over everything drawn on it since something last set all of it. Drawing
// chains only each row's own hash; the parts' are worked out for the rows
// whose hash changed.
// Pictures, like fonts, are known by their addresses: a picture or font
// drawn must stay alive and unchanged while the canvas lives, as the loaded
// picture set and the font library do. A build with assertions checks this
// for pictures at every read, and stops on a picture changed where it was
// drawn.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/font.hpp"
#include "ui/frame_diff.hpp"
#include "ui/image.hpp"

namespace vantoro {

// What a frame was drawn from, shape by shape, for the checks of a screen's
// layout: where each text's ink lies, and the boxes and lines it may run into.
struct DrawLog {
  enum class Shape { Text, Fill, Rectangle, Ellipse, Line, Picture };
  struct Entry {
    Shape What = Shape::Text;
    // Text: its glyphs' ink, unclipped; Fill, Rectangle, Ellipse and
    // Picture: the box; the right and bottom edges exclusive. Line: the
    // end points (L, T) and (R, B).
    int L = 0, T = 0, R = 0, B = 0;
    std::string Text{};          // Text only
    const Font* Face = nullptr;  // Text only
    int X = 0, Y = 0;            // Text: where it was placed
    bool Filled = false;         // Rectangle and Ellipse: with a brush
  };
  std::vector<Entry> Entries;
};

class Canvas {
 public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  explicit Canvas(int width = kWidth, int height = kHeight);

  int Width() const { return image_.Width; }
  int Height() const { return image_.Height; }
  const Image& Pixels() const {
    Settle();
    return image_;
  }

  void Clear(Color c = kBlack);
  // Pixels l..r-1, t..b-1.
  void FillRect(int l, int t, int r, int b, Color c);
  // Outline in the pen colour, inside filled with the brush (none: hollow);
  // the corners may be given in either order.
  void Rectangle(int l, int t, int r, int b, Color pen, std::optional<Color> brush);
  // The ellipse inscribed in the rectangle l..r-1, t..b-1, corners in either order.
  void Ellipse(int l, int t, int r, int b, Color pen, std::optional<Color> brush);
  // From (x0, y0) up to but not including (x1, y1).
  void Line(int x0, int y0, int x1, int y1, Color c);
  void Pixel(int x, int y, Color c);
  Color At(int x, int y) const {
    Settle();
    return image_.At(x, y);
  }

  // Windows-1252 text with its cell's top-left at (x, y); the background, when
  // given, fills the text cell first. Returns the text's width in pixels.
  int Text(int x, int y, std::string_view cp1252, const Font& font, Color color,
           std::optional<Color> background = std::nullopt);

  // A stored picture at its natural size, top-left at (x, y). What it shows
  // is worked out once and kept by where its pixels are: the picture must
  // stay as it is, where it is (a loaded picture), while the canvas lives.
  void Picture(int x, int y, const Image& picture);
  // A frame-wide picture from the top-left, as Picture(0, 0, picture), known
  // by its rows' addresses, so that a backdrop drawn every tick costs only
  // the rows drawn over since.
  void Backdrop(const Image& picture);
  // A stored picture scaled to fill l..l+width-1, t..t+height-1.
  void StretchPicture(int l, int t, int width, int height, const Image& picture);

  // The parts drawn on since ForgetDrawn: those that can differ from the
  // frame presented last.
  DrawnParts Drawn() const {
    Settle();
    return DrawnParts{drawn_, bandWidth_};
  }
  void ForgetDrawn();
  // Pictures drawn before may have been freed, and others may come to lie
  // where they were: everything known by a picture's address goes, and the
  // next frame is worked out whole. Call it between frames.
  void ForgetPictures();

  // Every shape drawn from now on is also written to the log (none: no log).
  void SetLog(DrawLog* log) { log_ = log; }

 private:
  void Log(DrawLog::Entry entry) {
    if (log_ != nullptr) log_->Entries.push_back(std::move(entry));
  }
  // What a stored picture shows, row by row and piece by piece, the pieces
  // cut where the frame's bands cut it when its left edge lies `Phase`
  // columns into a band: a picture drawn in place of a partly alike one
  // (frames of an animation) is drawn again only where they differ.
  struct Contents {
    int Pieces = 0;                    // per row
    std::vector<std::uint64_t> Piece;  // row by row
    std::vector<std::uint64_t> Row;    // all of a row's pieces
  };
  struct ContentsKey {
    const std::uint32_t* Pixels;
    int Width, Height, Phase;
    bool operator==(const ContentsKey&) const = default;
  };
  struct ContentsKeyHash {
    std::size_t operator()(const ContentsKey& key) const;
  };
  const Contents& ContentsOf(const Image& picture, int x);

  enum class Kind : std::uint8_t { Fill, Framed, Ellipse, Line, Pixel, Text, Stored, Stretch, Backdrop };
  struct Op {
    Kind What = Kind::Fill;
    bool Filled = false;  // an ellipse with a brush
    // Fill, Framed and Ellipse: the box l, t, r, b; Line: its end points; Pixel,
    // Text and Stored: the position; Stretch: left, top, width and height
    // of the box the picture fills.
    int L = 0, T = 0, R = 0, B = 0;
    std::uint32_t Pen = 0, Brush = 0;   // Fill: its colour in Pen
    int Top = 0, Bottom = 0;            // the frame rows it may change
    int Left = 0, Right = 0;            // and columns
    std::uint32_t Sets = 0;             // the bands of those rows it sets all of
    std::uint64_t Hash = 0;             // what it draws, for the chains
    std::size_t From = 0;               // Text: into text_
    std::size_t Count = 0;              // Text: characters
    const Font* Face = nullptr;         // Text
    const Image* Source = nullptr;      // Stored, Stretch and Backdrop
    const Contents* Content = nullptr;  // Stored
  };

  void Fill(int l, int t, int r, int b, Color c);
  // Adds an op that may change rows [op.Top, op.Bottom) and columns
  // [op.Left, op.Right) (inside the frame, not empty), and that sets every
  // pixel of columns [setLeft, setRight) in those rows.
  void Record(const Op& op, std::uint64_t hash, int setLeft = 0, int setRight = 0);
  // Called before an op that sets every pixel of rows [top, bottom) and
  // columns [left, right) stores anything: when that is the whole frame,
  // nothing recorded before can show.
  void DropRecordIfCovered(int top, int bottom, int left, int right);
  // Works out the parts whose recorded drawing differs from what they hold.
  void Settle() const;
  struct Clip {
    int Top, Bottom, Left, Right;
  };
  // Draws the op into the clip's rows [Top, Bottom) and columns [Left, Right).
  void Draw(const Op& op, const Clip& clip) const;
  void DrawEllipse(const Op& op, const Clip& clip) const;
  void DrawLine(const Op& op, const Clip& clip) const;
  void DrawText(const Op& op, const Clip& clip) const;
  std::size_t Part(int y, int band) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(bands_) + static_cast<std::size_t>(band);
  }

  // The bands the op reaches.
  std::uint32_t Span(const Op& op) const;
  // A backdrop op's row y, known by where its pixels are.
  static std::uint64_t RowAddress(const Op& op, int y);
  // What op draws on row y, band `band`.
  std::uint64_t BandHash(const Op& op, int y, int band) const;

  mutable Image image_;
  int bandWidth_ = 32, bands_ = 1;  // at most 32 bands, one bit each
  mutable std::vector<std::uint32_t> drawn_;
  // Per row: a hash chained over everything drawn on it since something
  // last set all of it, and the same for what image_ holds.
  std::vector<std::uint64_t> rowPending_;
  mutable std::vector<std::uint64_t> rowHeld_;
  // Per part (row by band): the same for what image_ holds there.
  mutable std::vector<std::uint64_t> held_;
  mutable std::vector<Op> ops_;
  mutable std::string text_;
  // Settle's own: per row, its stale bands (kept for the rows it works
  // out); the rows with any, in order;
  // the bands' chains of the rows it works out, and the first op to replay
  // on each of their parts (the last that set all of it), row by row.
  mutable std::vector<std::uint32_t> stale_;
  mutable std::vector<int> staleRows_;
  mutable std::vector<std::uint32_t> firstStale_;  // per row and one past: where its stale rows begin
  mutable std::vector<std::uint64_t> chains_;
  mutable std::vector<std::uint32_t> bases_;
  // The contents of the pictures drawn, and how many pieces they hold.
  std::unordered_map<ContentsKey, Contents, ContentsKeyHash> contents_;
  std::size_t contentPieces_ = 0;
  // With assertions only: what each picture drawn held when it was first
  // drawn, as sums over interleaved sets of its pixels, and the read that
  // last checked it.
  struct Sighting {
    std::vector<std::uint64_t> Sums;
    std::uint64_t CheckedAt = 0;
  };
  void Watch(const Image& picture);
  void CheckPictures() const;
  mutable std::unordered_map<ContentsKey, Sighting, ContentsKeyHash> watched_;
  mutable std::uint64_t reads_ = 0;
  DrawLog* log_ = nullptr;
};

}  // namespace vantoro
