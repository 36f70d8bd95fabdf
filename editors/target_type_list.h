#pragma once

#include "editors/controls.h"

namespace zav {

// Fills a pick list with the 44 target types, each entry standing for the game's code for it
// (code 22 reads as "Radar Tower", like 21).
void fill_target_types(PickList& list);

}  // namespace zav
