// The windows of the dialog models (base/dialog_model.h): the wx front end shows a model in
// the window registered for the model's dynamic type. A window registers itself with one line
// at namespace scope of its .cpp:
//
//   const CDialogWindowFor<CDeleteDlg, CDeleteModel> kDeleteWindow;
//
// The window is a wxDialog made as Window(host, model) over the opened model. It shows the
// model, writes the user's input into it, and ends with wxID_OK only after the model's Accept
// said yes; any other end is Cancel. The GUI library is an object library, so every window
// file is linked into the program and its registration runs without being referenced.
#pragma once

#include <wx/defs.h>

#include <functional>
#include <typeindex>
#include <typeinfo>

#include "base/dialog_model.h"

class wxWindow;

// What a dialog window gets from the front end that shows it.
struct CDialogHost {
  wxWindow* parent = nullptr;  // the window the dialog is modal over
  // Opens the help at the running command's topic; F1 in the dialog calls it.
  std::function<void()> show_help;
};

// F1 in the dialog opens the host's help.
void BindHelpKey(wxWindow* dialog, const CDialogHost& host);

// Runs a window over a model of its type: true when it ended with OK.
using CDialogWindowRunner = std::function<bool(const CDialogHost& host, CDialogModel& model)>;

// Registers the window of a model type. REQUIRES: no other window for that type.
void RegisterDialogWindow(std::type_index model_type, CDialogWindowRunner run);

// Shows the model in its window: opens the model, runs the window modally and cancels the
// model unless the window ended with OK. True when it did. A model without a window is an
// assertion and ends as Cancel.
bool RunDialogWindow(const CDialogHost& host, CDialogModel& model);

template <typename Window, typename Model>
class CDialogWindowFor {
 public:
  CDialogWindowFor() {
    RegisterDialogWindow(typeid(Model), [](const CDialogHost& host, CDialogModel& model) {
      Window window(host, static_cast<Model&>(model));
      return window.ShowModal() == wxID_OK;
    });
  }
};
