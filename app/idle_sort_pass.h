// CIdleSortPass: while the program has nothing else to do, the posting lists of the open
// photo index are sorted one key-tree node after the other, on a store object of its own, so
// that later queries find them in order. Opening an index restarts the pass; a new index
// needs none.
#pragma once

#include <cstdint>
#include <string>

#include "store/database.h"

class CIdleSortPass {
 public:
  // At most this many sort steps run per idle call.
  static constexpr int kStepsPerCall = 10;
  // The limit that means "not yet prepared": the first call reads the index's node count.
  static constexpr int32_t kUnprepared = 9999999;

  // Starts over on the index at `index_path` (empty: no pass).
  void Restart(const std::string& index_path);
  // No pass until the next Restart (a new index).
  void Stop();
  // Runs up to kStepsPerCall sort steps. True while work is left.
  bool RunSteps();
  bool Done() const { return index_path_.empty() || limit_ <= counter_; }

  int32_t counter() const { return counter_; }
  int32_t limit() const { return limit_; }

 private:
  std::string index_path_;
  int32_t counter_ = 1;
  int32_t limit_ = kUnprepared;
  Cdatabase db_;
};
