#include "ui/dialog_windows_ui.h"

#include <wx/debug.h>
#include <wx/window.h>

#include <unordered_map>
#include <utility>

#include "ui/wx_text_ui.h"

namespace {

// Filled by the registrations of the window files before main runs: a function-local table,
// so that it exists whatever order those registrations run in.
std::unordered_map<std::type_index, CDialogWindowRunner>& Windows() {
  static std::unordered_map<std::type_index, CDialogWindowRunner> windows;
  return windows;
}

}  // namespace

void BindHelpKey(wxWindow* dialog, const CDialogHost& host) {
  dialog->Bind(wxEVT_CHAR_HOOK, [show_help = host.show_help](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_F1 && show_help) {
      show_help();
      return;
    }
    event.Skip();
  });
}

void RegisterDialogWindow(std::type_index model_type, CDialogWindowRunner run) {
  [[maybe_unused]] const bool added = Windows().emplace(model_type, std::move(run)).second;
  wxASSERT_MSG(added, "a second window for one dialog model");
}

bool RunDialogWindow(const CDialogHost& host, CDialogModel& model) {
  auto window = Windows().find(typeid(model));
  if (window == Windows().end()) {
    wxFAIL_MSG("no window is registered for the dialog " + ToWx(model.Title()));
    model.Cancel();
    return false;
  }
  model.Open();
  const bool accepted = window->second(host, model);
  if (!accepted) model.Cancel();
  return accepted;
}
