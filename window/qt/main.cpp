#include "form1_events.h"

int main(int argc, char* argv[]) {
    return tallyglyph::window::run_tallyglyph(argc, argv);
}
