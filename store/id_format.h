// Picture IDs made from a counter and an ID format such as "%6.6d" or "IMG%4.4i".
#pragma once

#include <string>
#include <string_view>

// The format with its integer conversion ("%", optional width, optional "." precision, then
// "d" or "i") filled with the number. Only the first such conversion takes the number; "%%"
// gives "%"; any other '%' stays as it is, so a format from outside cannot misuse printf.
[[nodiscard]] std::string FormatId(std::string_view format, int number);
