// CGenWebModel, the "Generate web pages" dialog (CGenWeb) of "Create web pages": which records
// go on the pages (the scope and the category box), the style, the page heading and the
// picture quality. OK with "Category" and no category chosen is refused with a message, and
// the dialog stays open.
#pragma once

#include <string>
#include <vector>

#include "base/dialog_model.h"
#include "publish/record_scope.h"

class CFrontEnd;

// A choice of the "Picture quality" box and the JPEG quality it gives.
struct CWebQuality {
  const char* label;
  int jpeg_quality;
};
inline constexpr CWebQuality kWebQualities[] = {
    {"Very high", 95}, {"High", 80}, {"Normal", 70}, {"Low", 50}, {"Very low", 30}};

class CGenWebModel : public CDialogModel {
 public:
  static constexpr size_t kMaxHeadingLength = 50;  // characters
  static constexpr int kDefaultQuality = 1;        // "High"
  // The one style there is.
  static constexpr const char* kStyleThumbnailsAndAlbum = "Thumbnails and album";

  // The front end must outlive the model.
  explicit CGenWebModel(CFrontEnd& front_end) : front_end_(front_end) {}

  // The scope: the caller sets its categories and whether a record is marked.
  CRecordScope scope;
  int style = 0;  // index into StyleEntries()
  std::string heading;
  int quality = kDefaultQuality;  // index into kWebQualities

  std::string Title() const override { return "Generate web pages"; }
  // The scope's defaults.
  void Open() override;
  // Refuses "Category" without a category (kMsgSelectCategory).
  bool Accept() override;

  // The heading as typed, cut to kMaxHeadingLength characters.
  void SetHeading(const std::string& typed);
  // The JPEG quality of the chosen picture quality.
  int JpegQuality() const;

  static std::vector<std::string> StyleEntries();
  static std::vector<std::string> QualityEntries();

 private:
  CFrontEnd& front_end_;
};
