#include "Application/InstanceBlock.h"

#include <QFile>
#include <QtEndian>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QByteArray InstanceBlock::encode() const
{
    std::array<char, Size> raw{};
    char* p = raw.data();
    p[0] = primary ? 1 : 0;
    qToLittleEndian<quint32>(secondaryCount, p + 4);
    qToLittleEndian<qint64>(primaryPid, p + 8);
    const QByteArray user = primaryUser.left(UserNameBytes - 1);
    std::copy(user.begin(), user.end(), p + 16);
    qToLittleEndian<quint16>(qChecksum(p, 144), p + 144);
    return QByteArray(raw.data(), Size);
}

bool InstanceBlock::decode(const QByteArray& bytes, InstanceBlock& block)
{
    if (bytes.size() < Size)
        return false;
    const char* p = bytes.constData();
    if (qFromLittleEndian<quint16>(p + 144) != qChecksum(p, 144))
        return false;
    block.primary = p[0] != 0;
    block.secondaryCount = qFromLittleEndian<quint32>(p + 4);
    block.primaryPid = qFromLittleEndian<qint64>(p + 8);
    block.primaryUser = QByteArray(p + 16, qstrnlen(p + 16, UserNameBytes - 1));
    return true;
}

InstanceBlockFile::InstanceBlockFile(const QString& path)
{
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

InstanceBlockFile::~InstanceBlockFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

namespace {

bool lockFile(int fd, int operation)
{
    while (::flock(fd, operation) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

QByteArray readWhole(int fd)
{
    QByteArray bytes(InstanceBlock::Size, '\0');
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(fd, bytes.data() + done, bytes.size() - done, done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}

} // namespace

bool InstanceBlockFile::read(InstanceBlock& block)
{
    if (fd_ < 0 || !lockFile(fd_, LOCK_SH))
        return false;
    const bool valid = InstanceBlock::decode(readWhole(fd_), block);
    lockFile(fd_, LOCK_UN);
    if (!valid)
        block = InstanceBlock::reset();
    return true;
}

bool InstanceBlockFile::lockAndRead(InstanceBlock& block)
{
    if (fd_ < 0 || !lockFile(fd_, LOCK_EX))
        return false;
    if (!InstanceBlock::decode(readWhole(fd_), block))
        block = InstanceBlock::reset();
    return true;
}

bool InstanceBlockFile::writeAndUnlock(const InstanceBlock& block)
{
    const QByteArray bytes = block.encode();
    qsizetype done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd_, bytes.constData() + done, bytes.size() - done, done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            ok = false;
            break;
        }
        done += put;
    }
    lockFile(fd_, LOCK_UN);
    return ok;
}
