#include "tools/soundgen/Recipes.h"

#include <algorithm>
#include <iterator>

namespace {

// Jingles peak a little higher than effects, and clicks are the softest: a player hears the
// clicks hundreds of times a game.
const TRecipe Table[] = {
    {"StartQRX", 364032, 0.60, ComposeStartQRX},     {"EnterGame", 68736, 0.55, ComposeEnterGame},
    {"EndLevel", 59136, 0.60, ComposeEndLevel},      {"EndGame", 146432, 0.55, ComposeEndGame},
    {"HiScore", 102912, 0.65, ComposeHiScore},       {"EnterScore", 44672, 0.60, ComposeEnterScore},
    {"Dialog", 19008, 0.45, ComposeDialog},          {"RotateLeft", 5424, 0.30, ComposeRotateLeft},
    {"RotateRight", 5584, 0.30, ComposeRotateRight}, {"Pause", 99840, 0.50, ComposePause},
    {"LineOne", 28160, 0.55, ComposeLineOne},        {"LineTwo", 29120, 0.55, ComposeLineTwo},
    {"LineThree", 28416, 0.58, ComposeLineThree},    {"LineFour", 33024, 0.60, ComposeLineFour},
    {"FallDown1", 8416, 0.50, ComposeFallDown1},     {"FallDown2", 11070, 0.50, ComposeFallDown2},
    {"FallDown3", 9440, 0.50, ComposeFallDown3},     {"FallDown4", 9024, 0.50, ComposeFallDown4},
    {"FallDown5", 10096, 0.50, ComposeFallDown5},    {"FallDown6", 9008, 0.50, ComposeFallDown6},
    {"FallDown7", 8512, 0.50, ComposeFallDown7},     {"FallDown", 2568, 0.40, ComposeFallDown},
};

} // namespace

const TRecipe *FindRecipe(const QString &name) {
  const auto found = std::find_if(std::begin(Table), std::end(Table),
                                  [&](const TRecipe &r) { return name == QLatin1String(r.Name); });
  return found == std::end(Table) ? nullptr : found;
}

int RecipeCount() { return static_cast<int>(std::size(Table)); }
