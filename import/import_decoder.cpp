#include "import/import_decoder.h"

#include <cstdio>
#include <ctime>

#include "base/silent_front_end.h"
#include "imaging/exif_reader.h"
#include "imaging/picture_loader.h"
#include "platform/utility.h"

namespace {

// An EXIF date shorter than this holds no time and is not taken.
constexpr size_t kShortestExifDate = 11;
constexpr int kLastYear = 9999;

// The front end a decode reports to: it keeps the message boxes for the import's thread and
// drops the rest (status texts of a decode would only overwrite the import's progress text).
class CDecodeReport : public CSilentFrontEnd {
 public:
  explicit CDecodeReport(std::vector<CDecodeMessage>& messages) : messages_(messages) {}

  MsgAnswer ShowMessage(const std::string& text, MsgButtons, MsgIcon) override {
    messages_.push_back({text});
    return MsgAnswer::kOk;
  }

 private:
  std::vector<CDecodeMessage>& messages_;
};

}  // namespace

std::optional<std::string> WhenFromExifDate(const std::string& date_taken) {
  if (date_taken.size() < kShortestExifDate) return std::nullopt;
  int year = 0, month = 0, day = 0;
  if (std::sscanf(date_taken.c_str(), "%d:%d:%d", &year, &month, &day) != 3) return std::nullopt;
  if (year < 1 || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 31) {
    return std::nullopt;
  }
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_isdst = -1;
  const std::time_t when = std::mktime(&local);
  if (when == static_cast<std::time_t>(-1)) return std::nullopt;
  return CUtility::DateText(when, false);
}

CDecodedPicture DecodeForImport(const std::string& path, int thumb_size) {
  CDecodedPicture decoded;
  CDecodeReport report(decoded.messages);
  CLoadContext context;  // no finder: the file is where the import found it
  context.front_end = &report;
  decoded.loaded =
      LoadPicture(decoded.picture, context, path, std::string(), thumb_size, thumb_size, false);
  if (decoded.loaded && decoded.picture.kind == kPictureJpeg) {
    CExif exif;
    exif.ReadExif(path);
    if (exif.has_exif) {
      if (std::optional<std::string> when = WhenFromExifDate(exif.date_taken)) {
        decoded.when = std::move(*when);
      }
    }
  }
  return decoded;
}

CImportDecoder::CImportDecoder(std::vector<std::string> paths, int thumb_size, bool use_worker)
    : paths_(std::move(paths)),
      thumb_size_(thumb_size),
      states_(new std::atomic<State>[paths_.size()]),
      results_(paths_.size()),
      skipped_(paths_.size(), 0) {
  for (size_t i = 0; i < paths_.size(); ++i) states_[i] = State::kPending;
  if (use_worker && paths_.size() > 1) worker_ = std::thread([this] { Work(); });
}

CImportDecoder::~CImportDecoder() {
  if (!worker_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

bool CImportDecoder::WithinReach(size_t index) const { return index < next_taken_ + kLookAhead; }

bool CImportDecoder::Claim(size_t index) {
  State pending = State::kPending;
  return states_[index].compare_exchange_strong(pending, State::kClaimed);
}

void CImportDecoder::DecodeClaimed(size_t index) {
  CDecodedPicture decoded = DecodeForImport(paths_[index], thumb_size_);
  {
    std::lock_guard lock(mutex_);
    // A picture skipped while it was being decoded is not kept.
    if (!skipped_[index]) results_[index] = std::move(decoded);
    states_[index] = State::kDone;
  }
  changed_.notify_all();
}

void CImportDecoder::Work() {
  for (size_t index = 0; index < paths_.size(); ++index) {
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return stop_ || WithinReach(index); });
      if (stop_) return;
    }
    if (Claim(index)) DecodeClaimed(index);
  }
}

CDecodedPicture CImportDecoder::Take(size_t index) {
  if (index >= paths_.size()) return {};
  {
    std::lock_guard lock(mutex_);
    next_taken_ = index + 1;
  }
  changed_.notify_all();
  if (Claim(index)) return DecodeForImport(paths_[index], thumb_size_);
  // The worker is decoding this one: meanwhile decode the next one that nobody has begun,
  // so that both cores keep decoding.
  size_t helped = index + 1;
  for (;;) {
    {
      std::lock_guard lock(mutex_);
      if (states_[index] == State::kDone) return std::move(results_[index]);
    }
    while (helped < paths_.size() && helped < index + kLookAhead && !Claim(helped)) ++helped;
    if (helped >= paths_.size() || helped >= index + kLookAhead) break;
    DecodeClaimed(helped);
  }
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return states_[index] == State::kDone; });
  return std::move(results_[index]);
}

void CImportDecoder::Skip(size_t index) {
  if (index >= paths_.size()) return;
  State pending = State::kPending;
  states_[index].compare_exchange_strong(pending, State::kDropped);
  {
    std::lock_guard lock(mutex_);
    next_taken_ = index + 1;
    skipped_[index] = 1;
    // A picture the worker decoded in vain is released at once.
    results_[index] = CDecodedPicture();
  }
  changed_.notify_all();
}
