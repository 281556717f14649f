#include "publish/web_names.h"

#include <filesystem>
#include <system_error>

#include "base/string_printf.h"
#include "base/text_rules.h"

namespace {

constexpr const char* kThumbnailPageFormat = "tnail_%3.3d.htm";
constexpr const char* kAlbumPageFormat = "album_%3.3d_%2.2d.htm";
constexpr int kAlbumPageNumber = 1;
constexpr std::string_view kThumbnailPagePrefix = "tnail_";
constexpr std::string_view kPageExtension = ".htm";
constexpr size_t kRunDigits = 3;

bool KeptInName(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.' || c >= 0x80;
}

std::string PictureName(std::string_view id, const char* suffix) {
  return "img_" + PictureFileToken(id) + suffix + ".jpg";
}

}  // namespace

std::string ThumbnailPageName(int run) { return StringPrintf(kThumbnailPageFormat, run); }

std::string AlbumPageName(int run) { return StringPrintf(kAlbumPageFormat, run, kAlbumPageNumber); }

std::string PictureFileToken(std::string_view id) {
  // The bytes a page declared as UTF-8 can carry: an ID stored on Windows becomes its letters.
  const std::string text = DisplayText(id);
  std::string token;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (KeptInName(byte)) {
      token += c;
    } else {
      token += StringPrintf("~%02X", byte);
    }
  }
  return token;
}

std::string FullPictureName(std::string_view id) { return PictureName(id, ""); }
std::string AlbumPictureName(std::string_view id) { return PictureName(id, "A"); }
std::string ThumbnailPictureName(std::string_view id) { return PictureName(id, "T"); }

int NextWebRun(int run) { return run < 1 || run >= kLastWebRun ? 1 : run + 1; }

int NextRunInFolder(const std::string& html_folder) {
  int highest = 0;
  std::error_code error;
  for (std::filesystem::directory_iterator it(html_folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.size() != kThumbnailPagePrefix.size() + kRunDigits + kPageExtension.size() ||
        !name.starts_with(kThumbnailPagePrefix) || !name.ends_with(kPageExtension)) {
      continue;
    }
    const std::string digits = name.substr(kThumbnailPagePrefix.size(), kRunDigits);
    if (digits.find_first_not_of("0123456789") != std::string::npos) continue;
    const int run = std::stoi(digits);
    if (run >= 1 && run <= kLastWebRun && run > highest) highest = run;
  }
  return highest == 0 ? 1 : NextWebRun(highest);
}
