// The ID format mask of the import dialog and the bulk update: a text such as IMG0001 whose
// last run of up to five digits is the counter. It gives the ID format (IMG%4.4i) and the
// start number (1).
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct CIdFormat {
  std::string format;  // printf-style, with one "%W.Wi" conversion
  int start = 0;
};

// The counter run: scanning from the last character back to the second (the first character
// is never part of it), the last digit ends the run, which extends backwards over digits, at
// most five. Nothing when no digit is met.
std::optional<CIdFormat> ParseIdFormatMask(std::string_view mask);

// The import dialog's checks of a mask, in order: empty after trimming blanks; a blank or one
// of "*%?|"; no counter digit. Either the format or the message that refuses the mask.
struct CMaskCheck {
  std::optional<CIdFormat> format;
  std::string message;
};
CMaskCheck CheckImportFormatMask(std::string_view mask);

// Characters a picture ID must not hold.
constexpr std::string_view kIllegalIdCharacters = " *%?|";
