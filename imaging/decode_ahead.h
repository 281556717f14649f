// CDecodeAhead: the pictures of a long operation decoded in the operation's order, the next
// ones on a worker thread while the operation's own thread writes the current one. The import
// and the web album both use it. Whether a worker runs or not, every picture is decoded by the
// same function and taken in the same order, so what the operation writes is the same.
//
// The decode function is called with a picture's index, on either thread, once per index; it
// must not touch what the operation's thread works on (the store, the front end).
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

template <typename Result>
class CDecodeAhead {
 public:
  using Decode = std::function<Result(size_t index)>;

  // How far a worker may decode ahead of the picture the operation takes.
  static constexpr size_t kLookAhead = 4;

  // `count` pictures, decoded by `decode`. With `use_worker`, a worker thread decodes ahead.
  CDecodeAhead(size_t count, Decode decode, bool use_worker)
      : count_(count),
        decode_(std::move(decode)),
        states_(new std::atomic<State>[count]),
        results_(count),
        skipped_(count, 0) {
    for (size_t i = 0; i < count_; ++i) states_[i] = State::kPending;
    if (use_worker && count_ > 1) worker_ = std::thread([this] { Work(); });
  }
  // Stops the worker after the picture it is decoding.
  ~CDecodeAhead() {
    if (!worker_.joinable()) return;
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
    worker_.join();
  }
  CDecodeAhead(const CDecodeAhead&) = delete;
  CDecodeAhead& operator=(const CDecodeAhead&) = delete;

  size_t size() const { return count_; }

  // The decoded picture `index`: decoded here unless the worker has begun it; then this thread
  // decodes the next pictures nobody has begun while the worker finishes it. Each index is
  // taken or skipped once, in increasing order.
  Result Take(size_t index) {
    if (index >= count_) return {};
    {
      std::lock_guard lock(mutex_);
      next_taken_ = index + 1;
    }
    changed_.notify_all();
    if (Claim(index)) return decode_(index);
    // The worker is decoding this one: meanwhile decode the next one that nobody has begun,
    // so that both cores keep decoding.
    size_t helped = index + 1;
    for (;;) {
      {
        std::lock_guard lock(mutex_);
        if (states_[index] == State::kDone) return std::move(results_[index]);
      }
      while (helped < count_ && helped < index + kLookAhead && !Claim(helped)) ++helped;
      if (helped >= count_ || helped >= index + kLookAhead) break;
      DecodeClaimed(helped);
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return states_[index] == State::kDone; });
    return std::move(results_[index]);
  }

  // Picture `index` is not needed.
  void Skip(size_t index) {
    if (index >= count_) return;
    State pending = State::kPending;
    states_[index].compare_exchange_strong(pending, State::kDropped);
    {
      std::lock_guard lock(mutex_);
      next_taken_ = index + 1;
      skipped_[index] = 1;
      // A picture the worker decoded in vain is released at once.
      results_[index] = Result();
    }
    changed_.notify_all();
  }

 private:
  enum class State : int { kPending, kClaimed, kDone, kDropped };

  void Work() {
    for (size_t index = 0; index < count_; ++index) {
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stop_ || WithinReach(index); });
        if (stop_) return;
      }
      if (Claim(index)) DecodeClaimed(index);
    }
  }

  // Takes picture `index` for decoding; false when another thread has it or it was skipped.
  bool Claim(size_t index) {
    State pending = State::kPending;
    return states_[index].compare_exchange_strong(pending, State::kClaimed);
  }

  // Decodes a claimed picture into the results.
  void DecodeClaimed(size_t index) {
    Result decoded = decode_(index);
    {
      std::lock_guard lock(mutex_);
      // A picture skipped while it was being decoded is not kept.
      if (!skipped_[index]) results_[index] = std::move(decoded);
      states_[index] = State::kDone;
    }
    changed_.notify_all();
  }

  // Whether the worker may begin `index` now (under mutex_).
  bool WithinReach(size_t index) const { return index < next_taken_ + kLookAhead; }

  size_t count_;
  Decode decode_;
  std::unique_ptr<std::atomic<State>[]> states_;
  // Under mutex_: the results the worker decoded, and the indices the operation skipped.
  std::vector<Result> results_;
  std::vector<char> skipped_;
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_taken_ = 0;  // the operation's position (under mutex_)
  bool stop_ = false;      // under mutex_
  std::thread worker_;
};
