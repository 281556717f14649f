// The document's thumbnails: the memory list the strip is painted from, the cache files
// behind it, and the refresh commands.
#include <algorithm>

#include "app/document.h"
#include "base/progress.h"
#include "base/string_table.h"
#include "imaging/gamma_correction.h"
#include "platform/path_text.h"

std::string CSnapstoreDoc::PlaceholderPicturePath() const {
  return JoinPath(settings.InstallPath, kPlaceholderPictureName);
}

int CSnapstoreDoc::FetchThumbnail(int32_t record) {
  if (record < 1) return kNoThumbnail;
  if (const int index = thumbnails.Find(record); index >= 0) return index;

  CPicture thumbnail;
  if (std::optional<CThumbnailBlob> cached = db.LoadThumbnail(record)) {
    thumbnail.header = std::move(cached->header);
    thumbnail.pixels = std::move(cached->pixels);
  } else {
    const std::optional<CPictureLocation> location = db.ReadPictureLocation(record);
    if (!location) return kNoThumbnail;
    CKeepOfflineFlag keep(finder);
    LoadPictureInto(thumbnail, location->image_path, location->volume_label, settings.Thumbsize,
                    settings.Thumbsize, false);
    if (finder.Offline()) {
      // The medium is away: the placeholder, loaded once; nothing is kept for the record.
      if (!thumbnails.HasPlaceholder()) {
        CPicture placeholder;
        LoadPictureInto(placeholder, PlaceholderPicturePath(), std::string(), settings.Thumbsize,
                        settings.Thumbsize, false);
        thumbnails.SetPlaceholder(std::move(placeholder));
      }
      return CThumbnailList::kPlaceholderIndex;
    }
    if (!thumbnail.pixels.empty()) {
      db.StoreThumbnail(thumbnail.pixels, thumbnail.header, record);
    }
  }
  if (thumbnail.pixels.empty()) return kNoThumbnail;
  // After the store: the cache files never hold gamma-corrected pictures.
  ApplyGamma(thumbnail, settings.Gamma / 100.0);
  return thumbnails.Add(record, std::move(thumbnail), settings.Cache_size);
}

void CSnapstoreDoc::ForgetThumbnail(int32_t record) {
  thumbnails.Mark(record, CThumbnailList::kForgotten);
}

void CSnapstoreDoc::ClearThumbnails() {
  thumbnails.Clear();
  thumbnail_failure_shown_ = false;
}

std::optional<size_t> CSnapstoreDoc::CellAtContextPoint() const {
  for (size_t i = 0; i < visible_cells.size(); ++i) {
    if (visible_cells[i].rect.Contains(context_menu_x, context_menu_y)) return i;
  }
  return std::nullopt;
}

void CSnapstoreDoc::RefreshThumbnail() {
  const std::optional<size_t> cell = CellAtContextPoint();
  if (!cell) return;
  const int32_t record = visible_cells[*cell].record;
  {
    Cdatabase::COpenFiles files(db);
    if (files.ok()) db.DeleteThumbnail(record);
  }
  ShowStoreFailure();
  thumbnails.Mark(record, CThumbnailList::kRefreshed);
  front_end_.UpdateViews(kHintStrip);
}

bool CSnapstoreDoc::StoreThumbnail(int32_t record, const CPicture& thumbnail) {
  return StoreThumbnailIn(db, record, thumbnail);
}

bool CSnapstoreDoc::StoreThumbnailIn(Cdatabase& store, int32_t record, const CPicture& thumbnail) {
  if (store.StoreThumbnail(thumbnail.pixels, thumbnail.header, record)) return true;
  // A full cache or a full disk refuses every thumbnail that follows: one message is enough.
  if (!store.status().ok() && !thumbnail_failure_shown_) {
    thumbnail_failure_shown_ = true;
    front_end_.ShowMessage(store.status().message(), MsgButtons::kOk, MsgIcon::kWarning);
  }
  return false;
}

void CSnapstoreDoc::RefreshRecordThumbnail(Cdatabase& store, int32_t record,
                                           const CPictureLocation& location) {
  {
    Cdatabase::COpenFiles files(store);
    if (files.ok()) store.DeleteThumbnail(record);
  }
  CPicture thumbnail;
  if (LoadPictureInto(thumbnail, location.image_path, location.volume_label, settings.Thumbsize,
                      settings.Thumbsize, false)) {
    StoreThumbnailIn(store, record, thumbnail);
  }
  // The copy in memory is the old thumbnail: the next paint fetches the new one.
  thumbnails.Mark(record, CThumbnailList::kRefreshed);
}

void CSnapstoreDoc::RefreshThumbnails() {
  if (index_path.empty()) return;
  // The command's own store object: the document's result list and current record stay.
  Cdatabase store;
  store.SetFileNames(index_path);
  store.RunQuery(kAllRecordsQuery);
  const int count = store.results.count();
  std::vector<std::optional<CPictureLocation>> locations(static_cast<size_t>(count));
  CKeepOfflineFlag keep(finder);

  // Pictures on fixed disks first; the labels of the media the others are on, each once.
  CProgress progress(front_end_);
  progress.Start(kTitleRefreshingOnline, count);
  std::vector<std::string> labels;
  for (int i = 1; i <= count && !progress.Aborted(); ++i) {
    const int32_t record = store.results[static_cast<size_t>(i - 1)].record;
    std::optional<CPictureLocation>& location = locations[static_cast<size_t>(i - 1)];
    location = store.ReadPictureLocation(record);
    if (location && location->volume_label.empty()) {
      RefreshRecordThumbnail(store, record, *location);
    } else if (location &&
               std::find(labels.begin(), labels.end(), location->volume_label) == labels.end()) {
      labels.push_back(location->volume_label);
    }
    progress.Step(i);
  }

  // Then medium by medium, each once it is inserted.
  if (!progress.Aborted()) {
    progress.Start(kTitleRefreshingOffline, count);
    for (const std::string& label : labels) {
      const VolumeAnswer answer = finder.WaitForVolume(label, CPictureFinder::kAllowSkip);
      if (answer == VolumeAnswer::kSkip) continue;
      if (answer == VolumeAnswer::kAbort) break;
      for (int i = 1; i <= count && !progress.Aborted(); ++i) {
        const std::optional<CPictureLocation>& location = locations[static_cast<size_t>(i - 1)];
        if (location && location->volume_label == label) {
          RefreshRecordThumbnail(store, store.results[static_cast<size_t>(i - 1)].record,
                                 *location);
        }
        progress.Step(i);
      }
      if (progress.Aborted()) break;
    }
  }
  progress.Close();

  db.ReloadCurrent();
  picture_changed = true;
  front_end_.UpdateViews(kHintAll);
}
