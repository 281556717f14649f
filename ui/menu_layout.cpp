#include "ui/menu_layout.h"

#include <cctype>

#include "base/resource_ids.h"

namespace {

// The view modes, as the Views menu and the strip's context menu offer them.
std::vector<CMenuEntry> ViewModeItems() {
  using E = CMenuEntry;
  return {
      E::Item(ID_VIEW_MODE_1, "1 column with text", true),
      E::Item(ID_VIEW_MODE_2, "2 columns", true),
      E::Item(ID_VIEW_MODE_3, "4 columns", true),
      E::Item(ID_VIEW_MODE_4, "6 columns", true),
      E::Item(ID_VIEW_MODE_5, "8 columns", true),
  };
}

}  // namespace

CMenuEntry CMenuEntry::Item(int command, std::string text, bool checkable) {
  CMenuEntry entry;
  entry.command = command;
  entry.text = std::move(text);
  entry.checkable = checkable;
  return entry;
}

CMenuEntry CMenuEntry::Separator() {
  CMenuEntry entry;
  entry.kind = Kind::kSeparator;
  return entry;
}

CMenuEntry CMenuEntry::Popup(std::string text, std::vector<CMenuEntry> children) {
  CMenuEntry entry;
  entry.kind = Kind::kPopup;
  entry.text = std::move(text);
  entry.children = std::move(children);
  return entry;
}

std::vector<CMenuEntry> ArchiverMenuBar() {
  using E = CMenuEntry;
  return {
      E::Popup("&File",
               {
                   E::Item(ID_FILE_NEW, "&New Photo Index...\tCtrl+N"),
                   E::Item(ID_FILE_OPEN, "&Select Photo Index...\tCtrl+O"),
                   E::Separator(),
                   E::Item(ID_ADD_PICTURES, "&Add pictures...\tCtrl+I"),
                   E::Item(ID_IMPORT_CSV, "Import &CSV-files"),
                   E::Popup("&Photo Index maintenance",
                            {
                                E::Item(ID_MOVE_REFERENCES, "&Move image reference..."),
                                E::Item(ID_REFRESH_THUMBNAILS, "&Refresh thumbnails..."),
                                E::Separator(),
                                E::Item(ID_EXPORT_TEXT, "&Export Photo Index..."),
                                E::Item(ID_IMPORT_TEXT, "&Import Photo Index..."),
                                E::Separator(),
                                E::Item(ID_REORG_INDEX, "Reorg Photo Index"),
                                E::Item(ID_SORT_INDEX, "&Sort Photo Index"),
                                E::Item(ID_DUMP_INDEX, "&Dump Photo Index "),
                            }),
                   E::Separator(),
                   E::Item(ID_CREATE_WEB_PAGES, "Create &web pages...\tCtrl+W"),
                   E::Item(ID_CREATE_CD, "Create CD"),
                   E::Separator(),
                   E::Item(ID_FILE_PRINT, "&Print...\tCtrl+P"),
                   E::Item(ID_FILE_PRINT_PREVIEW, "Print Pre&view"),
                   E::Separator(),
                   E::Item(ID_APP_EXIT, "E&xit"),
               }),
      E::Popup("&Edit",
               {
                   E::Item(ID_EDIT_CUT, "Cu&t\tCtrl+X"),
                   E::Item(ID_EDIT_COPY, "&Copy\tCtrl+C"),
                   E::Item(ID_EDIT_PASTE, "&Paste\tCtrl+V"),
                   E::Separator(),
                   E::Item(ID_BULK_UPDATE, "&Bulk update...\tCtrl-B"),
                   E::Separator(),
                   E::Item(ID_PREFERENCES, "&Preferences...\tCtrl-S"),
               }),
      E::Popup("&Picture",
               {
                   E::Item(ID_ANNOTATE, "&Annotate...\tCtrl-E"),
                   E::Item(ID_EDIT_IMAGE, "Edit &image\tCtrl-Alt-E"),
                   E::Item(ID_DELETE_PICTURE, "&Delete picture\tDel"),
                   E::Item(ID_PICTURE_INFORMATION, "Picture in&formation..."),
                   E::Separator(),
                   E::Item(ID_PREVIOUS_PICTURE_MENU, "&Previous picture\t<---"),
                   E::Item(ID_NEXT_PICTURE_MENU, "&Next picture\t--->"),
               }),
      E::Popup("Views", {E::Popup("Thumbnails", ViewModeItems())}),
      E::Popup("&Help",
               {
                   E::Item(ID_HELP_CONTENTS, "&Contents\tF1"),
                   E::Separator(),
                   E::Item(ID_APP_ABOUT, "&About Kestrel's Albumcraft..."),
               }),
  };
}

CMenuEntry ThumbnailContextMenu() {
  using E = CMenuEntry;
  return E::Popup("Menu1", {
                               E::Item(ID_ADD_TO_CATEGORY, "Add to category..."),
                               E::Item(ID_DELETE_PICTURE_CONTEXT, "Delete picture"),
                               E::Item(ID_REFRESH_THUMBNAIL_CONTEXT, "Refresh thumbnail"),
                               E::Item(ID_DESELECT_ALL, "De&select All"),
                               E::Popup("Thumbnail view", ViewModeItems()),
                           });
}

CMenuEntry PictureContextMenu() {
  using E = CMenuEntry;
  return E::Popup("menu0", {
                               E::Item(ID_NEXT_PICTURE_CONTEXT, "Next picture"),
                               E::Item(ID_PREVIOUS_PICTURE_CONTEXT, "Previous picture"),
                               E::Item(ID_ANNOTATE_CONTEXT, "Annotate..."),
                               E::Item(ID_EDIT_IMAGE, "Edit image"),
                               E::Item(ID_ADD_TO_CATEGORY, "Add to category..."),
                               E::Item(ID_COPY_TO_CLIPBOARD, "Copy to clipboard"),
                           });
}

std::string ShortcutText(const std::string& item_text) {
  const size_t tab = item_text.find('\t');
  return tab == std::string::npos ? std::string() : item_text.substr(tab + 1);
}

bool IsBareKeyShortcut(const std::string& shortcut) {
  if (shortcut.empty()) return false;
  for (const char* modifier : {"Ctrl", "Alt", "Shift"}) {
    if (shortcut.find(modifier) != std::string::npos) return false;
  }
  const bool function_key = shortcut.size() >= 2 && shortcut[0] == 'F' &&
                            std::isdigit(static_cast<unsigned char>(shortcut[1]));
  return !function_key;
}
