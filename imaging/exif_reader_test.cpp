#include "imaging/exif_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "imaging/exif_block_testing.h"
#include "imaging/picture_testing.h"

namespace {

constexpr auto kIfd0 = CExifBuilder::kIfd0;
constexpr auto kExifIfd = CExifBuilder::kExifIfd;

// A JPEG-like file: SOI, the given sections (marker byte, then the section's bytes from its
// length on), a frame header, a scan header and some scan data, EOI.
std::vector<uint8_t> JpegFile(const std::vector<std::pair<uint8_t, std::vector<uint8_t>>>& sections,
                              uint16_t width = 640, uint16_t height = 480) {
  std::vector<uint8_t> out = {0xFF, 0xD8};
  for (const auto& [marker, bytes] : sections) {
    out.push_back(0xFF);
    out.push_back(marker);
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  std::vector<uint8_t> frame = {0xFF,
                                0xC0,
                                0,
                                17,
                                8,
                                static_cast<uint8_t>(height >> 8),
                                static_cast<uint8_t>(height),
                                static_cast<uint8_t>(width >> 8),
                                static_cast<uint8_t>(width),
                                3};
  frame.resize(frame.size() + 9, 1);
  out.insert(out.end(), frame.begin(), frame.end());
  std::vector<uint8_t> scan = {0xFF, 0xDA, 0, 12, 3, 1, 0, 2, 0x11, 3, 0x11, 0, 63, 0,
                               // scan data that looks like an APP1 section to a walker that
                               // does not stop at the scan
                               0xE1, 0x00, 0x10, 'n', 'o', 't', ' ', 'E', 'X', 'I', 'F', 0x12, 0x34,
                               0x56, 0x78, 0x9A, 0xBC, 0xFF, 0xD9};
  out.insert(out.end(), scan.begin(), scan.end());
  return out;
}

class ExifReaderTest : public ::testing::Test {
 protected:
  bool Read(const std::vector<uint8_t>& bytes) {
    return exif_.ReadExif(WriteBytes(folder_, "e.jpg", bytes));
  }
  bool ReadSection(const CExifBuilder& builder) {
    return Read(JpegFile({{0xE1, builder.Section()}}));
  }

  CTempDir folder_;
  CExif exif_;
};

TEST_F(ExifReaderTest, BothByteOrdersGiveTheSameResults) {
  for (bool big_endian : {false, true}) {
    SCOPED_TRACE(big_endian ? "Motorola" : "Intel");
    EXPECT_TRUE(ReadSection(CameraExif(big_endian)));
    EXPECT_TRUE(exif_.has_exif);
    EXPECT_EQ(exif_.camera_make, "Canon");
    EXPECT_EQ(exif_.camera_model, "PowerShot A70");
    EXPECT_EQ(exif_.date_taken, "2004:03:07 12:34:56");
    EXPECT_FLOAT_EQ(exif_.exposure_time, 1.0f / 60);
    EXPECT_FLOAT_EQ(exif_.f_number, 2.8f);
    EXPECT_FLOAT_EQ(exif_.subject_distance, 1.5f);
    EXPECT_FLOAT_EQ(exif_.focal_length, 5.4f);
    EXPECT_TRUE(exif_.flash_used);
    EXPECT_EQ(exif_.user_comment, "word");
    EXPECT_EQ(exif_.frame_width, 640);
    EXPECT_EQ(exif_.frame_height, 480);
    EXPECT_TRUE(exif_.frame_is_colour);
    EXPECT_EQ(exif_.frame_marker, 0xC0);
  }
}

TEST_F(ExifReaderTest, ExposureAndApertureTakeTheFirstOfDirectAndApexValues) {
  const int32_t kShutter60 = 5906891;  // millionths: 1 / 2^5.906891 = 1/60
  struct Case {
    const char* name;
    std::vector<std::pair<uint16_t, std::pair<int32_t, int32_t>>> entries;
    float exposure, f_number;
  } cases[] = {
      {"APEX only", {{37377, {kShutter60, 1000000}}, {37378, {4, 1}}}, 1.0f / 60, 4.0f},
      {"direct first", {{33434, {1, 125}}, {37377, {kShutter60, 1000000}}}, 1.0f / 125, 0},
      {"direct after APEX", {{37377, {kShutter60, 1000000}}, {33434, {1, 125}}}, 1.0f / 125, 0},
      {"max aperture", {{37381, {2, 1}}, {37378, {4, 1}}}, 0, 2.0f},
      {"f-number after APEX", {{37378, {4, 1}}, {33437, {56, 10}}}, 0, 5.6f},
      {"zero denominator", {{33434, {1, 0}}}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CExifBuilder builder(false);
    for (const auto& [tag, value] : c.entries) {
      builder.Rational(kExifIfd, tag, value.first, value.second, tag == 37377 ? 10 : 5);
    }
    ReadSection(builder);
    EXPECT_NEAR(exif_.exposure_time, c.exposure, 1e-7);
    EXPECT_NEAR(exif_.f_number, c.f_number, 1e-5);
  }
  EXPECT_EQ(std::lround(1 / (1 / std::exp2(5.906891))), 60);
}

TEST_F(ExifReaderTest, UserComment) {
  struct Case {
    std::string value, comment;
  } cases[] = {
      {std::string("ASCII\0\0\0word   ", 15), "word"}, {std::string("ASCII  hello", 12), "hello"},
      {std::string("ASCII\0\0\0\0\0 x", 12), ""},      {"plain text   ", "plain text"},
      {std::string("UNICODE\0h\0i", 11), "UNICODE"},   {"ASC", "ASC"},
  };
  for (const Case& c : cases) {
    ReadSection(CExifBuilder(true).Undefined(kExifIfd, 37510, c.value));
    EXPECT_EQ(exif_.user_comment, c.comment) << c.value;
  }
}

TEST_F(ExifReaderTest, FlashIsSetByAFiredFlashOnly) {
  struct Case {
    std::vector<uint16_t> values;
    bool used;
  } cases[] = {
      {{1}, true},    {{0x19}, true}, {{0}, false}, {{0x10}, false},  // 0x10: off, did not fire
      {{1, 0}, true},                                                 // never cleared
  };
  for (const Case& c : cases) {
    CExifBuilder builder(false);
    for (uint16_t value : c.values) builder.Short(kExifIfd, 37385, value);
    ReadSection(builder);
    EXPECT_EQ(exif_.flash_used, c.used) << c.values[0];
  }
}

TEST_F(ExifReaderTest, FilesWithoutExif) {
  EXPECT_FALSE(Read({0xFF, 0xD8}));
  EXPECT_FALSE(exif_.has_exif);
  EXPECT_EQ(exif_.frame_width, 0);

  EXPECT_FALSE(Read({0x89, 'P', 'N', 'G'}));
  EXPECT_FALSE(exif_.ReadExif((folder_ / "missing.jpg")));

  // No APP1: the frame size is still read.
  EXPECT_TRUE(Read(JpegFile({{0xE0, {0, 6, 'J', 'F', 'I', 'F'}}}, 1024, 768)));
  EXPECT_FALSE(exif_.has_exif);
  EXPECT_EQ(exif_.frame_width, 1024);
  EXPECT_EQ(exif_.frame_height, 768);

  // The first directory must come right behind the TIFF header.
  ReadSection(CameraExif(false).FirstDirectory(10));
  EXPECT_FALSE(exif_.has_exif);
  EXPECT_EQ(exif_.camera_make, "");
}

TEST_F(ExifReaderTest, LaterSectionsDoNotTakeTheExifBack) {
  std::vector<uint8_t> xmp = {0, 12, 'h', 't', 't', 'p', ':', '/', '/', 'n', 's', 0};
  // An XMP section after the EXIF one, and scan data that looks like another APP1.
  EXPECT_TRUE(Read(JpegFile({{0xE1, CameraExif(true).Section()}, {0xE1, xmp}})));
  EXPECT_TRUE(exif_.has_exif);
  EXPECT_EQ(exif_.camera_make, "Canon");
}

TEST_F(ExifReaderTest, MalformedEntriesKeepWhatWasReadBefore) {
  // A format outside 1-12 ends IFD0 after Make; the EXIF directory behind it is not read.
  ReadSection(CameraExif(false).Raw(kIfd0, 999, 13, 1, {0, 0, 0, 0}));
  EXPECT_TRUE(exif_.has_exif);
  EXPECT_EQ(exif_.camera_make, "Canon");
  EXPECT_EQ(exif_.camera_model, "PowerShot A70");
  EXPECT_EQ(exif_.date_taken, "");

  // A malformed EXIF directory stops itself only.
  CExifBuilder bad_sub = CameraExif(false);
  bad_sub.Rational(kExifIfd, 33434, 1, 1).Raw(kExifIfd, 1, 14, 1, {0, 0, 0, 0});
  bad_sub.Ascii(kIfd0, 305, "after");  // IFD0 goes on
  ReadSection(bad_sub);
  EXPECT_FLOAT_EQ(exif_.exposure_time, 1.0f);

  // A section cut short keeps nothing of it; the file's frame is not reached.
  std::vector<uint8_t> file = JpegFile({{0xE1, CameraExif(false).Section()}});
  file.resize(60);
  EXPECT_FALSE(Read(file));
  EXPECT_FALSE(exif_.has_exif);
  EXPECT_EQ(exif_.frame_width, 0);
}

TEST_F(ExifReaderTest, NothingIsReadOutsideTheSection) {
  // The last entry's value is the last four bytes of the section: read. Then the same with
  // the value reaching one byte further, and a directory whose entries would need two more
  // bytes than the section holds.
  CExifBuilder builder(false);
  builder.Ascii(kIfd0, 272, "ModelName");
  std::vector<uint8_t> section = builder.Section();
  EXPECT_TRUE(exif_.ParseExifSection(section));
  EXPECT_EQ(exif_.camera_model, "ModelName");

  exif_.camera_model.clear();
  std::vector<uint8_t> shorter(section.begin(), section.end() - 1);
  EXPECT_TRUE(exif_.ParseExifSection(shorter));
  EXPECT_EQ(exif_.camera_model, "");

  std::vector<uint8_t> cut(section.begin(), section.begin() + 16 + 2 + 12 - 2);
  EXPECT_TRUE(exif_.ParseExifSection(cut));
  EXPECT_EQ(exif_.camera_model, "");
}

TEST_F(ExifReaderTest, DirectoryLinksInACircleEnd) {
  // IFD0 links to itself as its EXIF directory.
  CExifBuilder builder(true);
  builder.Raw(kIfd0, 34665, 4, 1, {0, 0, 0, 8}).Ascii(kIfd0, 271, "Loop");
  EXPECT_TRUE(ReadSection(builder));
  EXPECT_EQ(exif_.camera_make, "Loop");
  // A link outside the block ends the directory.
  CExifBuilder outside(true);
  outside.Raw(kIfd0, 34665, 4, 1, {0, 0, 0x70, 0}).Ascii(kIfd0, 271, "Never");
  ReadSection(outside);
  EXPECT_EQ(exif_.camera_make, "");
}

TEST_F(ExifReaderTest, FileStatus) {
  std::string path = WriteBytes(folder_, "s.jpg", std::vector<uint8_t>(1234, 0));
  ASSERT_TRUE(exif_.ReadFileStatus(path));
  EXPECT_EQ(exif_.file_size, 1234);
  EXPECT_NEAR(static_cast<double>(exif_.file_time), static_cast<double>(std::time(nullptr)), 60);
  EXPECT_FALSE(exif_.ReadFileStatus((folder_ / "missing")));
}

}  // namespace
