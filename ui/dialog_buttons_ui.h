// The OK and Cancel row at the foot of a dialog over a model.
#pragma once

#include <wx/string.h>

#include <functional>

class wxDialog;
class wxStdDialogButtonSizer;

// OK (labelled `ok_label`, the default button) runs `on_ok`, which reads the controls into the
// model and ends the dialog once the model accepted; Cancel ends it as Cancel.
wxStdDialogButtonSizer* OkCancelButtons(wxDialog* dialog, const wxString& ok_label,
                                        std::function<void()> on_ok);
