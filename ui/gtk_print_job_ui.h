// What printing needs of GTK that wx does not offer: printing to a PDF file without showing
// GTK's print dialog, and ending a running print job from inside one of its pages.
#pragma once

#include <string>

class wxPrintDialogData;
class wxPrintout;

// Prints `printout` into the PDF file `path` as "Print to File" in GTK's print dialog does,
// through wx's GTK printer and its printer DC, on the paper and in the orientation of
// `data`, without showing a dialog (the automation prints this way). False when GTK reported
// an error or the job was cancelled; the file is then removed.
bool PrintToPdfFile(wxPrintDialogData& data, wxPrintout& printout, const std::string& path);

// Cancels the GTK print job that is printing with `data` (or a copy of it), if one runs: GTK
// prints no further page.
void CancelRunningPrint(wxPrintDialogData& data);
