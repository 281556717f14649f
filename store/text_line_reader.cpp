#include "store/text_line_reader.h"

#include <cstring>

namespace {

constexpr size_t kBufferSize = 1 << 16;

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The number of bytes of the UTF-8 character that a lead byte starts; 0 for other bytes.
size_t Utf8Length(char c) {
  const unsigned char lead = static_cast<unsigned char>(c);
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

CTextLineReader::CTextLineReader(std::FILE* file, size_t longest_line)
    : file_(file), longest_line_(longest_line < 4 ? 4 : longest_line) {}

bool CTextLineReader::Fill() {
  if (position_ < buffer_.size()) return true;
  if (failed_) return false;
  buffer_.resize(kBufferSize);
  buffer_.resize(std::fread(buffer_.data(), 1, buffer_.size(), file_));
  position_ = 0;
  if (buffer_.empty()) {
    failed_ = std::ferror(file_) != 0;
    return false;
  }
  return true;
}

bool CTextLineReader::Cut(std::string& line, bool ends_line) {
  if (line.size() <= longest_line_) return true;
  size_t cut = longest_line_;
  if (IsContinuation(line[cut])) {
    size_t lead = cut;
    while (lead > 0 && cut - lead < 3 && IsContinuation(line[lead - 1])) --lead;
    if (lead > 1 && lead - 1 + Utf8Length(line[lead - 1]) > cut) cut = lead - 1;
  }
  carry_.assign(line, cut, std::string::npos);
  carry_ends_line_ = ends_line;
  line.resize(cut);
  return true;
}

bool CTextLineReader::Next(std::string& line) {
  line.swap(carry_);
  carry_.clear();
  if (carry_ends_line_) {
    carry_ends_line_ = false;
    return Cut(line, true);
  }
  bool any = !line.empty();
  for (;;) {
    if (!Fill()) return any && Cut(line, true);
    any = true;
    const char* start = buffer_.data() + position_;
    const size_t available = buffer_.size() - position_;
    const char* feed = static_cast<const char*>(std::memchr(start, '\n', available));
    const size_t run = feed ? static_cast<size_t>(feed - start) : available;
    line.append(start, run);
    position_ += run;
    if (feed) {
      ++position_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return Cut(line, true);
    }
    // Without its end yet, a line is cut once it surely is too long (its last byte may be
    // the carriage return of its line end), so memory stays bounded.
    if (line.size() > longest_line_ + 1) return Cut(line, false);
  }
}
