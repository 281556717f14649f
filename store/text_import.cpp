// Reading a text export into the index: each record whose picture ID the index does not hold
// is added through the normal add path; field definitions and category words are handed back
// to the caller. Lines made on Windows (Windows-1252 text, "\r\n" line ends) read as well as
// lines made here.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unordered_set>

#include "base/string_printf.h"
#include "base/string_table.h"
#include "base/text_rules.h"
#include "store/database.h"
#include "store/store_progress.h"
#include "store/text_export_format.h"
#include "store/text_line_reader.h"

namespace {

constexpr uint8_t kImportedQuality = 2;
constexpr std::string_view kIdTags[] = {"00", "000"};
constexpr std::string_view kCategoryTags[] = {"04", "004"};
// Tags from "001" to "999", compared as text, name a field by their decimal value.
constexpr std::string_view kLowestFieldTag = "001";
constexpr std::string_view kHighestFieldTag = "999";
constexpr std::string_view kValueLineBreak = "\r\n";
constexpr std::string_view kCategorySeparators = " \r\n";

bool OneOf(std::string_view tag, std::span<const std::string_view> tags) {
  return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

// The decimal number at the start of the text (after blanks, with a sign), as atoi reads it,
// held within the range of int32_t.
int32_t DecimalValue(std::string_view text) {
  size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return 0;
  const bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min<int64_t>(value * 10 + (text[i] - '0'), int64_t{INT32_MAX} + 1);
  }
  if (negative) value = -value;
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// The n-th "|"-separated part of the text; empty when it has fewer.
std::string_view ListPart(std::string_view text, int n) {
  for (; n > 0; --n) {
    const size_t bar = text.find(kExportListSeparator);
    if (bar == std::string_view::npos) return {};
    text.remove_prefix(bar + 1);
  }
  return text.substr(0, text.find(kExportListSeparator));
}

// A line as the import reads it: NUL bytes dropped (stored texts hold none), leading blanks
// removed, and a line that is not UTF-8 read as Windows-1252.
void PrepareLine(std::string& line) {
  if (line.find('\0') != std::string::npos) std::erase(line, '\0');
  const size_t first = line.find_first_not_of(' ');
  line.erase(0, first == std::string::npos ? line.size() : first);
  if (!IsValidUtf8(line)) line = Windows1252ToUtf8(line);
}

}  // namespace

int Cdatabase::ImportText(const std::string& file_name, std::vector<std::string>& categories,
                          std::vector<CExportDefinition>& definitions) {
  if (open_depth_ == 0) ResetOperation();
  std::FILE* in = std::fopen(file_name.c_str(), "rb");
  if (!in) {
    Fail(CStatus::IoError(StringPrintf("The file %s cannot be opened: %s.", file_name.c_str(),
                                       std::strerror(errno))));
    return 0;
  }
  std::string line;
  int records_in_file = 0;
  {
    CTextLineReader reader(in, kExportLongestLine);
    while (reader.Next(line)) {
      PrepareLine(line);
      if (line.starts_with(kExportEndTag)) ++records_in_file;
    }
  }
  std::rewind(in);
  CStoreProgress progress(front_end_, kTitleImportingText, records_in_file);

  std::unordered_set<std::string> known_categories(categories.begin(), categories.end());
  auto offer_categories = [&] {
    const std::string& words = fields[kFieldCategory];
    for (size_t start = 0; start < words.size();) {
      size_t end = words.find_first_of(kCategorySeparators, start);
      if (end == std::string::npos) end = words.size();
      std::string word = words.substr(start, end - start);
      if (!word.empty() && known_categories.insert(word).second) {
        categories.push_back(std::move(word));
      }
      start = end + 1;
    }
  };
  bool has_id = false;
  auto reset_record = [&] {
    for (std::string& field : fields) field.clear();
    image_path.clear();
    volume_label.clear();
    sort_text.clear();
    quality = kImportedQuality;
    has_id = false;
  };
  // The record's picture ID is free, or held by a word: the word gives way, as it would not
  // have been posted had the picture been there first. Stops on a damaged key tree.
  auto claim_id = [&](const std::string& id) {
    COpenFiles files(*this);
    if (!files.ok()) return false;
    const int found = FindKey(CutText(id, kMaxKeyLength), kRootNode);
    if (found <= 0) return status_.ok();
    std::optional<CKeyNode> node = ReadKeyNode(static_cast<uint32_t>(found));
    if (!node || node->kind == kKindPictureId) return false;
    node->in_use = 0;
    return WriteKeyNode(static_cast<uint32_t>(found), *node);
  };

  CStatus failure;
  int added = 0;
  int definitions_read = 0;
  reset_record();
  CTextLineReader reader(in, kExportLongestLine);
  while (reader.Next(line)) {
    PrepareLine(line);
    const size_t colon = line.find(kExportTagEnd);
    const std::string_view tag = std::string_view(line).substr(0, colon);
    const std::string_view value =
        colon == std::string::npos ? std::string_view() : std::string_view(line).substr(colon + 1);
    if (OneOf(tag, kIdTags)) {
      fields[kFieldId] = value;
      has_id = true;
    } else if (tag >= kLowestFieldTag && tag <= kHighestFieldTag) {
      const int32_t n = DecimalValue(tag);
      if (n < 0 || n >= kFieldCount) continue;
      if (!fields[n].empty()) fields[n] += kValueLineBreak;
      fields[n] += value;
      if (OneOf(tag, kCategoryTags)) offer_categories();
    } else if (tag == kExportImageTag) {
      // Paths keep their case as exported; only comparisons lower-case them.
      image_path = value;
    } else if (tag == kExportLabelTag) {
      volume_label = value;
    } else if (tag == kExportSortTextTag) {
      sort_text = value;
    } else if (tag == kExportQualityTag) {
      quality = static_cast<uint8_t>(DecimalValue(value));
    } else if (tag == kExportEndTag) {
      if (has_id && !fields[kFieldId].empty() && claim_id(fields[kFieldId]) &&
          AddCurrentAsNew() > 0) {
        ++added;
      }
      if (!status_.ok()) {
        failure = status_;
        break;
      }
      progress.Step(added);
      reset_record();
    } else if (tag == kExportDefinitionTag) {
      CExportDefinition field;
      field.label = ListPart(value, 0);
      field.number = ++definitions_read;
      field.value_slot = DecimalValue(ListPart(value, 1));
      field.search = DecimalValue(ListPart(value, 2));
      field.enabled = DecimalValue(ListPart(value, 3));
      definitions.push_back(std::move(field));
    } else if (tag == kExportOldDefinitionTag) {
      CExportDefinition field;
      field.label = ListPart(value, 0);
      field.number = ++definitions_read;
      field.value_slot = field.number;
      field.enabled = 1;
      field.search = DecimalValue(ListPart(value, 2));
      definitions.push_back(std::move(field));
    }
  }
  if (reader.failed() && failure.ok()) {
    failure = CStatus::IoError(StringPrintf("The file %s could not be read: %s.", file_name.c_str(),
                                            std::strerror(errno)));
  }
  std::fclose(in);
  reset_record();

  // Balancing waits for the end: one rebuild of the key tree.
  {
    COpenFiles files(*this);
    if (files.ok() && ReadHeader()) {
      RebuildKeyTree();
      WriteHeader();
    }
  }
  progress.Close();
  if (!failure.ok()) status_ = failure;
  return added;
}
