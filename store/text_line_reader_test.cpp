// The line reader of text files from here and from Windows.
#include "store/text_line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& bytes, size_t longest_line) {
  std::string copy = bytes;
  std::FILE* file = fmemopen(copy.data(), copy.size(), "rb");
  std::vector<std::string> lines;
  if (!file) return lines;  // fmemopen refuses an empty buffer on some systems
  CTextLineReader reader(file, longest_line);
  std::string line;
  while (reader.Next(line)) lines.push_back(line);
  EXPECT_FALSE(reader.failed());
  std::fclose(file);
  return lines;
}

struct CLineCase {
  std::string bytes;
  size_t longest_line;
  std::vector<std::string> lines;
};

TEST(TextLineReaderTest, LineEndsAndLongLines) {
  const CLineCase cases[] = {
      {"a\r\nb\nc", 100, {"a", "b", "c"}},  // both line ends; the last line keeps its "c"
      {"a\r\r\n\r\n", 100, {"a\r", ""}},    // only the carriage return before the feed goes
      {"\n\n", 100, {"", ""}},
      {"x\r", 100, {"x\r"}},  // no line feed: the carriage return is part of the line
      {"abcdefghij\nk", 4, {"abcd", "efgh", "ij", "k"}},
      {"abcd\r\nefgh\n", 4, {"abcd", "efgh"}},
      {"abcde\r\n", 4, {"abcd", "e"}},
      {"abcd\r\r\n", 4, {"abcd", "\r"}},
      {"abc\xC3\xA9"
       "d\n",
       4,
       {"abc",
        "\xC3\xA9"
        "d"}},  // the cut keeps "é" whole
      {"a\xE2\x82\xAC"
       "bcdef",
       4,
       {"a\xE2\x82\xAC", "bcde", "f"}},
  };
  for (const CLineCase& c : cases) {
    EXPECT_EQ(Lines(c.bytes, c.longest_line), c.lines) << c.bytes;
  }
}

}  // namespace
