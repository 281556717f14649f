#include "ui/about_dialog_ui.h"

#include <wx/button.h>
#include <wx/image.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "base/string_printf.h"
#include "base/string_table.h"
#include "ui/data_image_ui.h"

namespace {

constexpr const char* kIcon = "albumcraft.png";
constexpr int kIconFileSize = 128;
constexpr int kIconShownSize = 64;
constexpr int kTextWidth = 320;  // where the description wraps, in pixels

}  // namespace

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, kAboutTitle) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  const wxImage icon = DataBitmap(kIcon, kIconFileSize)
                           .ConvertToImage()
                           .Scale(kIconShownSize, kIconShownSize, wxIMAGE_QUALITY_HIGH);
  sizer->Add(new wxStaticBitmap(this, wxID_ANY, wxBitmap(icon)), 0,
             wxALIGN_CENTER_HORIZONTAL | wxTOP, 16);
  auto* name = new wxStaticText(this, wxID_ANY, kProgramName);
  name->SetFont(name->GetFont().Bold().Larger());
  sizer->Add(name, 0, wxALIGN_CENTER_HORIZONTAL | wxTOP, 10);
  sizer->Add(new wxStaticText(this, wxID_ANY, StringPrintf(kAboutVersionFormat, kProgramVersion)),
             0, wxALIGN_CENTER_HORIZONTAL | wxTOP, 4);
  auto* description = new wxStaticText(this, wxID_ANY, kAboutDescription, wxDefaultPosition,
                                       wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL);
  description->Wrap(FromDIP(kTextWidth));
  sizer->Add(description, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 14);
  auto* ok = new wxButton(this, wxID_OK, "OK");
  ok->SetDefault();
  sizer->Add(ok, 0, wxALIGN_CENTER_HORIZONTAL | wxBOTTOM, 12);
  SetSizerAndFit(sizer);
  CentreOnParent();
}
