#include "base/progress.h"

#include <chrono>
#include <cstdio>

namespace {

int Percent(int position, int range) {
  return range > 0 ? static_cast<int>(static_cast<long long>(position) * 100 / range) : 0;
}

}  // namespace

CProgress::CProgress(CFrontEnd& front_end, Clock clock)
    : front_end_(front_end), clock_(std::move(clock)) {}

CProgress::~CProgress() { Close(); }

void CProgress::Start(const std::string& title, int range) {
  Close();
  range_ = range;
  start_ = clock_();
  aborted_ = false;
  time_left_.clear();
  front_end_.OpenProgress(title, range);
  open_ = true;
}

void CProgress::Step(int position) {
  if (!open_) return;
  if (auto text = TimeLeftText(clock_() - start_, position, range_)) time_left_ = *text;
  if (front_end_.StepProgress(position, PercentText(position, range_), time_left_)) {
    aborted_ = true;
  }
}

void CProgress::Close() {
  if (!open_) return;
  open_ = false;
  front_end_.CloseProgress();
}

std::string CProgress::PercentText(int position, int range) {
  char text[32];
  std::snprintf(text, sizeof text, "%3d%%", Percent(position, range));
  return text;
}

std::optional<std::string> CProgress::TimeLeftText(double elapsed_seconds, int position,
                                                   int range) {
  const int percent = Percent(position, range);
  if (elapsed_seconds <= 2.0 || position % 5 != 0 || percent <= 0) return std::nullopt;
  const int seconds_left = static_cast<int>(elapsed_seconds / percent * (100 - percent));
  char text[48];
  std::snprintf(text, sizeof text, "%3d min %2.2d secs", seconds_left / 60, seconds_left % 60);
  return text;
}

double CProgress::SteadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}
