// CDirectorySelectModel, the folder picker (CDirectorySelect, dialog 136): a tree of the
// mounted volumes and their folders, "OK", "Cancel" and "New", which creates a folder under
// the selected one (CDlgNewDirModel). The tree is filled lazily: a folder's sub-folders are
// read from the disk when its node is first opened. Hidden folders (a name starting with '.')
// are not listed. The "Browse" buttons of "Move image references" and of the CD folder embed
// it: they set the starting folder, run it and read the chosen folder back after OK.
#pragma once

#include <string>
#include <vector>

#include "base/dialog_model.h"
#include "platform/volumes.h"

class CFrontEnd;

class CDirectorySelectModel : public CDialogModel {
 public:
  // The image list of the tree: ten 16 x 16 icons, by image index.
  enum Image {
    kImageFixedVolume,
    kImageNetworkVolume,
    kImageRemovableVolume,
    kImageCdRomVolume,
    kImageFolder,
    kImageOpenFolder,        // a folder whose node is open
    kImageLinkedFolder,      // a symbolic link to a folder
    kImageOpenLinkedFolder,  // ... whose node is open
    kImageLockedFolder,      // a folder that cannot be read
    kImageHomeFolder,        // the user's home folder
    kImageCount
  };

  struct CNode {
    std::string text;  // what the tree shows: a volume's name or a folder's name
    std::string path;  // the folder
    int image = kImageFolder;
    int open_image = kImageFolder;  // shown while the node is open
    bool has_children = false;      // the node gets a button to open it
  };

  // Both references must outlive the model.
  CDirectorySelectModel(CFrontEnd& front_end, const CVolumeSource& volumes);

  // --- going in ---
  // CD-ROM volumes are roots of the tree.
  bool include_cd_drives = true;
  // Going in: the folder to show selected; coming out after OK: the folder chosen.
  std::string selected_path;

  std::string Title() const override { return "Select directory"; }
  // Reads the roots and walks the starting folder: the folders along the walk are the nodes
  // to open, and the last of them becomes the selection.
  void Open() override;

  // --- the tree ---
  // One node per mounted volume, in path order, with the icon of its kind: fixed, network and
  // removable volumes, and CD-ROM volumes when they are included.
  const std::vector<CNode>& Roots() const { return roots_; }
  // The visible sub-folders of `folder`, sorted by name ignoring case. A sub-folder has a
  // button when it holds a visible sub-folder itself; one that cannot be read has none and
  // the locked icon.
  std::vector<CNode> Children(const std::string& folder) const;
  // The folders of the nodes to open for the starting folder, from its root down: at each
  // level the sub-folder of that name, or when there is none the first whose name matches it
  // ignoring case. The walk ends at the first part that matches no sub-folder; it is empty
  // when no root holds the starting folder.
  const std::vector<std::string>& StartingWalk() const { return walk_; }

  // A node was selected: its folder becomes the selected path.
  void Select(const std::string& folder);
  bool HasSelection() const { return has_selection_; }

  // "New": with a folder selected, the "Create new directory" dialog under it; without,
  // string 304. True when a folder was created (the window then lists the selected node's
  // folders again, with the new one, and keeps the selection).
  bool NewDirectory();

 private:
  std::vector<std::string> Walk(const std::string& start) const;

  CFrontEnd& front_end_;
  const CVolumeSource& volumes_;
  std::vector<CNode> roots_;
  std::vector<std::string> walk_;
  bool has_selection_ = false;
};
