#include "reply.h"

#include "core/words.h"
#include "rcon_error.h"

#include <array>

namespace tallyglyph::rcon {
namespace {

constexpr std::string_view reply_header = "\xff\xff\xff\xffprint\n";

// The pieces of one engine's print of a variable, colour codes included: they are part of
// the frame, and a value is taken only from between its exact ends.
struct PrintForm {
    Frame frame;
    std::string_view before_name;
    std::string_view after_name;
    std::string_view value_end;
    std::string_view the_default;
    std::string_view default_start; // the default then ends as the value does
    std::string_view latched_word;  // what a latched line starts with, and a description never
    std::string_view latched_start;
    std::string_view latched_end;
};

constexpr std::array<PrintForm, 2> print_forms{{
    {Frame::quake, "\"", "\" is:\"", "^7\"", ", the default", " default:\"",
     "latched:", "latched: \"", "\""},
    {Frame::openjk, "^9Cvar ^7", " = ^9\"^7", "^9\"^7", ", ^7the default", ", ^7default = ^9\"^7",
     "     latched =", "     latched = ^9\"^7", "^9\""},
}};

// Splits off the first line, newline excluded; none when the text has no newline.
std::optional<std::string_view> first_line(std::string_view& text) {
    const std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos)
        return std::nullopt;
    const std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline + 1);
    return line;
}

// What follows the value on its line; none when it is not one of the form's tails.
std::optional<DefaultShown> default_shown(const PrintForm& form, std::string_view tail) {
    if (tail.empty())
        return DefaultShown::no;
    if (tail == form.the_default)
        return DefaultShown::as_the_default;
    const std::size_t frame = form.default_start.size() + form.value_end.size();
    if (tail.size() < frame || !tail.starts_with(form.default_start) ||
        !tail.ends_with(form.value_end))
        return std::nullopt;
    const std::string_view fallback = tail.substr(form.default_start.size(), tail.size() - frame);
    if (fallback.find(form.value_end) != std::string_view::npos)
        return std::nullopt;
    return DefaultShown::as_a_value;
}

// The pending value in a latched line; none when the line is not one.
std::optional<std::string> latched_value(const PrintForm& form, std::string_view line) {
    const std::size_t frame = form.latched_start.size() + form.latched_end.size();
    if (line.size() < frame || !line.starts_with(form.latched_start) ||
        !line.ends_with(form.latched_end))
        return std::nullopt;
    return std::string(line.substr(form.latched_start.size(), line.size() - frame));
}

[[noreturn]] void unexpected(std::string_view name) {
    throw ServerError("the server's reading of " + std::string(name) + " is not one the " +
                      "companion knows");
}

// The text after the form's head for that name; none when the text does not start so.
std::optional<std::string_view> after_head(const PrintForm& form, std::string_view text,
                                           std::string_view name) {
    const std::size_t head = form.before_name.size() + name.size() + form.after_name.size();
    if (text.size() < head || !text.starts_with(form.before_name) ||
        !core::same_word(text.substr(form.before_name.size(), name.size()), name) ||
        text.substr(form.before_name.size() + name.size(), form.after_name.size()) !=
            form.after_name)
        return std::nullopt;
    return text.substr(head);
}

} // namespace

std::optional<std::string_view> reply_text(std::string_view datagram) {
    if (!datagram.starts_with(reply_header))
        return std::nullopt;
    return datagram.substr(reply_header.size());
}

std::optional<VariablePrint> read_variable_print(std::string_view text, std::string_view name) {
    for (const PrintForm& form : print_forms) {
        std::optional<std::string_view> rest = after_head(form, text, name);
        if (!rest)
            continue;
        const auto line = first_line(*rest);
        const std::size_t end = line ? line->find(form.value_end) : std::string_view::npos;
        const auto shown = end == std::string_view::npos
                               ? std::nullopt
                               : default_shown(form, line->substr(end + form.value_end.size()));
        if (!shown)
            unexpected(name);
        VariablePrint print{form.frame, std::string(line->substr(0, end)), *shown, std::nullopt};

        // At most a latched line, then one line that describes the variable.
        const std::optional<std::string_view> next = first_line(*rest);
        if (next && next->starts_with(form.latched_word)) {
            print.latched = latched_value(form, *next);
            if (!print.latched)
                unexpected(name);
            first_line(*rest); // the line that describes the variable, if any
        }
        if (!rest->empty())
            unexpected(name);
        return print;
    }
    return std::nullopt;
}

bool says_no_such_variable(std::string_view text, std::string_view name) {
    const std::string variable(name);
    return text.empty() || core::same_word(text, "Cvar " + variable + " does not exist.\n") ||
           core::same_word(text, "broadcast: print \"server: " + variable + "\\n\"\n") ||
           core::same_word(text, "unknown command: " + variable + "\n");
}

bool says_rcon_disabled(std::string_view text) {
    return text == "No rconpassword set.\n" || text == "No rconpassword set on the server.\n";
}

bool says_bad_password(std::string_view text) {
    return text == "Bad rconpassword.\n";
}

} // namespace tallyglyph::rcon
