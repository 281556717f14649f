// printf-style formatting into a std::string: the program's texts and stored formats ("%6.6d",
// "%12.2f", "Record: %d/%d") are printf formats.
#pragma once

#include <string>

std::string StringPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
