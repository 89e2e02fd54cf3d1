#pragma once
// A FAT32 image made with mkfs.fat and mtools, scanned once through the real
// bridge, for the page tests: photos and text files in two folders, one
// text file deleted with mdel.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "MountSupport.h"

namespace PageFixture {

bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);

struct FatImage {
    QString path;
    // "folder/name" of every file written, deleted ones included.
    QStringList files;
    QStringList deleted;
    QString why;  // why the image could not be made
    bool failed = false;  // not for want of a tool or right: the test fails
};

// Files of 1 byte to 3 MiB in nested folders, some deleted; contents are
// written to dir/"written"/<path> so a test can compare recovered bytes.
FatImage makeFatImage(const QString& dir);

// An image attached with `losetup -f --show` and mounted with ntfs-3g;
// unmounted and detached when it goes. whyNot() says what failed.
using NtfsMount = TestMounts::NtfsLoopMount;

// Lists the image alone and scans its one volume through the bridge (no
// module switch); false when the scan did not finish in time.
bool scanImage(const QString& image);

// What the page tests start from: the program's names and pictures, the
// image made in dir and scanned. Empty, or why it could not be (the test skips).
QString prepareScannedImage(const QString& dir, FatImage& image);

}  // namespace PageFixture
