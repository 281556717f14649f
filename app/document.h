// CSnapstoreDoc, the archiver's single document: it owns the open photo index (the store, the
// per-index state kept beside it, the user's place in the result list), every setting of the
// settings file, and the finder of picture files on the mounted media. Its commands are
// carried out by number, whichever menu item, toolbar button, key or context menu sent them;
// everything it shows or asks goes through the front end.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "app/annotation_defaults.h"
#include "app/command_target.h"
#include "app/document_state.h"
#include "app/idle_sort_pass.h"
#include "app/settings.h"
#include "app/settings_file.h"
#include "base/front_end.h"
#include "base/rect.h"
#include "imaging/picture.h"
#include "imaging/thumbnail_list.h"
#include "import/move_references.h"
#include "platform/picture_finder.h"
#include "publish/web_album.h"
#include "store/database.h"

class CImport2Model;
class CInfoDisplayModel;
class CVolumeSource;
struct CDecodedPicture;

// A thumbnail cell of the strip as last painted, and the record it shows.
struct CVisibleCell {
  CRect rect;
  int32_t record = 0;
};

// What the description editor did.
enum class AnnotateResult {
  kCancelled,  // the editor was cancelled: nothing changed
  kStored,     // the record was stored with the editor's values
  kNotStored,  // the store refused or failed to update the record (the user was told)
};

// What an "Add pictures" command did.
struct CImportOutcome {
  bool ran = false;           // the import dialog was answered with IMPORT
  int total = 0;              // files in the work list
  int imported = 0;           // records written
  bool store_failed = false;  // the store failed and the import stopped (the user was told)
};

// What a "Create web pages" command did.
struct CWebAlbumOutcome {
  bool ran = false;  // the pages were begun (the dialog and the question were answered)
  CWebAlbumResult result;
};

struct CDocumentOptions {
  // Write the settings back when the document goes (the archiver); the command line leaves
  // the settings file as it is.
  bool write_settings = true;
  // Open this photo index instead of the one the File setting names.
  std::optional<std::string> index_path;
  // Where the result-list files live; empty: the session's temporary folder.
  std::string temp_folder;
  // An import and a web album decode the next pictures on a worker thread while this thread
  // writes, when the machine has more than one core.
  bool decode_worker = true;
};

class CSnapstoreDoc : public CCommandTarget {
 public:
  // The store format this program reads and writes.
  static constexpr int32_t kStoreFormatVersion = 14;
  // The painter keeps at most this many cells of the strip.
  static constexpr size_t kMaxVisibleCells = 151;

  // Reads every setting, opens the last photo index (reporting missing store files), reads
  // its state files and scans the drives. All three references must outlive the document.
  CSnapstoreDoc(CFrontEnd& front_end, CVolumeSource& volumes, CSettingsFile settings_file,
                CDocumentOptions options = {});
  // Closes the index (state files, backup export when it was changed, thinning of old
  // backups) and writes the settings back.
  ~CSnapstoreDoc() override;
  CSnapstoreDoc(const CSnapstoreDoc&) = delete;
  CSnapstoreDoc& operator=(const CSnapstoreDoc&) = delete;

  // --- the document's fields ---
  CSettings settings;
  Cdatabase db;
  std::string index_path;          // the open main file; empty when none
  std::string title_text;          // the index path, or "*** ERROR ***" after missing store files
  bool modified = false;           // the index was changed: a backup export is written at close
  bool picture_changed = false;    // the view must load the current record's picture again
  int32_t first_visible = 1;       // position of the strip's first thumbnail
  std::string record_status_text;  // "Record: %d/%d", status pane 1
  // The search bar: its text and its selected category, which the GUI shows and hands back.
  std::string search_words;
  std::string search_category;     // "ALL" unless a category is chosen
  CDocumentState state;            // categories, locations, field definitions, counters, CSV data
  CAnnotationDefaults annotation;  // what the description editor remembers during the run
  CPictureFinder finder;
  CPicture picture;  // the current picture: the one slot every picture is decoded into
  // Decoded thumbnails for the strip; the painter draws entry FetchThumbnail(record).
  CThumbnailList thumbnails;
  // Filled by the view.
  int32_t view_width = 0;
  int32_t view_height = 0;
  int32_t context_menu_x = 0;
  int32_t context_menu_y = 0;
  std::vector<CVisibleCell> visible_cells;

  bool Offline() const { return finder.Offline(); }
  const std::string& StateFilePathName() const { return state_file_path_; }

  // --- CCommandTarget ---
  bool OnCommand(int command) override;
  std::optional<CCommandUi> CommandUi(int command) const override;

  // --- the photo index's life ---
  // "Select Photo Index...": a file dialog, then OpenIndexPath.
  void OpenIndex();
  // Opens the index at `path`: store file names, the missing-files check, the format check
  // (the upgrade prompt), the state files; the views are updated. False when store files
  // are missing (the index stays selected with the title "*** ERROR ***").
  bool OpenIndexPath(const std::string& path);
  // "New Photo Index...": a file dialog until a new name is chosen, then a new index. True
  // when one was created.
  bool CreateIndex();
  // The first-start dialog, offered once per run when no index is open.
  void RunFirstStart();
  // The format check of the open index: an index of another store format version is
  // upgraded when the user agrees (refusing ends the program). Nothing without an index or
  // after missing store files.
  void CheckStoreFormat();
  // Saves the state files, writes the backup export when the index was changed and thins
  // old backups. Runs once; the destructor calls it.
  void Close();
  // Forgets the open index without touching its files (the command line after F-0001).
  void Abandon();

  // --- state files ---
  void SaveDocumentState();
  void ReadDocumentState();

  // Decodes a record's picture file into the current picture, found on the mounted media
  // (which sets the offline flag when its medium is away), reduced towards the box and with
  // the Gamma setting when asked; 1 when a picture was decoded, else 0.
  int LoadPicture(const std::string& path, const std::string& volume_label, int width, int height,
                  bool apply_gamma);

  // --- thumbnails ---
  // FetchThumbnail's answer when the record has no thumbnail to draw (its picture could be
  // neither loaded from the cache nor decoded although its medium is mounted).
  static constexpr int kNoThumbnail = -1;
  // The picture shown for a record whose medium is away, in the InstallPath folder.
  static constexpr const char* kPlaceholderPictureName = "cd_missing.jpg";
  std::string PlaceholderPicturePath() const;
  // The index in `thumbnails` of the record's thumbnail: from the memory list, else from the
  // cache files, else decoded from the picture file (and kept in the current cache file);
  // CThumbnailList::kPlaceholderIndex for a record whose medium is away and that has no
  // cached thumbnail (that entry is empty when the placeholder file is missing); kNoThumbnail
  // otherwise. Thumbnails in memory carry the Gamma setting; the cache files never do.
  // Leaves the current record, the current picture and the offline flag as they were, and
  // shows no message (it runs while painting).
  int FetchThumbnail(int32_t record);
  // The record's picture changed or went: its thumbnail in memory is never shown again.
  void ForgetThumbnail(int32_t record);
  // Releases every thumbnail in memory, the placeholder included (an index is opened or made).
  void ClearThumbnails();
  // "Refresh thumbnail" on the thumbnail under the last context-menu point: its cached
  // thumbnail is released, so that the next paint makes it again from the picture file.
  void RefreshThumbnail();
  // "Refresh thumbnails...": makes every record's thumbnail again from its picture file, first
  // those on fixed disks, then medium by medium, asking for each medium to be inserted (it
  // may be skipped); under the progress dialog, whose "Abort" ends the command.
  void RefreshThumbnails();
  // Keeps `thumbnail` (a picture decoded for the Thumbsize box, without gamma) as the record's
  // thumbnail in the cache files (the import calls it). A cache that cannot take it is
  // reported once per open index; false when it was not kept.
  bool StoreThumbnail(int32_t record, const CPicture& thumbnail);

  // --- the current record ---
  void NextRecord();
  void PreviousRecord();
  void FirstRecord();
  void LastRecord();
  void SelectAll();
  void DeselectAll();
  // The delete dialog and the deletion. `from_context_menu`: the thumbnail under the last
  // context-menu point instead of the current picture.
  void DeletePicture(bool from_context_menu);
  void EditImage();
  // "Record: %d/%d" with the current position and the count.
  void RefreshRecordStatus();

  // --- describing pictures ---
  // "Annotate...": the description editor over the current record; on OK the record is
  // stored with its values (the index is then changed), the strip and the caption show them,
  // and the idle sort pass starts over. REQUIRES: a current record.
  AnnotateResult Annotate();
  // "Add to category...": the "Select category" dialog for the picture under the last
  // context-menu point when it lies on a thumbnail, else for the current picture; on OK the
  // picture's categories are stored. The current record stays the current picture's.
  void AddToCategory();

  // --- maintenance commands ---
  void SortIndex();
  // Clears the search, rebuilds the word index and sorts it.
  void ReorganiseIndex();
  void DumpIndex();
  void ExportIndex();
  void ImportIndex();
  // Exports the current result list to a text export; the number of records written.
  int ExportTo(const std::string& path);
  // Imports a text export (new records, category names, field definitions); the number of
  // records added. Marks the index changed.
  int ImportFrom(const std::string& path);
  // --- adding pictures ---
  // "Add pictures" (commands 32771, 32805): the import dialog, then every chosen picture added
  // with its thumbnail and date, the import log shown, and the imported pictures made the
  // result list.
  CImportOutcome AddPictures();

  // --- moving image references ---
  // "Move image reference..." (command 32835): the "Move image references" dialog, then every
  // picture of the old folder whose file is now in the new folder pointed at it, with the log
  // shown; the index counts as changed once the user agreed. At the end the current record is
  // the current picture again.
  CMoveOutcome MoveImageReferences();

  // --- publishing ---
  // "Create web pages..." (commands 32820, 32832): the next run number of WebFileCounter
  // (given back when the dialog is cancelled), or `run` when one is given; the "Generate web
  // pages" dialog; the records of the chosen category or the marked ones of the current list,
  // after a question; the pages and pictures in the folder "html" beside the index, and the log
  // of the records left out. The current picture and record are those from before.
  CWebAlbumOutcome GenerateWebAlbum(std::optional<int> run = std::nullopt);

  // --- search ---
  // "Find" on the search bar (command 1028) with the bar's text and category, which become
  // the bar's state: the words with " +C:CATEGORY" unless the category is "ALL"; empty words
  // with "ALL" list every picture. The strip starts again at its first picture.
  void FindFromBar(const std::string& words, const std::string& category);
  // The "Search" dialog (command 32776): the query as typed; the strip keeps its place.
  void SearchWithDialog();
  // "Clear" (command 1029): the bar emptied with "ALL" chosen, the result list emptied, the
  // offline flag cleared.
  void ClearSearch();
  // The query of the search bar's words and category.
  static std::string BarQuery(const std::string& words, const std::string& category);
  // The backup export that closing a changed index writes: the index path without its
  // extension, "_", the date as YYYYMMDD, ".exp".
  std::string BackupExportPath(std::time_t when) const;

  // --- picture information ---
  // The picture information dialog of the current record, not yet opened: the record's pairs
  // and what its picture file says, the file found on its medium as a picture is found for
  // the view. When the file cannot be read (no medium, no file, not a picture) the record's
  // own pairs only, with a status text that says why. Leaves the offline flag as it was.
  CInfoDisplayModel PictureInfo();
  // "Picture information" (command 32853): the dialog over PictureInfo, for the current
  // record; nothing without one.
  void ShowPictureInfo();

  // --- the idle pass ---
  // Runs the idle sort steps; true while work is left.
  bool RunIdleSteps() { return idle_pass_.RunSteps(); }
  const CIdleSortPass& IdlePass() const { return idle_pass_; }

  // The entries of the search bar's category box: "ALL", "TO_BE_DESCRIBED", then the index's
  // categories in capitals.
  std::vector<std::string> CategoryChoices() const;

  CFrontEnd& front_end() { return front_end_; }

 private:
  int LoadPictureInto(CPicture& target, const std::string& path, const std::string& volume_label,
                      int width, int height, bool apply_gamma);
  // The cell of the visible-cells table under the last context-menu point.
  std::optional<size_t> CellAtContextPoint() const;
  bool StoreThumbnailIn(Cdatabase& store, int32_t record, const CPicture& thumbnail);
  // RefreshThumbnails' work on one record, through the command's own store object.
  void RefreshRecordThumbnail(Cdatabase& store, int32_t record, const CPictureLocation& location);
  void ApplyStoreSettings();
  void ShowMissingFiles(const std::string& missing);
  void UpgradePrompt();
  // Step 5 of creating an index, run after OK and Cancel alike.
  void AfterCreate();
  void CreateAt(const std::string& path);
  void RefillCategoryChoices();
  void ShowStoreFailure();
  // UpdateCurrent for an edited current record; a refusal or a failure is told (a damaged
  // index entry offers to reorganise the index) and the record is read again as it is
  // stored. True when it was stored.
  bool UpdateCurrentRecord();
  // The import of the dialog's selection: the work list, the loop over it, the log.
  CImportOutcome ImportSelection(CImport2Model& dialog);
  // Writes the thumbnail and the When text of a picture the import has just added.
  bool StoreDecodedPicture(int32_t record, const CDecodedPicture& decoded);
  // The imported pictures as the new result list.
  void ShowImportedPictures();
  // Runs a query with the status texts; the number of matches.
  int RunSearchQuery(const std::string& query);
  // A search's query under the wait cursor, and its matches shown; `from_bar`: the strip
  // starts again at its first picture.
  void ShowSearch(const std::string& query, bool from_bar);
  // Removes the result entry at the 0-based index.
  void RemoveResultEntry(size_t index);
  void SetViewMode(int mode);
  void ToggleStrip();
  int VisibleThumbnails() const;

  CFrontEnd& front_end_;
  CSettingsFile settings_file_;
  CDocumentOptions options_;
  std::string temp_folder_;
  std::string state_file_path_;
  CIdleSortPass idle_pass_;
  bool first_start_offered_ = false;
  bool closed_ = false;
  bool thumbnail_failure_shown_ = false;  // for the open index
};
