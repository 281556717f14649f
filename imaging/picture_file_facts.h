// What the picture information list knows of a picture file: its kind, its size and date,
// the picture's size as stored and, for a JPEG, what its EXIF block says.
#pragma once

#include <cstdint>
#include <string>

#include "imaging/exif_reader.h"
#include "imaging/picture.h"

struct CPictureFileFacts {
  // kPictureNone when the file could not be read as a JPEG or uncompressed TIFF picture; the
  // other members then say nothing.
  PictureKind kind = kPictureNone;
  // The file's size and date (ReadFileStatus) and, for a JPEG, the EXIF results.
  CExif exif;
  // The picture's size in the file: a JPEG's frame header, a TIFF's decoded size.
  int32_t width = 0;
  int32_t height = 0;
};

// Reads the facts of the picture file at `path`, which must be the file itself (already found
// on its medium). The kind follows the path's extension as the picture loader's does: a JPEG
// counts when its frame header is found (the EXIF walk reads it without decoding), a TIFF
// when the loader could convert it.
CPictureFileFacts ReadPictureFileFacts(const std::string& path);
