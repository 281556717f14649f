// snapstore-cli info: the picture information of camera JPEGs made here with known EXIF tags,
// of a TIFF, and of a picture on a medium that moved and then went away.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>

#include "app/document_testing.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "cli/cli.h"
#include "imaging/exif_block_testing.h"
#include "imaging/picture_testing.h"
#include "import/import_decoder.h"
#include "platform/child_process_testing.h"
#include "platform/utility.h"

namespace fs = std::filesystem;

namespace {

using B = CExifBuilder;

class InfoCommandTest : public testing::Test {
 protected:
  struct CRun {
    int status;
    std::string out;
    std::string err;
  };
  CRun Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
  }
  std::string Index() const { return dir_ / "index/pics.acx"; }
  // A camera JPEG of 96 x 64 pixels with the EXIF block `exif`.
  std::string WriteCameraJpeg(const std::string& name, const CExifBuilder& exif) {
    CTestJpeg jpeg = GradientJpeg(96, 64);
    jpeg.app1 = exif.Payload();
    return WriteBytes(dir_, name, EncodeTestJpeg(jpeg));
  }
  // The rows of a file: ID and name as given, then its size, date and picture size.
  std::string FileRows(const std::string& id, const std::string& path, const std::string& size) {
    const std::time_t written = std::chrono::system_clock::to_time_t(
        std::chrono::file_clock::to_sys(fs::last_write_time(path)));
    return "ID\t" + id + "\nFile name\t" + path + "\nFile size\t" +
           std::to_string(fs::file_size(path)) + " bytes\nFile date\t" +
           CUtility::DateText(written, true) + "\nPicture size\t" + size + "\n";
  }
  // Every file below the test's home with its size and time of last change.
  std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> Files() const {
    std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir_.Path())) {
      if (entry.is_regular_file()) {
        files[entry.path()] = {entry.file_size(), entry.last_write_time()};
      }
    }
    return files;
  }

  CTestHome home_;
  const CTempDir& dir_ = home_.dir();
};

TEST_F(InfoCommandTest, CameraJpegsInBothByteOrdersAndATiffAndNothingIsWritten) {
  fs::create_directories(dir_ / "index");
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  const std::string canon = WriteCameraJpeg("photos/canon.jpg", CameraExif(false));
  // Motorola order, exposure and aperture as APEX values only, a flash that did not fire, no
  // focal length, a distance of "infinity" and no date.
  CExifBuilder nikon_exif(true);
  nikon_exif.Ascii(B::kIfd0, 271, "NIKON CORPORATION")
      .Ascii(B::kIfd0, 272, "NIKON D70")
      .Rational(B::kExifIfd, 37377, -1, 1, 10)
      .Rational(B::kExifIfd, 37378, 4, 1)
      .Short(B::kExifIfd, 37385, 0x10)
      .Rational(B::kExifIfd, 37386, 0, 1)
      .Rational(B::kExifIfd, 37382, -1, 1);
  const std::string nikon = WriteCameraJpeg("photos/nikon.jpg", nikon_exif);
  CTestTiff tiff;
  tiff.width = 5;
  tiff.height = 3;
  tiff.samples.assign(5 * 3 * 3, 0x40);
  const std::string scan = WriteBytes(dir_, "photos/scan.tif", BuildTestTiff(tiff));
  ASSERT_EQ(Run({"add", Index(), canon, nikon, scan}).status, 0);
  ASSERT_EQ(Run({"set", Index(), "000003", "where=Bergen", "description=Old\r\nmap"}).status, 0);

  const auto before = Files();
  CRun run = Run({"info", Index(), "000001"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, FileRows("000001", canon, "96x64") +
                         "Camera make\tCanon\n"
                         "Camera model\tPowerShot A70\n"
                         "Date\t2004:03:07 12:34:56\n"
                         "Aperture\tf 2.8\n"
                         "Exposure\t1/60\n"
                         "Flash used\tYes\n"
                         "Focal length\t 5.4 mm\n"
                         "Distance\t 1.5 m\n"
                         "When\t" +
                         *WhenFromExifDate("2004:03:07 12:34:56") +
                         "\n"
                         "Category\tTO_BE_DESCRIBED\n");
  run = Run({"info", Index(), "000002"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, FileRows("000002", nikon, "96x64") +
                         "Camera make\tNIKON CORPORATION\n"
                         "Camera model\tNIKON D70\n"
                         "Aperture\tf 4.0\n"
                         "Exposure\t2 s\n"
                         "Flash used\tNo\n"
                         "Category\tTO_BE_DESCRIBED\n");
  run = Run({"info", Index(), "000003"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, FileRows("000003", scan, "5x3") +
                         "Where\tBergen\n"
                         "Description\tOld map\n"
                         "Category\tTO_BE_DESCRIBED\n");
  EXPECT_EQ(Files(), before);

  run = Run({"info", Index(), "000009"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "There is no picture with the ID 000009 in " + Index() + ".\n");
  EXPECT_EQ(Run({"info", Index()}).status, 2);
}

TEST_F(InfoCommandTest, APictureOnAMediumIsFoundByItsLabelWhereverItIsMounted) {
  const std::string volumes = dir_ / "volumes.txt";
  auto mount = [&](const std::string& stick) {
    dir_.Write("volumes.txt", "/\tfixed\t\n" + (stick.empty() ? "" : stick + "\tremovable\tPHOTOS1\n"));
  };
  auto cli = [&](const std::vector<std::string>& args) {
    std::vector<std::string> argv = {SNAPSTORE_CLI_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunChild(argv, {"ALBUMCRAFT_VOLUMES=" + volumes});
  };
  mount(dir_ / "stick1");
  const std::string added = WriteCameraJpeg("stick1/DCIM/a.jpg", CameraExif(true));
  ASSERT_EQ(cli({"create", dir_ / "pics.acx"}).exit_status, 0);
  ASSERT_EQ(cli({"add", dir_ / "pics.acx", added}).exit_status, 0);

  // The medium comes back at another root.
  fs::rename(dir_ / "stick1", dir_ / "stick2");
  mount(dir_ / "stick2");
  CChildResult child = cli({"info", dir_ / "pics.acx", "000001"});
  EXPECT_EQ(child.exit_status, 0) << child.err;
  const std::string size_row =
      "File size\t" + std::to_string(fs::file_size(dir_ / "stick2/DCIM/a.jpg")) + " bytes\n";
  EXPECT_EQ(child.out.rfind("ID\t000001\nFile name\t" + added + "\n" + size_row, 0), 0u)
      << child.out;
  EXPECT_NE(child.out.find("Picture size\t96x64\n"), std::string::npos) << child.out;
  EXPECT_NE(child.out.find("Camera model\tPowerShot A70\n"), std::string::npos) << child.out;

  // The medium is away: the record's own rows, the reason, exit status 1.
  mount("");
  child = cli({"info", dir_ / "pics.acx", "000001"});
  EXPECT_EQ(child.exit_status, 1);
  EXPECT_EQ(child.out, "ID\t000001\nFile name\t" + added + "\nWhen\t" +
                           *WhenFromExifDate("2004:03:07 12:34:56") +
                           "\nCategory\tTO_BE_DESCRIBED\n");
  EXPECT_EQ(child.err, StringPrintf(kMsgInfoMediumAwayFormat, "PHOTOS1") + "\n");
}

}  // namespace
