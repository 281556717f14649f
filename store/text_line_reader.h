// CTextLineReader: the lines of a text file made here or on Windows. A line ends at a line
// feed, and a carriage return just before the line feed is not part of it; the last line
// needs no line feed and keeps all its characters. A line longer than the longest line the
// reader hands out comes as several lines; a cut never splits a UTF-8 character.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

class CTextLineReader {
 public:
  // Reads `file` from its current position; the caller keeps it open and closes it.
  CTextLineReader(std::FILE* file, size_t longest_line);
  CTextLineReader(const CTextLineReader&) = delete;
  CTextLineReader& operator=(const CTextLineReader&) = delete;

  // The next line, without its line end; false at the end of the file or on a read error.
  bool Next(std::string& line);
  // True when reading stopped on an error rather than at the end of the file.
  bool failed() const { return failed_; }

 private:
  // False at the end of the file or on a read error; else buffer_ holds unread bytes.
  bool Fill();
  // Hands out the line, keeping what lies beyond the longest line for the next call.
  bool Cut(std::string& line, bool ends_line);

  std::FILE* file_;
  size_t longest_line_;
  std::string buffer_;
  size_t position_ = 0;
  bool failed_ = false;
  std::string carry_;             // the rest of a long line, for the next call
  bool carry_ends_line_ = false;  // the carry's line end has been read
};
