#include "ui/progress_dialog_ui.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"

CProgressDialog::CProgressDialog(wxWindow* parent, const wxString& title, int range)
    : wxDialog(parent, WxIdOf(IDD_PROGRESS), "Operation progress", wxDefaultPosition, wxDefaultSize,
               wxCAPTION) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(new wxStaticText(this, WxIdOf(IDC_PROGRESS_TITLE), title), 0, wxALL | wxEXPAND, 8);
  bar_ = new wxGauge(this, WxIdOf(IDC_PROGRESS_BAR), range > 0 ? range : 1, wxDefaultPosition,
                     wxSize(ConvertDialogToPixels(wxSize(200, 0)).x, -1));
  sizer->Add(bar_, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);

  auto* row = new wxBoxSizer(wxHORIZONTAL);
  percent_ = new wxStaticText(this, WxIdOf(IDC_PROGRESS_PERCENT), "  0%");
  row->Add(percent_, 0, wxALIGN_CENTER_VERTICAL);
  row->AddStretchSpacer();
  row->Add(new wxStaticText(this, wxID_ANY, "Time left:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  time_left_ = new wxStaticText(this, WxIdOf(IDC_PROGRESS_TIME_LEFT), wxString(), wxDefaultPosition,
                                wxSize(ConvertDialogToPixels(wxSize(60, 0)).x, -1));
  row->Add(time_left_, 0, wxALIGN_CENTER_VERTICAL);
  sizer->Add(row, 0, wxALL | wxEXPAND, 8);

  auto* abort = new wxButton(this, WxIdOf(IDC_PROGRESS_ABORT), "Abort");
  abort->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Abort(); });
  sizer->Add(abort, 0, wxALL | wxALIGN_CENTER_HORIZONTAL, 8);
  SetSizerAndFit(sizer);
  CentreOnParent();
}

bool CProgressDialog::Step(int position, const wxString& percent, const wxString& time_left) {
  if (position >= 0 && position <= bar_->GetRange()) bar_->SetValue(position);
  if (percent_->GetLabel() != percent) percent_->SetLabel(percent);
  if (time_left_->GetLabel() != time_left) time_left_->SetLabel(time_left);
  // Repaint and let the user press "Abort"; the main window stays usable meanwhile.
  wxTheApp->Yield(true);
  return aborted_;
}

int CProgressDialog::Position() const { return bar_->GetValue(); }

int CProgressDialog::Range() const { return bar_->GetRange(); }
