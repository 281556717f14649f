#include "publish/print_job.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/front_end_fake.h"
#include "imaging/picture_testing.h"
#include "platform/picture_finder.h"
#include "platform/temp_dir_testing.h"
#include "platform/volumes.h"
#include "publish/print_layout.h"
#include "store/store_testing.h"

namespace fs = std::filesystem;

namespace {

// An A4 page at 300 dots per inch: portrait cells at 4 per page, landscape ones at 2.
constexpr int kPageWidth = 2480;
constexpr int kPageHeight = 3508;

std::vector<uint8_t> Jpeg(int width, int height) {
  return EncodeTestJpeg(CornerJpeg(width, height));
}

bool IsRed(const std::vector<uint8_t>& bgr) { return bgr[2] > 150 && bgr[0] < 100; }

// A drawn picture: its size as drawn and where.
struct CDrawn {
  int width, height;
  CRect rect;
  bool red_top_right;  // the red quarter is at the top right (a landscape picture turned)
};

// A front end whose user inserts the medium when asked for it.
class CInsertingFrontEnd : public CScriptedFrontEnd {
 public:
  std::function<void()> insert;
  MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override {
    const MsgAnswer answer = CScriptedFrontEnd::ShowMessage(text, buttons, icon);
    if (insert && answer == MsgAnswer::kOk) insert();
    return answer;
  }
};

class PrintJobTest : public testing::Test {
 protected:
  PrintJobTest() {
    index_ = dir_.MakeDir("index") + "/pics.acx";
    Cdatabase db;
    CreateIndex(db, index_);
  }

  // Adds a picture file with these bytes, on the medium with that label; its record.
  int32_t Add(const std::string& relative, const std::vector<uint8_t>& bytes,
              const std::string& label = "") {
    const std::string path = dir_.Write(relative, std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(AddTestPictureTo(index_, path, ++records_, label), AddResult::kDone);
    return records_;
  }

  std::unique_ptr<CPrintJob> Job(std::vector<int32_t> list, int mode) {
    return std::make_unique<CPrintJob>(index_, std::move(list), mode, finder_, front_end_);
  }

  std::vector<CDrawn> Print(CPrintJob& job, int page,
                            CPrintJob::PageResult expected = CPrintJob::PageResult::kPrinted) {
    std::vector<CDrawn> drawn;
    const auto result = job.PrintPage(
        page, kPageWidth, kPageHeight, [&](const CPicture& picture, const CRect& rect) {
          const int w = picture.Width();
          drawn.push_back({w, picture.Height(), rect, IsRed(PixelAt(picture, w - 5, 5))});
        });
    EXPECT_EQ(result, expected);
    return drawn;
  }

  CTempDir dir_;
  std::string index_;
  int32_t records_ = 0;
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CInsertingFrontEnd front_end_;
  CPictureFinder finder_{volumes_, front_end_};
};

TEST_F(PrintJobTest, FivePicturesAtFourPerPageFillAPageAndTheTopLeftOfTheNext) {
  std::vector<int32_t> list;
  for (int i = 0; i < 5; ++i)
    list.push_back(Add("p/" + std::to_string(i) + ".jpg", Jpeg(160, 120)));
  auto job = Job(list, kPrintFourPerPage);
  ASSERT_EQ(job->PageCount(), 2);

  const std::vector<CRect> cells = PrintCells(kPrintFourPerPage, kPageWidth, kPageHeight);
  const std::vector<CDrawn> first = Print(*job, 1);
  ASSERT_EQ(first.size(), 4u);
  for (size_t k = 0; k < 4; ++k) {
    // Landscape pictures in portrait cells are turned clockwise, then fitted at the corner.
    EXPECT_EQ(first[k].width, 120);
    EXPECT_EQ(first[k].height, 160);
    EXPECT_TRUE(first[k].red_top_right);
    EXPECT_EQ(first[k].rect, FitInCell(cells[k], 120, 160));
  }
  const std::vector<CDrawn> second = Print(*job, 2);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].rect, FitInCell(cells[0], 120, 160));
  EXPECT_TRUE(Print(*job, 3).empty());
  EXPECT_TRUE(front_end_.Calls().empty());
}

TEST_F(PrintJobTest, TwoPerPageTurnsOnlyPortraitPicturesAndSquaresNever) {
  const int32_t wide = Add("p/wide.jpg", Jpeg(160, 120));
  const int32_t tall = Add("p/tall.jpg", Jpeg(90, 120));
  const int32_t square = Add("p/square.jpg", Jpeg(100, 100));
  auto job = Job({wide, tall, square}, kPrintTwoPerPage);
  ASSERT_EQ(job->PageCount(), 2);
  const std::vector<CDrawn> first = Print(*job, 1);
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0].width, 160);
  EXPECT_FALSE(first[0].red_top_right);
  EXPECT_EQ(first[1].width, 120);  // turned into the landscape cell
  EXPECT_EQ(first[1].height, 90);
  const std::vector<CDrawn> second = Print(*job, 2);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].width, 100);
  EXPECT_FALSE(second[0].red_top_right);
}

TEST_F(PrintJobTest, APictureThatDoesNotDecodeEndsItsPageWithoutAMessage) {
  const int32_t good = Add("p/good.jpg", Jpeg(160, 120));
  std::vector<uint8_t> damaged = Jpeg(160, 120);
  damaged.resize(200);
  const int32_t broken = Add("p/broken.jpg", damaged);
  const int32_t unknown = Add("p/picture.bmp", Jpeg(160, 120));
  const int32_t missing = Add("p/gone.jpg", Jpeg(160, 120));
  fs::remove(dir_ / "p/gone.jpg");
  for (int32_t bad : {broken, unknown, missing}) {
    SCOPED_TRACE(bad);
    auto job = Job({good, bad, good, good}, kPrintFourPerPage);
    EXPECT_EQ(Print(*job, 1).size(), 1u);
  }
  EXPECT_TRUE(front_end_.Calls().empty());
}

TEST_F(PrintJobTest, AMediumThatIsAwayIsAskedForUntilItComesOrTheJobEnds) {
  const int32_t fixed = Add("p/fixed.jpg", Jpeg(160, 120));
  const int32_t away = Add("usb/trip/a.jpg", Jpeg(160, 120), "PHOTOS1");
  // The medium is unplugged: its files are nowhere to be found.
  const std::string medium = dir_ / "media/PHOTOS1";
  fs::create_directories(dir_ / "media");
  fs::rename(dir_ / "usb", medium);
  finder_.SetOffline(false);

  // OK with the medium still away asks again; Cancel ends the whole job.
  {
    auto job = Job({fixed, away, fixed}, kPrintOnePerPage);
    front_end_.AnswerNextQuestion(MsgAnswer::kOk);
    front_end_.AnswerNextQuestion(MsgAnswer::kCancel);
    EXPECT_EQ(Print(*job, 1).size(), 1u);
    EXPECT_TRUE(Print(*job, 2, CPrintJob::PageResult::kJobEnded).empty());
    EXPECT_TRUE(job->ended());
    EXPECT_TRUE(Print(*job, 3, CPrintJob::PageResult::kJobEnded).empty());
    EXPECT_EQ(front_end_.Calls(),
              (std::vector<std::string>{"question: Please insert CD labeled : PHOTOS1",
                                        "question: Please insert CD labeled : PHOTOS1"}));
  }
  // The medium is inserted after the request, mounted elsewhere: its picture is printed.
  front_end_.ClearRecord();
  front_end_.insert = [&] {
    volumes_.Set({{"/", VolumeKind::kFixed, ""}, {medium, VolumeKind::kRemovable, "PHOTOS1"}});
  };
  auto job = Job({away}, kPrintOnePerPage);
  front_end_.AnswerNextQuestion(MsgAnswer::kOk);
  const std::vector<CDrawn> drawn = Print(*job, 1);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].width, 120);  // turned for the portrait page
  EXPECT_EQ(front_end_.Calls(),
            std::vector<std::string>{"question: Please insert CD labeled : PHOTOS1"});
  // Printing leaves the finder's offline flag as it found it.
  EXPECT_FALSE(finder_.Offline());
}

}  // namespace
