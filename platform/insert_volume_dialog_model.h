// CInsertVolumeModel, the "Insert volume" dialog (CDlgInsertVolume, dialog 194): "Please insert
// media labeled :" with the label of the medium wanted, and the buttons OK (the medium is in:
// look again), "Skip volume" and "Abort" (the dialog's Cancel).
#pragma once

#include <string>
#include <utility>

#include "base/dialog_model.h"

// The dialog's answer; the values are its return codes.
enum class VolumeAnswer { kOk = 1, kSkip = 2, kAbort = 4 };

class CInsertVolumeModel : public CDialogModel {
 public:
  CInsertVolumeModel(std::string wanted_label, bool skip_offered)
      : label(std::move(wanted_label)), skip_enabled(skip_offered) {}

  // --- going in ---
  std::string label;
  bool skip_enabled = false;  // "Skip volume" is offered
  // --- coming out: the button that ended the dialog with OK ---
  VolumeAnswer answer = VolumeAnswer::kOk;

  std::string Title() const override { return "Insert volume"; }
  // OK and "Skip volume" end the dialog with OK; Skip only while it is offered.
  bool Accept() override {
    return answer == VolumeAnswer::kOk || (answer == VolumeAnswer::kSkip && skip_enabled);
  }
  // The answer of a dialog that ended with OK (`accepted`) or was aborted.
  VolumeAnswer AnswerOf(bool accepted) const { return accepted ? answer : VolumeAnswer::kAbort; }
};
