#include "form1_events.h"

int wmain(int argc, wchar_t* argv[]) {
    return tallyglyph::window::run_tallyglyph(argc, argv);
}
