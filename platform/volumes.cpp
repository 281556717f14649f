#include "platform/volumes.h"

#include "platform/path_text.h"

#include <dirent.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string_view>

namespace {

// File systems that hold no user files: kernel interfaces, memory file systems, container
// layers and automounter placeholders.
constexpr std::string_view kPseudoFileSystems[] = {"proc",
                                                   "sysfs",
                                                   "tmpfs",
                                                   "devtmpfs",
                                                   "cgroup",
                                                   "cgroup2",
                                                   "devpts",
                                                   "overlay",
                                                   "squashfs",
                                                   "autofs",
                                                   "mqueue",
                                                   "hugetlbfs",
                                                   "debugfs",
                                                   "tracefs",
                                                   "securityfs",
                                                   "pstore",
                                                   "bpf",
                                                   "configfs",
                                                   "fusectl",
                                                   "binfmt_misc",
                                                   "efivarfs",
                                                   "rpc_pipefs",
                                                   "nsfs",
                                                   "ramfs",
                                                   "selinuxfs",
                                                   "rootfs",
                                                   "nfsd",
                                                   "aufs",
                                                   "fuse.gvfsd-fuse",
                                                   "fuse.portal",
                                                   "fuse.lxcfs",
                                                   "fuse.snapfuse",
                                                   "shm",
                                                   "zram"};

constexpr std::string_view kNetworkFileSystems[] = {
    "nfs",        "nfs4",       "cifs",        "smb3",      "smbfs",          "9p",
    "afs",        "ceph",       "glusterfs",   "lustre",    "ncpfs",          "coda",
    "davfs",      "fuse.sshfs", "fuse.rclone", "fuse.s3fs", "fuse.glusterfs", "fuse.cephfs",
    "fuse.davfs2"};

template <size_t N>
bool Contains(const std::string_view (&list)[N], std::string_view value) {
  return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

// Mount points in mountinfo escape blanks, tabs, newlines and backslashes as "\ooo".
std::string UnescapeOctal(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() &&
        std::all_of(text.begin() + i + 1, text.begin() + i + 4,
                    [](char c) { return c >= '0' && c <= '7'; })) {
      out += static_cast<char>(((text[i + 1] - '0') << 6) | ((text[i + 2] - '0') << 3) |
                               (text[i + 3] - '0'));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string Resolved(const std::string& path) {
  char buffer[PATH_MAX];
  return realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

std::string BaseName(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DirName(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos || slash == 0 ? "/" : path.substr(0, slash);
}

bool FileSaysOne(const std::string& path) {
  std::ifstream in(path);
  int value = 0;
  return in >> value && value == 1;
}

// Whether the block device named `device` (as in /sys/class/block) is removable: its own
// flag or its disk's, a USB or MMC bus on its device path, or a device-mapper device (an
// encrypted stick) built on such a device. `depth` bounds the walk down the mapper stack.
bool IsRemovableBlockDevice(const std::string& sys_block_dir, const std::string& device,
                            int depth = 0) {
  if (device.empty() || depth > 4) return false;
  std::string entry = sys_block_dir + "/" + device;
  std::string resolved = Resolved(entry);
  if (FileSaysOne(entry + "/removable")) return true;
  if (FileSaysOne(DirName(resolved) + "/removable")) return true;
  if (resolved.find("/usb") != std::string::npos || resolved.find("/mmc") != std::string::npos) {
    return true;
  }
  bool removable = false;
  if (DIR* slaves = opendir((entry + "/slaves").c_str())) {
    while (dirent* slave = readdir(slaves)) {
      std::string name = slave->d_name;
      if (name == "." || name == "..") continue;
      if (IsRemovableBlockDevice(sys_block_dir, name, depth + 1)) removable = true;
    }
    closedir(slaves);
  }
  return removable;
}

// Labels by the resolved path of their device.
std::map<std::string, std::string> LabelsByDevice(const std::string& by_label_dir) {
  std::map<std::string, std::string> labels;
  DIR* dir = opendir(by_label_dir.c_str());
  if (!dir) return labels;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    labels[Resolved(JoinPath(by_label_dir, name))] = UnescapeDeviceLabel(name);
  }
  closedir(dir);
  return labels;
}

struct CMount {
  std::string root;
  std::string type;
  std::string source;
};

// One line of mountinfo: "ID PARENT MAJ:MIN ROOT MOUNTPOINT OPTIONS [OPTIONAL...] - TYPE
// SOURCE SUPEROPTIONS". False for a line that does not have that shape.
bool ParseMountInfoLine(const std::string& line, CMount* mount) {
  std::istringstream fields(line);
  std::string id, parent, numbers, root, mount_point, options, field;
  if (!(fields >> id >> parent >> numbers >> root >> mount_point >> options)) return false;
  while (fields >> field && field != "-") {
  }
  if (field != "-" || !(fields >> mount->type)) return false;
  fields >> mount->source;  // may be missing for some file systems
  mount->root = UnescapeOctal(mount_point);
  mount->type = UnescapeOctal(mount->type);
  mount->source = UnescapeOctal(mount->source);
  return !mount->root.empty() && mount->root[0] == '/';
}

VolumeKind KindOfMount(const CMount& mount, const std::string& device,
                       const std::string& sys_block_dir) {
  if (Contains(kNetworkFileSystems, mount.type)) return VolumeKind::kNetwork;
  if (mount.type == "iso9660" || mount.type == "udf" || device.compare(0, 2, "sr") == 0) {
    return VolumeKind::kCdRom;
  }
  if (IsRemovableBlockDevice(sys_block_dir, device)) return VolumeKind::kRemovable;
  return VolumeKind::kFixed;
}

void SortByRoot(std::vector<CVolume>* volumes) {
  std::stable_sort(volumes->begin(), volumes->end(),
                   [](const CVolume& a, const CVolume& b) { return a.root < b.root; });
}

}  // namespace

CMountInfoVolumeSource::CMountInfoVolumeSource(std::string mountinfo_path,
                                               std::string sys_block_dir, std::string by_label_dir)
    : mountinfo_path_(std::move(mountinfo_path)),
      sys_block_dir_(std::move(sys_block_dir)),
      by_label_dir_(std::move(by_label_dir)) {}

std::vector<CVolume> CMountInfoVolumeSource::Volumes() const {
  std::ifstream in(mountinfo_path_);
  // A later mount on the same mount point hides the earlier one.
  std::map<std::string, CMount> mounts;
  std::string line;
  while (std::getline(in, line)) {
    CMount mount;
    if (!ParseMountInfoLine(line, &mount)) continue;
    mounts[mount.root] = mount;
  }
  std::map<std::string, std::string> labels;
  bool labels_read = false;
  std::vector<CVolume> volumes;
  for (const auto& [root, mount] : mounts) {
    if (Contains(kPseudoFileSystems, mount.type)) continue;
    CVolume volume;
    volume.root = root;
    std::string device;
    if (mount.source.compare(0, 1, "/") == 0) {
      std::string resolved = Resolved(mount.source);
      device = BaseName(resolved);
      if (!labels_read) {
        labels = LabelsByDevice(by_label_dir_);
        labels_read = true;
      }
      if (auto it = labels.find(resolved); it != labels.end()) volume.label = it->second;
    }
    volume.kind = KindOfMount(mount, device, sys_block_dir_);
    volumes.push_back(std::move(volume));
  }
  SortByRoot(&volumes);
  return volumes;
}

CTableVolumeSource::CTableVolumeSource(std::string table_path)
    : table_path_(std::move(table_path)) {}

std::vector<CVolume> CTableVolumeSource::Volumes() const {
  static const std::map<std::string, VolumeKind> kKinds = {{"fixed", VolumeKind::kFixed},
                                                           {"network", VolumeKind::kNetwork},
                                                           {"cdrom", VolumeKind::kCdRom},
                                                           {"removable", VolumeKind::kRemovable}};
  std::vector<CVolume> volumes;
  std::ifstream in(table_path_);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    size_t tab1 = line.find('\t');
    if (tab1 == std::string::npos || tab1 == 0) continue;
    size_t tab2 = line.find('\t', tab1 + 1);
    std::string kind =
        line.substr(tab1 + 1, tab2 == std::string::npos ? std::string::npos : tab2 - tab1 - 1);
    auto it = kKinds.find(kind);
    if (it == kKinds.end()) continue;
    CVolume volume;
    volume.root = WithoutTrailingSlash(line.substr(0, tab1));
    volume.kind = it->second;
    if (tab2 != std::string::npos) volume.label = line.substr(tab2 + 1);
    volumes.push_back(std::move(volume));
  }
  SortByRoot(&volumes);
  return volumes;
}

std::vector<CVolume> CListVolumeSource::Volumes() const {
  std::vector<CVolume> volumes = volumes_;
  SortByRoot(&volumes);
  return volumes;
}

std::unique_ptr<CVolumeSource> MakeDefaultVolumeSource() {
  const char* table = std::getenv("ALBUMCRAFT_VOLUMES");
  if (table && *table) return std::make_unique<CTableVolumeSource>(table);
  return std::make_unique<CMountInfoVolumeSource>();
}

std::string UnescapeDeviceLabel(const std::string& name) {
  auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && hex(name[i + 2]) >= 0 &&
        hex(name[i + 3]) >= 0) {
      out += static_cast<char>(hex(name[i + 2]) * 16 + hex(name[i + 3]));
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

const CVolume* VolumeOfPath(const std::vector<CVolume>& volumes, const std::string& path) {
  const CVolume* best = nullptr;
  for (const CVolume& volume : volumes) {
    const std::string& root = volume.root;
    bool holds = root == "/" ? !path.empty() && path[0] == '/'
                             : path.compare(0, root.size(), root) == 0 &&
                                   (path.size() == root.size() || path[root.size()] == '/');
    if (holds && (!best || root.size() > best->root.size())) best = &volume;
  }
  return best;
}

std::string VolumeTreeText(const CVolume& volume) {
  const bool medium = volume.kind == VolumeKind::kRemovable || volume.kind == VolumeKind::kCdRom;
  if (!medium || volume.label.empty()) return volume.root;
  return volume.label + " (" + volume.root + ")";
}
