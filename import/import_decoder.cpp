#include "import/import_decoder.h"

#include <cstdio>
#include <ctime>

#include "imaging/decode_report.h"
#include "imaging/exif_reader.h"
#include "imaging/picture_loader.h"
#include "platform/utility.h"

namespace {

// An EXIF date shorter than this holds no time and is not taken.
constexpr size_t kShortestExifDate = 11;
constexpr int kLastYear = 9999;

}  // namespace

std::optional<std::string> WhenFromExifDate(const std::string& date_taken) {
  if (date_taken.size() < kShortestExifDate) return std::nullopt;
  int year = 0, month = 0, day = 0;
  if (std::sscanf(date_taken.c_str(), "%d:%d:%d", &year, &month, &day) != 3) return std::nullopt;
  if (year < 1 || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 31) {
    return std::nullopt;
  }
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_isdst = -1;
  const std::time_t when = std::mktime(&local);
  if (when == static_cast<std::time_t>(-1)) return std::nullopt;
  return CUtility::DateText(when, false);
}

CDecodedPicture DecodeForImport(const std::string& path, int thumb_size) {
  CDecodedPicture decoded;
  CDecodeReport report(decoded.messages);
  CLoadContext context;  // no finder: the file is where the import found it
  context.front_end = &report;
  decoded.loaded =
      LoadPicture(decoded.picture, context, path, std::string(), thumb_size, thumb_size, false);
  if (decoded.loaded && decoded.picture.kind == kPictureJpeg) {
    CExif exif;
    exif.ReadExif(path);
    if (exif.has_exif) {
      if (std::optional<std::string> when = WhenFromExifDate(exif.date_taken)) {
        decoded.when = std::move(*when);
      }
    }
  }
  return decoded;
}

CImportDecoder::CImportDecoder(std::vector<std::string> paths, int thumb_size, bool use_worker)
    : CDecodeAhead<CDecodedPicture>(
          paths.size(),
          [paths, thumb_size](size_t index) { return DecodeForImport(paths[index], thumb_size); },
          use_worker) {}
