// CPictureFinder: finds a record's picture file on the volumes mounted now, and asks the user
// to insert a medium when a whole volume is needed. Removable media are known by their label
// and may be mounted at another root each time; pictures on fixed disks are retried on every
// fixed and network volume when their disk has moved.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/front_end.h"
#include "platform/insert_volume_dialog_model.h"
#include "platform/volumes.h"

class CPictureFinder {
 public:
  // The bit of WaitForVolume's flags that enables "Skip volume".
  static constexpr int kAllowSkip = 2;

  // Both references must outlive the finder.
  CPictureFinder(CVolumeSource& volumes, CFrontEnd& front_end);

  // Refills the two root lists: removable (CD-ROM volumes first, then removable ones, each in
  // path order) and fixed (fixed and network volumes in path order).
  void ScanDrives();
  const std::vector<std::string>& RemovableRoots() const { return removable_roots_; }
  const std::vector<std::string>& FixedRoots() const { return fixed_roots_; }

  // The picture file of a record: its path as stored and its volume label. With a label, the
  // picture is looked for on every removable volume mounted now with that label, at the
  // volume's root followed by each tail of the stored path, longest first; when no volume
  // carries the label the offline flag is set. Then the stored path itself (as written, then
  // ignoring case), then each fixed root followed by each tail. Returns the path of the file
  // found (a caller that keeps the path replaces it by this one), or nothing. Clears the
  // offline flag first; scans the drives when the fixed list is empty.
  std::optional<std::string> FindPictureFile(const std::string& path, const std::string& label);

  // Set by FindPictureFile when the record's medium is in no drive; the view then shows the
  // placeholder picture.
  bool Offline() const { return offline_; }
  void SetOffline(bool offline) { offline_ = offline; }

  // The volumes mounted now, in path order.
  std::vector<CVolume> Volumes() const { return volumes_.Volumes(); }
  // Where the volumes come from (the folder pickers list them anew when they open).
  const CVolumeSource& volume_source() const { return volumes_; }

  // The label of the volume mounted at `root`; empty when nothing is mounted there.
  std::string VolumeLabel(const std::string& root) const;

  // The label of the removable or CD-ROM volume that holds `path`; empty when the path is on
  // a fixed or network volume or on none.
  std::string RemovableLabelOf(const std::string& path) const;

  // Waits until a removable volume labelled `label` is mounted: kOk when one is (at once or
  // after the user pressed OK in the "Insert volume" dialog), kSkip or kAbort as the user
  // answered. "Skip volume" is offered only when `flags` has kAllowSkip.
  VolumeAnswer WaitForVolume(const std::string& label, int flags);

 private:
  // The removable volumes mounted now, CD-ROM volumes first, each group in path order.
  std::vector<CVolume> RemovableVolumes() const;

  CVolumeSource& volumes_;
  CFrontEnd& front_end_;
  std::vector<std::string> removable_roots_;
  std::vector<std::string> fixed_roots_;
  bool offline_ = false;
};

// Keeps the finder's offline flag as it was for the lifetime of the object: the flag describes
// the current picture (the view shows the placeholder and the path for it), not the pictures
// that thumbnails or printing decode meanwhile.
class CKeepOfflineFlag {
 public:
  explicit CKeepOfflineFlag(CPictureFinder& finder) : finder_(finder), offline_(finder.Offline()) {}
  ~CKeepOfflineFlag() { finder_.SetOffline(offline_); }
  CKeepOfflineFlag(const CKeepOfflineFlag&) = delete;
  CKeepOfflineFlag& operator=(const CKeepOfflineFlag&) = delete;

 private:
  CPictureFinder& finder_;
  bool offline_;
};
