// The main window's placement as the settings file keeps it under "WinPosition": ten numbers,
// "%u %u %d %d %d %d %d %d %d %d" with the placement flags, the show command, the minimised
// position, the maximised position and the normal rectangle (left, top, right, bottom).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/rect.h"

constexpr const char* kWindowPlacementKey = "WinPosition";

// Show commands.
constexpr uint32_t kShowNormal = 1;
constexpr uint32_t kShowMinimised = 2;
constexpr uint32_t kShowMaximised = 3;
// Placement flag: a minimised window opens maximised.
constexpr uint32_t kRestoreToMaximised = 2;

struct CWindowPlacement {
  uint32_t flags = 0;
  uint32_t show_command = kShowNormal;
  int32_t min_x = -1;
  int32_t min_y = -1;
  int32_t max_x = -1;
  int32_t max_y = -1;
  CRect normal;  // the window's rectangle when it is neither maximised nor minimised

  bool operator==(const CWindowPlacement&) const = default;
};

// The placement of a stored value; nothing unless all ten numbers can be read (an empty
// value, fewer numbers or a word among them). Text after the tenth number is ignored.
std::optional<CWindowPlacement> ParseWindowPlacement(std::string_view value);

std::string FormatWindowPlacement(const CWindowPlacement& placement);
