// libFuzzer target for every text the program reads: the number texts that every change of
// the total passes through, the values that come from the command line and the clipboard,
// the replies that come from servers, and servers' configuration files.

#include "fuzz_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check_conversions(data, size);
    check_console_value(data, size);
    check_rcon_reply(data, size);
    check_config_reader(data, size);
    return 0;
}
