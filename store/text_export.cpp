// Writing the text export of the result list. The file is flushed after every record, so an
// export that is interrupted keeps the records written so far.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/string_printf.h"
#include "store/database.h"
#include "store/text_export_format.h"

namespace {

constexpr std::string_view kTrimmed = " \t\r\n";

void AppendLine(std::string& text, std::string_view tag, std::string_view value) {
  text.append(tag);
  text += kExportTagEnd;
  text.append(value);
  text.append(kExportLineEnd);
}

}  // namespace

std::vector<std::string_view> ExportValueLines(std::string_view value) {
  std::vector<std::string_view> lines;
  const size_t first = value.find_first_not_of(kTrimmed);
  if (first == std::string_view::npos) return lines;
  value = value.substr(first, value.find_last_not_of(kTrimmed) - first + 1);
  while (!value.empty()) {
    const size_t feed = value.find('\n');
    if (feed == std::string_view::npos) {
      lines.push_back(value);
      break;
    }
    // The line ends at the line feed; a bare line feed keeps the character before it.
    const size_t end = feed > 0 && value[feed - 1] == '\r' ? feed - 1 : feed;
    lines.push_back(value.substr(0, end));
    value.remove_prefix(feed + 1);
  }
  return lines;
}

int Cdatabase::ExportText(const std::string& file_name,
                          const std::vector<CExportDefinition>& definitions) {
  if (open_depth_ == 0) ResetOperation();
  std::FILE* out = std::fopen(file_name.c_str(), "wb");
  if (!out) {
    Fail(CStatus::IoError(StringPrintf("The file %s could not be created: %s.", file_name.c_str(),
                                       std::strerror(errno))));
    return 0;
  }
  auto write_failed = [&] {
    return Fail(CStatus::IoError(StringPrintf("The file %s could not be written: %s.",
                                              file_name.c_str(), std::strerror(errno))));
  };
  auto write = [&](const std::string& text) {
    return (std::fwrite(text.data(), 1, text.size(), out) == text.size() &&
            std::fflush(out) == 0) ||
           write_failed();
  };

  int exported = 0;
  {
    COpenFiles files(*this);
    std::string text;
    for (const CExportDefinition& field : definitions) {
      AppendLine(text, kExportDefinitionTag,
                 StringPrintf("%s|%d|%d|%d", field.label.c_str(), field.value_slot, field.search,
                              field.enabled));
    }
    bool writing = files.ok() && ReadHeader() && write(text);
    // A record that cannot be read is left out and the others are written; the first such
    // record's damage is reported.
    CStatus skipped;
    for (size_t p = 0; p < results.size() && writing; ++p) {
      const uint32_t record = static_cast<uint32_t>(results[p].record);
      std::optional<CRecordEntry> entry = ReadRecordEntry(record);
      if (entry && entry->in_use && entry->field_text != 0) {
        LoadFieldText(ReadEntry(record));
      }
      if (!status_.ok()) {
        if (skipped.ok()) skipped = status_;
        ResetOperation();
        continue;
      }
      if (!entry->in_use || entry->field_text == 0 || fields[kFieldId].empty()) continue;
      text.clear();
      for (int i = 0; i < kFieldCount; ++i) {
        if (fields[i].empty()) continue;
        const std::string tag = StringPrintf(kExportFieldFormat, i);
        for (std::string_view line : ExportValueLines(fields[i])) {
          text += tag;
          text.append(line);
          text.append(kExportLineEnd);
        }
      }
      if (!image_path.empty()) AppendLine(text, kExportImageTag, image_path);
      if (!volume_label.empty()) AppendLine(text, kExportLabelTag, volume_label);
      const std::string sort = entry->SortText();
      if (!sort.empty()) AppendLine(text, kExportSortTextTag, sort);
      AppendLine(text, kExportQualityTag, std::to_string(quality));
      text.append(kExportEndTag);
      text.append(kExportLineEnd);
      writing = write(text);
      if (writing) ++exported;
    }
    if (!skipped.ok() && status_.ok()) status_ = skipped;
  }
  if (std::fclose(out) != 0) write_failed();
  return exported;
}
