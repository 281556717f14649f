#include "imaging/picture_info_texts.h"

#include <cmath>
#include <limits>
#include <optional>

#include "base/string_printf.h"
#include "base/string_table.h"
#include "platform/utility.h"

namespace {

// A camera value that is really there: positive and finite. A damaged block may hold any
// number, and a value of 0 means the camera did not record it.
bool Recorded(double value) { return std::isfinite(value) && value > 0; }

// "%d s" for a time of a second or more (whole seconds, cut off), else "1/%d" with the
// reciprocal rounded to the nearest whole number: 1/60 s is kept as 0.016666668 and is still
// shown as 1/60. Nothing for a time that is not recorded or too long or short for the text.
std::optional<std::string> ExposureText(double seconds) {
  constexpr double kLongest = std::numeric_limits<int>::max();
  if (!Recorded(seconds)) return std::nullopt;
  if (seconds >= 1) {
    if (seconds >= kLongest) return std::nullopt;
    return StringPrintf("%d s", static_cast<int>(seconds));
  }
  const double reciprocal = std::round(1 / seconds);
  if (reciprocal > kLongest) return std::nullopt;
  return StringPrintf("1/%d", static_cast<int>(reciprocal));
}

void AddCameraPairs(const CExif& exif, std::vector<CInfoPair>& pairs) {
  pairs.push_back({kInfoLabelCameraMake, exif.camera_make});
  pairs.push_back({kInfoLabelCameraModel, exif.camera_model});
  pairs.push_back({kInfoLabelDateTaken, exif.date_taken});
  if (Recorded(exif.f_number)) {
    pairs.push_back({kInfoLabelAperture, StringPrintf("f %3.1f", exif.f_number)});
  }
  if (std::optional<std::string> exposure = ExposureText(exif.exposure_time)) {
    pairs.push_back({kInfoLabelExposure, *exposure});
  }
  pairs.push_back({kInfoLabelFlash, exif.flash_used ? kInfoYes : kInfoNo});
  if (Recorded(exif.focal_length)) {
    pairs.push_back({kInfoLabelFocalLength, StringPrintf("%4.1f mm", exif.focal_length)});
  }
  if (Recorded(exif.subject_distance)) {
    pairs.push_back({kInfoLabelDistance, StringPrintf("%4.1f m", exif.subject_distance)});
  }
}

}  // namespace

std::vector<CInfoPair> PictureInfoPairs(const CInfoRecordTexts& record,
                                        const CPictureFileFacts& file) {
  std::vector<CInfoPair> pairs = {{kInfoLabelId, record.id}, {kInfoLabelFileName, record.path}};
  if (file.kind != kPictureNone) {
    pairs.push_back({kInfoLabelFileSize,
                     StringPrintf("%lld bytes", static_cast<long long>(file.exif.file_size))});
    pairs.push_back({kInfoLabelFileDate, CUtility::DateText(file.exif.file_time, true)});
    pairs.push_back({kInfoLabelPictureSize, StringPrintf("%dx%d", file.width, file.height)});
  }
  if (file.kind == kPictureJpeg && file.exif.has_exif) AddCameraPairs(file.exif, pairs);
  pairs.push_back({kInfoLabelWhen, record.when});
  pairs.push_back({kInfoLabelWhere, record.where});
  pairs.push_back({kInfoLabelDescription, record.description});
  pairs.push_back({kInfoLabelCategory, record.category});
  pairs.insert(pairs.end(), record.user_fields.begin(), record.user_fields.end());
  return pairs;
}
