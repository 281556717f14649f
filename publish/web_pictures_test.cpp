#include "publish/web_pictures.h"

#include <gtest/gtest.h>

#include "imaging/picture_testing.h"

namespace {

struct Size {
  int width, height;
};

TEST(WebPicturesTest, SizesOfTheThreePictures) {
  struct Case {
    int width, height;
    bool resize_full;
    Size full, album, thumbnail;
  } cases[] = {
      {640, 480, true, {800, 600}, {300, 225}, {100, 75}},
      {640, 480, false, {640, 480}, {300, 225}, {100, 75}},
      {480, 640, true, {525, 700}, {225, 300}, {75, 100}},
      {480, 640, false, {480, 640}, {225, 300}, {75, 100}},
      {500, 500, true, {700, 700}, {300, 300}, {100, 100}},
      // Decoded at 1/4 for the full box (1000 × 750), 1/8 for the others (500 × 375).
      {4000, 3000, true, {800, 600}, {300, 225}, {100, 75}},
      // Without resizing: decoded at 1/2 for the box 3000 × 3000 and kept.
      {6000, 4000, false, {3000, 2000}, {300, 200}, {100, 66}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << " " << c.resize_full);
    const CWebPictureSizes sizes =
        WebPictureSizes(PictureDecoder::kJpeg, c.width, c.height, c.resize_full);
    EXPECT_EQ(sizes.full.width, c.full.width);
    EXPECT_EQ(sizes.full.height, c.full.height);
    EXPECT_EQ(sizes.album.width, c.album.width);
    EXPECT_EQ(sizes.album.height, c.album.height);
    EXPECT_EQ(sizes.thumbnail.width, c.thumbnail.width);
    EXPECT_EQ(sizes.thumbnail.height, c.thumbnail.height);
  }
}

TEST(WebPicturesTest, OneDecodeGivesEachPictureTheSizeOfItsOwnLoad) {
  CTempDir folder;
  for (const Size file : {Size{640, 480}, Size{1001, 667}, Size{300, 1203}}) {
    SCOPED_TRACE(::testing::Message() << file.width << "x" << file.height);
    const std::string path =
        WriteBytes(folder, "p.jpg", EncodeTestJpeg(GradientJpeg(file.width, file.height)));
    for (const bool resize_full : {true, false}) {
      const CWebPictures pictures = DecodeWebPictures(path, resize_full);
      ASSERT_EQ(pictures.loaded, 1);
      // The sizes of three separate loads and forced reductions.
      const int full_box_width = resize_full ? kFullBoxWidth : kUnresizedBoxSide;
      const int full_box_height = resize_full ? kFullBoxHeight : kUnresizedBoxSide;
      CPicture full;
      ASSERT_EQ(LoadPicture(full, {}, path, "", full_box_width, full_box_height, false), 1);
      if (resize_full) {
        ReducePicture(full, kFullBoxWidth, kFullBoxHeight, true);
      } else {
        ReducePicture(full, full.Width(), full.Height(), true);
      }
      EXPECT_EQ(pictures.full.Width(), full.Width());
      EXPECT_EQ(pictures.full.Height(), full.Height());
      for (const auto& [picture, side] : {std::pair{&pictures.album, kAlbumBoxSide},
                                          std::pair{&pictures.thumbnail, kThumbnailBoxSide}}) {
        CPicture own;
        ASSERT_EQ(LoadPicture(own, {}, path, "", side, side, false), 1);
        ReducePicture(own, side, side, true);
        EXPECT_EQ(picture->Width(), own.Width()) << side;
        EXPECT_EQ(picture->Height(), own.Height()) << side;
      }
    }
  }
}

TEST(WebPicturesTest, FileThatIsNotAPictureIsNotLoaded) {
  CTempDir folder;
  const CWebPictures text = DecodeWebPictures(folder.Write("t.jpg", "hello"), true);
  EXPECT_EQ(text.loaded, 0);
  ASSERT_EQ(text.messages.size(), 1u);  // the library's message, kept for the log
  EXPECT_EQ(DecodeWebPictures(folder.Write("p.png", "x"), true).loaded, 0);
  EXPECT_EQ(DecodeWebPictures(folder / "missing.jpg", true).loaded, 0);
}

}  // namespace
