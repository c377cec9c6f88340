#pragma once
// The properties the fuzz target checks on each input, one function per reader of text.
// Each aborts with the input that broke a property.

#include <cstddef>
#include <cstdint>

void check_conversions(const std::uint8_t* data, std::size_t size);
void check_console_value(const std::uint8_t* data, std::size_t size);
void check_rcon_reply(const std::uint8_t* data, std::size_t size);
void check_config_reader(const std::uint8_t* data, std::size_t size);
