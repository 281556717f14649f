// CProgress, the "Operation progress" dialog's logic: the bar's range, the percentage and the
// remaining-time estimate, and the aborted flag. The front end shows the texts and reports
// the "Abort" button.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/front_end.h"

class CProgress {
 public:
  // Seconds on a monotonic clock; tests pass their own.
  using Clock = std::function<double()>;

  explicit CProgress(CFrontEnd& front_end, Clock clock = SteadySeconds);
  ~CProgress();  // closes the dialog when it is open
  CProgress(const CProgress&) = delete;
  CProgress& operator=(const CProgress&) = delete;

  // Opens the dialog with the title and the range 0 ... range, starts the clock and clears
  // the aborted flag.
  void Start(const std::string& title, int range);
  // Moves the bar to `position` and lets pending input through; the aborted flag is set when
  // the user pressed "Abort".
  void Step(int position);
  void Close();
  bool Aborted() const { return aborted_; }

  // "%3d%%" of position / range (0 for an empty range).
  static std::string PercentText(int position, int range);
  // "%3d min %2.2d secs" after more than 2 seconds at positions that are multiples of 5;
  // nothing otherwise (the dialog keeps its last text).
  static std::optional<std::string> TimeLeftText(double elapsed_seconds, int position, int range);

  static double SteadySeconds();

 private:
  CFrontEnd& front_end_;
  Clock clock_;
  int range_ = 0;
  double start_ = 0;
  bool open_ = false;
  bool aborted_ = false;
  std::string time_left_;
};
