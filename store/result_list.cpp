#include "store/result_list.h"

bool CResultList::AnySelected() const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [](const CPictureInfo& entry) { return entry.selected != 0; });
}

void CResultList::Clear() {
  entries_.clear();
  position_ = 0;
}

void CResultList::Append(int32_t record, uint8_t selected) {
  CPictureInfo entry;
  entry.record = record;
  entry.selected = selected;
  entries_.push_back(std::move(entry));
}

void CResultList::Erase(size_t index) {
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  ClampPosition();
}

void CResultList::Truncate(size_t size) {
  if (size < entries_.size()) entries_.resize(size);
  ClampPosition();
}

void CResultList::SetPosition(int32_t position) { position_ = std::clamp(position, 0, count()); }
