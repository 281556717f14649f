// File names compared ignoring case, as a user reads them: ASCII and other Unicode letters
// fold through the C library's tables (only ASCII when the C.UTF-8 locale is missing). A
// byte that does not start a well-formed UTF-8 sequence only ever equals the same byte.
#pragma once

#include <string_view>

bool EqualIgnoringCase(std::string_view a, std::string_view b);

// Orders names ignoring case; names that differ only in case go in byte order, so that the
// order is total.
bool LessIgnoringCase(std::string_view a, std::string_view b);
