// A key-tree node of B.kw1 (43 bytes): a word or a picture ID in the unbalanced binary search
// tree. Node 1 is the root; nodes are only appended.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

constexpr size_t kKeyNodeSize = 43;
// Offsets that the key-tree rebuild reads and patches in place.
constexpr size_t kKeyNodeKeyOffset = 3;
constexpr size_t kKeyNodeLeftOffset = 23;
constexpr size_t kKeyNodeRightOffset = 27;
constexpr size_t kKeyWidth = 20;
constexpr size_t kMaxKeyLength = kKeyWidth - 1;
constexpr uint8_t kKindWord = 0;
constexpr uint8_t kKindPictureId = 1;
constexpr uint32_t kRootNode = 1;
// The key of the root of a new index, which splits the keys below and from it.
constexpr const char* kSentinelKey = "MMMMMM";

struct CKeyNode {
  uint8_t in_use = 0;
  uint8_t kind = kKindWord;
  uint8_t unsorted = 0;
  std::array<char, kKeyWidth> key{};
  uint32_t left = 0;   // node whose key compares lower
  uint32_t right = 0;  // node whose key compares higher or equal
  uint32_t first = 0;  // word: first posting block; picture ID: record number
  uint32_t last = 0;   // word: last posting block; picture ID: record number
  uint32_t count = 0;  // word: number of postings; picture ID: 1

  std::string Key() const;
  // Stores the key (the caller cuts it to 19 bytes) with zeros after it.
  void SetKey(std::string_view key);

  // The root of a new index: not in use, kind word, key "MMMMMM", links and counts 0.
  static CKeyNode Sentinel();

  void EncodeTo(std::span<uint8_t, kKeyNodeSize> out) const;
  [[nodiscard]] static CKeyNode DecodeFrom(std::span<const uint8_t, kKeyNodeSize> in);
};

// Keys compare as byte strings of unsigned bytes, a shorter prefix first.
[[nodiscard]] int CompareKeys(std::string_view a, std::string_view b);
