// Cdatabase, the photo-index store: the record table B.acx, the key tree B.kw1, the posting
// blocks B.kw2, the store header B.kw3 and the text blocks B.kw4 of one photo index, with
// the current record through which the rest of the program reads and writes a picture's
// description, and the result list of the last query.
//
// No file stays open between operations: every operation opens the store files, works,
// writes the header if it allocated anything, and closes them. What was read is cached
// across operations while the files stay unchanged.
//
// Errors are values: an operation that meets a damaged file or a failed write stops (no
// further write happens), returns its failure value, and status() holds the message, which
// names the file. Nothing here exits the program or throws.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/status.h"
#include "platform/debug_log.h"
#include "store/cached_file.h"
#include "store/field_text.h"
#include "store/key_node.h"
#include "store/posting_block.h"
#include "store/record_entry.h"
#include "store/result_list.h"
#include "store/store_header.h"
#include "store/store_io.h"
#include "store/text_block.h"
#include "store/text_export_format.h"
#include "store/thumbnail_cache.h"

class CFrontEnd;

// An item of FindByFileName: a file name and up to 50 record numbers (0 = empty slot).
struct CFileNameItem {
  static constexpr int kSlots = 50;
  std::string name;
  std::array<int32_t, kSlots> records{};
};

// The word under which every record is posted, with field code 99.
constexpr const char* kAllRecordsWord = "ZZZWQWQ";
// The query that lists every record.
constexpr const char* kAllRecordsQuery = "99:zzzwqwq";
// How FindByDirectory lists a record number.
constexpr const char* kRecordNumberFormat = "%6.6d";
// Number of searchable-field flags (fields 0 to 254).
constexpr int kSearchableFieldCount = 255;

// Where a record's picture lives, as the record stores it.
struct CPictureLocation {
  std::string image_path;
  std::string volume_label;
};

// The outcome of AddPicture. The numbers are those of the import step's results, which pick
// the import log's line for the picture.
enum class AddResult {
  kDone = 0,
  kDuplicateId = 1,
  kImportedBefore = 2,
  kFailed = -1,  // the store failed; status() tells why
};

// The outcome of UpdateCurrent.
enum class UpdateResult {
  kDone = 1,
  kIdMissing = 0,  // the loaded picture ID is not in the key tree
  kFailed = -1,    // the store failed; status() tells why
};

// ID modes of AddPicture.
constexpr int kIdModeAutomatic = 0;
constexpr int kIdModeFileName = 1;
constexpr int kIdModeFormat = 2;
constexpr const char* kAutomaticIdFormat = "%6.6d";

// Bits of MissingFileFlags.
constexpr int kMissingHeader = 1;
constexpr int kMissingRecordTable = 2;
constexpr int kMissingTextBlocks = 4;
constexpr int kMissingKeyTree = 8;
constexpr int kMissingPostings = 16;

// Modes of SetFieldOfId.
constexpr int kSetFieldAddOrFillBlank = 0;
constexpr int kSetFieldRemoveOrReplace = 1;

class Cdatabase {
 public:
  Cdatabase();
  ~Cdatabase();
  Cdatabase(const Cdatabase&) = delete;
  Cdatabase& operator=(const Cdatabase&) = delete;

  // --- the current record: callers fill or read it and call one operation ---
  CFields fields;  // text fields 0 to 255 (only 0 to 126 are stored)
  std::string image_path;
  std::string volume_label;
  uint8_t quality = 0;
  std::string sort_text;
  int32_t id_counter = 0;  // next number for generated picture IDs

  // The result list of the last query, with the current position.
  CResultList results;

  CStoreHeader header;

  // --- set-up ---
  // Names the index by its main file B.acx; returns the full names of the missing files among
  // B.acx, B.kw1, B.kw2, B.kw3, B.kw4, each followed by "\n" (empty when all exist).
  std::string SetFileNames(const std::string& main_file);
  // Names the index and returns the sum of kMissing* bits of its missing files.
  int MissingFileFlags(const std::string& main_file);
  [[nodiscard]] const std::string& main_file() const { return main_file_; }
  // The name of thumbnail cache file n: B + ".C%2.2d".
  [[nodiscard]] std::string CacheFileName(int file_number) const;

  // The file access to use (default: the machine's files).
  void SetIo(std::shared_ptr<CStoreIo> io);
  // The front end that asks the replace question of AddPicture; without one it is answered No.
  void SetFrontEnd(CFrontEnd* front_end) { front_end_ = front_end; }
  // Opens the store files for reading only (the viewer; an index on a read-only medium).
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  // The separators that split a query (the viewer splits at " ,/.();").
  void SetQuerySeparators(std::string_view separators) { query_separators_ = separators; }
  // Lets postings of a field match plain query words (user-defined fields' simple search).
  void SetSearchableField(int field, bool searchable);
  void ClearSearchableFields();
  // Debug trace: on when the switch is 1; lines go to folder + "/debug.txt".
  void SetTrace(int32_t debug_switch, const std::string& folder);

  // The outcome of the last operation.
  [[nodiscard]] const CStatus& status() const { return status_; }

  // --- files and header ---
  // Creates the five store files of a new, empty index.
  [[nodiscard]] bool CreateFiles();
  // Opens B.acx, B.kw4, B.kw1 and B.kw2 (nested calls share the open files); false with
  // status() set when one cannot be opened. Every OpenFiles needs its CloseFiles.
  [[nodiscard]] bool OpenFiles();
  // Closes the files; the outermost close first flushes the operation's writes (Commit).
  void CloseFiles();
  // Writes the operation's staged writes to the files: the bytes that extend files first,
  // then those inside them, then the header. An operation that failed (status() not ok)
  // writes nothing: its staged writes are discarded. False when nothing or not all could be
  // written. Inside a nested operation it only reports the status.
  bool Commit();
  // Holds the store files open for one operation.
  class COpenFiles {
   public:
    explicit COpenFiles(Cdatabase& db) : db_(db), ok_(db.OpenFiles()) {}
    ~COpenFiles() { db_.CloseFiles(); }
    COpenFiles(const COpenFiles&) = delete;
    COpenFiles& operator=(const COpenFiles&) = delete;
    [[nodiscard]] bool ok() const { return ok_; }

   private:
    Cdatabase& db_;
    bool ok_;
  };
  [[nodiscard]] bool ReadHeader();
  bool WriteHeader();

  // --- raw entries (store files open); reading also makes the entry the current one of its
  // file. A number outside the file is reported as damage. ---
  [[nodiscard]] std::optional<CRecordEntry> ReadRecordEntry(uint32_t n);
  bool WriteRecordEntry(uint32_t n, const CRecordEntry& entry);
  [[nodiscard]] std::optional<CTextBlock> ReadTextBlock(uint32_t n);
  bool WriteTextBlock(uint32_t n, const CTextBlock& block);
  [[nodiscard]] std::optional<CKeyNode> ReadKeyNode(uint32_t n);
  bool WriteKeyNode(uint32_t n, const CKeyNode& node);
  [[nodiscard]] std::optional<CPostingBlock> ReadPostingBlock(uint32_t n);
  bool WritePostingBlock(uint32_t n, const CPostingBlock& block);

  // --- text chains (store files open, header read) ---
  [[nodiscard]] uint32_t WriteTextChain(const std::string& text);
  [[nodiscard]] std::string ReadTextChain(uint32_t block);
  void ReleaseTextChain(uint32_t block);
  [[nodiscard]] uint32_t StoreFieldText();
  void LoadFieldText(uint32_t block);

  // --- record operations ---
  int GoToRecord(int record);
  // Reads entry, image path, volume label and quality (store files open); returns the entry's
  // field-text block.
  uint32_t ReadEntry(uint32_t record);
  void NextEntry();
  void PreviousEntry();
  void FirstEntry();
  void LastEntry();
  void ReloadCurrent();
  // The import step.
  [[nodiscard]] AddResult AddPicture(const std::string& path, int id_mode,
                                     const std::string& id_format);
  // Adds the current record with all its fields; its record number, or 0 on failure.
  [[nodiscard]] int AddCurrentAsNew();
  void AppendRecord();
  [[nodiscard]] UpdateResult UpdateCurrent();
  void DeleteCurrent();
  void DeleteSelected();
  // Sets one field of the record with the ID as the bulk update does; 1 when it changed.
  [[nodiscard]] int SetFieldOfId(const std::string& id, int field, const std::string& value,
                                 int mode);
  [[nodiscard]] int ImportedBefore(const std::string& path, const std::string& label);
  void ImportedInDirectory(const std::string& directory, const std::string& label,
                           std::vector<std::string>& list);
  void FindByFileName(std::vector<CFileNameItem>& items);
  // Appends to `list` the record number ("%6.6d") of every live record whose picture lies in
  // the folder (store/picture_folder_match.h), or with `with_subfolders` below it, in
  // record-number order; the number of entries in `list`. Opens and closes the store files.
  int FindByDirectory(const std::string& directory, std::vector<std::string>& list,
                      bool with_subfolders = false);
  // The record number of the live picture ID, or 0 (opens and closes the store files).
  [[nodiscard]] int RecordOfId(const std::string& id);
  // Whether a live key (picture ID or word) equals the text cut to 19 bytes (opens and closes
  // the store files).
  [[nodiscard]] bool KeyExists(const std::string& key);
  // The record-table entry last read (its sort text and thumbnail location).
  [[nodiscard]] const CRecordEntry& entry() const { return entry_; }
  void Trace(const std::string& message);

  // --- word index (store files open, header read, unless noted) ---
  [[nodiscard]] int FindKey(const std::string& key, uint32_t node);
  int InsertKey(const std::string& key, uint8_t kind, int64_t first, int64_t last, uint32_t count,
                uint8_t unsorted);
  void AddPosting(const std::string& word, uint8_t code);
  void IndexText(int code, const std::string& text);
  // Removes the record's postings with this field code from every word of the text.
  void UnindexText(const std::string& text, uint32_t record, int code);
  void RemovePosting(const std::string& word, uint32_t record, int code);
  [[nodiscard]] std::string DirectoryKey(const std::string& path, const std::string& label) const;
  void ListKeys(const std::string& lower, const std::string& upper, bool ids_only, uint32_t node,
                std::vector<std::string>& list);
  // Opens and closes the store files itself.
  void ListPrefix(const std::string& prefix, std::vector<std::string>& list);
  // Fills the result list; the number of matches (opens and closes the store files).
  int RunQuery(const std::string& query);
  void LookupWord(const std::string& word, std::vector<int32_t>& records);
  void SplitQueryWords(const std::string& text, std::vector<std::string>& list);
  [[nodiscard]] std::string ExpandWildcards(const std::string& query);
  void SortResults();
  // Balances the key tree (store files open, header read; the caller writes the header).
  void RebuildKeyTree();
  [[nodiscard]] int visit_count() const { return visit_count_; }
  struct CRebuildRecord;

  // --- thumbnail cache files B.C01, B.C02, ... (B + ".C%2.2d"; layout in thumbnail_cache.h) ---
  // Each opens and closes the store files itself, unless noted. A cache file that cannot be
  // opened or created is no failure: the record simply has no cached thumbnail.
  //
  // Stores a thumbnail (the picture's pixel block and its header block: 44 bytes or more for
  // 24 bits, 1,068 for 8 bits) as the record's thumbnail in the current cache file, which the
  // header names (re-read first, so that several store objects on one index agree). A new
  // file is begun, and the header saved at once, when there is none yet or its 2000 slots are
  // used up; a damaged current file is left as it is and a new one begun. True when stored;
  // false leaves the record as it was. status() tells why when the store failed (a failed
  // write, a damaged record table) or the cache has used up its last file (255); a free
  // record, an empty picture or a cache file that cannot be made set no status.
  bool StoreThumbnail(ByteSpan pixels, ByteSpan header_block, int record);
  // The record's thumbnail from its cache file; nothing when it has none, or when its cache
  // file is missing or its slot or blob is damaged (the file is left as it is).
  [[nodiscard]] std::optional<CThumbnailBlob> LoadThumbnail(int record);
  // Releases the record's thumbnail (its slot is marked unused, never handed out again) and
  // gives the record none. REQUIRES: the store files are open.
  void DeleteThumbnail(int record);
  // The path and volume label of a live record, without making it the current record.
  [[nodiscard]] std::optional<CPictureLocation> ReadPictureLocation(int record);

  // --- diagnosis ---
  // Writes db_dump.txt in the current folder.
  void DumpStore();

  // --- maintenance: posting order, reindexing, text export and import, format upgrade ---
  // Long operations show the progress dialog through the front end set by SetFrontEnd (none
  // without one). Failures leave their message in status().
  //
  // Orders the posting list of the word at key-tree node `node` by picture ID and drops its
  // holes, when the node is a live word marked unsorted whose count is from 2 to `limit`;
  // 1 when it was sorted, else 0. Nodes from the header's next-node number on lie outside
  // the tree and are left alone. Opens and closes the store files itself.
  int SortPostings(uint32_t node, int64_t limit);
  // 10 times the number of blocks of the posting list starting at `first` (store files open).
  [[nodiscard]] int64_t CountPostings(uint32_t first);
  // The "Sort Photo Index" command: SortPostings with `limit` for node numbers 1 to the
  // header's next-node number, under the progress dialog "Sorting photo index...", until
  // "Abort" is pressed. The number of lists sorted.
  int SortAllPostings(int64_t limit = kSortCommandLimit);
  // Throws the word index (B.kw1, B.kw2) away and builds it again from the record table and
  // the text blocks, which stay as they are, after copying B.kw1 to B.tmp1 and B.kw2 to B.tmp2
  // (copies left by an earlier reindex are kept). Every rebuilt list is marked unsorted.
  [[nodiscard]] bool ReindexStore();
  // Writes the definitions as "UDF:" lines, then the records of the result list, to a text
  // export with "\r\n" line ends; the number of records written (0 when the file cannot be
  // created). Records that cannot be read are skipped; status() names the first.
  int ExportText(const std::string& file, const std::vector<CExportDefinition>& definitions);
  // Adds the records of a text export whose picture IDs the index does not hold yet, appends
  // the category words it meets to `categories` (each once) and its field definitions to
  // `definitions`, and rebuilds the key tree once; the number of records added (0 when the file
  // cannot be opened).
  int ImportText(const std::string& file, std::vector<std::string>& categories,
                 std::vector<CExportDefinition>& definitions);
  // Deletes the oldest text export of the index with this main file when it has more than
  // `keep`; at most one per call. True when one was deleted.
  static bool RemoveOldExports(const std::string& main_file, int keep);
  // The text export of the index whose path sorts last; empty when there is none.
  [[nodiscard]] static std::string NewestExport(const std::string& main_file);
  // Moves the store files aside (each name + "old", replacing older ones), creates new ones and
  // imports the newest text export into them; an index without export stays empty. When the new
  // files cannot be made, the old ones are put back.
  [[nodiscard]] bool UpgradeStore();
  static constexpr int64_t kSortCommandLimit = 10000;
  static constexpr int64_t kIdleSortLimit = 200000;

 private:
  friend class CStoreChecker;

  // Derived caches, trusted while the files they come from are unchanged.
  // The stored paths (lower-cased, without drive prefix) of the records posted under one
  // directory key, with how often each is posted: whether a file was imported before is one
  // look-up instead of reading every record of its folder.
  struct CFolderMemo {
    std::unordered_map<std::string, uint32_t> tails;
  };
  struct CPostingLocator {
    std::unordered_multimap<uint32_t, uint32_t> blocks;  // record -> block
  };

  bool Fail(CStatus status);
  bool WriteHeaderNow();
  bool Damaged(const CCachedFile& file, const std::string& detail);
  bool WriteFailed(const CCachedFile& file);
  bool WriteBytes(CCachedFile& file, uint64_t offset, ByteSpan data);
  uint32_t EntryCount(const CCachedFile& file, size_t entry_size) const;
  bool CheckEntryNumber(const CCachedFile& file, size_t entry_size, uint32_t n, const char* what);
  void ResetOperation();

  // Growth of the files with a free chain.
  bool GrowFile(CCachedFile& file, int32_t& mark, size_t entry_size, const char* what);
  void GrowRecordTableIfNeeded();
  void GrowPostingsIfNeeded();
  void GrowTextBlocksIfNeeded();
  uint32_t TakeFreeRecord();
  uint32_t TakeFreePostingBlock();

  // The rebuild of a tree whose keys are out of order: the nodes `order` (in the key file's
  // bytes) inserted one by one.
  void RebuildKeyTreeByInsertion(const std::vector<uint32_t>& order, const uint8_t* bytes);
  // InsertKey after its lookup: `found` is FindKey's result for the cut key.
  int InsertFoundKey(int found, const std::string& key, uint8_t kind, int64_t first, int64_t last,
                     uint32_t count, uint8_t unsorted);
  // AddPicture for an ID that exists: asks before pointing its record at the new path.
  AddResult ReplacePicture(uint32_t found, const std::string& path);
  std::string StoredPathOf(uint32_t record, uint32_t* path_link);
  std::string PathTailOf(uint32_t record);
  // Posts the current record under the directory key of its path, or removes the record's
  // posting under the key of its stored path, keeping the folder memos up to date.
  void PostDirectoryKey(const std::string& path, const std::string& label);
  void UnpostDirectoryKey(const std::string& stored_path, const std::string& label,
                          uint32_t record);
  void RemoveIdNode(const std::string& id, uint32_t record);
  // Makes the record the current one (store files open); a free entry gives an empty record
  // and a refusal.
  void LoadRecord(uint32_t record);
  void ReadCurrentResult();
  // The record of a live picture ID (store files open), or 0.
  uint32_t IdRecord(const std::string& id);
  // Calls visit(block number, block) for every block of the posting list from `first`; false
  // (with the damage reported) when the list leaves the file or runs in a circle, or when
  // visit returns false.
  template <typename Visit>
  bool ForEachPostingBlock(uint32_t first, Visit visit);
  // Calls visit(record number, stored image path) for every live record below the growth mark
  // (store files open, header read).
  void ForEachLivePath(const std::function<void(uint32_t, const std::string&)>& visit);
  bool IdTaken(const std::string& id);
  std::string PictureIdOf(uint32_t record);
  void PostingLocatorAdd(uint32_t first, uint32_t record, uint32_t block);
  CPostingLocator* PostingLocatorFor(const CKeyNode& node, uint32_t list_length_hint);
  void DropDerivedCaches();
  // The entry of a record number that may lie outside the table (store files open).
  [[nodiscard]] std::optional<CRecordEntry> ReadEntryIfAny(int record);
  // Opens the current cache file for writing when it can take a blob of this size, else
  // begins a new one; false when there is none to write to.
  bool OpenCurrentCacheFile(CCacheFile& file, uint64_t blob_size);
  bool BeginCacheFile(CCacheFile& file, uint64_t blob_size);
  bool CacheWriteFailed(const std::string& path);
  void CheckDerivedCaches();

  // File names.
  std::string main_file_;
  std::string base_;
  std::string key_file_name_;
  std::string posting_file_name_;
  std::string header_file_name_;
  std::string text_file_name_;
  std::string cache_pattern_;

  std::shared_ptr<CStoreIo> io_;
  CCachedFile record_file_;
  CCachedFile text_file_;
  CCachedFile key_file_;
  CCachedFile posting_file_;
  int open_depth_ = 0;
  bool read_only_ = false;

  CFields loaded_fields_;
  uint32_t field_text_start_ = 0;
  uint32_t current_record_ = 0;
  uint32_t last_chain_start_ = 0;
  uint32_t current_node_ = 0;
  uint32_t current_block_ = 0;
  int visit_count_ = 0;
  int32_t lookup_count_ = 0;
  CRecordEntry entry_;  // the record-table entry last read or about to be written

  std::array<int32_t, kSearchableFieldCount> searchable_{};
  std::string query_separators_;
  CDebugLog trace_;
  CFrontEnd* front_end_ = nullptr;
  CStatus status_;

  std::unordered_map<uint32_t, CFolderMemo> folder_memos_;          // by first block
  std::unordered_map<uint32_t, CPostingLocator> posting_locators_;  // by first block
  bool posting_writes_tracked_ = false;
  bool path_writes_tracked_ = false;
  uint32_t last_word_first_ = 0;     // first block of the word last posted to or removed from
  uint32_t last_removed_count_ = 0;  // postings zeroed by the last RemovePosting
  bool header_dirty_ = false;
  std::vector<uint8_t> rebuild_buffer_;
  uint64_t memo_epochs_[2] = {0, 0};
  uint64_t locator_epoch_ = 0;
};
