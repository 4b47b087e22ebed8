#pragma once

#include <string>
#include <string_view>

// Names and paths that come from outside (a process's name, a device or
// file path) printed on a terminal or shown in a window. An escape sequence
// in them would retitle or recolour the user's terminal, and a line feed
// would cut the message short; so every control character becomes a
// visible escape and the rest stays as it was, UTF-8 included.
namespace VisibleText {

// "\a", "\b", "\t", "\n", "\v", "\f", "\r", "\e" and "\xNN" for the other
// C0 controls and DEL; "\u0080".."\u009F" for the C1 controls, which some
// terminals obey in UTF-8 too; "\xNN" for each byte that is not UTF-8.
std::string Of(std::string_view text);

} // namespace VisibleText
