// A text block of B.kw4 (55 bytes): one piece of a text chain, or a free block.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

constexpr size_t kTextBlockSize = 55;
constexpr size_t kTextPieceWidth = 50;
// A chain cuts its text into pieces of exactly this many bytes (the last may be shorter).
constexpr size_t kTextPieceLength = kTextPieceWidth - 1;

struct CTextBlock {
  uint8_t in_use = 0;
  std::array<char, kTextPieceWidth> text{};
  uint32_t next = 0;  // next block of the chain or of the free chain; 0 = end

  std::string Text() const;
  void SetText(std::string_view piece);

  // A free block as creation and growth write it: zero apart from the link.
  static CTextBlock Free(uint32_t next);

  void EncodeTo(std::span<uint8_t, kTextBlockSize> out) const;
  [[nodiscard]] static CTextBlock DecodeFrom(std::span<const uint8_t, kTextBlockSize> in);
};
