#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// The 152-byte record that tells instances about the primary: kept in
// "<block name>.block" beside the lock file, always read and written whole
// under a short lock of its own.
struct InstanceBlock {
    static constexpr int Size = 152;
    static constexpr int UserNameBytes = 128;

    bool primary = false;
    uint32_t secondaryCount = 0;
    int64_t primaryPid = -1;
    QByteArray primaryUser; // UTF-8, at most 127 bytes

    static InstanceBlock reset() { return {}; }
    QByteArray encode() const;
    // False when the bytes are short or the checksum does not match.
    static bool decode(const QByteArray& bytes, InstanceBlock& block);
};

// The block file, opened once; each change is one read-modify-write under flock.
class InstanceBlockFile
{
public:
    explicit InstanceBlockFile(const QString& path);
    ~InstanceBlockFile();
    InstanceBlockFile(const InstanceBlockFile&) = delete;
    InstanceBlockFile& operator=(const InstanceBlockFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Runs the change on the current block (a reset one when the file holds
    // no valid block) and writes the result back; false when the file fails.
    template <typename Change>
    bool update(Change change)
    {
        InstanceBlock block;
        if (!lockAndRead(block))
            return false;
        change(block);
        return writeAndUnlock(block);
    }
    bool read(InstanceBlock& block);

private:
    bool lockAndRead(InstanceBlock& block);
    bool writeAndUnlock(const InstanceBlock& block);

    int fd_ = -1;
};
