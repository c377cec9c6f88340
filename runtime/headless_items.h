#pragma once
// Only for rcon/emote_control.cpp, which still finds Form1's cells here: they are built in
// form/ now (form/form_cells.h). Goes once rcon/ reads values with form::read_form1_value.

#include "form/form_cells.h"

namespace tallyglyph::runtime {

using Form1Cells = form::Form1Cells;

} // namespace tallyglyph::runtime
