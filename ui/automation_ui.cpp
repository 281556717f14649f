#include "ui/automation_ui.h"

#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/time.h>

#include <sstream>

#include "ui/command_ids_ui.h"
#include "ui/main_frame_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kTickMilliseconds = 50;
constexpr int kDialogWaitMilliseconds = 10000;

// The modal wx dialog on screen, if any.
wxDialog* ModalDialog() {
  for (wxWindow* window : wxTopLevelWindows) {
    auto* dialog = wxDynamicCast(window, wxDialog);
    if (dialog && dialog->IsModal() && dialog->IsShown()) return dialog;
  }
  return nullptr;
}

// The native message box on screen, if any (wx shows message boxes as GTK dialogs of their
// own, which wx does not list among its windows).
GtkMessageDialog* MessageBox() {
  GList* windows = gtk_window_list_toplevels();
  GtkMessageDialog* found = nullptr;
  for (GList* item = windows; item; item = item->next) {
    if (GTK_IS_MESSAGE_DIALOG(item->data) && gtk_widget_get_visible(GTK_WIDGET(item->data))) {
      found = GTK_MESSAGE_DIALOG(item->data);
    }
  }
  g_list_free(windows);
  return found;
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

wxButton* FindButton(wxWindow* parent, const wxString& label) {
  for (wxWindow* child : parent->GetChildren()) {
    if (auto* button = wxDynamicCast(child, wxButton)) {
      if (wxStripMenuCodes(button->GetLabel()) == label) return button;
    }
    if (wxButton* found = FindButton(child, label)) return found;
  }
  return nullptr;
}

// Where the report of a line starts: what the line is about.
std::string Escaped(std::string text) {
  for (size_t i = 0; (i = text.find('\n', i)) != std::string::npos;) text.replace(i, 1, "\\n");
  return text;
}

}  // namespace

CAutomation::CAutomation(CMainFrame& frame, const std::string& script_path,
                         const std::string& output_path)
    : frame_(frame), output_(output_path) {
  std::ifstream script(script_path);
  std::string line;
  while (std::getline(script, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    lines_.push_back(line);
  }
  if (!script.is_open()) Report("error: cannot read " + script_path);
  timer_.SetOwner(this);
  Bind(wxEVT_TIMER, &CAutomation::OnTick, this);
}

void CAutomation::Start() { timer_.Start(kTickMilliseconds); }

void CAutomation::OnTick(wxTimerEvent&) {
  if (next_ >= lines_.size()) {
    timer_.Stop();
    return;
  }
  if (wxGetLocalTimeMillis() < resume_at_) return;
  // The index moves on before the line runs: a command may open a modal dialog, and the
  // next lines then run from inside the dialog's event loop.
  const size_t index = next_++;
  if (!Run(lines_[index])) next_ = index;
}

bool CAutomation::Run(const std::string& line) {
  std::istringstream words(line);
  std::string verb;
  words >> verb;
  int number = 0;
  if (verb == "title") {
    Report("title: " + FromWx(frame_.GetTitle()));
  } else if (verb == "status" && words >> number) {
    wxStatusBar* bar = frame_.GetStatusBar();
    std::string text = bar && number >= 0 && number < bar->GetFieldsCount()
                           ? FromWx(bar->GetStatusText(number))
                           : std::string();
    Report("status " + std::to_string(number) + ": " + text);
  } else if (verb == "menu" && words >> number) {
    wxMenuBar* bar = frame_.GetMenuBar();
    bar->UpdateMenus();
    wxMenuItem* item = bar->FindItem(WxIdOf(number));
    if (!item) {
      Report("menu " + std::to_string(number) + ": missing");
      return true;
    }
    std::string state = item->IsEnabled() ? "enabled" : "disabled";
    if (item->IsCheckable() && item->IsChecked()) state += " checked";
    Report("menu " + std::to_string(number) + ": " + state + " " + FromWx(item->GetItemLabel()));
  } else if (verb == "command" && words >> number) {
    if (!frame_.ExecuteCommand(number)) Report("command " + std::to_string(number) + ": refused");
  } else if (verb == "dialog") {
    if (GtkMessageDialog* box = MessageBox()) {
      Report("message: " + Escaped(MessageText(box)));
    } else if (wxDialog* dialog = ModalDialog()) {
      Report("dialog: " + FromWx(dialog->GetTitle()));
    } else {
      Report("dialog: none");
    }
  } else if (verb == "wait-dialog") {
    if (MessageBox() || ModalDialog()) {
      wait_until_ = 0;
      return true;
    }
    if (wait_until_ == 0) wait_until_ = wxGetLocalTimeMillis() + kDialogWaitMilliseconds;
    if (wxGetLocalTimeMillis() < wait_until_) return false;
    wait_until_ = 0;
    Report("error: no dialog came up");
  } else if (verb == "answer") {
    std::string button;
    words >> button;
    const std::pair<const char*, int> responses[] = {{"yes", GTK_RESPONSE_YES},
                                                     {"no", GTK_RESPONSE_NO},
                                                     {"ok", GTK_RESPONSE_OK},
                                                     {"cancel", GTK_RESPONSE_CANCEL}};
    GtkMessageDialog* box = MessageBox();
    int response = 0;
    for (auto [name, value] : responses) {
      if (button == name) response = value;
    }
    if (!box || response == 0) {
      Report("error: " + line);
      return true;
    }
    gtk_dialog_response(GTK_DIALOG(box), response);
  } else if (verb == "press") {
    std::string label;
    std::getline(words >> std::ws, label);
    wxDialog* dialog = ModalDialog();
    wxButton* button = dialog ? FindButton(dialog, ToWx(label)) : nullptr;
    if (!button || !button->IsEnabled()) {
      Report("error: " + line);
      return true;
    }
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
  } else if (verb == "sleep" && words >> number) {
    resume_at_ = wxGetLocalTimeMillis() + number;
  } else if (verb == "close") {
    timer_.Stop();
    frame_.Close();
  } else {
    Report("error: " + line);
  }
  return true;
}

void CAutomation::Report(const std::string& text) {
  output_ << text << '\n';
  output_.flush();
}
