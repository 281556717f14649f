#include "publish/web_album_dialog_model.h"

#include <iterator>

#include "base/front_end.h"
#include "base/string_table.h"
#include "publish/html_text.h"

void CGenWebModel::Open() { scope.Open(); }

bool CGenWebModel::Accept() {
  if (!scope.Complete()) {
    front_end_.ShowMessage(kMsgSelectCategory, MsgButtons::kOk, MsgIcon::kNone);
    return false;
  }
  SetHeading(heading);
  return true;
}

void CGenWebModel::SetHeading(const std::string& typed) {
  heading = FirstCharacters(typed, kMaxHeadingLength);
}

int CGenWebModel::JpegQuality() const {
  const int last = static_cast<int>(std::size(kWebQualities)) - 1;
  const int chosen = quality < 0 || quality > last ? kDefaultQuality : quality;
  return kWebQualities[chosen].jpeg_quality;
}

std::vector<std::string> CGenWebModel::StyleEntries() { return {kStyleThumbnailsAndAlbum}; }

std::vector<std::string> CGenWebModel::QualityEntries() {
  std::vector<std::string> entries;
  for (const CWebQuality& choice : kWebQualities) entries.emplace_back(choice.label);
  return entries;
}
