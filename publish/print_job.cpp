#include "publish/print_job.h"

#include <optional>

#include "base/front_end.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "imaging/picture_loader.h"
#include "imaging/picture_rotation.h"
#include "platform/picture_finder.h"
#include "publish/print_layout.h"

CPrintJob::CPrintJob(const std::string& index_path, std::vector<int32_t> print_list, int print_mode,
                     CPictureFinder& finder, CFrontEnd& front_end)
    : print_list_(std::move(print_list)),
      print_mode_(print_mode),
      finder_(finder),
      front_end_(front_end) {
  // Printing only reads the index, which may be on a read-only medium.
  store_.SetReadOnly(true);
  store_.SetFileNames(index_path);
}

int CPrintJob::PageCount() const { return PrintPageCount(print_list_.size(), print_mode_); }

CPrintJob::PageResult CPrintJob::PrintPage(int page, int width, int height,
                                           const DrawPicture& draw) {
  if (ended_) return PageResult::kJobEnded;
  if (page < 1) return PageResult::kPrinted;
  const std::vector<CRect> cells = PrintCells(print_mode_, width, height);
  CKeepOfflineFlag keep_offline(finder_);
  PageResult result = PageResult::kPrinted;
  for (size_t cell = 0; cell < cells.size(); ++cell) {
    const size_t index = PrintListIndex(page, cells.size(), cell);
    if (index >= print_list_.size()) break;
    const Loaded loaded = LoadRecordPicture(print_list_[index]);
    if (loaded == Loaded::kJobEnded) result = PageResult::kJobEnded;
    // A picture that did not decode ends the page: the cells after it stay empty.
    if (loaded != Loaded::kPicture) break;
    if (TurnForCell(picture_.Width(), picture_.Height(), cells[cell])) RotatePicture(picture_);
    draw(picture_, FitInCell(cells[cell], picture_.Width(), picture_.Height()));
  }
  picture_.Release();
  return result;
}

CPrintJob::Loaded CPrintJob::LoadRecordPicture(int32_t record) {
  picture_.Release();
  const std::optional<CPictureLocation> location = store_.ReadPictureLocation(record);
  if (!location) return Loaded::kNothing;
  std::optional<std::string> file;
  while (!(file = finder_.FindPictureFile(location->image_path, location->volume_label)) &&
         finder_.Offline()) {
    const std::string request =
        StringPrintf(LoadString(IDS_INSERT_CD).c_str(), location->volume_label.c_str());
    if (front_end_.ShowMessage(request, MsgButtons::kOkCancel, MsgIcon::kWarning) ==
        MsgAnswer::kCancel) {
      ended_ = true;
      return Loaded::kJobEnded;
    }
  }
  if (!file) return Loaded::kNothing;
  // The file was found; the decoder's own messages are not shown while printing (a page
  // is drawn again whenever the preview shows it).
  const CLoadContext context;
  const int decoded =
      LoadPicture(picture_, context, *file, std::string(), kPictureBox, kPictureBox, false);
  return decoded ? Loaded::kPicture : Loaded::kNothing;
}
