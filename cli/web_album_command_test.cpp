// snapstore-cli web-album end to end: real pictures, a real index, and pages whose every link
// is followed to its file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>

#include "app/document_testing.h"
#include "cli/cli.h"
#include "imaging/picture_testing.h"
#include "platform/temp_dir_testing.h"

namespace {

struct CRun {
  int status;
  std::string out;
  std::string err;
};

struct CJpegSize {
  int width = 0;
  int height = 0;
};

// The width and height in a JPEG file's header; zero when it has none.
CJpegSize JpegSize(const std::string& path) {
  CJpegSize size;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return size;
  jpeg_decompress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK) {
    size = {static_cast<int>(info.image_width), static_cast<int>(info.image_height)};
  }
  jpeg_destroy_decompress(&info);
  std::fclose(file);
  return size;
}

std::vector<std::smatch> Matches(const std::string& text, const std::regex& pattern) {
  return {std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()};
}

class WebAlbumCommandTest : public ::testing::Test {
 protected:
  CRun Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
  }
  std::string Index() const { return dir_ / "index/pics.acx"; }
  std::string Html(const std::string& name) const { return dir_ / ("index/html/" + name); }
  std::string Page(const std::string& name) const { return *CTempDir::Read(Html(name)); }

  CTestHome home_;
  const CTempDir& dir_ = home_.dir();
};

TEST_F(WebAlbumCommandTest, EveryLinkOfBothPagesReachesAPictureOfItsSize) {
  dir_.MakeDir("index");
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  WriteBytes(dir_, "p/wide.jpg", EncodeTestJpeg(GradientJpeg(640, 480)));
  WriteBytes(dir_, "p/tall.jpg", EncodeTestJpeg(GradientJpeg(480, 640)));
  WriteBytes(dir_, "p/square.jpg", EncodeTestJpeg(GradientJpeg(333, 333)));
  WriteBytes(dir_, "p/large.jpg", EncodeTestJpeg(GradientJpeg(2001, 1333)));
  ASSERT_EQ(Run({"add", Index(), dir_ / "p/wide.jpg", dir_ / "p/tall.jpg", dir_ / "p/square.jpg",
                 dir_ / "p/large.jpg", "/gone/missing.jpg"})
                .status,
            0);
  // IDs that a file name or a link cannot carry as they stand, and one with a dot.
  ASSERT_EQ(Run({"set", Index(), "000001", "0=2004/07#1", "where=Tom & Jerry <3"}).status, 0);
  ASSERT_EQ(Run({"set", Index(), "000002", "0=Q\"T~1", "description=R\xC3\xB8ros"}).status, 0);
  ASSERT_EQ(Run({"set", Index(), "000003", "0=SQ.UARE"}).status, 0);

  const CRun run = Run({"web-album", Index(), "--ids", "2004/07#1,q\"t~1,SQ.UARE,000004,000005",
                        "--title", "Sommer på Røros 100%", "--quality", "normal"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Html("tnail_001.htm") + "\n" + Html("album_001_01.htm") + "\n");
  // The record whose file is gone is left out and named.
  EXPECT_NE(run.err.find("000005 (/gone/missing.jpg)"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("4 of 5 pictures are on the web pages."), std::string::npos);

  const std::string album = Page("album_001_01.htm");
  const std::string thumbnails = Page("tnail_001.htm");
  for (const std::string* page : {&album, &thumbnails}) {
    EXPECT_NE(page->find("<FONT SIZE=+4>Sommer på Røros 100%</FONT>"), std::string::npos);
    EXPECT_EQ(page->find('\r'), std::string::npos);
  }
  EXPECT_NE(album.find("Tom &amp; Jerry &lt;3<BR>"), std::string::npos);

  // Album pictures: their cell's width, and the full picture's size in its pop-up call.
  const std::regex album_cell(
      R"re(<A NAME=([^>]+)><TD WIDTH=(\d+)>\n<A HREF=javascript:BigPicture\("([^"]+)",(\d+),(\d+)\)><IMG SRC="([^"]+)" BORDER=0>)re");
  std::vector<std::string> anchors;
  std::vector<CJpegSize> full_sizes;
  for (const std::smatch& cell : Matches(album, album_cell)) {
    anchors.push_back(cell[1]);
    const CJpegSize full = JpegSize(Html(cell[3]));
    EXPECT_EQ(full.width + 20, std::stoi(cell[4])) << cell[3];
    EXPECT_EQ(full.height + 20, std::stoi(cell[5])) << cell[3];
    full_sizes.push_back(full);
    const CJpegSize shown = JpegSize(Html(cell[6]));
    EXPECT_EQ(shown.width, std::stoi(cell[2])) << cell[6];
    EXPECT_EQ(std::max(shown.width, shown.height), 300) << cell[6];
  }
  ASSERT_EQ(anchors.size(), 4u);
  // The IDs' order; 640 × 480 is enlarged to 800 × 600, 480 × 640 to 525 × 700.
  EXPECT_EQ(full_sizes[0].width, 800);
  EXPECT_EQ(full_sizes[0].height, 600);
  EXPECT_EQ(full_sizes[1].width, 525);
  EXPECT_EQ(full_sizes[1].height, 700);
  EXPECT_EQ(full_sizes[2].width, 700);
  EXPECT_EQ(anchors[2], "img_SQ");
  EXPECT_EQ(JpegSize(Html("image/img_2004~2F07~231A.jpg")).height, 225);
  EXPECT_EQ(JpegSize(Html("image/img_Q~22T~7E1T.jpg")).height, 100);

  // Thumbnails: each links to an anchor of the album page and shows a file 100 on its longer
  // side.
  const std::regex thumbnail_cell(
      R"re(<A HREF=([^#>]+)#([^>]+)><IMG SRC="([^"]+)" BORDER=0></A>)re");
  size_t index = 0;
  for (const std::smatch& cell : Matches(thumbnails, thumbnail_cell)) {
    EXPECT_EQ(cell[1], "album_001_01.htm");
    ASSERT_LT(index, anchors.size());
    EXPECT_EQ(cell[2], anchors[index++]);
    const CJpegSize shown = JpegSize(Html(cell[3]));
    EXPECT_EQ(std::max(shown.width, shown.height), 100) << cell[3];
  }
  EXPECT_EQ(index, anchors.size());
  // The pages' links to each other.
  EXPECT_NE(album.find("<A HREF=\"tnail_001.htm\">[THUMBNAILS]"), std::string::npos);
  EXPECT_NE(thumbnails.find("<A HREF=\"album_001_01.htm\">[ALBUM]"), std::string::npos);
  for (const std::string* page : {&album, &thumbnails}) {
    for (const std::smatch& link : Matches(*page, std::regex(R"re(HREF="([^"]+)")re"))) {
      if (link.str(1).starts_with("https://")) continue;
      EXPECT_TRUE(std::filesystem::exists(Html(link[1]))) << link[1];
    }
  }
}

TEST_F(WebAlbumCommandTest, RunNumbersCategoriesAndRefusals) {
  dir_.MakeDir("index");
  ASSERT_EQ(Run({"create", Index()}).status, 0);
  WriteBytes(dir_, "p/a.jpg", EncodeTestJpeg(GradientJpeg(64, 48)));
  ASSERT_EQ(Run({"add", Index(), "--category", "Summer", dir_ / "p/a.jpg"}).status, 0);

  // The next run after the highest page in html; 1 again after 999.
  CRun run = Run({"web-album", Index(), "--category", "summer", "--run", "998"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(Html("tnail_998.htm")));
  run = Run({"web-album", Index(), "--category", "Summer", "--no-resize-full"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Html("tnail_999.htm") + "\n" + Html("album_999_01.htm") + "\n");
  EXPECT_EQ(JpegSize(Html("image/img_000001.jpg")).width, 64);
  run = Run({"web-album", Index(), "--category", "Summer"});
  EXPECT_EQ(run.out, Html("tnail_001.htm") + "\n" + Html("album_001_01.htm") + "\n");
  EXPECT_EQ(JpegSize(Html("image/img_000001.jpg")).width, 800);

  run = Run({"web-album", Index(), "--category", "Winter"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("No pictures found for this category."), std::string::npos) << run.err;
  run = Run({"web-album", Index(), "--ids", "000009"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("000009"), std::string::npos);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"web-album", Index()},
        {"web-album", Index(), "--category", "Summer", "--ids", "000001"},
        {"web-album", Index(), "--category", "Summer", "--quality", "best"},
        {"web-album", Index(), "--category", "Summer", "--run", "1000"}}) {
    EXPECT_EQ(Run(args).status, 2) << args.back();
  }
  EXPECT_FALSE(std::filesystem::exists(Html("tnail_002.htm")));
}

}  // namespace
