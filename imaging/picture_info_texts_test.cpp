#include "imaging/picture_info_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "imaging/exif_block_testing.h"
#include "imaging/picture_testing.h"
#include "platform/utility.h"

namespace {

CInfoRecordTexts Record() {
  CInfoRecordTexts record;
  record.id = "000007";
  record.path = "/photos/rome/forum.jpg";
  record.when = "07 March 2004";
  record.where = "Rome";
  record.description = "";  // stays a pair; the dialog leaves it out
  record.category = "HOLIDAY";
  record.user_fields = {{"Film", "K-42"}, {"Person", ""}};
  return record;
}

CPictureFileFacts CameraFile() {
  CPictureFileFacts file;
  file.kind = kPictureJpeg;
  file.width = 2048;
  file.height = 1536;
  file.exif.file_size = 3145728;
  file.exif.file_time = 1078662896;
  file.exif.has_exif = true;
  file.exif.camera_make = "Canon";
  file.exif.camera_model = "PowerShot A70";
  file.exif.date_taken = "2004:03:07 12:34:56";
  file.exif.f_number = 2.8f;
  file.exif.exposure_time = 1.0f / 60;
  file.exif.flash_used = true;
  file.exif.focal_length = 5.4f;
  file.exif.subject_distance = 1.5f;
  return file;
}

// The value of the pair labelled `label`; nothing when there is no such pair.
std::optional<std::string> ValueOf(const std::vector<CInfoPair>& pairs, const std::string& label) {
  for (const CInfoPair& pair : pairs) {
    if (pair.label == label) return pair.value;
  }
  return std::nullopt;
}

TEST(PictureInfoTextsTest, ACameraJpegGivesEveryPairInOrder) {
  std::vector<CInfoPair> expected = {
      {"ID", "000007"},
      {"File name", "/photos/rome/forum.jpg"},
      {"File size", "3145728 bytes"},
      {"File date", CUtility::DateText(1078662896, true)},
      {"Picture size", "2048x1536"},
  };
  const std::vector<CInfoPair> camera = CameraExifPairs();
  expected.insert(expected.end(), camera.begin(), camera.end());
  expected.insert(expected.end(), {{"When", "07 March 2004"},
                                   {"Where", "Rome"},
                                   {"Description", ""},
                                   {"Category", "HOLIDAY"},
                                   {"Film", "K-42"},
                                   {"Person", ""}});
  EXPECT_EQ(PictureInfoPairs(Record(), CameraFile()), expected);
}

TEST(PictureInfoTextsTest, CameraValues) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kHuge = 1e30f;
  struct Case {
    const char* label;
    float CExif::*value;
    float set;
    std::optional<std::string> shown;  // nothing: no row
  } cases[] = {
      {"Exposure", &CExif::exposure_time, 1.0f / 60, "1/60"},
      {"Exposure", &CExif::exposure_time, 1.0f / 125, "1/125"},
      {"Exposure", &CExif::exposure_time, 0.6f, "1/2"},  // 1/0.6 = 1.67, rounded
      {"Exposure", &CExif::exposure_time, 1, "1 s"},
      {"Exposure", &CExif::exposure_time, 1.5f, "1 s"},  // whole seconds, cut off
      {"Exposure", &CExif::exposure_time, 2, "2 s"},
      // Not recorded, or a damaged number that no text could hold.
      {"Exposure", &CExif::exposure_time, 0, std::nullopt},
      {"Exposure", &CExif::exposure_time, -2, std::nullopt},
      {"Exposure", &CExif::exposure_time, kHuge, std::nullopt},
      {"Exposure", &CExif::exposure_time, 1 / kHuge, std::nullopt},
      {"Exposure", &CExif::exposure_time, kNaN, std::nullopt},
      {"Aperture", &CExif::f_number, 11, "f 11.0"},
      {"Aperture", &CExif::f_number, 0, std::nullopt},
      {"Focal length", &CExif::focal_length, 135, "135.0 mm"},
      {"Focal length", &CExif::focal_length, 0, std::nullopt},
      {"Distance", &CExif::subject_distance, 12.3f, "12.3 m"},
      {"Distance", &CExif::subject_distance, 0, std::nullopt},
      {"Distance", &CExif::subject_distance, -1, std::nullopt},  // "infinity" read as signed
      {"Distance", &CExif::subject_distance, std::numeric_limits<float>::infinity(), std::nullopt},
  };
  for (const Case& c : cases) {
    CPictureFileFacts file = CameraFile();
    file.exif.*c.value = c.set;
    EXPECT_EQ(ValueOf(PictureInfoPairs(Record(), file), c.label), c.shown)
        << c.label << " " << c.set;
  }
}

TEST(PictureInfoTextsTest, FlashIsShownForEveryFileWithExif) {
  CPictureFileFacts file = CameraFile();
  file.exif = CExif();
  file.exif.has_exif = true;
  const std::vector<CInfoPair> pairs = PictureInfoPairs(Record(), file);
  EXPECT_EQ(ValueOf(pairs, "Flash used"), "No");
  EXPECT_EQ(ValueOf(pairs, "Camera make"), "");  // listed as a pair, left out by the dialog
  EXPECT_EQ(ValueOf(pairs, "Exposure"), std::nullopt);
}

TEST(PictureInfoTextsTest, FilesWithoutCameraRowsAndRecordsWithoutAFile) {
  auto labels = [](const std::vector<CInfoPair>& pairs) {
    std::vector<std::string> found;
    found.reserve(pairs.size());
    for (const CInfoPair& pair : pairs) found.push_back(pair.label);
    return found;
  };
  const std::vector<std::string> record_labels = {"When",     "Where", "Description",
                                                  "Category", "Film",  "Person"};
  std::vector<std::string> file_labels = {"ID", "File name", "File size", "File date",
                                          "Picture size"};
  file_labels.insert(file_labels.end(), record_labels.begin(), record_labels.end());

  // A TIFF has no camera rows, whatever a reader left in the EXIF results; its size is the
  // decoded one.
  CPictureFileFacts tiff = CameraFile();
  tiff.kind = kPictureTiff;
  tiff.width = 320;
  tiff.height = 200;
  EXPECT_EQ(labels(PictureInfoPairs(Record(), tiff)), file_labels);
  EXPECT_EQ(ValueOf(PictureInfoPairs(Record(), tiff), "Picture size"), "320x200");

  CPictureFileFacts plain = CameraFile();
  plain.exif.has_exif = false;
  EXPECT_EQ(labels(PictureInfoPairs(Record(), plain)), file_labels);

  std::vector<std::string> record_only = {"ID", "File name"};
  record_only.insert(record_only.end(), record_labels.begin(), record_labels.end());
  EXPECT_EQ(labels(PictureInfoPairs(Record(), CPictureFileFacts())), record_only);
}

TEST(PictureInfoTextsTest, FileSizesBeyond31Bits) {
  CPictureFileFacts file = CameraFile();
  file.exif.file_size = int64_t{5} << 30;
  EXPECT_EQ(ValueOf(PictureInfoPairs(Record(), file), "File size"), "5368709120 bytes");
}

}  // namespace
