#include "ui/shown_picture_ui.h"

#include "app/document.h"
#include "platform/path_text.h"
#include "ui/picture_bitmap_ui.h"

namespace {

constexpr const char* kIntroPicture = "Intro.jpg";

}  // namespace

bool CShownPicture::NeedsLoad(const CSnapstoreDoc& doc) const {
  return !loaded_ || doc.picture_changed || doc.db.image_path.empty() != intro_;
}

void CShownPicture::Load(CSnapstoreDoc& doc, int width, int height) {
  loaded_ = true;
  doc.picture_changed = false;
  intro_ = doc.db.image_path.empty();
  offline_ = false;
  if (intro_) {
    doc.LoadPicture(JoinPath(doc.settings.InstallPath, kIntroPicture), "", width, height, true);
  } else {
    doc.LoadPicture(doc.db.image_path, doc.db.volume_label, width, height, true);
    offline_ = doc.Offline();
    if (offline_) {
      doc.LoadPicture(doc.PlaceholderPicturePath(), "", width, height, false);
      doc.finder.SetOffline(true);  // loading the placeholder found its file
    }
  }
  image_ = ImageOfPicture(doc.picture);
  scaled_ = wxBitmap();
}

const wxBitmap& CShownPicture::Scaled(int width, int height) {
  if (!image_.IsOk() || width <= 0 || height <= 0) {
    scaled_ = wxBitmap();
  } else if (!scaled_.IsOk() || scaled_.GetWidth() != width || scaled_.GetHeight() != height) {
    if (width == image_.GetWidth() && height == image_.GetHeight()) {
      scaled_ = wxBitmap(image_);
    } else {
      scaled_ = wxBitmap(image_.Scale(width, height, wxIMAGE_QUALITY_HIGH));
    }
  }
  return scaled_;
}
