// SPDX-License-Identifier: MIT
#include "core/program/volumes.h"

#include <gtest/gtest.h>

using namespace varnholt;
using Names = std::vector<std::string>;

TEST(Volumes, RealFileSystemsByMountPoint)
{
    const char* mounts = "proc /proc proc rw 0 0\n"
                         "overlay / overlay rw 0 0\n"
                         "/dev/sda2 /home ext4 rw 0 0\n"
                         "tmpfs /tmp tmpfs rw 0 0\n"
                         "tmpfs /run/user/1000 tmpfs rw 0 0\n"
                         "/dev/sdb1 /run/media/ann/USB\\040Stick vfat rw 0 0\n"
                         "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
                         "/dev/sda1 /boot/efi vfat rw 0 0\n"
                         "/dev/sdc1 /media/back\\134slash ext4 rw 0 0\n"
                         "/dev/sda2 /home ext4 rw 0 0\n"
                         "broken line\n";
    EXPECT_EQ(mountedVolumes(mounts),
              (Names{"/", "/boot/efi", "/home", "/media/back\\slash", "/run/media/ann/USB Stick", "/tmp"}));
    EXPECT_EQ(mountedVolumes(""), Names{"/"});
}

TEST(Volumes, DriveOfPathIsTheLongestMountAbove)
{
    const Names volumes{"/", "/media/usb", "/media/usb2", "/home"};
    struct Row {
        const char* path;
        const char* drive;
    };
    for (const Row& row : std::vector<Row>{{"/media/usb/pics", "/media/usb"},
                                           {"/media/usb2", "/media/usb2"},
                                           {"/media/usbx/pics", "/"},
                                           {"/home", "/home"},
                                           {"/", "/"},
                                           {"/etc", "/"}})
        EXPECT_EQ(driveOfPath(row.path, volumes), row.drive) << row.path;
}

// The deeper chains are listed in file_controls_test.
TEST(Volumes, FolderChainOfTheRootIsTheRootAlone)
{
    EXPECT_EQ(folderChain("/"), Names{"/"});
}
