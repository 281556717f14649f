#include "imaging/picture_file_facts.h"

#include "imaging/picture_loader.h"
#include "imaging/tiff_picture.h"

CPictureFileFacts ReadPictureFileFacts(const std::string& path) {
  CPictureFileFacts facts;
  switch (DecoderForPath(path)) {
    case PictureDecoder::kJpeg:
      facts.exif.ReadExif(path);
      // A file without a frame header is no picture the decoder could show.
      if (facts.exif.frame_marker == 0) return CPictureFileFacts();
      facts.kind = kPictureJpeg;
      facts.width = facts.exif.frame_width;
      facts.height = facts.exif.frame_height;
      break;
    case PictureDecoder::kTiff: {
      CPicture decoded;
      if (!ConvertTiff(decoded, path)) return CPictureFileFacts();
      facts.kind = kPictureTiff;
      facts.width = decoded.file_width;
      facts.height = decoded.file_height;
      break;
    }
    case PictureDecoder::kNone:
      return facts;
  }
  if (!facts.exif.ReadFileStatus(path)) return CPictureFileFacts();
  return facts;
}
