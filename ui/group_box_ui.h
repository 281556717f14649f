// A labelled group of controls (a GTK frame) that is never narrower than its label: GTK cuts
// a frame's label to the width its contents give it.
#pragma once

#include <wx/sizer.h>

class wxStaticBoxSizer;
class wxString;
class wxWindow;

// The group's controls are children of the sizer's static box.
wxStaticBoxSizer* MakeGroup(wxWindow* parent, const wxString& label, int orient = wxVERTICAL);
