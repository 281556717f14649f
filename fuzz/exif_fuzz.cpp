// Fuzz target: the EXIF reader's marker walk and directory parser on arbitrary file bytes,
// the import's reading of the date taken that it finds, and the picture information texts
// made of whatever numbers it read.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "imaging/exif_reader.h"
#include "imaging/picture_info_texts.h"
#include "import/import_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  CPictureFileFacts facts;
  facts.exif.ReadExif(file);
  std::fclose(file);
  WhenFromExifDate(facts.exif.date_taken);
  facts.kind = kPictureJpeg;
  facts.width = facts.exif.frame_width;
  facts.height = facts.exif.frame_height;
  PictureInfoPairs(CInfoRecordTexts(), facts);
  return 0;
}
