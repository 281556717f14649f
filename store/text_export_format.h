// The text export (".exp"): one item a line, each a tag, a colon and a value, every line
// ended by carriage return and line feed. The field definitions come first ("UDF:label|value
// slot|Search|Enabled"), then per record its non-empty fields ("%3.3d:" and one line of the
// value; a value of several lines gives several lines with the same number), its image path
// ("IM:"), volume label ("LB:"), sort text ("SO:"), quality ("QU:") and "XX" to end it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr std::string_view kExportLineEnd = "\r\n";
constexpr const char* kExportFieldFormat = "%3.3d:";
constexpr std::string_view kExportImageTag = "IM";
constexpr std::string_view kExportLabelTag = "LB";
constexpr std::string_view kExportSortTextTag = "SO";
constexpr std::string_view kExportQualityTag = "QU";
constexpr std::string_view kExportEndTag = "XX";
constexpr std::string_view kExportDefinitionTag = "UDF";
// The definition line of older exports: label, an ignored value, Search.
constexpr std::string_view kExportOldDefinitionTag = "UD";
constexpr char kExportTagEnd = ':';
constexpr char kExportListSeparator = '|';
// The import reads lines of at most this many bytes; longer ones come as several lines.
constexpr size_t kExportLongestLine = 31999;

// A user-defined field's definition as an export carries it. The import numbers the
// definitions 1, 2, ... in the order read; an old "UD:" line gives its number as value slot
// and Enabled 1.
struct CExportDefinition {
  std::string label;
  int32_t number = 0;
  int32_t value_slot = 0;
  int32_t search = 0;
  int32_t enabled = 0;
  bool operator==(const CExportDefinition&) const = default;
};

// The lines that a field value is written as: blanks, tabs and line breaks at both ends are
// dropped, and the value is cut at every line feed (a carriage return just before it goes
// too). Empty for a value that holds nothing else.
[[nodiscard]] std::vector<std::string_view> ExportValueLines(std::string_view value);

// The file names of the text exports are the index's base name (the main file without
// ".acx"), "_", a name of their own without "_", and ".exp"; the closing backup names them
// by the date ("%Y%m%d").
constexpr std::string_view kExportNameSeparator = "_";
constexpr std::string_view kExportExtension = ".exp";
