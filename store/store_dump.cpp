// The diagnostic dump db_dump.txt: the counters and every entry of every store file as
// written, read raw so that a damaged file still dumps.
#include <cstdio>

#include "store/database.h"

namespace {

// The dump lists the cache files with two-digit numbers.
constexpr int kLastDumpedCacheFile = 99;

int Int(uint32_t value) { return static_cast<int>(value); }

// Entries 1 to the mark - 1 that lie in the file.
uint32_t EntriesBelowMark(int32_t mark, uint32_t in_file) {
  if (mark <= 1) return 0;
  return std::min(static_cast<uint32_t>(mark - 1), in_file);
}

}  // namespace

void Cdatabase::DumpStore() {
  FILE* out = std::fopen("db_dump.txt", "w");
  if (!out) return;
  COpenFiles files(*this);
  if (files.ok() && ReadHeader()) {
    std::fprintf(out, "f2free=%d\n", header.record_free);
    std::fprintf(out, "f2antall=%d\n", header.record_mark);
    std::fprintf(out, "f3free=%d\n", header.text_free);
    std::fprintf(out, "f3antall=%d\n", header.text_mark);
    std::fprintf(out, "f4free=%d\n", header.key_next);
    std::fprintf(out, "f4antall=%d\n", header.key_mark);
    std::fprintf(out, "f5free=%d\n", header.posting_free);
    std::fprintf(out, "f5antall=%d\n", header.posting_mark);

    const uint32_t nodes = EntriesBelowMark(header.key_next, EntryCount(key_file_, kKeyNodeSize));
    for (uint32_t n = 1; n <= nodes; ++n) {
      std::array<uint8_t, kKeyNodeSize> bytes;
      if (!key_file_.Read(uint64_t{n - 1} * kKeyNodeSize, bytes)) break;
      const CKeyNode node = CKeyNode::DecodeFrom(bytes);
      if (node.in_use == 0) continue;
      std::fprintf(out, "%d> %d %d %d %d %20s  -->  %d %d %d %d\n", Int(n), node.in_use, node.kind,
                   Int(node.left), Int(node.right), node.Key().c_str(), Int(node.first),
                   Int(node.last), node.unsorted, Int(node.count));
    }

    std::fprintf(out, "------ FILE5 --------------------\n");
    const uint32_t blocks =
        EntriesBelowMark(header.posting_mark, EntryCount(posting_file_, kPostingBlockSize));
    for (uint32_t n = 1; n <= blocks; ++n) {
      std::array<uint8_t, kPostingBlockSize> bytes;
      if (!posting_file_.Read(uint64_t{n - 1} * kPostingBlockSize, bytes)) break;
      const CPostingBlock block = CPostingBlock::DecodeFrom(bytes);
      std::fprintf(out, "%d> ", Int(n));
      for (int i = 0; i < kPostingsPerBlock; ++i) {
        std::fprintf(out, "%d:%d ", block.codes[i], Int(block.records[i]));
      }
      std::fprintf(out, "-> %d\n", Int(block.next));
    }

    std::fprintf(out, "------ FILE2 --------------------\n");
    const uint32_t entries =
        EntriesBelowMark(header.record_mark, EntryCount(record_file_, kRecordEntrySize));
    for (uint32_t n = 1; n <= entries; ++n) {
      std::array<uint8_t, kRecordEntrySize> bytes;
      if (!record_file_.Read(uint64_t{n - 1} * kRecordEntrySize, bytes)) break;
      const CRecordEntry entry = CRecordEntry::DecodeFrom(bytes);
      std::fprintf(out, "%d> %d %d %d %d %d:%d %-20s\n", Int(n), entry.in_use,
                   Int(entry.field_text), Int(entry.image_path), Int(entry.volume_label),
                   entry.thumb_file, Int(entry.thumb_slot), entry.SortText().c_str());
    }

    std::fprintf(out, "--------- FILE3 ------------------\n");
    const uint32_t texts =
        EntriesBelowMark(header.text_mark, EntryCount(text_file_, kTextBlockSize));
    for (uint32_t n = 1; n <= texts; ++n) {
      std::array<uint8_t, kTextBlockSize> bytes;
      if (!text_file_.Read(uint64_t{n - 1} * kTextBlockSize, bytes)) break;
      const CTextBlock block = CTextBlock::DecodeFrom(bytes);
      std::fprintf(out, "%d> %d  %s\n", Int(n), Int(block.next), block.Text().c_str());
    }

    for (int f = 1; f <= kLastDumpedCacheFile; ++f) {
      CCacheFile cache(*io_);
      if (!cache.Open(CacheFileName(f), false)) continue;
      std::fprintf(out, "\n----------- FILE9 (%d) --------\n", f);
      for (uint32_t s = 1; s <= kCacheSlotCount; ++s) {
        const std::optional<CCacheSlot> slot = cache.ReadSlot(s);
        if (!slot) break;
        if (slot->in_use == 0) continue;
        std::fprintf(out, "%d> %d %d %d\n", Int(s), slot->in_use, Int(slot->offset),
                     Int(slot->size));
      }
    }
  }
  std::fclose(out);
}
