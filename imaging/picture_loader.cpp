#include "imaging/picture_loader.h"

#include <algorithm>
#include <cctype>

#include "base/front_end.h"
#include "base/string_table.h"
#include "imaging/gamma_correction.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/picture_reduction.h"
#include "imaging/tiff_picture.h"

namespace {

constexpr size_t kExtensionWindow = 7;  // the extension is looked for in the last 7 characters

}  // namespace

PictureDecoder DecoderForPath(std::string_view path) {
  std::string_view tail = path.substr(path.size() - std::min(path.size(), kExtensionWindow));
  size_t dot = tail.rfind('.');
  if (dot == std::string_view::npos) return PictureDecoder::kNone;
  std::string extension(tail.substr(dot + 1));
  for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (extension == "JPG") return PictureDecoder::kJpeg;
  if (extension == "TIF") return PictureDecoder::kTiff;
  return PictureDecoder::kNone;
}

int LoadPicture(CPicture& picture, const CLoadContext& context, const std::string& path,
                const std::string& volume_label, int target_width, int target_height,
                bool apply_gamma) {
  picture.Release();
  if (path.empty()) return 0;
  std::optional<std::string> file =
      context.find_file ? context.find_file(path, volume_label) : std::optional(path);
  if (!file) return 0;

  switch (DecoderForPath(*file)) {
    case PictureDecoder::kJpeg:
      if (!DecodeJpeg(picture, *file, target_width, target_height, context.front_end)) return 0;
      picture.kind = kPictureJpeg;
      break;
    case PictureDecoder::kTiff:
      if (!ConvertTiff(picture, *file)) return 0;
      picture.kind = kPictureTiff;
      break;
    case PictureDecoder::kNone:
      return 0;
  }
  ReducePicture(picture, target_width, target_height, false);
  if (apply_gamma) ApplyGamma(picture, context.gamma / 100.0);
  if (context.front_end) context.front_end->SetStatusText(0, kStatusReady);
  return 1;
}

CPictureSize LoadedSize(PictureDecoder decoder, int file_width, int file_height, int target_width,
                        int target_height) {
  CPictureSize decoded{file_width, file_height};
  if (decoder == PictureDecoder::kJpeg) {
    const int denominator =
        JpegScaleDenominator(file_width, file_height, target_width, target_height);
    decoded = {(file_width + denominator - 1) / denominator,
               (file_height + denominator - 1) / denominator};
  }
  if (decoded.width < 1 || decoded.height < 1) return decoded;
  const CPictureSize reduced =
      ReducedSize(decoded.width, decoded.height, target_width, target_height);
  return decoded.width / 2 > reduced.width ? reduced : decoded;
}
