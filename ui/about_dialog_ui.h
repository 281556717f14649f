// The about box (Help, "&About Kestrel's Albumcraft..."): the program's icon, name and
// version, and a line of what it is.
#pragma once

#include <wx/dialog.h>

class CAboutDlg : public wxDialog {
 public:
  explicit CAboutDlg(wxWindow* parent);
};
