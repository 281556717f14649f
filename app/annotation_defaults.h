// What the description editor remembers between two pictures for the rest of the run (the
// document keeps it; nothing of it is stored): the "Repeat" flags of When, Where and the
// description with the texts last stored under them, the categories' "Set as default" with
// the categories last stored under it, and where the editor's window was last placed.
#pragma once

#include <array>
#include <string>

#include "base/rect.h"

struct CAnnotationDefaults {
  // The repeated fields in order: When, Where, the description.
  static constexpr int kRepeatedFields = 3;
  std::array<bool, kRepeatedFields> repeat{};
  std::array<std::string, kRepeatedFields> default_text;
  bool category_default = false;
  std::string category_default_text;
  // The editor's window; a left edge above 0 places it there.
  CRect sheet_rect;
};
