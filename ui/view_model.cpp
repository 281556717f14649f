#include "ui/view_model.h"

#include <algorithm>

#include "app/document.h"
#include "base/string_printf.h"
#include "store/field_text.h"
#include "ui/picture_layout.h"

namespace {

// Fields cleared while the result list is empty.
constexpr int kClearedFields = 15;
// The entry texts the strip reads: ID, When, Where, Description; the path goes after them.
constexpr int kEntryFields = 4;
constexpr int kEntryPathText = 4;
constexpr const char* kPictureStatusFormat = "%s   (%dx%d)";

void ReadEntryTexts(Cdatabase& db, CPictureInfo& entry) {
  db.GoToRecord(entry.record);
  if (!db.status().ok()) return;
  for (int field = 0; field < kEntryFields; ++field) entry.texts[field] = db.fields[field];
  entry.texts[kEntryPathText] = db.image_path;
  entry.texts_read = true;
}

void RestoreCurrentRecord(CSnapstoreDoc& doc) {
  Cdatabase& db = doc.db;
  if (db.results.position() >= 1) db.GoToRecord(db.results.CurrentRecord());
}

}  // namespace

CStripGeometry StripGeometryOf(const CSnapstoreDoc& doc) {
  const CSettings& s = doc.settings;
  return {NormalisedViewMode(s.ViewMode), s.Thumbsize,
          StripWidth(s.ViewMode, s.Thumbsize, s.Thumbsviewsize), doc.view_height};
}

bool StripShown(const CSnapstoreDoc& doc) { return doc.settings.Thumbnails != 0; }

int ShownStripWidth(const CSnapstoreDoc& doc) {
  return StripShown(doc) ? StripGeometryOf(doc).strip_width : 0;
}

CRect StripRegion(const CSnapstoreDoc& doc) {
  return StripShown(doc) ? CRect{0, 0, ShownStripWidth(doc), doc.view_height} : CRect{};
}

CRect PictureAreaOf(const CSnapstoreDoc& doc) {
  return PictureArea(StripGeometryOf(doc).strip_width, StripShown(doc), doc.view_width,
                     doc.view_height);
}

CRect PictureRegion(const CSnapstoreDoc& doc) {
  return {ShownStripWidth(doc), 0, doc.view_width, doc.view_height};
}

void PrepareViewPaint(CSnapstoreDoc& doc) {
  if (doc.db.results.count() > 0) return;
  doc.db.image_path.clear();
  for (int field = 0; field < kClearedFields; ++field) doc.db.fields[field].clear();
}

std::vector<CStripPageCell> PrepareStripPage(CSnapstoreDoc& doc) {
  doc.visible_cells.clear();
  std::vector<CStripPageCell> page;
  Cdatabase& db = doc.db;
  if (db.results.empty()) return page;

  std::vector<CStripCell> cells =
      StripCells(StripGeometryOf(doc), db.results.count(), doc.first_visible);
  if (cells.size() > kMaxPaintedCells) cells.resize(kMaxPaintedCells);
  doc.visible_cells.resize(cells.size());
  bool read_records = false;
  {
    Cdatabase::COpenFiles files(db);  // one opening of the store for the whole page
    for (size_t i = 0; i < cells.size(); ++i) {
      CPictureInfo& entry = db.results[static_cast<size_t>(cells[i].entry)];
      if (entry.record < 1) continue;
      if (!entry.texts_read && files.ok()) {
        ReadEntryTexts(db, entry);
        read_records = true;
      }
      CStripPageCell cell;
      cell.cell = cells[i];
      cell.record = entry.record;
      cell.selected = entry.selected != 0;
      cell.current = cells[i].entry + 1 == db.results.position();
      cell.entry = &entry;
      doc.visible_cells[i] = {cells[i].rect, entry.record};
      page.push_back(cell);
    }
  }
  if (read_records) RestoreCurrentRecord(doc);
  return page;
}

std::string CaptionOf(const CSnapstoreDoc& doc) {
  std::vector<std::string> lines;
  for (int field : {kFieldId, kFieldWhen, kFieldWhere, kFieldDescription}) {
    lines.push_back(doc.db.fields[field]);
  }
  for (const CUserDefFields& definition : doc.state.definitions) {
    if (!definition.display) continue;
    const int field = definition.ValueField();
    lines.push_back(field >= 0 && field < kFieldCount ? doc.db.fields[field] : std::string());
  }
  return CaptionText(lines);
}

std::string PictureStatusText(const std::string& path, int width, int height) {
  return StringPrintf(kPictureStatusFormat, path.c_str(), width, height);
}
