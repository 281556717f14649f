#include "ui/menu_builder_ui.h"

#include <gtk/gtk.h>
#include <wx/menu.h>

#include "ui/command_ids_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr const char* kShortcutKey = "albumcraft-shortcut";
constexpr int kShortcutGap = 24;

// Replaces the item's label by the same label with `shortcut` at the right, as GTK shows an
// accelerator, without one being made.
void ShowShortcutText(wxMenuItem* item, const std::string& shortcut) {
  GtkWidget* widget = item->GetMenuItem();
  if (!widget) return;
  GtkWidget* old_label = gtk_bin_get_child(GTK_BIN(widget));
  if (!old_label || !GTK_IS_LABEL(old_label)) return;
  GtkWidget* label = gtk_label_new_with_mnemonic(gtk_label_get_label(GTK_LABEL(old_label)));
  gtk_container_remove(GTK_CONTAINER(widget), old_label);
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  gtk_label_set_mnemonic_widget(GTK_LABEL(label), widget);
  GtkWidget* key = gtk_label_new(shortcut.c_str());
  gtk_style_context_add_class(gtk_widget_get_style_context(key), "dim-label");
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, kShortcutGap);
  gtk_box_pack_start(GTK_BOX(box), label, TRUE, TRUE, 0);
  gtk_box_pack_end(GTK_BOX(box), key, FALSE, FALSE, 0);
  gtk_container_add(GTK_CONTAINER(widget), box);
  gtk_widget_show_all(box);
  g_object_set_data_full(G_OBJECT(widget), kShortcutKey, g_strdup(shortcut.c_str()), g_free);
}

void Describe(const wxMenu& menu, const std::string& indent, std::vector<std::string>& lines) {
  for (const wxMenuItem* item : menu.GetMenuItems()) {
    if (item->IsSeparator()) continue;
    if (item->IsSubMenu()) {
      lines.push_back(indent + "popup " + FromWx(item->GetItemLabel()));
      Describe(*item->GetSubMenu(), indent + "  ", lines);
      continue;
    }
    std::string state = item->IsEnabled() ? "enabled" : "disabled";
    if (item->IsCheckable() && item->IsChecked()) state += " checked";
    lines.push_back(indent + state + " " + ShownItemText(*item));
  }
}

}  // namespace

wxMenu* BuildMenu(const std::vector<CMenuEntry>& entries) {
  auto* menu = new wxMenu;
  for (const CMenuEntry& entry : entries) {
    switch (entry.kind) {
      case CMenuEntry::Kind::kSeparator:
        menu->AppendSeparator();
        break;
      case CMenuEntry::Kind::kPopup:
        menu->AppendSubMenu(BuildMenu(entry.children), ToWx(entry.text));
        break;
      case CMenuEntry::Kind::kItem: {
        const std::string shortcut = ShortcutText(entry.text);
        const bool bare = IsBareKeyShortcut(shortcut);
        const std::string text = bare ? entry.text.substr(0, entry.text.find('\t')) : entry.text;
        wxMenuItem* item = menu->Append(WxIdOf(entry.command), ToWx(text), wxString(),
                                        entry.checkable ? wxITEM_CHECK : wxITEM_NORMAL);
        if (bare) ShowShortcutText(item, shortcut);
        break;
      }
    }
  }
  return menu;
}

std::string ShownItemText(const wxMenuItem& item) {
  std::string text = FromWx(item.GetItemLabel());
  if (GtkWidget* widget = item.GetMenuItem()) {
    if (auto* shortcut =
            static_cast<const char*>(g_object_get_data(G_OBJECT(widget), kShortcutKey))) {
      text += std::string("\t") + shortcut;
    }
  }
  return text;
}

std::vector<std::string> DescribeMenu(const wxMenu& menu) {
  std::vector<std::string> lines;
  Describe(menu, "", lines);
  return lines;
}
