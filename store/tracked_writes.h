// Marks writes as kept up to date in the derived caches by their caller, for the lifetime of
// the object; writes outside such a scope drop the caches they could falsify.
#pragma once

class CTrackedWrites {
 public:
  explicit CTrackedWrites(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~CTrackedWrites() { flag_ = old_; }
  CTrackedWrites(const CTrackedWrites&) = delete;
  CTrackedWrites& operator=(const CTrackedWrites&) = delete;

 private:
  bool& flag_;
  bool old_;
};
