// The rules for stored texts. Texts are bytes; new texts are UTF-8, and texts from indexes,
// exports and CSV files made on Windows may be Windows-1252.
//
// - Upper- and lower-casing map ASCII letters and the Latin-1 and Latin Extended-A letters
//   whose other case has the same UTF-8 length, so a cased text keeps its byte length (keys,
//   words, IDs and categories are compared as bytes).
// - Cutting a text to a byte count never splits a UTF-8 character.
// - A text that is not valid UTF-8 is read as Windows-1252 where it is shown or imported.
#pragma once

#include <string>
#include <string_view>

[[nodiscard]] std::string UpperCase(std::string_view text);
[[nodiscard]] std::string LowerCase(std::string_view text);

// The first `max_bytes` bytes of the text, less the start of a UTF-8 character that the cut
// would split.
[[nodiscard]] std::string CutText(std::string_view text, size_t max_bytes);

// The text without blanks at either end.
[[nodiscard]] std::string TrimBlanks(std::string_view text);

[[nodiscard]] bool IsValidUtf8(std::string_view text);

// Windows-1252 bytes as UTF-8.
[[nodiscard]] std::string Windows1252ToUtf8(std::string_view text);

// The text as it is shown: unchanged when it is valid UTF-8, else read as Windows-1252.
[[nodiscard]] std::string DisplayText(std::string_view text);

// The number of characters of a UTF-8 text (a byte that starts no valid character counts as
// one).
[[nodiscard]] size_t CharacterCount(std::string_view text);

// Line breaks inside stored values are "\r\n"; multi-line fields of the GUI and the console
// use bare line feeds. StoredLineBreaks makes every line feed, alone or after a carriage
// return, "\r\n"; LineFeedsOnly makes every "\r\n" a line feed. Other carriage returns stay.
[[nodiscard]] std::string StoredLineBreaks(std::string_view text);
[[nodiscard]] std::string LineFeedsOnly(std::string_view text);
