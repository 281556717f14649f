// CImport2Model: the rules of the "Import pictures" dialog (CImport2), which the GUI only
// shows. The user browses the volumes and their folders in a tree, sees the pictures of the
// current folder in a list (optionally with those already in the photo index), selects files
// and folders, chooses how picture IDs are made and sets the import options. On IMPORT the
// model turns the list's selection into paths, checks the ID format mask and builds the ID
// format and start number from it; the import then expands each selected path into work-list
// items.
//
// The caller sets the options and the folder before the dialog runs and reads them back, with
// the selected paths, the ID format and the start number, after OK.
#pragma once

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/dialog_model.h"
#include "import/picture_folder.h"
#include "import/work_list.h"
#include "platform/debug_log.h"

class CFrontEnd;
class CPictureFinder;
class Cdatabase;

class CImport2Model : public CDialogModel {
 public:
  // Image indices, shared by the tree and the list.
  static constexpr int kImageFolder = 0;              // list: a folder without pictures
  static constexpr int kImageFolderWithPictures = 1;  // list: a folder that holds pictures
  static constexpr int kImageTreeFolder = 2;
  static constexpr int kImageTreeFolderWithPictures = 3;
  static constexpr int kImageFixedVolume = 4;  // fixed or network volume
  static constexpr int kImageCdRomVolume = 5;
  static constexpr int kImageRemovableVolume = 6;
  static constexpr int kImagePicture = 7;  // not yet imported
  static constexpr int kImageParent = 8;   // the ".." entry
  static constexpr int kImageImportedPicture = 9;

  // ID modes (the radio buttons 1013, 1014, 1072).
  static constexpr int kIdModeUnset = -1;
  // The mask edit takes at most this many characters.
  static constexpr size_t kMaxMaskLength = 19;

  struct CTreeItem {
    std::string text;  // a volume's root, or a folder's name
    std::string path;  // the folder's full path
    int image = 0;
    bool has_children = false;  // the item gets a button to open it
  };

  struct CListItem {
    std::string name;
    int image = 0;
    bool selected = false;
    bool IsFolder() const { return image <= kImageFolderWithPictures || image == kImageParent; }
  };

  // What a double-click in the list did.
  enum class Opened { kNothing, kParent, kFolder };

  // The references must outlive the model.
  CImport2Model(CFrontEnd& front_end, Cdatabase& db, const CPictureFinder& finder,
                CDebugLog debug_log = {});
  CImport2Model(const CImport2Model&) = delete;
  CImport2Model& operator=(const CImport2Model&) = delete;

  // --- set by the caller before the dialog runs, read back after OK ---
  int id_mode = kIdModeUnset;
  int to_be_described = 0;  // assign the category TO_BE_DESCRIBED
  std::string format_mask;  // at most kMaxMaskLength characters (see SetFormatMask)
  int show_imported = 0;    // list the pictures already in the photo index
  int include_subdirs = 0;  // expand selected folders with everything below them
  int make_thumbnails = 0;  // decode each picture for its thumbnail and date
  std::string directory;    // the folder whose files the list shows
  // --- set on OK ---
  int start_number = 0;
  std::string id_format;  // built from the mask when the ID mode is 2
  std::vector<std::string> selected_paths;
  // Numbers the folders met while expanding the selection: the work list's group numbers.
  int directory_counter = 1;

  // --- what the command line answers beyond the dialog ---
  // Each selected path takes the next number of the folder counter, so that the paths are
  // imported in the order given; the dialog leaves it off (its single files share group 1 and
  // go in path order).
  bool keep_selection_order = false;
  // The volume label stored with every picture instead of that of its medium.
  std::optional<std::string> volume_label;
  // The category assigned when `to_be_described` is on.
  std::string category;

  // --- the dialog's life ---
  std::string Title() const override { return "Import pictures"; }
  // Fills the list for the current folder. The GUI then opens the tree along TreePathOf.
  void Open() override;
  // OK ("IMPORT"): BuildSelection, then CheckIdFormat; false keeps the dialog open with the
  // user's input. True releases the imported-file set.
  bool Accept() override;
  // Steps 1 and 2 of OK: the selected paths from the list's selection; with nothing selected,
  // string 136 asks whether to import everything listed (Yes selects every item). False when
  // the user answered No.
  bool BuildSelection();
  // Steps 3 and 4 of OK: start number 0; in ID mode 2 the mask's checks, each refusal shown
  // as a message, and the ID format and start number built from it. False when refused.
  bool CheckIdFormat();
  // Cancel: releases the imported-file set.
  void Cancel() override;

  // --- the tree ---
  // The mounted volumes in path order, with images 4, 5 and 6 by kind.
  std::vector<CTreeItem> TreeRoots() const;
  // The folders in `folder`, sorted by name, with image 3 when they hold pictures, else 2.
  std::vector<CTreeItem> TreeChildren(const std::string& folder) const;
  // The paths of the tree items to open, from the volume root that holds `folder` down to
  // `folder` itself; empty when no volume holds it.
  std::vector<std::string> TreePathOf(const std::string& folder) const;
  // A tree item was selected: its folder becomes the current one and the list is refilled.
  void SelectFolder(const std::string& folder);

  // --- the list ---
  const std::vector<CListItem>& Items() const { return items_; }
  void SetSelected(size_t index, bool selected);
  // Selects the items with these names (a test's or a script's click); false when one is not
  // listed.
  bool SelectNames(const std::vector<std::string>& names);
  // Ctrl+A: every item from the second one on (the first, normally "..", is left out).
  void SelectAllFromSecond();
  // Refills the list for the current folder: the imported-file set of the folder, its
  // sub-folders (".." first in sorting), then its pictures, sorted by name ignoring case.
  void RefillList();
  // "Show already imported files" was clicked.
  void SetShowImported(int show);
  // A double-click: ".." makes the parent folder current, a folder that folder (the GUI then
  // opens the tree along it and clears its selection); a file does nothing.
  Opened OpenItem(size_t index);

  // --- the mask edit ---
  bool MaskEnabled() const { return id_mode == 2; }
  // The text typed into the mask edit, cut to kMaxMaskLength characters.
  void SetFormatMask(const std::string& mask);

  // --- the expansion of one selected path into the work list ---
  // A folder contributes only when subfolders are included: it takes the next number of the
  // folder counter as its group; its entries are visited in name order, each sub-folder taking
  // the next number and expanded in turn, each file whose name's last three characters are
  // "JPG" or "TIF" added with the folder's group. Any other path is added with `group`.
  // Returns 1.
  int Expand(CWorkList& work_list, const std::string& path, int group);

  // Whether the imported-file set holds the file (for the list's image 9).
  bool IsImported(const std::string& file_path) const;

 private:
  std::string CurrentFolderWithSlash() const;
  void ExpandFolder(CWorkList& work_list, const std::string& folder,
                    std::unordered_set<CFolderIdentity, CFolderIdentityHash>& visited);
  void Trace(const std::string& message) const;

  CFrontEnd& front_end_;
  Cdatabase& db_;
  const CPictureFinder& finder_;
  CDebugLog debug_log_;
  std::vector<CListItem> items_;
  // The stored paths of the current folder's pictures, lower-cased, without their first
  // character.
  std::unordered_set<std::string> imported_;
};
