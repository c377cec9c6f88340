// libFuzzer target for every text the program reads: the number texts that every change of
// the total passes through, and the values that come from the command line and the
// clipboard.

#include "fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check_conversions(data, size);
    check_console_value(data, size);
    return 0;
}
