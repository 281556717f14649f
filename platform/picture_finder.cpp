#include "platform/picture_finder.h"

#include <algorithm>

#include "platform/path_text.h"
#include "platform/picture_path.h"

namespace {

bool IsRemovable(VolumeKind kind) {
  return kind == VolumeKind::kCdRom || kind == VolumeKind::kRemovable;
}

}  // namespace

CPictureFinder::CPictureFinder(CVolumeSource& volumes, CFrontEnd& front_end)
    : volumes_(volumes), front_end_(front_end) {}

std::vector<CVolume> CPictureFinder::RemovableVolumes() const {
  std::vector<CVolume> removable;
  for (const CVolume& volume : volumes_.Volumes()) {
    if (IsRemovable(volume.kind)) removable.push_back(volume);
  }
  std::stable_sort(removable.begin(), removable.end(), [](const CVolume& a, const CVolume& b) {
    return (a.kind == VolumeKind::kCdRom) > (b.kind == VolumeKind::kCdRom);
  });
  return removable;
}

void CPictureFinder::ScanDrives() {
  removable_roots_.clear();
  fixed_roots_.clear();
  for (const CVolume& volume : RemovableVolumes()) removable_roots_.push_back(volume.root);
  for (const CVolume& volume : volumes_.Volumes()) {
    if (!IsRemovable(volume.kind)) fixed_roots_.push_back(volume.root);
  }
}

std::optional<std::string> CPictureFinder::FindPictureFile(const std::string& path,
                                                           const std::string& label) {
  offline_ = false;
  if (fixed_roots_.empty()) ScanDrives();
  // Media come and go while the program runs, so the labels are those mounted now, not
  // those of the last scan.
  if (!label.empty()) {
    bool mounted = false;
    for (const CVolume& volume : RemovableVolumes()) {
      if (volume.label != label) continue;
      mounted = true;
      if (auto found = FindOnRoot(volume.root, path)) return found;
    }
    offline_ = !mounted;
  }
  // A path from a Windows-made index ("c:/photos/a.jpg") only makes sense below a root.
  if (!path.empty() && path[0] == '/') {
    if (auto found = ResolveIgnoringCase(path)) return found;
  }
  for (const std::string& root : fixed_roots_) {
    if (auto found = FindOnRoot(root, path)) return found;
  }
  return std::nullopt;
}

std::string CPictureFinder::VolumeLabel(const std::string& root) const {
  std::string wanted = WithoutTrailingSlash(root);
  for (const CVolume& volume : volumes_.Volumes()) {
    if (volume.root == wanted) return volume.label;
  }
  return std::string();
}

std::string CPictureFinder::RemovableLabelOf(const std::string& path) const {
  std::vector<CVolume> volumes = volumes_.Volumes();
  const CVolume* volume = VolumeOfPath(volumes, path);
  return volume && IsRemovable(volume->kind) ? volume->label : std::string();
}

VolumeAnswer CPictureFinder::WaitForVolume(const std::string& label, int flags) {
  for (;;) {
    for (const CVolume& volume : RemovableVolumes()) {
      if (volume.label == label) return VolumeAnswer::kOk;
    }
    CInsertVolumeModel dialog(label, (flags & kAllowSkip) != 0);
    const VolumeAnswer answer = dialog.AnswerOf(front_end_.RunDialog(dialog));
    if (answer != VolumeAnswer::kOk) return answer;
  }
}
