// Native menus built from the menu layouts (ui/menu_layout.h), for the menu bar and the
// view's context menus, and their items described as text for tests and the automation.
#pragma once

#include <string>
#include <vector>

#include "ui/menu_layout.h"

class wxMenu;
class wxMenuItem;

// A menu of the entries. An item whose shortcut is a bare key ("Del", "<---") shows its
// shortcut text without making the key an accelerator of the window: the view answers such
// keys, so a text field with the focus keeps its own Delete and arrow keys.
wxMenu* BuildMenu(const std::vector<CMenuEntry>& entries);

// The item's label and, after a tab, the shortcut text it shows ("&Delete picture\tDel").
std::string ShownItemText(const wxMenuItem& item);

// One line per item: "enabled|disabled[ checked] TEXT" (TEXT as ShownItemText gives it),
// "popup TEXT" for a sub-menu, whose items follow indented by two blanks; separators are
// left out. Item states are those of the last update.
std::vector<std::string> DescribeMenu(const wxMenu& menu);
