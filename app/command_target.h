// Something that carries out numbered commands from menus, the toolbar, accelerators and
// context menus: the document and the view. The front end asks each target in turn.
#pragma once

#include <optional>

// The state of a command's menu item and toolbar button.
struct CCommandUi {
  bool enabled = true;
  bool checked = false;
};

class CCommandTarget {
 public:
  virtual ~CCommandTarget() = default;
  // Carries out the command; false when this target has no handler for it.
  virtual bool OnCommand(int command) = 0;
  // The item state when this target handles the command; nothing when it does not (an item
  // that no target handles is shown disabled).
  virtual std::optional<CCommandUi> CommandUi(int command) const = 0;
};
