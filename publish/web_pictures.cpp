#include "publish/web_pictures.h"

#include <utility>

namespace {

// The full picture's box: the box itself, or without resizing the loaded size, which the
// forced reduction then keeps.
CPictureSize FullBox(bool resize_full) {
  return resize_full ? CPictureSize{kFullBoxWidth, kFullBoxHeight}
                     : CPictureSize{kUnresizedBoxSide, kUnresizedBoxSide};
}

// A square box's picture: its load, then the forced reduction to the box's side.
CPictureSize SquareBoxSize(PictureDecoder decoder, int file_width, int file_height, int side) {
  const CPictureSize loaded = LoadedSize(decoder, file_width, file_height, side, side);
  return ReducedSize(loaded.width, loaded.height, side, side);
}

// The forced reduction's target for the full picture that loaded as `loaded`.
CPictureSize FullTarget(CPictureSize loaded, bool resize_full) {
  return resize_full ? CPictureSize{kFullBoxWidth, kFullBoxHeight} : loaded;
}

}  // namespace

CWebPictureSizes WebPictureSizes(PictureDecoder decoder, int file_width, int file_height,
                                 bool resize_full) {
  const CPictureSize box = FullBox(resize_full);
  const CPictureSize loaded = LoadedSize(decoder, file_width, file_height, box.width, box.height);
  const CPictureSize target = FullTarget(loaded, resize_full);
  return {ReducedSize(loaded.width, loaded.height, target.width, target.height),
          SquareBoxSize(decoder, file_width, file_height, kAlbumBoxSide),
          SquareBoxSize(decoder, file_width, file_height, kThumbnailBoxSide)};
}

CWebPictures DecodeWebPictures(const std::string& path, bool resize_full) {
  CWebPictures pictures;
  CDecodeReport report(pictures.messages);
  CLoadContext context;  // no finder: the file is where the caller found it
  context.front_end = &report;
  const CPictureSize box = FullBox(resize_full);
  CPicture loaded;
  pictures.loaded = LoadPicture(loaded, context, path, std::string(), box.width, box.height, false);
  if (!pictures.loaded) return pictures;

  const CWebPictureSizes sizes =
      WebPictureSizes(DecoderForPath(path), loaded.file_width, loaded.file_height, resize_full);
  pictures.album = ScaledCopy(loaded, sizes.album);
  pictures.thumbnail = ScaledCopy(loaded, sizes.thumbnail);
  const CPictureSize target = FullTarget({loaded.Width(), loaded.Height()}, resize_full);
  ReducePicture(loaded, target.width, target.height, true);
  pictures.full = std::move(loaded);
  return pictures;
}
