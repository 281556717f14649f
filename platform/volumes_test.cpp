#include "platform/volumes.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/temp_dir_testing.h"

namespace {

// A fake machine: device stand-ins under dev/, their labels under dev/disk/by-label, a sysfs
// block tree under sys/ and a mountinfo file naming the devices by their fake paths.
class MountInfoTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* device : {"sda1", "sdb1", "sdc1", "sdd1", "sr0"})
      dir_.Write("dev/" + std::string(device), "");
    Label("ROOT", "sda1");
    Label("PHOTOS\\x201", "sdb1");  // "PHOTOS 1"
    Label("DISC", "sr0");
    // sda: a SATA disk. sdb: a USB disk that calls itself not removable. sdc: a card in a
    // PCI reader whose disk is flagged removable. sdd: an MMC card.
    BlockDevice("pci0000:00/ata1/host0/block/sda", "sda1", "0");
    BlockDevice("pci0000:00/0000:00:14.0/usb1/1-1/host6/block/sdb", "sdb1", "0");
    BlockDevice("pci0000:00/0000:00:1f.2/host2/block/sdc", "sdc1", "1");
    BlockDevice("platform/soc/mmc0/mmc0:0001/block/sdd", "sdd1", "0");
  }

  void Label(const std::string& name, const std::string& device) {
    dir_.MakeDir("dev/disk/by-label");
    std::filesystem::create_symlink("../../" + device, dir_ / ("dev/disk/by-label/" + name));
  }

  void BlockDevice(const std::string& disk_path, const std::string& partition,
                   const std::string& removable) {
    dir_.Write("sys/devices/" + disk_path + "/removable", removable + "\n");
    dir_.MakeDir("sys/devices/" + disk_path + "/" + partition);
    dir_.MakeDir("sys/class/block");
    std::filesystem::create_symlink("../../devices/" + disk_path + "/" + partition,
                                    dir_ / ("sys/class/block/" + partition));
  }

  std::vector<CVolume> Volumes(const std::string& mountinfo) {
    dir_.Write("mountinfo", mountinfo);
    CMountInfoVolumeSource source(dir_ / "mountinfo", dir_ / "sys/class/block",
                                  dir_ / "dev/disk/by-label");
    return source.Volumes();
  }

  std::string Dev(const std::string& device) { return dir_ / ("dev/" + device); }

  CTempDir dir_;
};

TEST_F(MountInfoTest, KeepsRealFileSystemsWithKindsAndLabels) {
  std::string mountinfo =
      "21 1 8:1 / / rw,relatime shared:1 - ext4 " + Dev("sda1") +
      " rw\n"
      "22 21 0:20 / /proc rw,nosuid - proc proc rw\n"
      "23 21 0:21 / /tmp rw shared:2 - tmpfs tmpfs rw\n"
      "24 21 0:22 / /var/lib/docker/overlay2/x/merged rw - overlay overlay rw,lowerdir=/a\n"
      "25 21 8:17 / /media/u/PHOTOS\\0401 rw,nosuid shared:3 master:1 - vfat " +
      Dev("sdb1") +
      " rw\n"
      "26 21 8:33 / /media/u/CARD rw - exfat " +
      Dev("sdc1") +
      " rw\n"
      "27 21 0:50 / /mnt/nas rw - nfs4 server:/export rw\n"
      "28 21 11:0 / /media/u/DISC ro - iso9660 " +
      Dev("sr0") +
      " ro\n"
      "29 21 0:51 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
      "30 21 179:1 / /media/u/SD rw - vfat " +
      Dev("sdd1") +
      " rw\n"
      "31 21 0:52 / /mnt/share rw - cifs //server/share rw\n"
      "garbage line\n";
  std::vector<CVolume> expected = {
      {"/", VolumeKind::kFixed, "ROOT"},
      {"/media/u/CARD", VolumeKind::kRemovable, ""},
      {"/media/u/DISC", VolumeKind::kCdRom, "DISC"},
      {"/media/u/PHOTOS 1", VolumeKind::kRemovable, "PHOTOS 1"},
      {"/media/u/SD", VolumeKind::kRemovable, ""},
      {"/mnt/nas", VolumeKind::kNetwork, ""},
      {"/mnt/share", VolumeKind::kNetwork, ""},
  };
  EXPECT_EQ(Volumes(mountinfo), expected);
}

TEST_F(MountInfoTest, LaterMountOnTheSameRootHidesTheEarlierOne) {
  std::string mountinfo = "21 1 8:1 / /media/u/X rw - ext4 " + Dev("sda1") + " rw\n" +
                          "22 1 8:17 / /media/u/X rw - vfat " + Dev("sdb1") + " rw\n";
  std::vector<CVolume> expected = {{"/media/u/X", VolumeKind::kRemovable, "PHOTOS 1"}};
  EXPECT_EQ(Volumes(mountinfo), expected);
}

TEST_F(MountInfoTest, MissingMountInfoGivesNoVolumes) {
  CMountInfoVolumeSource source(dir_ / "none", dir_ / "sys/class/block", dir_ / "none");
  EXPECT_TRUE(source.Volumes().empty());
}

TEST(VolumeTableTest, ReadsRootsKindsAndLabelsAnewOnEveryCall) {
  CTempDir dir;
  std::string table = dir.Write("volumes",
                                "# root kind label\n"
                                "\n"
                                "/media/u/PHOTOS1/\tremovable\tPHOTOS1\r\n"
                                "/\tfixed\t\n"
                                "/mnt/nas\tnetwork\n"
                                "/media/u/bad\tfloppy\tX\n"
                                "/media/cdrom\tcdrom\tHOLIDAY 2004\n");
  CScopedEnv env("ALBUMCRAFT_VOLUMES", table);
  std::unique_ptr<CVolumeSource> source = MakeDefaultVolumeSource();
  std::vector<CVolume> expected = {
      {"/", VolumeKind::kFixed, ""},
      {"/media/cdrom", VolumeKind::kCdRom, "HOLIDAY 2004"},
      {"/media/u/PHOTOS1", VolumeKind::kRemovable, "PHOTOS1"},
      {"/mnt/nas", VolumeKind::kNetwork, ""},
  };
  EXPECT_EQ(source->Volumes(), expected);

  dir.Write("volumes", "/\tfixed\t\n");
  EXPECT_EQ(source->Volumes(), (std::vector<CVolume>{{"/", VolumeKind::kFixed, ""}}));
}

TEST(VolumesTest, DeviceLabelEscapesAreDecoded) {
  EXPECT_EQ(UnescapeDeviceLabel("PHOTOS\\x201"), "PHOTOS 1");
  EXPECT_EQ(UnescapeDeviceLabel("A\\x2fB\\x2F"), "A/B/");
  EXPECT_EQ(UnescapeDeviceLabel("Ferie\\x20p\xC3\xA5\\x20Sm\xC3\xB8la"),
            "Ferie p\xC3\xA5 Sm\xC3\xB8la");
  EXPECT_EQ(UnescapeDeviceLabel("end\\x2"), "end\\x2");  // cut short: kept as it is
  EXPECT_EQ(UnescapeDeviceLabel("\\xzz"), "\\xzz");
}

TEST(VolumesTest, VolumeOfPathTakesTheLongestRootOnComponentBoundaries) {
  std::vector<CVolume> volumes = {{"/", VolumeKind::kFixed, ""},
                                  {"/media/u/PHOTOS1", VolumeKind::kRemovable, "PHOTOS1"},
                                  {"/media/u/PHOTOS10", VolumeKind::kRemovable, "PHOTOS10"}};
  struct Case {
    const char* path;
    const char* root;  // null: no volume
  };
  const Case cases[] = {
      {"/media/u/PHOTOS10/a.jpg", "/media/u/PHOTOS10"},
      {"/media/u/PHOTOS1/a.jpg", "/media/u/PHOTOS1"},
      {"/media/u/PHOTOS1", "/media/u/PHOTOS1"},
      {"/media/u/PHOTOS100/a.jpg", "/"},
      {"/home/u/a.jpg", "/"},
      {"c:/photos/a.jpg", nullptr},
  };
  for (const Case& c : cases) {
    const CVolume* volume = VolumeOfPath(volumes, c.path);
    if (!c.root) {
      EXPECT_EQ(volume, nullptr) << c.path;
    } else {
      ASSERT_NE(volume, nullptr) << c.path;
      EXPECT_EQ(volume->root, c.root) << c.path;
    }
  }
}

}  // namespace
