#include "ui/screen_set.hpp"

#include <algorithm>
#include <string>
#include <vector>

namespace vantoro {
namespace {

// Window pixels left of or above the window's origin stay outside it.
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-(a + 1)) / b) - 1; }

}  // namespace

ScreenSet::ScreenSet(GameState& state, Platform& platform) : state_(state), platform_(platform) {}

void ScreenSet::Install(ScreenId id, std::unique_ptr<Screen> screen) {
  slots_[Index(id)].Instance = std::move(screen);
}

void ScreenSet::Start(std::int64_t now) {
  now_ = now;
  if (tape_) tape_->Started(now, platform_.GetClientSize());
  Show(ScreenId::Title);
  StartTicks(ScreenId::Title);
  // The title shows at once, not at its first tick 25 ms on. That tick
  // still places it for the game as ever, and finding it shown for the
  // same window, presents nothing more.
  FitTitle(platform_.GetClientSize());
  PresentTitle();
}

int ScreenSet::ScaleFor(ClientSize client) {
  return std::max(1, std::min(client.Width / Canvas::kWidth, client.Height / Canvas::kHeight));
}

ClientSize ScreenSet::LogicalSize(ClientSize client) {
  const int scale = ScaleFor(client);
  return {client.Width / scale, client.Height / scale};
}

FrameOrigin ScreenSet::OriginFor(ClientSize client) {
  // div truncates toward zero, as the layout rules say.
  return FrameOrigin{client.Width / 2 - Canvas::kWidth / 2, client.Height / 2 - Canvas::kHeight / 2};
}

std::optional<ScreenId> ScreenSet::VisibleScreen() const {
  for (int i = 0; i < kScreenCount; ++i) {
    if (slots_[static_cast<std::size_t>(i)].Visible) return static_cast<ScreenId>(i);
  }
  return std::nullopt;
}

bool ScreenSet::TickRunning(ScreenId id, TickKind kind) const {
  return scheduler_.Running({Index(id), kind});
}

void ScreenSet::Show(ScreenId id) {
  Slot& slot = slots_[Index(id)];
  slot.Visible = true;
  if (id != ScreenId::Title) slot.Origin = OriginFor(LogicalSize(platform_.GetClientSize()));
  titleDirty_ = true;
  platform_.SetCaption(kScreenTable[static_cast<std::size_t>(Index(id))].Caption);
}

void ScreenSet::Hide(ScreenId id) { slots_[Index(id)].Visible = false; }

void ScreenSet::StartTicks(ScreenId id) {
  const ScreenEntry& info = kScreenTable[static_cast<std::size_t>(Index(id))];
  scheduler_.Start({Index(id), TickKind::Drawing}, info.PeriodMs, now_);
  if (info.EventPeriodMs > 0) scheduler_.Start({Index(id), TickKind::Event}, info.EventPeriodMs, now_);
}

void ScreenSet::StopTicks(ScreenId id) {
  scheduler_.Stop({Index(id), TickKind::Drawing});
  scheduler_.Stop({Index(id), TickKind::Event});
}

void ScreenSet::HandOver(ScreenId from, ScreenId to) {
  StopTicks(from);
  Hide(from);
  Show(to);
  StartTicks(to);
}

void ScreenSet::LeaveTitle(ScreenId to) {
  Hide(ScreenId::Title);
  Show(to);
  StartTicks(to);
}

void ScreenSet::ReturnToTitle(ScreenId from) {
  StopTicks(from);
  Hide(from);
  Show(ScreenId::Title);
}

void ScreenSet::RunDue(std::int64_t now) {
  if (now > now_) now_ = now;
  if (tape_) {
    // Only a call that delivers a tick changes the game.
    if (const auto due = scheduler_.NextDue(); due && *due <= now_)
      tape_->Ticked(now_, *due, platform_.GetClientSize());
  }
  while (auto key = scheduler_.TakeDue(now_)) DeliverTick(*key);
}

std::optional<std::int64_t> ScreenSet::NextWake() const {
  if (Visible(ScreenId::Title) || !VisibleScreen()) return scheduler_.NextDue();
  return scheduler_.NextDue(TickKey{Index(ScreenId::Title), TickKind::Drawing});
}

void ScreenSet::CatchUp(std::int64_t until) {
  while (!quit_) {
    const auto next = scheduler_.NextDue();
    if (!next || *next > until) break;
    RunDue(*next);
  }
}

void ScreenSet::DeliverTick(TickKey key) {
  const auto id = static_cast<ScreenId>(key.Screen);
  if (key.Kind == TickKind::Event) {
    if (Screen* screen = Get(id)) screen->EventTick();
  } else if (id == ScreenId::Title) {
    TitleTick();
  } else {
    ScreenTick(id);
  }
}

void ScreenSet::TitleTick() {
  // The window is maximised only after the first tick, and the player may
  // resize it at any time: a title placed for another size would sit at
  // the top left, unscaled, where every other screen is centred.
  const ClientSize client = platform_.GetClientSize();
  if (state_.Runtime.TitlePlaced == 0 || client != titleClient_) PlaceTitle(client);
  if (platform_.TakeFrameLost()) titleDirty_ = true;
  // Drawn and discarded: the title keeps the generator moving while it shows.
  (void)state_.Random(100);
  if (!VisibleScreen()) {
    Show(ScreenId::Title);
    state_.Runtime.TitlePlaced = 0;
    for (int i = 1; i < kScreenCount; ++i) StopTicks(static_cast<ScreenId>(i));
  }
  PresentTitle();
}

void ScreenSet::PlaceTitle(ClientSize client) {
  state_.Runtime.TitlePlaced = 1;
  FitTitle(client);
}

void ScreenSet::FitTitle(ClientSize client) {
  // The window's own size, not the logical one: a new scale with the same
  // logical size moves nothing but must still be presented again.
  titleClient_ = client;
  const ClientSize logical = LogicalSize(client);
  slots_[Index(ScreenId::Title)].Origin = OriginFor(logical);
  titleSized_ = logical.Width > 810;
  if (titleShownFor_ != client) titleDirty_ = true;
}

void ScreenSet::PresentTitle() {
  // The title never changes once placed, so it is presented only when it
  // was placed again or shown again; the platform keeps the window painted.
  if (!Visible(ScreenId::Title) || !titleDirty_) return;
  titleDirty_ = false;
  titleShownFor_ = titleClient_;
  canvas_.Clear();
  if (Screen* title = Get(ScreenId::Title)) title->Draw(canvas_);
  PresentCanvas(slots_[Index(ScreenId::Title)].Origin);
}

void ScreenSet::ScreenTick(ScreenId id) {
  Slot& slot = slots_[Index(id)];
  if (!slot.Instance || !slot.Instance->CoversFrame()) canvas_.Clear();
  if (slot.Instance) slot.Instance->Draw(canvas_);
  slot.Origin = OriginFor(LogicalSize(platform_.GetClientSize()));
  // A hidden screen's tick still runs until the return rule stops it, but
  // only the visible screen owns the window.
  if (slot.Visible) PresentCanvas(slot.Origin);
}

void ScreenSet::PresentCanvas(FrameOrigin origin) {
  if (notice_) DrawNotice();
  platform_.Present(canvas_.Pixels(), origin.Left, origin.Top, Scale(), canvas_.Drawn());
  canvas_.ForgetDrawn();
  // Nothing drawn refers to a picture now, so this is where they may go.
  if (pictures_ != nullptr && pictures_->Trim(now_)) canvas_.ForgetPictures();
}

void ScreenSet::ShowMessage(std::string_view title, std::string_view text) {
  // A playback shows what the frame showed: whether the desktop's box
  // opened comes from the recording, and no box opens again.
  const bool shown =
      tape_ && tape_->Playing() ? tape_->MessageShown(false) : platform_.ShowMessage(title, text);
  if (tape_ && !tape_->Playing()) tape_->MessageShown(shown);
  if (shown) return;
  notice_ = Notice{std::string(title), std::string(text)};
  titleDirty_ = true;
}

namespace {

// Breaks text at blanks into lines no wider than `width`; a word wider than
// that stands on a line of its own, cut at the box by the drawing.
std::vector<std::string> WrapLines(std::string_view text, const Font& font, int width) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(' ', at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(at, end - at);
    const std::string tried = line.empty() ? std::string(word) : line + " " + std::string(word);
    if (!line.empty() && font.TextWidth(tried) > width) {
      lines.push_back(line);
      line = std::string(word);
    } else {
      line = tried;
    }
    at = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

void DrawNoticeBox(Canvas& canvas, const Font* font, std::string_view title, std::string_view text,
                   std::string_view hint) {
  constexpr int kBoxWidth = 520, kMargin = 16, kMostLines = 12;
  const Color edge = Rgb(0xAAAAFF), paper = Rgb(0x101830), ink = kWhite, grey = Rgb(0xAAAAAA);
  std::vector<std::string> lines;
  int step = 14;
  if (font) {
    lines = WrapLines(text, *font, kBoxWidth - 2 * kMargin);
    if (lines.size() > kMostLines) lines.resize(kMostLines);
    step = font->CellHeight() + 2;
  }
  const int height = 2 * kMargin + step * (static_cast<int>(lines.size()) + 3) + step / 2;
  const int left = (Canvas::kWidth - kBoxWidth) / 2, top = (Canvas::kHeight - height) / 2;
  canvas.Rectangle(left, top, left + kBoxWidth, top + height, edge, paper);
  canvas.Rectangle(left + 2, top + 2, left + kBoxWidth - 2, top + height - 2, edge, std::nullopt);
  if (!font) return;
  int y = top + kMargin;
  canvas.Text(left + kMargin, y, title, *font, edge);
  y += 2 * step;
  for (const std::string& line : lines) {
    canvas.Text(left + kMargin, y, line, *font, ink);
    y += step;
  }
  y += step / 2;
  canvas.Text(left + kMargin, y, hint, *font, grey);
}

void ScreenSet::DrawNotice() {
  DrawNoticeBox(canvas_, noticeFont_, notice_->Title, notice_->Text, "Click to continue.");
}

bool ScreenSet::InPressArea(ScreenId id, int windowX, int windowY, int& frameX, int& frameY) const {
  if (id == ScreenId::Match) return false;  // the match is watched, not touched
  const FrameOrigin origin = slots_[Index(id)].Origin;
  frameX = windowX - origin.Left;
  frameY = windowY - origin.Top;
  int width = kPressAreaWidth, height = kPressAreaHeight;
  if (id == ScreenId::Title) {
    width = titleSized_ ? Canvas::kWidth : kTitleWidth;
    height = titleSized_ ? Canvas::kHeight : kTitleHeight;
  }
  return frameX >= 0 && frameY >= 0 && frameX < width && frameY < height;
}

void ScreenSet::MouseDown(int windowX, int windowY) {
  if (tape_) tape_->Pressed(true, windowX, windowY, now_, platform_.GetClientSize());
  Pressed(windowX, windowY);
  if (tape_) tape_->Settled(StateHash(state_));
}

void ScreenSet::MouseUp(int windowX, int windowY) {
  if (tape_) tape_->Pressed(false, windowX, windowY, now_, platform_.GetClientSize());
  Released(windowX, windowY);
  if (tape_) tape_->Settled(StateHash(state_));
}

void ScreenSet::CloseVisible() {
  if (tape_) tape_->Closed(now_, platform_.GetClientSize());
  Close();
  if (tape_) tape_->Settled(StateHash(state_));
}

void ScreenSet::Pressed(int windowX, int windowY) {
  if (notice_) {
    // The press that dismisses the box does nothing else.
    notice_.reset();
    titleDirty_ = true;
    titleClickArmed_ = false;
    return;
  }
  const int scale = Scale();
  windowX = FloorDiv(windowX, scale);
  windowY = FloorDiv(windowY, scale);
  const auto visible = VisibleScreen();
  if (!visible) return;
  int x = 0, y = 0;
  if (!InPressArea(*visible, windowX, windowY, x, y)) return;
  if (*visible == ScreenId::Title) {
    titleClickArmed_ = true;
    return;
  }
  if (Screen* screen = Get(*visible)) screen->Press(x, y);
}

void ScreenSet::Released(int windowX, int windowY) {
  const int scale = Scale();
  windowX = FloorDiv(windowX, scale);
  windowY = FloorDiv(windowY, scale);
  const bool armed = titleClickArmed_;
  titleClickArmed_ = false;
  int x = 0, y = 0;
  if (!armed || !Visible(ScreenId::Title) || !InPressArea(ScreenId::Title, windowX, windowY, x, y)) return;
  if (Screen* title = Get(ScreenId::Title)) title->Press(x, y);
}

void ScreenSet::Close() {
  const auto visible = VisibleScreen();
  if (!visible) return;
  if (*visible == ScreenId::Title) {
    quit_ = true;
  } else if (*visible != ScreenId::Match) {
    Hide(*visible);
  }
}

}  // namespace vantoro
