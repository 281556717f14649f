#include "ui/window_placement.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <limits>

#include "base/string_printf.h"

namespace {

constexpr int kNumberCount = 10;

// Reads the next number as "%d" (or "%u") reads it: blanks, an optional sign, digits. A
// value outside 32 bits counts as unreadable.
std::optional<int64_t> NextNumber(std::string_view& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), value);
  if (error != std::errc() || end == text.data() + i) return std::nullopt;
  if (value > int64_t(std::numeric_limits<uint32_t>::max())) return std::nullopt;
  text.remove_prefix(static_cast<size_t>(end - text.data()));
  return negative ? -value : value;
}

}  // namespace

std::optional<CWindowPlacement> ParseWindowPlacement(std::string_view value) {
  int64_t numbers[kNumberCount];
  for (int64_t& number : numbers) {
    std::optional<int64_t> read = NextNumber(value);
    if (!read) return std::nullopt;
    number = *read;
  }
  // The two unsigned fields take what "%u" makes of them; the others must fit an int.
  for (int i = 2; i < kNumberCount; ++i) {
    if (numbers[i] < std::numeric_limits<int32_t>::min() ||
        numbers[i] > std::numeric_limits<int32_t>::max()) {
      return std::nullopt;
    }
  }
  CWindowPlacement placement;
  placement.flags = static_cast<uint32_t>(numbers[0]);
  placement.show_command = static_cast<uint32_t>(numbers[1]);
  placement.min_x = static_cast<int32_t>(numbers[2]);
  placement.min_y = static_cast<int32_t>(numbers[3]);
  placement.max_x = static_cast<int32_t>(numbers[4]);
  placement.max_y = static_cast<int32_t>(numbers[5]);
  placement.normal = {static_cast<int>(numbers[6]), static_cast<int>(numbers[7]),
                      static_cast<int>(numbers[8]), static_cast<int>(numbers[9])};
  return placement;
}

std::string FormatWindowPlacement(const CWindowPlacement& p) {
  return StringPrintf("%u %u %d %d %d %d %d %d %d %d", p.flags, p.show_command, p.min_x, p.min_y,
                      p.max_x, p.max_y, p.normal.left, p.normal.top, p.normal.right,
                      p.normal.bottom);
}
