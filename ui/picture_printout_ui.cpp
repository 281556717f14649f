#include "ui/picture_printout_ui.h"

#include "base/string_table.h"
#include "publish/print_job.h"
#include "ui/graphics_ui.h"

CPicturePrintout::CPicturePrintout(CPrintJob& job, CGraphics& graphics,
                                   std::function<void()> job_ended)
    : wxPrintout(kProgramName), job_(job), graphics_(graphics), job_ended_(std::move(job_ended)) {}

bool CPicturePrintout::HasPage(int page) {
  return page >= 1 && page <= job_.PageCount() && !job_.ended();
}

void CPicturePrintout::GetPageInfo(int* min_page, int* max_page, int* from_page, int* to_page) {
  *min_page = *from_page = 1;
  *max_page = *to_page = job_.PageCount();
}

bool CPicturePrintout::OnPrintPage(int page) {
  wxDC* dc = GetDC();
  if (!dc) return false;
  // The page in the printer's device units. The preview's page is a smaller picture of it:
  // its DC scales the printer's units down.
  int width = 0, height = 0;
  GetPageSizePixels(&width, &height);
  int dc_width = 0, dc_height = 0;
  dc->GetSize(&dc_width, &dc_height);
  if (width > 0 && height > 0 && (dc_width != width || dc_height != height)) {
    dc->SetUserScale(static_cast<double>(dc_width) / width,
                     static_cast<double>(dc_height) / height);
  }
  if (graphics_.DrawPrintPage(*dc, job_, page, width, height)) return true;
  if (job_ended_) job_ended_();
  return false;
}
