#include "app/idle_sort_pass.h"

void CIdleSortPass::Restart(const std::string& index_path) {
  index_path_ = index_path;
  counter_ = 1;
  limit_ = kUnprepared;
}

void CIdleSortPass::Stop() {
  counter_ = kUnprepared;
  limit_ = kUnprepared;
}

bool CIdleSortPass::RunSteps() {
  if (Done()) return false;
  if (limit_ == kUnprepared) {
    db_.SetFileNames(index_path_);
    if (!db_.ReadHeader()) {
      // An index that cannot be read now is left alone until it is opened again.
      Stop();
      return false;
    }
    limit_ = db_.header.key_next - 1;
  }
  for (int step = 0; step < kStepsPerCall && limit_ > counter_; ++step) {
    const int sorted = db_.SortPostings(static_cast<uint32_t>(counter_), Cdatabase::kIdleSortLimit);
    ++counter_;
    if (sorted != 0) break;
  }
  return !Done();
}
