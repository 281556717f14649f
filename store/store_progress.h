// The "Operation progress" dialog of a long store operation, shown through the store's front
// end when it has one; without a front end (the idle pass, tools) nothing is shown and the
// operation is never aborted.
#pragma once

#include <optional>
#include <string>

#include "base/progress.h"

class CStoreProgress {
 public:
  CStoreProgress(CFrontEnd* front_end, const std::string& title, int range) {
    if (!front_end) return;
    progress_.emplace(*front_end);
    progress_->Start(title, range);
  }
  void Step(int position) {
    if (progress_) progress_->Step(position);
  }
  bool Aborted() const { return progress_ && progress_->Aborted(); }
  void Close() {
    if (progress_) progress_->Close();
  }

 private:
  std::optional<CProgress> progress_;
};
