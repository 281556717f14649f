// CPicturePrintout: a print job's pages as wx prints them, on the printer's page or the print
// preview's; each page is drawn by the main view's painter. wx may make two of them for one
// job (the preview's and the one its "Print" button prints).
#pragma once

#include <wx/print.h>

#include <functional>

class CGraphics;
class CPrintJob;

class CPicturePrintout : public wxPrintout {
 public:
  // The job and the painter must outlive the printout. `job_ended` runs when the user ends
  // the job at an insert-medium request (the printing stops, the preview closes).
  CPicturePrintout(CPrintJob& job, CGraphics& graphics, std::function<void()> job_ended);

  bool HasPage(int page) override;
  void GetPageInfo(int* min_page, int* max_page, int* from_page, int* to_page) override;
  bool OnPrintPage(int page) override;

 private:
  CPrintJob& job_;
  CGraphics& graphics_;
  std::function<void()> job_ended_;
};
