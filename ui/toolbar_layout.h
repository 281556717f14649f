// The archiver's toolbar as data: its buttons in order with their commands, icons, tooltips
// and the fly-by texts shown in the status bar, and the separators between groups.
#pragma once

#include <string>
#include <vector>

struct CToolbarButton {
  int command = 0;    // 0: a separator
  std::string icon;   // PNG file of 20 × 20 pixels in the program's data folder
  std::string flyby;  // status-bar text while the pointer rests on the button
  std::string tooltip;
  bool checkable = false;  // the button stays pressed while its command is checked

  bool IsSeparator() const { return command == 0; }
};

constexpr int kToolbarIconSize = 20;

std::vector<CToolbarButton> ArchiverToolbar();
