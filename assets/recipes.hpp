#pragma once
// One recipe per picture of the manifest. To add a picture: list it in the
// manifest, write its `Draw...` function in a recipe file, and add one line
// to the table in recipes.cpp.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "ui/artwork.hpp"
#include "ui/font.hpp"
#include "ui/image.hpp"

namespace vantoro::art {

// Draws one picture.
using RecipeFn = std::function<Image(FontLibrary& fonts)>;

Image DrawTitle(FontLibrary& fonts);
Image DrawCreation(FontLibrary& fonts);
Image DrawIcon(FontLibrary& fonts);
// The icon at any size, and its opacity (a round badge) for the desktop's
// icon files.
Image DrawIconAt(int size);
std::vector<std::uint8_t> IconOpacity(int size);
Image DrawHubBackground(FontLibrary& fonts);

// Families: member n counts from 1.
Image DrawTeamAnimFrame(FontLibrary& fonts, int frame);     // 1..20
Image DrawPortrait(FontLibrary& fonts, int gender, int n);  // gender 1 or 2, n 1..8
Image DrawTrophy(FontLibrary& fonts, int kind);             // 1..4
Image DrawMapOverview(FontLibrary& fonts);
Image DrawMapStrip(FontLibrary& fonts, int strip);   // 1..5, north to south
Image DrawVehicle(FontLibrary& fonts, int vehicle);  // 1..4
Image DrawWristwatch(FontLibrary& fonts);
Image DrawMonthSprite(FontLibrary& fonts);
Image DrawLeagueEndBanner(FontLibrary& fonts);
Image DrawTeamCelebrating(FontLibrary& fonts);
Image DrawTeamDejected(FontLibrary& fonts);
Image DrawSmallTrophy(FontLibrary& fonts, int kind);  // 1..4, the hub's trophies smaller
Image DrawBreakupBanner(FontLibrary& fonts);
Image DrawBreakupTeam(FontLibrary& fonts);
Image DrawTournamentBanner(FontLibrary& fonts);
Image DrawFigure(FontLibrary& fonts, int gender, int n);  // gender 1 or 2, n 1..4
Image DrawField(FontLibrary& fonts, int field);           // 1 Airball, 2 Airball in the rain, 3 woods
Image DrawActionAirball(FontLibrary& fonts, int moment);  // 1..9
Image DrawActionWoods(FontLibrary& fonts, int moment);    // 1..5
Image DrawMarkerFailure(FontLibrary& fonts);
Image DrawGameEndsBanner(FontLibrary& fonts);
Image DrawPenaltyBanner(FontLibrary& fonts);
Image DrawResultBanner(FontLibrary& fonts, int result);  // 1 win, 2 loss, 3 draw
Image DrawResultTrophy(FontLibrary& fonts, int kind);    // 1..4, the hub's trophies larger
Image DrawLossPicture(FontLibrary& fonts);
Image DrawHqPicture(FontLibrary& fonts);
Image DrawClubhouse(FontLibrary& fonts);
Image DrawFitting(FontLibrary& fonts, int fitting);       // 1 TV, 2 cooler, 3 snacks, 4 pool, 5 fridge
Image DrawMarkerCatalogue(FontLibrary& fonts, int item);  // 1..10
Image DrawNoMarker(FontLibrary& fonts, int gender);       // 1 or 2
Image DrawPaintPicture(FontLibrary& fonts);
Image DrawCustomisation(FontLibrary& fonts, int n);  // 1 loader, 2 milling, 3 brake, 4 scope
Image DrawTraining(FontLibrary& fonts, int drill);   // 1 laps, 2 targets, 3 cover, 4 sprints
Image DrawFinancePicture(FontLibrary& fonts);
Image DrawGamblePicture(FontLibrary& fonts);
Image DrawHorse(FontLibrary& fonts, int phase);     // 1 standing, 2 legs gathered, 3 stretched
Image DrawCard(FontLibrary& fonts, int rank);       // 1 ace .. 10, 11 jack, 12 queen, 13 king
Image DrawSlotSymbol(FontLibrary& fonts, int n);    // 1..4 balls, $$$, BONUS, CREDIT, $100, blank
Image DrawSlotBlur(FontLibrary& fonts, int frame);  // 1..5

// The recipe that draws a picture; nullptr when there is none yet.
RecipeFn RecipeFor(PictureId id);

// The manifest entry whose file name is `name`, with or without ".jpg";
// nullptr when there is none.
const PictureInfo* FindPicture(std::string_view name);

}  // namespace vantoro::art
