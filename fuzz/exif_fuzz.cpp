// Fuzz target: the EXIF reader's marker walk and directory parser on arbitrary file bytes, and
// the import's reading of the date taken that it finds.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "imaging/exif_reader.h"
#include "import/import_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  CExif exif;
  exif.ReadExif(file);
  std::fclose(file);
  WhenFromExifDate(exif.date_taken);
  return 0;
}
