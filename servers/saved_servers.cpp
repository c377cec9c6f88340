#include "saved_servers.h"

#include "core/words.h"
#include "rcon/rcon_error.h"
#include "rcon/server_address.h"

#include <algorithm>
#include <array>

namespace tallyglyph::servers {
namespace {

constexpr std::string_view address_key = "address";
constexpr std::string_view config_key = "config";
constexpr std::string_view password_file_key = "password-file";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool holds_control(std::string_view text) {
    return std::ranges::any_of(text, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

// Why a server's name or value cannot stand in the file; empty when it can.
std::string unfit(std::string_view what, std::string_view text) {
    if (trimmed(text).empty())
        return what == "name" ? "a saved server needs a name" : std::string(what) + " is empty";
    if (holds_control(text))
        return std::string(what) + " " + core::quoted(text) + " holds a control character";
    if (trimmed(text) != text)
        return std::string(what) + " " + core::quoted(text) + " starts or ends with a blank";
    if (what == "name" && text.find(']') != std::string_view::npos)
        return "the name " + core::quoted(text) + " holds ']', which ends a section's name";
    return {};
}

// Why the text is not a server's address; empty when it is one.
std::string not_an_address(std::string_view text) {
    try {
        rcon::read_server_address(text);
        return {};
    } catch (const rcon::InputError& error) {
        return error.what();
    }
}

} // namespace

SavedServers::SavedServers(std::string_view text, std::string_view file) : file_(file) {
    if (text.find("\r\n") != std::string_view::npos)
        line_break_ = "\r\n";
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines_.emplace_back(line);
        start = end + 1;
    }

    const auto fail = [&](std::size_t line, const std::string& why) {
        throw ServersError(file_ + ":" + std::to_string(line + 1) + ": " + why);
    };
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = trimmed(lines_[i]);
        if (line.empty() || line.starts_with('#') || line.starts_with(';'))
            continue;
        if (line.starts_with('[')) {
            const std::string_view name = line.substr(1, line.size() - 1 - line.ends_with(']'));
            if (!line.ends_with(']'))
                fail(i, "a section's name ends with ']'");
            if (const std::string why = unfit("name", name); !why.empty())
                fail(i, why);
            if (find(name) != nullptr)
                fail(i, "the server " + core::quoted(name) + " is saved twice");
            servers_.push_back({std::string(name), {}, {}, {}});
            sections_.push_back({i, i + 1});
            continue;
        }
        if (servers_.empty())
            fail(i, "a setting before the first [NAME]");
        const std::size_t equals = line.find('=');
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string value(trimmed(line.substr(std::min(equals, line.size() - 1) + 1)));
        SavedServer& server = servers_.back();
        const auto assign = [&](std::optional<std::string>& slot) {
            if (slot)
                fail(i, std::string(key) + " is given twice for " + core::quoted(server.name));
            if (value.empty())
                fail(i, std::string(key) + " is empty");
            slot = value;
        };
        std::optional<std::string> address;
        if (!server.address.empty())
            address = server.address;
        if (equals == std::string_view::npos)
            fail(i, "not a setting: write KEY = VALUE");
        else if (core::same_word(key, address_key))
            assign(address);
        else if (core::same_word(key, config_key))
            assign(server.config);
        else if (core::same_word(key, password_file_key))
            assign(server.password_file);
        else if (key.find("password") != std::string_view::npos)
            fail(i, "servers.ini holds no password: the windows keep it in the system's "
                    "keychain, and the companion reads it from a file named by password-file");
        else
            fail(i, "an unknown setting " + core::quoted(key) +
                        " (a server has address, config and password-file)");
        server.address = address.value_or("");
        sections_.back().end_line = i + 1;
    }
    for (std::size_t s = 0; s < servers_.size(); ++s) {
        if (servers_[s].address.empty())
            fail(sections_[s].first_line, core::quoted(servers_[s].name) + " has no address");
        if (const std::string why = not_an_address(servers_[s].address); !why.empty())
            fail(sections_[s].first_line, why);
    }
}

const SavedServer* SavedServers::find(std::string_view name) const {
    const auto found = std::ranges::find_if(
        servers_, [&](const SavedServer& server) { return core::same_word(server.name, name); });
    return found == servers_.end() ? nullptr : &*found;
}

void SavedServers::put(const SavedServer& server) {
    const std::array<std::pair<std::string_view, std::string>, 4> texts{
        {{"name", server.name},
         {"the address", server.address},
         {"the configuration file", server.config.value_or("-")},
         {"the password file", server.password_file.value_or("-")}}};
    for (const auto& [what, text] : texts)
        if (const std::string why = unfit(what, text); !why.empty())
            throw ServersError(why);
    if (const std::string why = not_an_address(server.address); !why.empty())
        throw ServersError(why);

    const SavedServer* saved = find(server.name);
    if (saved == nullptr) {
        if (!lines_.empty() && !trimmed(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + server.name + "]");
        lines_.push_back(std::string(address_key) + " = " + server.address);
        *this = SavedServers(text(), file_);
        saved = &servers_.back();
    }
    const auto index = static_cast<std::size_t>(saved - servers_.data());
    set_key(index, address_key, server.address);
    set_key(index, config_key, server.config);
    set_key(index, password_file_key, server.password_file);
}

void SavedServers::set_key(std::size_t server, std::string_view key,
                           const std::optional<std::string>& value) {
    const Section section = sections_[server];
    auto line = lines_.begin() + static_cast<long>(section.first_line + 1);
    const auto end = lines_.begin() + static_cast<long>(section.end_line);
    line = std::find_if(line, end, [&](const std::string& text) {
        const std::string_view setting = trimmed(text);
        return !setting.starts_with('#') && !setting.starts_with(';') &&
               core::same_word(trimmed(setting.substr(0, setting.find('='))), key);
    });
    const std::string setting = std::string(key) + " = " + value.value_or("");
    if (line != end && value)
        *line = setting;
    else if (line != end)
        lines_.erase(line);
    else if (value)
        lines_.insert(end, setting);
    *this = SavedServers(text(), file_);
}

std::string SavedServers::text() const {
    std::string text;
    for (const std::string& line : lines_)
        text += line + line_break_;
    return text;
}

} // namespace tallyglyph::servers
