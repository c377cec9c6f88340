#pragma once
// The names by which the logic, the stored description of Form1 and every front end find the
// form's items: the contract between them, each name written here once.

#include <array>
#include <string_view>

namespace tallyglyph::core::item {

inline constexpr std::string_view form1 = "Form1";

inline constexpr std::string_view banner = "Picture1";
inline constexpr std::string_view instruction = "Text2";
// The emote boxes in box order: box N is boxes[N - 1].
inline constexpr std::array<std::string_view, 22> boxes{
    "Check1",  "Check2",  "Check3",  "Check4",  "Check5",  "Check6",  "Check7",  "Check8",
    "Check9",  "Check10", "Check11", "Check12", "Check13", "Check14", "Check15", "Check16",
    "Check17", "Check18", "Check19", "Check20", "Check21", "Check22"};
inline constexpr std::string_view reset = "Label1"; // a label acting as a button
inline constexpr std::string_view reset_frame = "Shape1";
inline constexpr std::string_view all = "Label6"; // a label acting as a button
inline constexpr std::string_view all_frame = "Shape2";
inline constexpr std::string_view rule = "Line1";
inline constexpr std::string_view command_line = "Text1"; // the line the user copies

// The stored texts the line is made of, never seen: its prefix, its quote mark, and the
// selection total between them.
inline constexpr std::string_view prefix = "Label2";
inline constexpr std::string_view quote = "Label4";
inline constexpr std::string_view total = "Label3";

// Ticks the line up to date.
inline constexpr std::string_view timer = "Timer1";

// The Server dialog, which reads and applies the value on a server. Each field's label
// names it for screen readers with the words its stored description gives.
namespace server_dialog {
inline constexpr std::string_view form = "ServerDialog";
inline constexpr std::string_view server_label = "ServerLabel";
inline constexpr std::string_view server = "Server"; // a saved server's name, or HOST:PORT
inline constexpr std::string_view password_label = "PasswordLabel";
inline constexpr std::string_view password = "Password";
inline constexpr std::string_view remember = "Remember";
inline constexpr std::string_view read = "Read";
inline constexpr std::string_view apply = "Apply";
inline constexpr std::string_view close = "Close";
inline constexpr std::string_view result_label = "ResultLabel";
inline constexpr std::string_view result = "Result";
} // namespace server_dialog

} // namespace tallyglyph::core::item
