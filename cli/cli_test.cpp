// snapstore-cli end to end: in process through RunCli, and once as the built program.
#include "cli/cli.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/document.h"
#include "app/document_testing.h"
#include "base/silent_front_end.h"
#include "base/string_table.h"
#include "imaging/picture_testing.h"
#include "import/import_decoder.h"
#include "platform/child_process_testing.h"
#include "platform/temp_dir_testing.h"
#include "platform/volumes.h"
#include "publish/pdf_testing.h"
#include "store/database.h"

namespace {

struct CRun {
  int status;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  CRun Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
  }
  std::string Index() const { return dir_ / "pics.acx"; }

  // No run may read this machine's settings or leave files in its temporary folder.
  CTestHome home_;
  const CTempDir& dir_ = home_.dir();
};

TEST_F(CliTest, RoundTrip) {
  CRun run = Run({"create", Index()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, std::string(kMsgIndexCreated) + "\n");
  run = Run({"create", Index()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, std::string(kMsgIndexExists) + "\n");

  const std::string cwd = std::filesystem::current_path();
  ASSERT_EQ(chdir(dir_.Path().c_str()), 0);
  run = Run({"add", Index(), "--label", "HOLIDAY", "trip/a.jpg", "/photos/b.jpg", "c:/photos/C.jpg",
             "/photos/b.jpg"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, dir_.Path() +
                         "/trip/a.jpg....   Imported OK.\n"
                         "/photos/b.jpg....   Imported OK.\n"
                         "c:/photos/C.jpg....   Imported OK.\n"
                         "/photos/b.jpg....    Already imported\n"
                         "\n"
                         "Import finished. 3 of 4 pictures was successfully  imported.\n");

  run = Run({"set", Index(), "000002", "where=Rome, Italy", "description=Forum\nat dusk",
             "100=lighthouse", "4=SUMMER"});
  ASSERT_EQ(run.status, 0) << run.err;
  run = Run({"set", Index(), "000001", "where=Rome"});
  ASSERT_EQ(run.status, 0) << run.err;
  run = Run({"search", Index(), "rome"});
  EXPECT_EQ(run.out, "000001\t" + dir_.Path() + "/trip/a.jpg\n000002\t/photos/b.jpg\n");
  run = Run({"search", Index(), "ITALY +rome"});
  EXPECT_EQ(run.out, "000002\t/photos/b.jpg\n");
  run = Run({"search", Index(), "c:to_be_described"});
  EXPECT_EQ(run.out, "000001\t" + dir_.Path() + "/trip/a.jpg\n000003\tc:/photos/C.jpg\n");
  run = Run({"search", Index(), "at"});  // the word before the line break
  EXPECT_EQ(run.out, "000002\t/photos/b.jpg\n");

  run = Run({"show", Index(), "000002"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "0: 000002\n2: Rome, Italy\n3: Forum\nat dusk\n4: SUMMER\n100: lighthouse\n"
            "path: /photos/b.jpg\nlabel: HOLIDAY\nquality: 2\nsort text: \n"
            "thumbnail: file 0 slot 0\n");

  run = Run({"set", Index(), "000003", "0=  sunset1 "});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Run({"search", Index(), "sunset1"}).out, "SUNSET1\tc:/photos/C.jpg\n");
  run = Run({"delete", Index(), "000001", "nosuch"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("There is no picture with the ID nosuch"), std::string::npos);
  EXPECT_EQ(Run({"search", Index(), kAllRecordsQuery}).out,
            "000002\t/photos/b.jpg\nSUNSET1\tc:/photos/C.jpg\n");
  EXPECT_EQ(Run({"search", Index(), ""}).out, "000002\t/photos/b.jpg\nSUNSET1\tc:/photos/C.jpg\n");

  run = Run({"dump", Index()});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string dump = CTempDir::Read(dir_ / "db_dump.txt").value_or("");
  EXPECT_EQ(dump.substr(0, 21), "f2free=1\nf2antall=100");
  EXPECT_NE(dump.find("------ FILE5"), std::string::npos);
  run = Run({"check", Index()});
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("2 pictures"), std::string::npos) << run.out;
  ASSERT_EQ(chdir(cwd.c_str()), 0);
}

TEST_F(CliTest, IdModesAndTheReplaceQuestion) {
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  CRun run =
      Run({"add", Index(), "--ids", "mask:IMG0001", "--no-thumbnails", "/a/x.jpg", "/a/y.jpg"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Run({"search", Index(), "img*"}).out, "IMG0001\t/a/x.jpg\nIMG0002\t/a/y.jpg\n");
  run = Run({"add", Index(), "--ids", "filename", "--no-category", "/b/x.jpg"});
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "/b/x.jpg....   Imported OK.");
  run = Run({"add", Index(), "--ids", "filename", "/c/x.jpg"});
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            "/c/x.jpg....   ERROR: Duplicate ID. Not imported.");
  EXPECT_NE(run.err.find("Image X is already stored in database"), std::string::npos);
  EXPECT_NE(run.err.find("[No]"), std::string::npos);
  run = Run({"add", Index(), "--ids", "filename", "--replace", "/c/x.jpg"});
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "/c/x.jpg....   Imported OK.");
  EXPECT_EQ(Run({"search", Index(), "x"}).out, "X\t/c/x.jpg\n");
  run = Run({"add", Index(), "--ids", "mask:1ABC", "/d/z.jpg"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, std::string(kMsgMaskWithoutNumbers) + "\n");
}

TEST_F(CliTest, AddImportsFoldersWithTheirDatesAndSearchTakesACategory) {
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  CTestJpeg jpeg = GradientJpeg(160, 120);
  jpeg.app1 = ExifWithDate("2004:03:07 12:34:56");
  WriteBytes(dir_, "trip/b.jpg", EncodeTestJpeg(jpeg));
  WriteBytes(dir_, "trip/day2/a.JPG", EncodeTestJpeg(GradientJpeg(160, 120)));
  dir_.Write("trip/notes.txt", "");
  dir_.MakeDir("empty");

  // A single file, then a folder with its sub-folder: in the order given.
  CRun run = Run({"add", Index(), dir_ / "trip/day2/a.JPG", dir_ / "trip"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, dir_ / "trip/day2/a.JPG....   Imported OK.\n" +
                         dir_ / "trip/b.jpg....   Imported OK.\n" +
                         dir_ /
                             "trip/day2/a.JPG....    Already imported\n"
                             "\n"
                             "Import finished. 2 of 3 pictures was successfully  imported.\n");
  EXPECT_NE(Run({"show", Index(), "000002"}).out.find("1: " + *WhenFromExifDate("2004:03:07 1")),
            std::string::npos);
  run = Run({"add", Index(), "--no-thumbnails", "--category", "Summer", dir_ / "trip"});
  EXPECT_EQ(run.status, 0) << run.err;  // the import ran, though nothing was new
  run = Run({"add", Index(), dir_ / "empty"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "There are no pictures to import in the paths given.\n");

  ASSERT_EQ(Run({"set", Index(), "000001", "category=Summer"}).status, 0);
  EXPECT_EQ(Run({"search", Index(), "--category", "summer"}).out,
            "000001\t" + dir_ / "trip/day2/a.JPG\n");
  EXPECT_EQ(Run({"search", Index(), "--category", "ALL", ""}).out,
            "000001\t" + dir_ / "trip/day2/a.JPG\n000002\t" + dir_ / "trip/b.jpg\n");
  run = Run({"search", Index(), "--category", "SUMMER", "march"});
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, LoadString(IDS_NO_IMAGES_FOUND) + "\n");
}

TEST_F(CliTest, SetRefusesBadIds) {
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  ASSERT_EQ(Run({"add", Index(), "/a/1.jpg", "/a/2.jpg"}).status, 0);
  struct Case {
    const char* value;
    std::string message;
  };
  for (const Case& c : {Case{"0=000002", LoadString(IDS_ID_NOT_UNIQUE)},
                        Case{"0=ABCDEFGHIJKLMNOPQRST", LoadString(IDS_ID_TOO_LONG)},
                        Case{"0=A*B", LoadString(IDS_ID_ILLEGAL_CHARACTER)},
                        Case{"0=A B", LoadString(IDS_ID_ILLEGAL_CHARACTER)}}) {
    const CRun run = Run({"set", Index(), "000001", c.value});
    EXPECT_EQ(run.status, 1) << c.value;
    EXPECT_EQ(run.err, c.message + "\n") << c.value;
  }
  EXPECT_EQ(Run({"set", Index(), "000001", "0=000001", "where=x"}).status, 0);
}

TEST_F(CliTest, MissingFilesAndBadUsage) {
  const CRun missing = Run({"search", Index(), "x"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err.substr(0, 46), "F-0001: The following file(s) were not found:\n");
  EXPECT_NE(missing.err.find(dir_ / "pics.kw3"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Index()));
  EXPECT_EQ(Run({"create", dir_ / "pics.txt"}).status, 1);
  // Bad usage: exit status 2, the reason first on standard error, nothing done.
  struct Case {
    std::vector<std::string> args;
    std::string reason;
  };
  const Case cases[] = {
      {{}, "snapstore-cli: no command given"},
      {{"frobnicate"}, "snapstore-cli: unknown command \"frobnicate\""},
      {{"set", Index(), "1", "nofield=3"}, "snapstore-cli set: CHANGES: \"nofield=3\" is not"},
      {{"set", Index(), "1"}, "snapstore-cli set: CHANGES is required"},
      {{"add", Index(), "--ids", "sometimes", "/a.jpg"}, "snapstore-cli add: --ids: takes auto"},
      {{"add", Index(), "--category", "A", "--no-category", "/a.jpg"},
       "snapstore-cli add: --category excludes --no-category"},
      {{"add", Index()}, "snapstore-cli add: PATH is required"},
      {{"search", Index(), "rome", "oslo"}, "snapstore-cli search: The following argument"},
      {{"sort"}, "snapstore-cli sort: INDEX.acx is required"},
      {{"show", Index(), "1", "--verbose"}, "snapstore-cli show: The following argument"},
  };
  for (const Case& c : cases) {
    const CRun run = Run(c.args);
    EXPECT_EQ(run.status, 2) << c.reason;
    EXPECT_EQ(run.err.substr(0, c.reason.size()), c.reason);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(Index()));
  for (const char* command : {"create", "add", "set", "delete", "search", "show", "dump", "check",
                              "export", "import", "reindex", "sort", "move-refs", "print"}) {
    for (const char* flag : {"--help", "-h"}) {
      const CRun help = Run({command, flag});
      EXPECT_EQ(help.status, 0) << command;
      EXPECT_EQ(help.out.substr(0, 22 + std::strlen(command)),
                std::string("Usage: snapstore-cli ") + command + " ")
          << command;
    }
  }
  EXPECT_EQ(Run({"help"}).out, Run({"--help"}).out);
}

TEST_F(CliTest, TheProgramFindsTheLabelOfARemovableMedium) {
  const std::string volumes =
      dir_.Write("volumes.txt", "/\tfixed\t\n" + dir_.Path() + "/stick\tremovable\tPHOTOS1\n");
  const std::vector<std::string> env = {"ALBUMCRAFT_VOLUMES=" + volumes};
  CChildResult child = RunChild({SNAPSTORE_CLI_BINARY, "create", Index()}, env);
  ASSERT_EQ(child.exit_status, 0) << child.err;
  child =
      RunChild({SNAPSTORE_CLI_BINARY, "add", Index(), dir_ / "stick/a.jpg", "/fixed/b.jpg"}, env);
  ASSERT_EQ(child.exit_status, 0) << child.err;
  child = RunChild({SNAPSTORE_CLI_BINARY, "show", Index(), "000001"}, env);
  EXPECT_NE(child.out.find("label: PHOTOS1\n"), std::string::npos) << child.out;
  child = RunChild({SNAPSTORE_CLI_BINARY, "show", Index(), "000002"}, env);
  EXPECT_NE(child.out.find("label: \n"), std::string::npos) << child.out;
  child = RunChild({SNAPSTORE_CLI_BINARY, "check", Index()}, env);
  EXPECT_EQ(child.exit_status, 0) << child.out;
}

TEST_F(CliTest, RunsKeepTheImportCounterAndLeaveABackupOfAChangedIndex) {
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  CRun run = Run({"add", Index(), "/photos/a.jpg", "/photos/b.jpg"});
  ASSERT_EQ(run.status, 0) << run.err;
  run = Run({"add", Index(), "/photos/c.jpg"});
  ASSERT_EQ(run.status, 0) << run.err;
  run = Run({"search", Index(), kAllRecordsQuery});
  EXPECT_EQ(run.out, "000001\t/photos/a.jpg\n000002\t/photos/b.jpg\n000003\t/photos/c.jpg\n");
  EXPECT_TRUE(std::filesystem::exists(dir_ / "pics.kw0"));

  char date[16];
  const std::time_t now = std::time(nullptr);
  std::strftime(date, sizeof date, "%Y%m%d", std::localtime(&now));
  EXPECT_TRUE(std::filesystem::exists(dir_ / ("pics_" + std::string(date) + ".exp")));
  EXPECT_FALSE(std::filesystem::exists(home_.SettingsPath()));
}

TEST_F(CliTest, MissingStoreFilesAreNamedAndNothingIsWritten) {
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  std::filesystem::remove(dir_ / "pics.kw2");
  CRun run = Run({"add", Index(), "/photos/a.jpg"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("F-0001: The following file(s) were not found:\n\n" + (dir_ / "pics.kw2")),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir_ / "pics.kw0"));
}

TEST_F(CliTest, MoveRefsCountsWithoutYesAndMovesWholeTreesWithRecursive) {
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  dir_.Write("old/a.jpg", "");
  dir_.Write("old/trip/b.jpg", "");
  dir_.Write("old/other/c.jpg", "");
  CRun run = Run({"add", Index(), "--no-thumbnails", dir_ / "old"});
  ASSERT_EQ(run.status, 0) << run.err;
  // The user moves the folder, all but one picture.
  std::filesystem::rename(dir_ / "old", dir_ / "new");
  std::filesystem::remove(dir_ / "new/other/c.jpg");

  // Counting writes nothing, not even the index's state files.
  const auto written = [&] { return std::filesystem::last_write_time(dir_ / "pics.kw0"); };
  const auto before = written();
  run = Run({"move-refs", Index(), dir_ / "old", dir_ / "new"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1 pictures matched\n");
  EXPECT_EQ(written(), before);
  EXPECT_NE(run.err.find("1 files where found that matched the from directory."),
            std::string::npos);
  run = Run({"move-refs", Index(), dir_ / "old/", dir_ / "new", "--recursive"});
  EXPECT_EQ(run.out, "3 pictures matched\n");
  EXPECT_EQ(Run({"search", Index(), "99:zzzwqwq"}).out, "000001\t" + dir_ / "old/a.jpg\n000002\t" +
                                                            dir_ / "old/other/c.jpg\n000003\t" +
                                                            dir_ / "old/trip/b.jpg\n");

  run = Run({"move-refs", Index(), dir_ / "old", dir_ / "new", "--yes", "--recursive"});
  EXPECT_EQ(run.status, 1) << run.err;  // one picture is not at the new place
  EXPECT_EQ(run.out, "Ref to " + dir_ / "old/a.jpg changed to " +
                         dir_ /
                             "new/a.jpg. \n"
                             "Ref couldn't be changed to " +
                         dir_ /
                             "new/other/c.jpg. File don't exist. \n"
                             "Ref to " +
                         dir_ / "old/trip/b.jpg changed to " +
                         dir_ /
                             "new/trip/b.jpg. \n"
                             "\n2 of 3 references was successfully moved.\n");
  EXPECT_EQ(Run({"search", Index(), "99:zzzwqwq"}).out, "000001\t" + dir_ / "new/a.jpg\n000002\t" +
                                                            dir_ / "old/other/c.jpg\n000003\t" +
                                                            dir_ / "new/trip/b.jpg\n");

  run = Run({"move-refs", Index(), dir_ / "nowhere", dir_ / "new", "--yes"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, LoadString(IDS_NO_FILES_MATCHED) + "\n");
  EXPECT_EQ(Run({"move-refs", Index(), dir_ / "old", "", "--yes"}).err,
            LoadString(IDS_BOTH_DIRECTORIES) + "\n");
  EXPECT_EQ(Run({"move-refs", Index(), dir_ / "old"}).status, kExitUsage);
  EXPECT_EQ(Run({"move-refs", Index(), dir_ / "old", dir_ / "new", "--all"}).status, kExitUsage);
}

TEST_F(CliTest, ExportImportReindexAndSort) {
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  ASSERT_EQ(Run({"add", Index(), "/photos/a.jpg", "/photos/b.jpg"}).status, 0);
  ASSERT_EQ(Run({"set", Index(), "000002", "where=Tromsø"}).status, 0);
  const std::string exported = dir_ / "all.exp";
  CRun run = Run({"export", Index(), exported});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "2 image descriptions exported to textfile " + exported + "\n");

  const std::string copy = dir_ / "copy.acx";
  ASSERT_EQ(Run({"create", copy}).status, 0);
  run = Run({"import", copy, exported});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "2 image descriptions imported from textfile " + exported + "\n");
  EXPECT_EQ(Run({"search", copy, "TROMSØ"}).out, "000002\t/photos/b.jpg\n");

  // The word index rebuilt from the records after its files were overwritten.
  std::ofstream(dir_ / "copy.kw1", std::ios::binary | std::ios::trunc) << std::string(430, 'x');
  std::ofstream(dir_ / "copy.kw2", std::ios::binary | std::ios::trunc) << std::string(550, 'y');
  run = Run({"reindex", copy});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Run({"check", copy}).status, 0);
  EXPECT_EQ(Run({"search", copy, "tromsø"}).out, "000002\t/photos/b.jpg\n");
  EXPECT_EQ(Run({"sort", copy}).status, 0);
  EXPECT_EQ(Run({"sort", dir_ / "nothing.acx"}).status, 1);
  EXPECT_EQ(Run({"sort"}).status, 2);
}

// The files below a folder, but `except`, with their contents and when they were written.
std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>> FolderContents(
    const std::string& folder, const std::string& except) {
  std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path() != except) {
      files[entry.path()] = {*CTempDir::Read(entry.path()), entry.last_write_time()};
    }
  }
  return files;
}

TEST_F(CliTest, PrintPutsTheResultListsPicturesIntoAPdfFileAsTheDialogWould) {
  // Three landscape pictures with a red top-left quarter, the first on a medium.
  const std::string volumes =
      dir_.Write("volumes.txt", "/\tfixed\t\n" + dir_.Path() + "/stick\tremovable\tPHOTOS1\n");
  CScopedEnv volume_table("ALBUMCRAFT_VOLUMES", volumes);
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  const std::vector<uint8_t> jpeg = EncodeTestJpeg(CornerJpeg(160, 120));
  std::vector<std::string> add = {"add", Index()};
  for (const char* name : {"stick/a.jpg", "p/b.jpg", "p/c.jpg"}) {
    add.push_back(dir_.Write(name, std::string(jpeg.begin(), jpeg.end())));
  }
  ASSERT_EQ(Run(add).status, 0);
  ASSERT_EQ(Run({"search", Index()}).status, 0);
  const std::string pdf = dir_ / "pictures.pdf";

  // Nothing is marked: the dialog offers the current picture only.
  CRun run = Run({"print", Index(), pdf, "--selected"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "No picture of the result list is marked.\n");
  run = Run({"print", Index(), pdf});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(PdfImages(pdf), (std::vector<CPdfImage>{{1, 120, 160}}));  // turned for the page

  // The archiver marks every picture; the command prints them and writes nothing else.
  {
    CSilentFrontEnd front_end;
    CListVolumeSource mounted({{"/", VolumeKind::kFixed, ""}});
    CDocumentOptions options;
    options.index_path = Index();
    options.write_settings = false;
    CSnapstoreDoc(front_end, mounted, CSettingsFile(dir_ / "home/config/Albumcraft.ini"), options)
        .SelectAll();
  }
  const auto before = FolderContents(dir_.Path(), pdf);
  run = Run({"print", Index(), pdf, "--per-page", "4"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(FolderContents(dir_.Path(), pdf), before);
  EXPECT_EQ(PdfImages(pdf), (std::vector<CPdfImage>{{1, 120, 160}, {1, 120, 160}, {1, 120, 160}}));
  const CRenderedPage page(pdf, 1);
  EXPECT_EQ(page.ColourAt(900, 300), "red");  // the red corner at the top right: clockwise
  EXPECT_EQ(page.ColourAt(300, 300), "blue");
  EXPECT_EQ(page.ColourAt(1800, 2600), "white");  // the fourth cell stays empty
  run = Run({"print", Index(), pdf, "--per-page", "2", "--paper", "letter"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(PdfImages(pdf), (std::vector<CPdfImage>{{1, 160, 120}, {1, 160, 120}, {2, 160, 120}}));
  run = Run({"print", Index(), pdf, "--current"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(PdfPages(pdf), 1);

  // The medium is away: asked for, and the command line's Cancel ends the job.
  std::filesystem::rename(dir_ / "stick", dir_ / "elsewhere");
  dir_.Write("volumes.txt", "/\tfixed\t\n");
  std::filesystem::remove(pdf);
  run = Run({"print", Index(), pdf, "--per-page", "4"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Please insert CD labeled : PHOTOS1 [Cancel]\nPrinting was ended; " + pdf +
                         " was not written.\n");
  EXPECT_FALSE(std::filesystem::exists(pdf));

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"print", Index()},
        {"print", Index(), pdf, "--per-page", "3"},
        {"print", Index(), pdf, "--paper", "a5"},
        {"print", Index(), pdf, "--current", "--selected"}}) {
    EXPECT_EQ(Run(args).status, 2) << args.back();
  }
}

}  // namespace
