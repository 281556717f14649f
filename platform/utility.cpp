#include "platform/utility.h"

#include <dirent.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/stat.h>

#include <string_view>

#include "platform/folders.h"

namespace {

// strftime into a buffer that grows until the text fits: month names of some languages are
// long, and the text is never cut short.
std::string FormatTime(const char* format, const std::tm& when, locale_t locale) {
  std::string buffer(64, '\0');
  for (int attempt = 0; attempt < 8; ++attempt) {
    size_t length = strftime_l(buffer.data(), buffer.size(), format, &when, locale);
    if (length > 0) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 4);
  }
  return std::string();
}

// "%I:%M %p" for a locale that shows the time with AM/PM, else "%H:%M".
const char* ShortTimeFormat(locale_t locale) {
  std::string_view format = nl_langinfo_l(T_FMT, locale);
  bool twelve_hours =
      format.find("%p") != std::string_view::npos || format.find("%P") != std::string_view::npos ||
      format.find("%r") != std::string_view::npos || format.find("%I") != std::string_view::npos ||
      format.find("%l") != std::string_view::npos;
  return twelve_hours ? "%I:%M %p" : "%H:%M";
}

}  // namespace

std::string CUtility::DateText(std::time_t when, bool with_time) {
  // The user's LC_TIME, read anew each time so that the text follows the environment.
  locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  if (!locale) locale = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  std::tm local{};
  localtime_r(&when, &local);
  std::string text = FormatTime("%d %B %Y", local, locale);
  if (with_time) text += "  " + FormatTime(ShortTimeFormat(locale), local, locale);
  freelocale(locale);
  return text;
}

bool CUtility::FolderExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CUtility::FolderHasEntries(const std::string& path) {
  DIR* dir = opendir(path.c_str());
  if (!dir) return false;
  bool found = false;
  while (dirent* entry = readdir(dir)) {
    std::string_view name = entry->d_name;
    if (name != "." && name != "..") {
      found = true;
      break;
    }
  }
  closedir(dir);
  return found;
}

std::string CUtility::FileNameOf(const std::string& path) {
  size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string CUtility::DocumentsFolder() { return ::DocumentsFolder(); }
