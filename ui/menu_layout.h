// The menu bars of the programs as data: popups, items with their command numbers and texts,
// separators. The GUI builds native menus from it; tests read it without a display.
#pragma once

#include <string>
#include <vector>

struct CMenuEntry {
  enum class Kind { kItem, kSeparator, kPopup };
  Kind kind = Kind::kItem;
  int command = 0;         // items only
  std::string text;        // "&Next picture\t--->": label, then '\t' and the shortcut text
  bool checkable = false;  // the item carries a check mark when its command says so
  std::vector<CMenuEntry> children;  // popups only

  static CMenuEntry Item(int command, std::string text, bool checkable = false);
  static CMenuEntry Separator();
  static CMenuEntry Popup(std::string text, std::vector<CMenuEntry> children);
};

// The archiver's main menu: "&File", "&Edit", "&Picture", "Views", "&Help".
std::vector<CMenuEntry> ArchiverMenuBar();

// The view's context menus (menu 135): "Menu1" over the thumbnail strip, "menu0" elsewhere.
CMenuEntry ThumbnailContextMenu();
CMenuEntry PictureContextMenu();

// The shortcut text of an item ("Del" of "&Delete picture\tDel"); empty when it has none.
std::string ShortcutText(const std::string& item_text);
// A shortcut without Ctrl, Alt, Shift or a function key ("Del", "<---"): the view answers
// such keys itself, so that they stay with a text field that has the focus. The menu only
// shows them.
bool IsBareKeyShortcut(const std::string& shortcut);

// Calls `visit` for every item of the tree (popups and separators are walked, not visited).
template <typename Visit>
void ForEachMenuItem(const std::vector<CMenuEntry>& entries, Visit&& visit) {
  for (const CMenuEntry& entry : entries) {
    if (entry.kind == CMenuEntry::Kind::kPopup) {
      ForEachMenuItem(entry.children, visit);
    } else if (entry.kind == CMenuEntry::Kind::kItem) {
      visit(entry);
    }
  }
}
