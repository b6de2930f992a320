#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

using FamilyFn = Image (*)(FontLibrary& fonts, int member);

// A run of `Count` pictures from `First`, drawn by member number (1-based).
struct Recipe {
  PictureId First;
  int Count;
  FamilyFn Draw;
};

// A family drawn for one gender (1 male, 2 female).
template <Image (*Draw)(FontLibrary&, int, int), int Gender>
Image Of(FontLibrary& fonts, int n) {
  return Draw(fonts, Gender, n);
}

template <Image (*Single)(FontLibrary&)>
Image One(FontLibrary& fonts, int) {
  return Single(fonts);
}

constexpr Recipe kRecipes[] = {
    {PictureId::Title, 1, One<DrawTitle>},
    {PictureId::Creation, 1, One<DrawCreation>},
    {PictureId::Icon, 1, One<DrawIcon>},
    {PictureId::HubBackground, 1, One<DrawHubBackground>},
    {PictureId::TeamAnim1, 20, DrawTeamAnimFrame},
    {PictureId::PortraitMale1, 8, Of<DrawPortrait, 1>},
    {PictureId::PortraitFemale1, 8, Of<DrawPortrait, 2>},
    {PictureId::Trophy1, 4, DrawTrophy},
    {PictureId::MapOverview, 1, One<DrawMapOverview>},
    {PictureId::MapStrip1, 5, DrawMapStrip},
    {PictureId::Vehicle1, 4, DrawVehicle},
    {PictureId::Wristwatch, 1, One<DrawWristwatch>},
    {PictureId::MonthSprite, 1, One<DrawMonthSprite>},
    {PictureId::LeagueEndBanner, 1, One<DrawLeagueEndBanner>},
    {PictureId::TeamCelebrating, 1, One<DrawTeamCelebrating>},
    {PictureId::TeamDejected, 1, One<DrawTeamDejected>},
    {PictureId::SmallTrophy1, 4, DrawSmallTrophy},
    {PictureId::BreakupBanner, 1, One<DrawBreakupBanner>},
    {PictureId::BreakupTeam, 1, One<DrawBreakupTeam>},
    {PictureId::TournamentBanner, 1, One<DrawTournamentBanner>},
    {PictureId::FigureMale1, 4, Of<DrawFigure, 1>},
    {PictureId::FigureFemale1, 4, Of<DrawFigure, 2>},
    {PictureId::FieldAirball, 3, DrawField},
    {PictureId::ActionAirball1, 9, DrawActionAirball},
    {PictureId::ActionWoods1, 5, DrawActionWoods},
    {PictureId::MarkerFailure, 1, One<DrawMarkerFailure>},
    {PictureId::GameEndsBanner, 1, One<DrawGameEndsBanner>},
    {PictureId::PenaltyBanner, 1, One<DrawPenaltyBanner>},
    {PictureId::WinBanner, 3, DrawResultBanner},
    {PictureId::ResultTrophy1, 4, DrawResultTrophy},
    {PictureId::LossPicture, 1, One<DrawLossPicture>},
    {PictureId::HqPicture, 1, One<DrawHqPicture>},
    {PictureId::Clubhouse, 1, One<DrawClubhouse>},
    {PictureId::Television, 5, DrawFitting},
    {PictureId::MarkerItem1, 10, DrawMarkerCatalogue},
    {PictureId::NoMarkerMale, 2, DrawNoMarker},
    {PictureId::PaintPicture, 1, One<DrawPaintPicture>},
    {PictureId::Custom1, 4, DrawCustomisation},
    {PictureId::Training1, 4, DrawTraining},
    {PictureId::FinancePicture, 1, One<DrawFinancePicture>},
    {PictureId::GamblePicture, 1, One<DrawGamblePicture>},
    {PictureId::HorseStanding, 3, DrawHorse},
    {PictureId::Card1, 13, DrawCard},
    {PictureId::SlotSymbol1, 9, DrawSlotSymbol},
    {PictureId::SlotBlur1, 5, DrawSlotBlur},
};

}  // namespace

RecipeFn RecipeFor(PictureId id) {
  const int n = static_cast<int>(id);
  for (const Recipe& r : kRecipes) {
    const int first = static_cast<int>(r.First);
    if (n >= first && n < first + r.Count)
      return [draw = r.Draw, member = n - first + 1](FontLibrary& fonts) { return draw(fonts, member); };
  }
  return nullptr;
}

const PictureInfo* FindPicture(std::string_view name) {
  for (const PictureInfo& p : kPictures) {
    // Without a dot, the name without its extension is the whole name.
    const std::string_view file = p.File;
    if (name == file || name == file.substr(0, file.rfind('.'))) return &p;
  }
  return nullptr;
}

}  // namespace vantoro::art
