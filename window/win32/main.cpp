#include "form1_events.h"

int main() {
    return tallyglyph::window::run_tallyglyph();
}
