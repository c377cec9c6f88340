#pragma once
// kv_emoteControl in a server's configuration file and the files it runs, read and changed as
// the server reads them at start: one way for the companion's --config and for the windows.
// Messages hold names and values from the files as they are, so show them escaped.

#include "chain_reading.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallyglyph::config {

struct FileChange {
    std::string where;  // the line changed or added: "server.cfg:4"
    std::string backup; // the file holding the previous content; empty when nothing changed
    bool appended = false;
};

class EmoteControlFile {
public:
    // Reads the file and those it runs. Raises ConfigError for a file it refuses.
    explicit EmoteControlFile(const std::string& path);

    // The given file, in its plain form.
    const std::string& path() const { return reading_.files.front().path; }
    // What the server would warn of, or take otherwise than it looks: "FILE:LINE: what".
    std::vector<std::string> warnings() const;

    // The value the server takes at start; none when nothing sets it and the server's own
    // value applies. Raises ConfigError when what sets it is not a valid value.
    std::optional<std::uint32_t> value() const;
    // Where the value is set, as "server.cfg:4"; empty when nothing sets it.
    std::string where() const;
    // "server.cfg and the files it runs do not set kv_emoteControl".
    std::string nothing_set() const;

    // Writes the value in, unless the files give it already. Raises ConfigError, with nothing
    // written, when it cannot (config/value_edit.h, config/atomic_file.h).
    FileChange write(std::uint32_t value) const;

private:
    FileLoader load_;
    Reading reading_;
};

} // namespace tallyglyph::config
