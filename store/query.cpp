// Queries: a query text is cut into words; each word's records are looked up and either
// added to the result list or, for a word starting with "+", used as a filter on it.
#include <algorithm>
#include <unordered_set>

#include "base/text_rules.h"
#include "store/database.h"
#include "store/index_words.h"
#include "store/posting_walk.h"

namespace {

// Result lists shorter than this are sorted by picture ID.
constexpr int32_t kSortLimit = 2000;
// Legacy codes 6 to 9 (user-defined fields kept in fields 5 to 8) count as the codes of fields
// 100 to 103.
constexpr int kFirstLegacyCode = 6;
constexpr int kLastLegacyCode = 9;
constexpr int kLegacyCodeShift = 95;
constexpr int kFirstTextCode = 1;  // picture ID
constexpr int kLastTextCode = 4;   // Description
constexpr int kCategoryCode = 5;
constexpr int kLastSearchableCode = 127;
constexpr std::string_view kCategoryFilter = "C:";
constexpr std::string_view kAllRecordsFilter = "99:";

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace

void Cdatabase::SplitQueryWords(const std::string& text, std::vector<std::string>& list) {
  std::unordered_set<std::string> present(list.begin(), list.end());
  for (std::string& piece : QueryPieces(text, query_separators_)) {
    Trace(piece);
    if (present.insert(piece).second) list.push_back(std::move(piece));
  }
}

std::string Cdatabase::ExpandWildcards(const std::string& query) {
  std::vector<std::string> words;
  SplitQueryWords(query, words);
  std::string expanded;
  for (const std::string& word : words) {
    if (!word.empty() && word.back() == '*') {
      std::vector<std::string> keys;
      ListPrefix(word, keys);
      for (const std::string& key : keys) expanded += key + " ";
    } else {
      expanded += word + " ";
    }
  }
  while (!expanded.empty() && expanded.back() == ' ') expanded.pop_back();
  return expanded;
}

void Cdatabase::LookupWord(const std::string& query_word, std::vector<int32_t>& records) {
  std::string_view word = query_word;
  if (!word.empty() && word.front() == '+') word.remove_prefix(1);
  const bool category = word.starts_with(kCategoryFilter);
  if (category) word.remove_prefix(kCategoryFilter.size());
  const bool all_records = word.starts_with(kAllRecordsFilter);
  if (all_records) word.remove_prefix(kAllRecordsFilter.size());
  const std::string key = CutText(word, kMaxKeyLength);
  records.clear();
  lookup_count_ = 0;
  COpenFiles files(*this);
  if (!files.ok()) return;
  const int found = FindKey(key, kRootNode);
  if (found <= 0) return;
  std::optional<CKeyNode> node = ReadKeyNode(static_cast<uint32_t>(found));
  if (!node) return;
  if (node->kind == kKindPictureId) {
    records.push_back(static_cast<int32_t>(node->first));
  } else {
    const bool filtered = category || all_records;
    ForEachPostingBlock(node->first, [&](uint32_t, const CPostingBlock& block) {
      for (int i = 0; i < kPostingsPerBlock; ++i) {
        const int32_t record = static_cast<int32_t>(block.records[i]);
        if (record == 0) continue;
        int code = block.codes[i];
        if (code >= kFirstLegacyCode && code <= kLastLegacyCode) code += kLegacyCodeShift;
        if ((code >= kFirstTextCode && code <= kLastTextCode && !filtered) ||
            (code == kCategoryCode && category) || (code == kCodeAllRecords && all_records)) {
          records.push_back(record);
        }
        if (code >= kFirstTextCode && code <= kLastSearchableCode && searchable_[code - 1]) {
          records.push_back(record);
        }
      }
      return true;
    });
  }
  lookup_count_ = static_cast<int32_t>(records.size());
}

int Cdatabase::RunQuery(const std::string& raw_query) {
  std::string query = raw_query;
  while (query.find("+ ", 1) != std::string::npos) query = ReplaceAll(query, "+ ", "+");
  const size_t start = query.find_first_not_of(" +/");
  query = start == std::string::npos ? std::string() : query.substr(start);
  query = UpperCase(query);
  if (query.empty()) query = "*";

  COpenFiles files(*this);  // held for the whole query
  results.Clear();
  if (!files.ok()) return 0;
  if (query.find('*') != std::string::npos) query = ExpandWildcards(query);
  std::vector<std::string> words;
  SplitQueryWords(query, words);

  std::unordered_set<int32_t> present;
  std::vector<int32_t> records;
  for (const std::string& word : words) {
    if (!status_.ok()) break;
    LookupWord(word, records);
    if (!word.empty() && word.front() == '+') {
      const std::unordered_set<int32_t> keep(records.begin(), records.end());
      results.EraseIf([&](const CPictureInfo& entry) {
        if (keep.count(entry.record)) return false;
        present.erase(entry.record);
        return true;
      });
    } else {
      for (int32_t record : records) {
        if (present.insert(record).second) results.Append(record);
      }
    }
  }
  if (results.count() < kSortLimit) SortResults();
  if (!results.empty()) {
    results.SetPosition(1);
    ReadCurrentResult();
  }
  return results.count();
}

void Cdatabase::SortResults() {
  COpenFiles files(*this);
  if (!files.ok()) return;
  bool ordered = true;
  for (size_t i = 0; i < results.size() && status_.ok(); ++i) {
    results[i].texts[0] =
        CutText(PictureIdOf(static_cast<uint32_t>(results[i].record)), kMaxKeyLength);
    if (i > 0 && CompareKeys(results[i].texts[0], results[i - 1].texts[0]) < 0) {
      ordered = false;
    }
  }
  if (!ordered) {
    results.StableSort([](const CPictureInfo& a, const CPictureInfo& b) {
      return CompareKeys(a.texts[0], b.texts[0]) < 0;
    });
  }
  for (CPictureInfo& entry : results) entry.texts[0].clear();
}

std::string Cdatabase::PictureIdOf(uint32_t record) {
  std::optional<CRecordEntry> entry = ReadRecordEntry(record);
  if (!entry) return std::string();
  return UnpackField(ReadTextChain(entry->field_text), kFieldId);
}
