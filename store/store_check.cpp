#include "store/store_check.h"

#include <unordered_map>
#include <unordered_set>

#include "base/string_printf.h"
#include "base/text_rules.h"
#include "store/database.h"
#include "store/directory_key.h"

namespace {

// At most this many problems of each kind are listed; the rest are counted.
constexpr size_t kMaxListed = 200;

}  // namespace

std::string CCheckReport::Text() const {
  std::string text;
  for (const std::string& error : errors) text += "error: " + error + "\n";
  for (const std::string& warning : warnings) text += "warning: " + warning + "\n";
  text += StringPrintf("%d pictures, %d words, %d picture IDs: ", pictures, words, picture_ids);
  text += sound() ? "the index is sound.\n" : StringPrintf("%zu problems found.\n", errors.size());
  return text;
}

class CStoreChecker {
 public:
  CStoreChecker(Cdatabase& db, CCheckReport& report) : db_(db), report_(report) {}

  void Run() {
    Cdatabase::COpenFiles files(db_);
    if (!files.ok() || !db_.ReadHeader()) {
      Error(db_.status().message());
      return;
    }
    const CStoreHeader& h = db_.header;
    if (h.version != kStoreFormatVersion) {
      Error(StringPrintf("the format version is %d, not %d", h.version, kStoreFormatVersion));
    }
    records_ = Count(db_.record_file_, kRecordEntrySize);
    texts_ = Count(db_.text_file_, kTextBlockSize);
    nodes_ = Count(db_.key_file_, kKeyNodeSize);
    postings_ = Count(db_.posting_file_, kPostingBlockSize);
    CheckMark("record table", h.record_mark, records_);
    CheckMark("text blocks", h.text_mark, texts_);
    CheckMark("posting blocks", h.posting_mark, postings_);
    if (h.key_next < 2 || static_cast<uint64_t>(h.key_next) > uint64_t{nodes_} + 1) {
      Error(StringPrintf("the key tree's next node %d does not fit its %u nodes", h.key_next,
                         nodes_));
    }
    CheckRecords();
    CheckTextBlocks();
    CheckKeyTree();
    CheckPostingFreeChain();
    CheckRecordsReachable();
  }

 private:
  void Error(const std::string& text) {
    if (report_.errors.size() < kMaxListed) {
      report_.errors.push_back(text);
    } else if (report_.errors.size() == kMaxListed) {
      report_.errors.push_back("... more problems not listed");
    }
  }
  void Warning(const std::string& text) {
    if (report_.warnings.size() < kMaxListed) report_.warnings.push_back(text);
  }

  static uint32_t Count(const CCachedFile& file, size_t size) {
    const uint64_t n = file.size() / size;
    return n > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(n);
  }

  void CheckMark(const char* what, int32_t mark, uint32_t entries) {
    if (mark < 1 || static_cast<uint64_t>(mark) > uint64_t{entries} + 1) {
      Error(StringPrintf("the growth mark %d of the %s does not fit their %u entries", mark, what,
                         entries));
    }
  }

  std::optional<CRecordEntry> Record(uint32_t n) {
    std::array<uint8_t, kRecordEntrySize> bytes;
    if (n < 1 || n > records_ ||
        !db_.record_file_.Read(uint64_t{n - 1} * kRecordEntrySize, bytes)) {
      return std::nullopt;
    }
    return CRecordEntry::DecodeFrom(bytes);
  }
  std::optional<CTextBlock> Text(uint32_t n) {
    std::array<uint8_t, kTextBlockSize> bytes;
    if (n < 1 || n > texts_ || !db_.text_file_.Read(uint64_t{n - 1} * kTextBlockSize, bytes)) {
      return std::nullopt;
    }
    return CTextBlock::DecodeFrom(bytes);
  }
  std::optional<CKeyNode> Node(uint32_t n) {
    std::array<uint8_t, kKeyNodeSize> bytes;
    if (n < 1 || n > nodes_ || !db_.key_file_.Read(uint64_t{n - 1} * kKeyNodeSize, bytes)) {
      return std::nullopt;
    }
    return CKeyNode::DecodeFrom(bytes);
  }
  std::optional<CPostingBlock> Posting(uint32_t n) {
    std::array<uint8_t, kPostingBlockSize> bytes;
    if (n < 1 || n > postings_ ||
        !db_.posting_file_.Read(uint64_t{n - 1} * kPostingBlockSize, bytes)) {
      return std::nullopt;
    }
    return CPostingBlock::DecodeFrom(bytes);
  }

  // A free chain: entries not in use, each once, ending at 0 or at the growth mark just
  // past the written file. Returns the entries on it.
  template <typename Read, typename InUse, typename Next>
  std::unordered_set<uint32_t> FreeChain(const char* what, uint32_t head, int32_t mark,
                                         uint32_t entries, Read read, InUse in_use, Next next) {
    std::unordered_set<uint32_t> chain;
    for (uint32_t n = head; n != 0;) {
      if (n > entries) {
        if (static_cast<int64_t>(n) != mark) {
          Error(StringPrintf("the free chain of the %s leaves the file at %u", what, n));
        }
        break;
      }
      if (!chain.insert(n).second) {
        Error(StringPrintf("the free chain of the %s runs in a circle at %u", what, n));
        break;
      }
      const auto entry = read(n);
      if (!entry) break;
      if (in_use(*entry)) {
        Error(StringPrintf("the free chain of the %s reaches %u, which is in use", what, n));
        break;
      }
      n = next(*entry);
    }
    return chain;
  }

  // Walks one text chain of a live record; returns its text.
  std::string TextChain(uint32_t record, uint32_t first, const char* what) {
    std::string text;
    for (uint32_t n = first; n != 0;) {
      const std::optional<CTextBlock> block = Text(n);
      if (!block) {
        Error(StringPrintf("the %s of record %u links to text block %u outside the file", what,
                           record, n));
        break;
      }
      const auto [it, added] = text_owner_.emplace(n, record);
      if (!added) {
        Error(StringPrintf("text block %u of the %s of record %u belongs to record %u too", n, what,
                           record, it->second));
        break;
      }
      if (!block->in_use) {
        Error(StringPrintf("text block %u of the %s of record %u is free", n, what, record));
      }
      text += block->Text();
      n = block->next;
    }
    return text;
  }

  void CheckRecords() {
    const CStoreHeader& h = db_.header;
    const std::unordered_set<uint32_t> free_chain = FreeChain(
        "record table", static_cast<uint32_t>(h.record_free), h.record_mark, records_,
        [this](uint32_t n) { return Record(n); },
        [](const CRecordEntry& e) { return e.in_use != 0; },
        [](const CRecordEntry& e) { return e.next_free(); });
    for (uint32_t n = 1; n <= records_; ++n) {
      const std::optional<CRecordEntry> entry = Record(n);
      if (!entry) break;
      if (!entry->in_use) {
        if (!free_chain.count(n) && static_cast<int64_t>(n) < h.record_mark) {
          Warning(StringPrintf("record %u is neither live nor on the free chain", n));
        }
        continue;
      }
      if (static_cast<int64_t>(n) >= h.record_mark) {
        Error(StringPrintf("record %u is live beyond the growth mark %d", n, h.record_mark));
      }
      ++report_.pictures;
      CLiveRecord live;
      live.id = UnpackField(TextChain(n, entry->field_text, "field text"), kFieldId);
      live.path = TextChain(n, entry->image_path, "image path");
      TextChain(n, entry->volume_label, "volume label");
      live_.emplace(n, std::move(live));
    }
  }

  void CheckTextBlocks() {
    const CStoreHeader& h = db_.header;
    const std::unordered_set<uint32_t> free_chain = FreeChain(
        "text blocks", static_cast<uint32_t>(h.text_free), h.text_mark, texts_,
        [this](uint32_t n) { return Text(n); }, [](const CTextBlock& b) { return b.in_use != 0; },
        [](const CTextBlock& b) { return b.next; });
    for (uint32_t n : free_chain) {
      if (text_owner_.count(n)) {
        Error(
            StringPrintf("text block %u is on the free chain and in record %u", n, text_owner_[n]));
      }
    }
    uint32_t leaked = 0;
    for (uint32_t n = 1; n <= texts_ && static_cast<int64_t>(n) < h.text_mark; ++n) {
      if (!text_owner_.count(n) && !free_chain.count(n)) ++leaked;
    }
    if (leaked > 0) Warning(StringPrintf("%u text blocks are neither used nor free", leaked));
  }

  void CheckKeyTree() {
    struct CVisit {
      uint32_t node;
      std::string low;   // keys must be >= low
      std::string high;  // and < high (empty: no bound)
      bool has_high;
    };
    std::vector<bool> seen(size_t{nodes_} + 1, false);
    std::vector<CVisit> stack = {{kRootNode, "", "", false}};
    std::unordered_set<std::string> live_keys;
    while (!stack.empty()) {
      const CVisit visit = stack.back();
      stack.pop_back();
      const std::optional<CKeyNode> node = Node(visit.node);
      if (!node) {
        Error(StringPrintf("the key tree links to node %u outside the file", visit.node));
        continue;
      }
      if (seen[visit.node]) {
        Error(StringPrintf("key-tree node %u is linked twice", visit.node));
        continue;
      }
      seen[visit.node] = true;
      if (static_cast<int64_t>(visit.node) >= db_.header.key_next) {
        Error(StringPrintf("key-tree node %u lies beyond the next node %d", visit.node,
                           db_.header.key_next));
      }
      const std::string key = node->Key();
      if (CompareKeys(key, visit.low) < 0 ||
          (visit.has_high && CompareKeys(key, visit.high) >= 0)) {
        Error(StringPrintf("key-tree node %u (\"%s\") is out of order", visit.node, key.c_str()));
      }
      if (node->in_use) {
        if (!live_keys.insert(key).second) {
          Error(StringPrintf("the key \"%s\" is live twice", key.c_str()));
        }
        if (node->kind == kKindPictureId) {
          CheckIdNode(visit.node, *node);
        } else {
          CheckWord(visit.node, *node);
        }
      }
      if (node->right) stack.push_back({node->right, key, visit.high, visit.has_high});
      if (node->left) stack.push_back({node->left, visit.low, key, true});
    }
  }

  void CheckIdNode(uint32_t n, const CKeyNode& node) {
    ++report_.picture_ids;
    const std::string key = node.Key();
    auto live = live_.find(node.first);
    if (live == live_.end()) {
      Error(StringPrintf("picture ID %s (node %u) points to record %u, which is not live",
                         key.c_str(), n, node.first));
    } else if (CutText(live->second.id, kMaxKeyLength) != key) {
      Error(StringPrintf("picture ID %s (node %u) points to record %u, whose ID is %s", key.c_str(),
                         n, node.first, live->second.id.c_str()));
    }
    if (node.last != node.first) {
      Error(StringPrintf("picture ID %s (node %u) has two record numbers", key.c_str(), n));
    }
  }

  void CheckWord(uint32_t n, const CKeyNode& node) {
    ++report_.words;
    const std::string key = node.Key();
    uint32_t postings = 0;
    uint32_t last = 0;
    std::unordered_set<uint32_t>& marked = postings_of_[key];
    for (uint32_t b = node.first; b != 0;) {
      const std::optional<CPostingBlock> block = Posting(b);
      if (!block) {
        Error(StringPrintf("the postings of \"%s\" link to block %u outside the file", key.c_str(),
                           b));
        break;
      }
      const auto [it, added] = posting_owner_.emplace(b, n);
      if (!added) {
        Error(StringPrintf("posting block %u of \"%s\" belongs to node %u too", b, key.c_str(),
                           it->second));
        break;
      }
      for (int i = 0; i < kPostingsPerBlock; ++i) {
        const uint32_t record = block->records[i];
        if (record == 0) continue;
        ++postings;
        if (!live_.count(record)) {
          Error(StringPrintf("\"%s\" has a posting for record %u, which is not live", key.c_str(),
                             record));
        }
        if (block->codes[i] == kCodeAllRecords || block->codes[i] == kCodeDirectoryKey) {
          marked.insert(record);
        }
      }
      last = b;
      b = block->next;
    }
    if (last != node.last) {
      Error(StringPrintf("the last posting block of \"%s\" is %u, not %u", key.c_str(), last,
                         node.last));
    }
    if (postings != node.count) {
      Warning(
          StringPrintf("\"%s\" counts %u postings but has %u", key.c_str(), node.count, postings));
    }
  }

  void CheckPostingFreeChain() {
    const CStoreHeader& h = db_.header;
    const std::unordered_set<uint32_t> free_chain = FreeChain(
        "posting blocks", static_cast<uint32_t>(h.posting_free), h.posting_mark, postings_,
        [this](uint32_t n) { return Posting(n); }, [](const CPostingBlock&) { return false; },
        [](const CPostingBlock& b) { return b.next; });
    for (uint32_t n : free_chain) {
      if (posting_owner_.count(n)) {
        Error(StringPrintf("posting block %u is on the free chain and in a word's list", n));
      }
    }
  }

  // Finds a key the way the store does, over the decoded nodes.
  uint32_t Find(const std::string& key) {
    uint32_t n = kRootNode;
    for (uint32_t steps = 0; steps <= nodes_; ++steps) {
      const std::optional<CKeyNode> node = Node(n);
      if (!node) return 0;
      const int c = CompareKeys(key, node->Key());
      if (c == 0 && node->in_use) return n;
      n = c < 0 ? node->left : node->right;
      if (n == 0) return 0;
    }
    return 0;
  }

  void CheckRecordsReachable() {
    const std::unordered_set<uint32_t>& all = postings_of_[kAllRecordsWord];
    for (const auto& [record, live] : live_) {
      const uint32_t found = Find(CutText(live.id, kMaxKeyLength));
      const std::optional<CKeyNode> node = found ? Node(found) : std::nullopt;
      if (!node || node->kind != kKindPictureId || node->first != record) {
        Error(StringPrintf("record %u cannot be found by its picture ID \"%s\"", record,
                           live.id.c_str()));
      }
      if (!all.count(record)) {
        Error(StringPrintf("record %u is missing from the list of all pictures", record));
      }
      const auto directory =
          postings_of_.find(CutText(DirectoryKey(LowerCase(live.path)), kMaxKeyLength));
      if (directory == postings_of_.end() || !directory->second.count(record)) {
        Error(StringPrintf("record %u is missing from the list of its folder", record));
      }
    }
  }

  struct CLiveRecord {
    std::string id;
    std::string path;
  };

  Cdatabase& db_;
  CCheckReport& report_;
  uint32_t records_ = 0, texts_ = 0, nodes_ = 0, postings_ = 0;
  std::unordered_map<uint32_t, CLiveRecord> live_;
  std::unordered_map<uint32_t, uint32_t> text_owner_;     // block -> record
  std::unordered_map<uint32_t, uint32_t> posting_owner_;  // block -> node
  // Per word: the records posted with the directory-key or all-records code.
  std::unordered_map<std::string, std::unordered_set<uint32_t>> postings_of_;
};

CCheckReport CheckStore(Cdatabase& db) {
  CCheckReport report;
  CStoreChecker(db, report).Run();
  return report;
}
