#include "ui/group_box_ui.h"

#include <wx/statbox.h>

namespace {

// The frame's border and the gap on each side of its label, in pixels.
constexpr int kLabelMargin = 24;

}  // namespace

wxStaticBoxSizer* MakeGroup(wxWindow* parent, const wxString& label, int orient) {
  auto* group = new wxStaticBoxSizer(orient, parent, label);
  wxStaticBox* box = group->GetStaticBox();
  group->SetMinSize(wxSize(box->GetTextExtent(label).x + box->FromDIP(kLabelMargin), -1));
  return group;
}
