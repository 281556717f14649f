// CDialogModel, the base of every dialog that collects input: the dialog's rules and values
// live in a model that the core and its tests drive; a window only shows it. Every front end
// shows any model through the one seam call CFrontEnd::RunDialog.
//
// A new dialog adds two things and touches no seam file and no central list:
//   - its model, in the folder of its subsystem (import/import_dialog_model.h), derived from
//     CDialogModel: values going in (set by the caller), values coming out (read back after
//     OK), the rules, and Accept and Cancel. Its test drives the model as a user would.
//   - its window, in ui/ (ui/import_dialog_ui.cpp), which shows the model, writes the user's
//     input into it, ends with OK only after Accept said yes, and registers itself for the
//     model's type with one line in its .cpp (ui/dialog_windows_ui.h).
// The caller runs it with `if (front_end.RunDialog(model)) { ...read the model... }`. Tests
// answer it by type (CScriptedFrontEnd::AnswerNextDialog<Model>); the command line answers a
// dialog its command has the answers for (CConsoleFrontEnd::SetDialogAnswer<Model>) and
// cancels any other.
#pragma once

#include <string>

class CDialogModel {
 public:
  virtual ~CDialogModel() = default;

  // The dialog's title, as its window shows it and the tests' record names it.
  virtual std::string Title() const = 0;
  // The dialog opens: what it shows first is prepared (the front end calls it before the
  // user sees the dialog).
  virtual void Open() {}
  // OK: checks the input and fills the values coming out. False keeps the dialog open with
  // the user's input (the model has told the user why).
  virtual bool Accept() { return true; }
  // Cancel: the dialog ends without OK; what it held for the user is let go.
  virtual void Cancel() {}
};
