// Volumes: the mounted file systems that pictures live on, with their kind and label. The
// source is injectable, so tests and end-to-end runs can insert, move and remove media.
#pragma once

#include <memory>
#include <string>
#include <vector>

enum class VolumeKind { kFixed, kNetwork, kCdRom, kRemovable };

struct CVolume {
  std::string root;  // mount point, without a trailing '/' (except "/" itself)
  VolumeKind kind = VolumeKind::kFixed;
  std::string label;  // file-system label; empty when it has none

  bool operator==(const CVolume&) const = default;
};

// Lists the volumes now mounted, sorted by root ("path order").
class CVolumeSource {
 public:
  virtual ~CVolumeSource() = default;
  virtual std::vector<CVolume> Volumes() const = 0;
};

// The machine's real mounts: /proc/self/mountinfo without pseudo and virtual file systems,
// kinds from the file-system type and /sys/class/block, labels from /dev/disk/by-label.
// The three folders are parameters so that tests can hand in a fake tree.
class CMountInfoVolumeSource : public CVolumeSource {
 public:
  CMountInfoVolumeSource(std::string mountinfo_path = "/proc/self/mountinfo",
                         std::string sys_block_dir = "/sys/class/block",
                         std::string by_label_dir = "/dev/disk/by-label");
  std::vector<CVolume> Volumes() const override;

 private:
  std::string mountinfo_path_;
  std::string sys_block_dir_;
  std::string by_label_dir_;
};

// A volume table file: one volume a line, "root<TAB>kind<TAB>label", kind one of fixed,
// network, cdrom, removable. Read anew on every call, so a test can mount and unmount media
// while a program runs. Blank lines and lines starting with '#' are skipped.
class CTableVolumeSource : public CVolumeSource {
 public:
  explicit CTableVolumeSource(std::string table_path);
  std::vector<CVolume> Volumes() const override;

 private:
  std::string table_path_;
};

// A list held in memory, for tests.
class CListVolumeSource : public CVolumeSource {
 public:
  CListVolumeSource() = default;
  explicit CListVolumeSource(std::vector<CVolume> volumes) : volumes_(std::move(volumes)) {}
  std::vector<CVolume> Volumes() const override;
  void Set(std::vector<CVolume> volumes) { volumes_ = std::move(volumes); }

 private:
  std::vector<CVolume> volumes_;
};

// The table named by $ALBUMCRAFT_VOLUMES when it is set, else the real mounts.
std::unique_ptr<CVolumeSource> MakeDefaultVolumeSource();

// The label text of a /dev/disk/by-label entry: "\x20" and the other "\xHH" escapes decoded.
std::string UnescapeDeviceLabel(const std::string& name);

// The volume whose root is the longest prefix of `path` (path components compared exactly);
// null when none holds it.
const CVolume* VolumeOfPath(const std::vector<CVolume>& volumes, const std::string& path);

// How a volume is named in the trees of the import dialog and the folder pickers: a removable
// medium or CD with a label by its label and its mount point ("PHOTOS1 (/media/u/PHOTOS1)"),
// so that the user recognises the medium wherever it was mounted; every other volume by its
// root.
std::string VolumeTreeText(const CVolume& volume);
