#include "screens/result_screen.hpp"

#include <array>

#include "sim/match.hpp"
#include "sim/result.hpp"

namespace vantoro {
namespace {

constexpr std::array<Button<ResultButton>, 1> kResultButtons = {{{ResultButton::Ok,
                                                                  {600, 500, 700, 550},
                                                                  PressRule::Inside,
                                                                  " OK",
                                                                  615,
                                                                  507,
                                                                  24,
                                                                  kGreenScheme,
                                                                  Face::Interface}}};

}  // namespace

std::span<const Button<ResultButton>> ResultScreen::Buttons() { return kResultButtons; }

void ResultScreen::Draw(Canvas& canvas) {
  ScoreGame(ctx_.State);
  const Int stage = ctx_.State.Runtime.ResultStage;
  if (stage == 0) DrawSheet(canvas);
  DrawButtons(canvas, ctx_.Fonts, Buttons(),
              [](const Button<ResultButton>&) { return ButtonState::Enabled; });
  if (stage == 1) DrawVerdict(canvas);
}

void ResultScreen::DrawSheet(Canvas& canvas) {
  const RuntimeState& r = ctx_.State.Runtime;
  const Font& font = ctx_.Fonts.Interface(FontSize::Points(24));
  canvas.Picture(10, 10, ctx_.Pictures.Get(PictureId::GameEndsBanner));
  const auto side = [&](int top, std::string_view name, std::array<Int, 4> values, Color color) {
    static constexpr std::array<const char*, 4> kRows = {"Tags:", "Pull:", "Hang:", "Total:"};
    canvas.Text(10, top, name, font, color);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
      const int y = top + 40 * static_cast<int>(i + 1);
      canvas.Text(10, y, kRows[i], font, color);
      canvas.Text(300, y, values[i].Str(), font, color);
    }
  };
  const Color red = Rgb(0xFF0000), blue = Rgb(0x0000FF);
  side(80, MatchTeam(ctx_.State).Name.View(),
       {r.OppTagPoints, r.OppPullPoints, r.OppHangPoints, r.OppositionFinalScore}, red);
  side(320, "Vantoro Team", {r.OwnTagPoints, r.OwnPullPoints, r.OwnHangPoints, r.OwnFinalScore}, blue);
  const Image& penalty = ctx_.Pictures.Get(PictureId::PenaltyBanner);
  if (r.OwnPenalty > 0) {
    canvas.Picture(400, 360, penalty);
    canvas.Text(400, 420, "Chronograph Violation:" + r.OwnPenalty.Str(), font, blue);
  }
  if (r.OppPenalty > 0) {
    canvas.Picture(400, 120, penalty);
    canvas.Text(400, 180, "Chronograph Violation:" + r.OppPenalty.Str(), font, red);
  }
}

void ResultScreen::DrawVerdict(Canvas& canvas) {
  GameState& s = ctx_.State;
  const Int outcome = DecideOutcome(s);
  static constexpr std::array<PictureId, 3> kBanners = {PictureId::WinBanner, PictureId::LossBanner,
                                                        PictureId::DrawBanner};
  canvas.Picture(250, 100, ctx_.Pictures.Get(kBanners[static_cast<std::size_t>(outcome.v - 1)]));
  const Int kind = s.Runtime.TrophyKind;
  if (outcome == 1 && InRange(kind, 1, 4)) {
    canvas.Picture(320, 200, ctx_.Pictures.Get(Nth(PictureId::ResultTrophy1, kind.v)));
  }
  if (outcome == 2) canvas.Picture(200, 200, ctx_.Pictures.Get(PictureId::LossPicture));
}

void ResultScreen::Press(int x, int y) {
  const auto hit = HitTest<ResultButton>(kResultButtons, x, y);
  if (!hit) return;
  switch (*hit) {
    case ResultButton::Ok:
      if (ConfirmResult(ctx_.State)) ctx_.Screens.HandOver(ScreenId::Result, ScreenId::EndOfMonth);
      break;
  }
}

}  // namespace vantoro
