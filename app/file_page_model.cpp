#include "app/file_page_model.h"

#include "base/front_end.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "import/picture_folder.h"
#include "platform/utility.h"

namespace {

constexpr const char* kPictureFilter = "Image file (*.jpg)|*.jpg||";
constexpr const char* kPictureExtension = "jpg";

}  // namespace

void CFilePageModel::Load(const std::string& path, const std::string& label) {
  image_path = record_path = path;
  volume_label = label;
}

void CFilePageModel::Browse(CFrontEnd& front_end) {
  CFileRequest request;
  request.default_ext = kPictureExtension;
  request.filter = kPictureFilter;
  request.initial_path = image_path;
  if (std::optional<std::string> chosen = front_end.AskFile(request)) image_path = *chosen;
}

bool CFilePageModel::CheckPath(CFrontEnd& front_end) const {
  if (image_path == record_path || IsListedPictureName(CUtility::FileNameOf(image_path)))
    return true;
  front_end.ShowMessage(StringPrintf(kMsgNotAPictureFileFormat, image_path.c_str()),
                        MsgButtons::kOk, MsgIcon::kWarning);
  return false;
}
