#include "app/info_display_model.h"

#include "base/string_table.h"
#include "store/text_rules.h"

namespace {

// A value on one line of a list cell and of a "label<TAB>value" line.
std::string OneLine(const std::string& text) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // one blank for CR LF
    line += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
  }
  return DisplayText(line);
}

}  // namespace

CInfoDisplayModel::CInfoDisplayModel(std::vector<CInfoPair> pairs, std::string status_text)
    : pairs_(std::move(pairs)), status_text_(std::move(status_text)) {}

std::string CInfoDisplayModel::Title() const { return kInfoTitle; }

void CInfoDisplayModel::Open() {
  rows_.clear();
  for (const CInfoPair& pair : pairs_) {
    if (!pair.label.empty() && !pair.value.empty()) {
      rows_.push_back({OneLine(pair.label), OneLine(pair.value)});
    }
  }
}

std::string CInfoDisplayModel::CopyText(const std::vector<size_t>& indexes) const {
  std::string text;
  for (size_t index : indexes) {
    if (index < rows_.size()) text += rows_[index].label + '\t' + rows_[index].value + '\n';
  }
  return text;
}
