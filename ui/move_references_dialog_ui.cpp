#include "ui/move_references_dialog_ui.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/resource_ids.h"
#include "base/string_table.h"
#include "import/move_references_dialog_model.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_buttons_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/wx_text_ui.h"

namespace {

// The dialog's width and the edits' width, in dialog units.
constexpr int kDialogWidth = 283;
constexpr int kEditWidth = 190;

const CDialogWindowFor<CRenameDir, CRenameDirModel> kMoveReferencesWindow;

}  // namespace

CRenameDir::CRenameDir(const CDialogHost& host, CRenameDirModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_MOVE_REFERENCES), ToWx(model.Title())), model_(model) {
  auto* explanation = new wxStaticText(this, wxID_ANY, kMoveReferencesExplanation);
  explanation->Wrap(ConvertDialogToPixels(wxSize(kDialogWidth - 16, 0)).x);

  auto* grid = new wxFlexGridSizer(3, 6, 6);
  grid->AddGrowableCol(1);
  auto row = [&](const char* label, int edit_id, int browse_id, std::string& directory) {
    auto* edit = new wxTextCtrl(this, WxIdOf(edit_id), ToWx(directory), wxDefaultPosition,
                                wxSize(ConvertDialogToPixels(wxSize(kEditWidth, 0)).x, -1));
    auto* browse = new wxButton(this, WxIdOf(browse_id), "Browse");
    browse->Bind(wxEVT_BUTTON,
                 [this, edit, &directory](wxCommandEvent&) { Browse(edit, directory); });
    grid->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(edit, 1, wxEXPAND);
    grid->Add(browse, 0, wxALIGN_CENTER_VERTICAL);
    return edit;
  };
  old_directory_ =
      row("Old directory :", IDC_OLD_DIRECTORY, IDC_BROWSE_OLD_DIRECTORY, model_.old_directory);
  new_directory_ =
      row("New directory :", IDC_NEW_DIRECTORY, IDC_BROWSE_NEW_DIRECTORY, model_.new_directory);

  // Empty folders keep the dialog open with what was typed.
  auto* buttons = OkCancelButtons(this, "OK", [this] {
    model_.old_directory = FromWx(old_directory_->GetValue());
    model_.new_directory = FromWx(new_directory_->GetValue());
    if (model_.Accept()) EndModal(wxID_OK);
  });
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(explanation, 0, wxALL, 10);
  sizer->Add(grid, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);
  sizer->Add(buttons, 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(sizer);
  old_directory_->SetFocus();
  CentreOnParent();
}

void CRenameDir::Browse(wxTextCtrl* edit, std::string& directory) {
  directory = FromWx(edit->GetValue());
  if (model_.Browse(directory)) edit->SetValue(ToWx(directory));
}
