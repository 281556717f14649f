// A posting block of B.kw2 (55 bytes): ten (field code, record number) slots of a word's
// posting list, or a free block.
#pragma once

#include <array>
#include <cstdint>
#include <span>

constexpr size_t kPostingBlockSize = 55;
constexpr int kPostingsPerBlock = 10;

// Field codes: field number + 1, and two reserved values.
constexpr uint8_t kCodeDirectoryKey = 0;
constexpr uint8_t kCodeAllRecords = 99;

struct CPostingBlock {
  uint8_t reserved = 0;
  std::array<uint8_t, kPostingsPerBlock> codes{};
  std::array<uint32_t, kPostingsPerBlock> records{};  // 0 = empty slot
  uint32_t next = 0;  // next block of the list or of the free chain; 0 = end

  // A free block as creation and growth write it: empty slots and the link.
  static CPostingBlock Free(uint32_t next);

  void EncodeTo(std::span<uint8_t, kPostingBlockSize> out) const;
  [[nodiscard]] static CPostingBlock DecodeFrom(std::span<const uint8_t, kPostingBlockSize> in);
};
