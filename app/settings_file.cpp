#include "app/settings_file.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "base/string_table.h"
#include "platform/folders.h"
#include "platform/path_text.h"
#include "platform/whole_file.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

// Calls `visit` with every line of `content` (a line feed ends a line; a carriage return
// before it is not part of the line; a last line without a line feed counts).
template <typename Visit>
void ForEachLine(std::string_view content, Visit visit) {
  while (!content.empty()) {
    size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line);
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(kWhiteSpace) == std::string_view::npos;
}

// The line's key and value when it has a '='.
bool SplitLine(std::string_view line, std::string_view* key, std::string_view* value) {
  size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  *key = line.substr(0, equals);
  *value = line.substr(equals + 1);
  return true;
}

std::string Trimmed(std::string_view text) {
  size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return std::string();
  size_t last = text.find_last_not_of(kWhiteSpace);
  return std::string(text.substr(first, last - first + 1));
}

// Settings files are a few kilobytes; a bigger one is not a settings file.
constexpr size_t kMaxSettingsFileSize = 16 << 20;

}  // namespace

CSettingsFile::CSettingsFile(std::string path) : path_(std::move(path)) {}

std::string CSettingsFile::DefaultPath() {
  return JoinPath(SettingsFolder(), LoadString(IDS_APP_TITLE) + ".ini");
}

std::string CSettingsFile::TemporaryPath() const {
  return path_.substr(0, path_.size() >= 4 ? path_.size() - 4 : 0) + ".tmp";
}

std::optional<std::string> CSettingsFile::ReadContent() const {
  CWholeFileRead file = ReadWholeFile(path_, kMaxSettingsFileSize);
  if (file.result != CWholeFileRead::Result::kOk) return std::nullopt;
  return std::move(file.bytes);
}

std::string CSettingsFile::StringFrom(std::string_view content, std::string_view key,
                                      const std::string& default_value) {
  bool matched = false;
  std::string joined;
  ForEachLine(content, [&](std::string_view line) {
    std::string_view line_key, value;
    if (SplitLine(line, &line_key, &value) && line_key == key) {
      matched = true;
      joined.append(value);
    }
  });
  return matched ? Trimmed(joined) : default_value;
}

int CSettingsFile::NumberFrom(std::string_view content, std::string_view key, int default_value) {
  std::string text = StringFrom(content, key, "-1");
  const char* start = text.c_str();
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(start, &end, 10);
  if (end == start || errno == ERANGE || value < INT_MIN || value > INT_MAX || value == -1) {
    return default_value;
  }
  return static_cast<int>(value);
}

std::string CSettingsFile::Rewritten(
    std::string_view content, const std::vector<std::pair<std::string, std::string>>& entries) {
  std::vector<std::string> lines;
  ForEachLine(content, [&](std::string_view line) {
    if (!IsBlank(line)) lines.emplace_back(line);
  });
  for (const auto& [key, value] : entries) {
    std::string new_line = key;
    new_line.append("=").append(value);
    std::vector<std::string> out;
    out.reserve(lines.size() + 1);
    bool written = false;
    for (std::string& line : lines) {
      std::string_view line_key, line_value;
      if (SplitLine(line, &line_key, &line_value) && line_key == key) {
        if (!written) out.push_back(new_line);
        written = true;
      } else {
        out.push_back(std::move(line));
      }
    }
    if (!written) out.push_back(new_line);
    lines = std::move(out);
  }
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

std::string CSettingsFile::ReadString(const std::string& key,
                                      const std::string& default_value) const {
  std::optional<std::string> content = ReadContent();
  return content ? StringFrom(*content, key, default_value) : default_value;
}

int CSettingsFile::ReadNumber(const std::string& key, int default_value) const {
  std::optional<std::string> content = ReadContent();
  return content ? NumberFrom(*content, key, default_value) : default_value;
}

bool CSettingsFile::WriteString(const std::string& key, const std::string& value) const {
  return WriteStrings({{key, value}});
}

bool CSettingsFile::WriteNumber(const std::string& key, int value) const {
  return WriteString(key, std::to_string(value));
}

bool CSettingsFile::WriteStrings(
    const std::vector<std::pair<std::string, std::string>>& entries) const {
  // A settings file kept elsewhere behind a symbolic link (as dotfile managers do) is
  // rewritten where it lives, so the link stays.
  CSettingsFile target(path_);
  struct stat info;
  if (lstat(path_.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    char resolved[PATH_MAX];
    if (!realpath(path_.c_str(), resolved)) return false;
    target.path_ = resolved;
  }
  // A file that exists but cannot be read is left alone: rewriting it would lose its keys.
  CWholeFileRead file = ReadWholeFile(target.path_, kMaxSettingsFileSize);
  if (file.result != CWholeFileRead::Result::kOk && !file.missing) return false;
  std::string text = Rewritten(file.bytes, entries);

  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(target.path_).parent_path(), ignored);
  return !ReplaceFileContents(target.path_, text, target.TemporaryPath());
}
