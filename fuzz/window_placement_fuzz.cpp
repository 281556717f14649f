// The window placement is a value of the settings file, which may hold anything: a value that
// is read must format back to a text that reads as the same placement.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/window_placement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view value(reinterpret_cast<const char*>(data), size);
  if (std::optional<CWindowPlacement> placement = ParseWindowPlacement(value)) {
    if (ParseWindowPlacement(FormatWindowPlacement(*placement)) != placement) std::abort();
  }
  return 0;
}
