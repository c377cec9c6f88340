#pragma once
// Everything the emote logic relies on from the run-time: errors, conversions, joining,
// the item interfaces with the check box change rule, and headless cells.

#include "conversions.h"    // IWYU pragma: export
#include "headless_cells.h" // IWYU pragma: export
#include "items.h"          // IWYU pragma: export
#include "run_time_error.h" // IWYU pragma: export
