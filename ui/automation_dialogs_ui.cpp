// The automation's lines about dialogs: the modal dialog or message box on screen, its list,
// the modeless progress dialog, the import dialog's tree and list, the clipboard, and
// screenshots.
#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/dialog.h>
#include <wx/html/helpdlg.h>
#include <wx/html/helpfrm.h>
#include <wx/html/helpwnd.h>
#include <wx/html/htmlwin.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/time.h>
#include <wx/treectrl.h>

#include <string_view>

#include "base/resource_ids.h"
#include "import/import_dialog_model.h"
#include "ui/automation_input_ui.h"
#include "ui/automation_ui.h"
#include "ui/command_ids_ui.h"
#include "ui/import_dialog_ui.h"
#include "ui/modal_dialog_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kDialogWaitMilliseconds = 10000;

// The shown dialog with the resource number `id` (modal or not), if any.
wxDialog* ShownDialog(int id) {
  for (wxWindow* window : wxTopLevelWindows) {
    auto* dialog = wxDynamicCast(window, wxDialog);
    if (dialog && dialog->IsShown() && dialog->GetId() == WxIdOf(id)) return dialog;
  }
  return nullptr;
}

// The last shown GTK top-level window for which `wanted` holds, if any. wx shows message
// boxes and file dialogs as GTK dialogs of their own, which it does not list among its windows.
template <typename Test>
GtkWidget* ShownToplevel(Test wanted) {
  GList* windows = gtk_window_list_toplevels();
  GtkWidget* found = nullptr;
  for (GList* item = windows; item; item = item->next) {
    auto* widget = static_cast<GtkWidget*>(item->data);
    if (wanted(widget) && gtk_widget_get_visible(widget)) found = widget;
  }
  g_list_free(windows);
  return found;
}

// The native message box on screen, if any.
GtkMessageDialog* MessageBox() {
  return reinterpret_cast<GtkMessageDialog*>(
      ShownToplevel([](GtkWidget* widget) { return GTK_IS_MESSAGE_DIALOG(widget); }));
}

// The native file dialog on screen, if any.
GtkFileChooser* FileChooser() {
  return reinterpret_cast<GtkFileChooser*>(
      ShownToplevel([](GtkWidget* widget) { return GTK_IS_FILE_CHOOSER_DIALOG(widget); }));
}

// GTK's print dialog on screen, if any.
GtkDialog* PrintDialog() {
  return reinterpret_cast<GtkDialog*>(ShownToplevel([](GtkWidget* widget) {
    return std::string_view(G_OBJECT_TYPE_NAME(widget)) == "GtkPrintUnixDialog";
  }));
}

// Whether `widget` is still one of the shown top-level windows.
bool IsShownToplevel(const void* widget) {
  return ShownToplevel([widget](GtkWidget* shown) { return shown == widget; }) != nullptr;
}

// "<title>|<name of the chosen filter>" of a file dialog.
std::string FileChooserText(GtkFileChooser* chooser) {
  const gchar* title = gtk_window_get_title(GTK_WINDOW(chooser));
  GtkFileFilter* filter = gtk_file_chooser_get_filter(chooser);
  const gchar* filter_name = filter ? gtk_file_filter_get_name(filter) : nullptr;
  return std::string(title ? title : "") + "|" + (filter_name ? filter_name : "");
}

std::string MessageText(GtkMessageDialog* box) {
  gchar* text = nullptr;
  gchar* secondary = nullptr;
  g_object_get(box, "text", &text, "secondary-text", &secondary, nullptr);
  std::string result = text ? text : "";
  if (secondary && *secondary) result += std::string("\n") + secondary;
  g_free(text);
  g_free(secondary);
  return result;
}

// The first control of type T under `parent` whose label is `label` (any label when empty).
template <typename T>
T* FindControl(wxWindow* parent, const wxString& label) {
  for (wxWindow* child : parent->GetChildren()) {
    if (auto* control = wxDynamicCast(child, T)) {
      if (label.empty() || wxStripMenuCodes(control->GetLabel()) == label) return control;
    }
    if (T* found = FindControl<T>(child, label)) return found;
  }
  return nullptr;
}

// Sends a control the event a click on it would send.
void Click(wxWindow* control, wxEventType type, int value = 0) {
  wxCommandEvent click(type, control->GetId());
  click.SetEventObject(control);
  click.SetInt(value);
  control->GetEventHandler()->ProcessEvent(click);
}

std::string RestOf(std::istringstream& words) {
  std::string rest;
  std::getline(words >> std::ws, rest);
  return rest;
}

// "A (open) > B (open) > C": the texts of the tree's selected node and the nodes above it, from
// the top, each open one marked; "none" when nothing is selected.
std::string SelectedTreeNodes(const wxTreeCtrl& tree) {
  std::string nodes;
  for (wxTreeItemId item = tree.GetSelection(); item.IsOk() && item != tree.GetRootItem();
       item = tree.GetItemParent(item)) {
    std::string node = FromWx(tree.GetItemText(item));
    if (tree.IsExpanded(item)) node += " (open)";
    nodes = nodes.empty() ? node : node + " > " + nodes;
  }
  return nodes.empty() ? "none" : nodes;
}

// Saves what the screen shows as a PNG file.
bool SaveScreen(const std::string& path) {
  GdkWindow* root = gdk_get_default_root_window();
  GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(root, 0, 0, gdk_window_get_width(root),
                                                 gdk_window_get_height(root));
  if (!pixbuf) return false;
  const bool saved = gdk_pixbuf_save(pixbuf, path.c_str(), "png", nullptr, nullptr);
  g_object_unref(pixbuf);
  return saved;
}

}  // namespace

bool CAutomation::RunDialogListLine(const std::string& line, const std::string& verb,
                                    std::istringstream& words) {
  wxDialog* dialog = ShownModalDialog();
  wxListCtrl* list = dialog ? FindControl<wxListCtrl>(dialog, wxString()) : nullptr;
  long row = -1;
  const bool has_row = static_cast<bool>(words >> row);
  wxRect rect;
  // A row named must be one of the list's.
  const bool usable = list && (!has_row || list->GetItemRect(row, rect));
  if (!usable) {
    Report("error: " + line);
    return true;
  }
  if (verb == "dialog-list") {
    for (long i = 0; i < list->GetItemCount(); ++i) {
      std::string text;
      for (int column = 0; column < list->GetColumnCount(); ++column) {
        text += (column ? "\t" : "") + Escaped(FromWx(list->GetItemText(i, column)));
      }
      Report("dialog-list: " + text);
    }
  } else if (verb == "dialog-list-fit") {
    Report("dialog-list-fit: rows " + std::to_string(list->GetItemCount()) + " page " +
           std::to_string(list->GetCountPerPage()));
  } else if (verb == "dialog-list-select" && has_row) {
    list->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
  } else if (verb == "dialog-list-colour" && has_row) {
    // Near the row's right end, where no text is drawn, and clear of its grid lines.
    list->Update();
    Report("dialog-list-colour " + std::to_string(row) + ": " +
           ScreenColourText(list, rect.GetRight() - 4, rect.y + rect.height / 2));
  } else {
    Report("error: " + line);
  }
  return true;
}

std::optional<bool> CAutomation::RunDialogLine(const std::string& line, const std::string& verb,
                                               std::istringstream& words) {
  auto* import = dynamic_cast<CImport2*>(ShownModalDialog());
  if (verb == "dialog") {
    if (GtkMessageDialog* box = MessageBox()) {
      Report("message: " + Escaped(MessageText(box)));
    } else if (GtkFileChooser* chooser = FileChooser()) {
      Report("file-dialog: " + FileChooserText(chooser));
    } else if (GtkDialog* print = PrintDialog()) {
      const gchar* title = gtk_window_get_title(GTK_WINDOW(print));
      Report(std::string("print-dialog: ") + (title ? title : ""));
    } else if (wxDialog* dialog = ShownModalDialog()) {
      Report("dialog: " + FromWx(dialog->GetTitle()));
    } else {
      Report("dialog: none");
    }
  } else if (verb == "wait-dialog" || verb == "wait-progress") {
    const bool there = verb == "wait-dialog"
                           ? MessageBox() || FileChooser() || PrintDialog() || ShownModalDialog()
                           : ShownDialog(IDD_PROGRESS) != nullptr;
    if (there) {
      wait_until_ = 0;
      return true;
    }
    if (wait_until_ == 0) wait_until_ = wxGetLocalTimeMillis() + kDialogWaitMilliseconds;
    if (wxGetLocalTimeMillis() < wait_until_) return false;
    wait_until_ = 0;
    Report("error: nothing came up for " + verb);
  } else if (verb == "answer" && answered_) {
    // The line is done when the dialog it answered has gone (a file dialog goes a little
    // later), so that the next line sees what came after it.
    if (IsShownToplevel(answered_) && wxGetLocalTimeMillis() < wait_until_) return false;
    answered_ = nullptr;
    wait_until_ = 0;
  } else if (verb == "answer") {
    const std::string button = RestOf(words);
    const std::pair<const char*, int> responses[] = {{"yes", GTK_RESPONSE_YES},
                                                     {"no", GTK_RESPONSE_NO},
                                                     {"ok", GTK_RESPONSE_OK},
                                                     {"cancel", GTK_RESPONSE_CANCEL}};
    GtkWidget* box = GTK_WIDGET(MessageBox());
    int response = 0;
    for (auto [name, value] : responses) {
      if (button == name) response = value;
    }
    if (!box && (box = GTK_WIDGET(FileChooser()))) {
      // A file dialog's OK is "accept".
      if (response == GTK_RESPONSE_OK) response = GTK_RESPONSE_ACCEPT;
    }
    if (!box) box = GTK_WIDGET(PrintDialog());
    if (!box || response == 0) {
      Report("error: " + line);
      return true;
    }
    gtk_dialog_response(GTK_DIALOG(box), response);
    if (IsShownToplevel(box)) {
      answered_ = box;
      wait_until_ = wxGetLocalTimeMillis() + kDialogWaitMilliseconds;
      return false;
    }
  } else if (verb == "press") {
    // The modal dialog's button, else the progress dialog's (it is modeless).
    const wxString label = ToWx(RestOf(words));
    wxButton* button = nullptr;
    for (wxDialog* dialog : {ShownModalDialog(), ShownDialog(IDD_PROGRESS)}) {
      if (!button && dialog) button = FindControl<wxButton>(dialog, label);
    }
    if (!button || !button->IsEnabled()) {
      Report("error: " + line);
      return true;
    }
    Click(button, wxEVT_BUTTON);
  } else if (verb == "check" || verb == "choose") {
    // check LABEL=on|off sets a check box; choose LABEL picks a radio button.
    std::string label = RestOf(words);
    bool on = true;
    if (verb == "check") {
      const size_t equals = label.rfind('=');
      on = equals != std::string::npos && label.substr(equals + 1) == "on";
      label = label.substr(0, equals);
    }
    wxDialog* dialog = ShownModalDialog();
    wxWindow* control = nullptr;
    if (dialog && verb == "check") {
      if (auto* box = FindControl<wxCheckBox>(dialog, ToWx(label))) {
        box->SetValue(on);
        control = box;
      }
    } else if (dialog) {
      if (auto* radio = FindControl<wxRadioButton>(dialog, ToWx(label))) {
        radio->SetValue(true);
        control = radio;
      }
    }
    if (!control) {
      Report("error: " + line);
      return true;
    }
    Click(control, verb == "check" ? wxEVT_CHECKBOX : wxEVT_RADIOBUTTON, on ? 1 : 0);
  } else if (verb == "type") {
    // type ID TEXT: the text control with resource number ID of the modal dialog gets TEXT.
    int id = 0;
    words >> id;
    wxDialog* dialog = ShownModalDialog();
    auto* text = dialog ? wxDynamicCast(dialog->FindWindow(WxIdOf(id)), wxTextCtrl) : nullptr;
    if (!text) {
      Report("error: " + line);
      return true;
    }
    text->SetValue(ToWx(RestOf(words)));
  } else if (verb == "dialog-text") {
    wxDialog* dialog = ShownModalDialog();
    auto* text = dialog ? FindControl<wxTextCtrl>(dialog, wxString()) : nullptr;
    Report("dialog-text: " + (text ? Escaped(FromWx(text->GetValue())) : std::string("none")));
  } else if (verb == "progress") {
    wxDialog* dialog = ShownDialog(IDD_PROGRESS);
    auto text = [dialog](int id) {
      wxWindow* control = dialog->FindWindow(WxIdOf(id));
      return control ? FromWx(control->GetLabel()) : std::string();
    };
    Report("progress: " + (dialog ? text(IDC_PROGRESS_TITLE) + "|" + text(IDC_PROGRESS_PERCENT) +
                                        "|" + text(IDC_PROGRESS_TIME_LEFT)
                                  : std::string("none")));
  } else if (verb == "import-folder" && import) {
    if (!import->OpenTreeAlong(RestOf(words))) Report("error: " + line);
  } else if (verb == "import-list" && import) {
    Report("import-tree: " + import->SelectedTreeFolder());
    wxListCtrl* list = import->list();
    for (long i = 0; i < list->GetItemCount(); ++i) {
      wxListItem item;
      item.SetId(i);
      item.SetMask(wxLIST_MASK_IMAGE | wxLIST_MASK_STATE | wxLIST_MASK_TEXT);
      item.SetStateMask(wxLIST_STATE_SELECTED);
      list->GetItem(item);
      Report("import-list: " + std::to_string(item.GetImage()) + " " + FromWx(item.GetText()) +
             (item.GetState() & wxLIST_STATE_SELECTED ? " selected" : ""));
    }
  } else if (verb == "import-select" && import) {
    // import-select NAME: the list item NAME is added to the selection.
    const long item = import->list()->FindItem(-1, ToWx(RestOf(words)));
    if (item < 0) {
      Report("error: " + line);
      return true;
    }
    import->list()->SetItemState(item, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
  } else if (verb == "import-select-all" && import) {
    // Ctrl+A as the list receives it.
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = 'A';
    key.SetControlDown(true);
    key.SetEventObject(import->list());
    import->GetEventHandler()->ProcessEvent(key);
  } else if (verb == "file-dialog") {
    // The file dialog on screen gets PATH, as a user typing it would; "answer ok" accepts it.
    GtkFileChooser* chooser = FileChooser();
    if (!chooser) {
      Report("error: " + line);
      return true;
    }
    const std::string path = RestOf(words);
    if (gtk_file_chooser_get_action(chooser) == GTK_FILE_CHOOSER_ACTION_SAVE) {
      const size_t slash = path.rfind('/');
      gtk_file_chooser_set_current_folder(chooser, path.substr(0, slash + 1).c_str());
      gtk_file_chooser_set_current_name(chooser, path.substr(slash + 1).c_str());
    } else {
      gtk_file_chooser_set_filename(chooser, path.c_str());
    }
  } else if (verb == "dialog-key") {
    // dialog-key NAME [ctrl] [shift] [alt]: a key pressed in the modal dialog, as its window
    // sees it first.
    std::string name;
    words >> name;
    wxDialog* dialog = ShownModalDialog();
    const int code = KeyCodeOf(name);
    if (!dialog || code == 0) {
      Report("error: " + line);
      return true;
    }
    const CModifiers modifiers = ReadModifiers(words);
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = code;
    key.SetControlDown(modifiers.ctrl);
    key.SetShiftDown(modifiers.shift);
    key.SetAltDown(modifiers.alt);
    key.SetEventObject(dialog);
    dialog->GetEventHandler()->ProcessEvent(key);
  } else if (verb.starts_with("dialog-list")) {
    return RunDialogListLine(line, verb, words);
  } else if (verb == "clipboard") {
    wxTextDataObject text;
    const bool read = wxTheClipboard->Open() && wxTheClipboard->GetData(text);
    if (wxTheClipboard->IsOpened()) wxTheClipboard->Close();
    Report("clipboard: " + (read ? Escaped(FromWx(text.GetText())) : std::string("none")));
  } else if (verb == "help-page") {
    std::string page = "none";
    for (wxWindow* window : wxTopLevelWindows) {
      wxHtmlHelpWindow* help = nullptr;
      if (auto* frame = wxDynamicCast(window, wxHtmlHelpFrame)) help = frame->GetHelpWindow();
      if (auto* dialog = wxDynamicCast(window, wxHtmlHelpDialog)) help = dialog->GetHelpWindow();
      if (help && window->IsShown()) page = FromWx(help->GetHtmlWindow()->GetOpenedPage());
    }
    Report("help-page: " + page);
  } else if (verb == "tree") {
    wxDialog* dialog = ShownModalDialog();
    auto* tree = dialog ? FindControl<wxTreeCtrl>(dialog, wxString()) : nullptr;
    if (!tree) {
      Report("error: " + line);
      return true;
    }
    Report("tree: " + SelectedTreeNodes(*tree));
  } else if (verb == "screenshot") {
    const std::string path = RestOf(words);
    if (!SaveScreen(path)) Report("error: " + line);
  } else {
    return std::nullopt;
  }
  return true;
}
