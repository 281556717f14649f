// How texts are cut into words: for the word index (posting and removing) and for queries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Separators of the word index: blank, ",:/.()';[]", line feed and carriage return.
constexpr std::string_view kIndexSeparators = " ,:/.()';[]\n\r";
// Separators of a query in the archiver and in the viewer.
constexpr std::string_view kQuerySeparators = " ,/.()';[]";
constexpr std::string_view kViewerQuerySeparators = " ,/.();";
// Characters trimmed from both ends of an index word.
constexpr std::string_view kWordTrimCharacters = "-/+";
// A text yields at most this many distinct words.
constexpr size_t kMaxWordsPerText = 1000;

// The distinct words of a text in order of first occurrence: upper-cased, cut at the index
// separators, '-', '/' and '+' trimmed from both ends, empty pieces dropped, at most 1000.
// Words are not cut to the key length here.
[[nodiscard]] std::vector<std::string> IndexWords(std::string_view text);

// The pieces of an upper-cased query text cut at every separator of the set, empty ones too,
// each distinct piece once, in order of first occurrence.
[[nodiscard]] std::vector<std::string> QueryPieces(std::string_view text,
                                                   std::string_view separators);
