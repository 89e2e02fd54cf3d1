// Recovery of found files by copying their runs from the volume's reader into
// a new file under the target folder or into a caller's buffer.
#include "DataRecovery/DataRecoveryEntity.h"
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "DataRecovery/RecoveryPath.h"
#include "DataRecovery/ResidentFixup.h"
#include "DataRecovery/VelmoraContainer.h"
#include "DeepScan/UnknownDataRecovery.h"
#include "Utils/Base64.h"
#include "Utils/Buffer.h"
#include "Utils/BufferDataWriter.h"
#include "Utils/FileDataWriter.h"
#include "Utils/PartReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <typeinfo>

static constexpr const char* LogSource = "src/DataRecovery/Velmora";

namespace fs = std::filesystem;

namespace {

constexpr uint64_t chunkSize = 1 << 20;
constexpr uint32_t defaultRecordSize = 1024;

bool IsFoundFile(const DataRecoveryInfo& file)
{
    return file.kind >= NtfsFile && file.kind <= CarvedFile && (file.runCount == 0 || file.runs != nullptr);
}

std::string FoundPath(const DataRecoveryInfo& file)
{
    return file.path ? std::string(file.path, file.pathLength) : std::string();
}

// True when something (a dangling link included) stands at path.
bool Exists(const std::string& path)
{
    std::error_code ec;
    const auto status = fs::symlink_status(path, ec);
    if (ec && ec != std::errc::no_such_file_or_directory)
        throw fs::filesystem_error("exists", path, ec);
    return fs::exists(status);
}

std::pair<std::string, std::string> SplitLast(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return {path.substr(0, slash), path.substr(slash + 1)};
}

// The first free name for target: a.txt, a0.txt, a01.txt, ... and, once those
// digits no longer fit, a_1.txt, a_2.txt, ...
std::string FreeTarget(const std::string& target)
{
    if (!Exists(target))
        return target;
    const auto [dir, name] = SplitLast(target);
    const auto [stem, extension] = RecoveryPath::SplitExtension(name);
    const size_t room = std::min(RecoveryPath::maxComponentBytes, RecoveryPath::maxPathBytes - dir.size() - 1);
    const auto candidate = [&](const std::string& suffix) -> std::string {
        if (suffix.size() + extension.size() >= room)
            return {};
        return dir + "/" + RecoveryPath::Utf8Cut(stem, room - suffix.size() - extension.size()) + suffix + extension;
    };
    std::string digits;
    for (int n = 0;; ++n) {
        digits += std::to_string(n);
        const std::string next = candidate(digits);
        if (next.empty() || digits.size() > 40)
            break;
        if (!Exists(next))
            return next;
    }
    for (int n = 1; n < 1000000; ++n) {
        const std::string next = candidate("_" + std::to_string(n));
        if (next.empty())
            break;
        if (!Exists(next))
            return next;
    }
    throw fs::filesystem_error("no free name", target, std::make_error_code(std::errc::file_exists));
}

// Makes every folder between the target folder and the file exist as a real
// folder; a file or link standing where a folder goes is renamed aside
// (docs -> docs_file_1), so nothing is overwritten and no link is followed.
void RepairFolderChain(const std::string& folder, const std::string& target)
{
    std::string path = folder;
    const std::string relative = target.substr(folder.size() + (folder.back() == '/' ? 0 : 1));
    size_t begin = 0;
    for (size_t slash; (slash = relative.find('/', begin)) != std::string::npos; begin = slash + 1) {
        const std::string parent = path.back() == '/' ? path : path + "/";
        const std::string component = relative.substr(begin, slash - begin);
        path = parent + component;
        std::error_code ec;
        const auto status = fs::symlink_status(path, ec);
        if (ec && ec != std::errc::no_such_file_or_directory)
            throw fs::filesystem_error("exists", path, ec);
        if (fs::is_directory(status))
            continue;
        if (fs::exists(status)) {
            std::string aside;
            for (int n = 1;; ++n) {
                // The new name must still fit one name component.
                const std::string suffix = "_file_" + std::to_string(n);
                aside = parent + RecoveryPath::Utf8Cut(component, RecoveryPath::maxComponentBytes - suffix.size()) +
                        suffix;
                if (!Exists(aside))
                    break;
            }
            VLOG_INFO("VelmoraContainer::RepairFolderChain() moving a file aside for a folder.");
            fs::rename(path, aside, ec);
            if (ec)
                throw fs::filesystem_error("rename", path, aside, ec);
        }
        if (!fs::create_directory(path, ec) && ec)
            throw fs::filesystem_error("create_directory", path, ec);
    }
}

// Passes on the first bytes that fit and drops the rest.
class PrefixWriter : public Utils::DataWriter {
public:
    PrefixWriter(Utils::DataWriter& target, uint64_t room) : target(target), room(room) {}
    void Write(const char* data, size_t size) override
    {
        const uint64_t n = std::min<uint64_t>(size, room - written);
        if (n)
            target.Write(data, n);
        written += n;
    }
    void Flush() override { target.Flush(); }
    uint64_t Room() const override { return room - written; }
    uint64_t Written() const { return written; }

private:
    Utils::DataWriter& target;
    uint64_t room;
    uint64_t written = 0;
};

int FilesystemErrorCode(const fs::filesystem_error& e)
{
    const auto& ec = e.code();
    if (ec == std::errc::no_such_file_or_directory || ec == std::errc::address_not_available)
        return 11;
    if (ec == std::errc::no_space_on_device || ec.value() == EDQUOT)
        return 10;
    return Exceptions::ErrorCodeFromException(e);
}

}

uint64_t VelmoraContainer::CopyResident(Utils::DataWriter& writer, Utils::PartReader& source, DataRun run,
                                        uint64_t length)
{
    uint32_t recordSize = 0;
    if (engine) {
        if (auto engineReader = engine->GetReader())
            recordSize = engineReader->recordSize;
    }
    if (recordSize < 512 || recordSize % 512 != 0)
        recordSize = defaultRecordSize;
    const uint64_t aligned = run.offset & ~uint64_t{511};
    // The record holding the data begins at a sector boundary at most one record before it.
    const uint64_t from = aligned >= recordSize - 512 ? aligned - (recordSize - 512) : 0;
    const uint64_t end = std::min(source.Size(), std::max(run.offset + length, aligned + recordSize));
    if (end <= run.offset)
        return 0;
    std::vector<uint8_t> bytes(end - from, 0);
    source.ReadRun(from, bytes.data(), bytes.size());
    for (uint64_t candidate = aligned;; candidate -= 512) {
        if (end - candidate >= 512 && std::memcmp(bytes.data() + (candidate - from), "FILE", 4) == 0) {
            ResidentFixup::ApplyToRecord(bytes.data() + (candidate - from),
                                         std::min<uint64_t>(recordSize, end - candidate));
            break;
        }
        if (candidate < from + 512)
            break;
    }
    const uint64_t n = std::min(length, end - run.offset);
    writer.Write(reinterpret_cast<const char*>(bytes.data() + (run.offset - from)), n);
    writer.Flush();
    explicit_bzero(bytes.data(), bytes.size());
    return n;
}

uint64_t VelmoraContainer::RecoverDataRun(Utils::DataWriter& writer, Utils::PartReader& source,
                                          const DataRecoveryInfo& file, DataRun run, uint64_t doneBefore,
                                          uint64_t total, bool silent, uint64_t* soFar)
{
    VLOG_DEBUG("RecoverDataRun offset: %llu, size: %llu\n", static_cast<unsigned long long>(run.offset),
              static_cast<unsigned long long>(run.length));
    uint64_t length = doneBefore >= total ? 0 : std::min(run.length, total - doneBefore);
    if (length == 0)
        return 0;
    const bool hole = file.kind == NtfsFile && run.offset == DataRecoveryEntity::sparseRunOffset;
    const uint64_t available = hole ? length : run.offset < source.Size() ? source.Size() - run.offset : 0;
    if (length > available) {
        VLOG_ERROR("RecoverDataRun: run passes the end of the volume, %llu of %llu bytes readable.",
                   static_cast<unsigned long long>(available), static_cast<unsigned long long>(length));
        length = available;
        if (length == 0)
            return 0;
    }

    // Data resident in an NTFS file record: copied in one read, with the
    // record's sector-end protection undone.
    if (!hole && file.kind == NtfsFile && run.offset % 512 != 0 && length < 64 * 1024)
        return CopyResident(writer, source, run, length);

    auto buffer = Utils::MakeBuffer<char>(static_cast<uint32_t>(std::min(chunkSize, length)));
    uint64_t written = 0;
    for (uint64_t position = 0; position < length;) {
        if (!silent)
            PollRunState(*recoverState, &pausedPolls);
        const uint64_t n = std::min<uint64_t>(buffer->length, length - position);
        if (hole)
            std::memset(buffer->data, 0, n);
        else
            source.ReadRun(run.offset + position, buffer->data, n);
        writer.Write(buffer->data, n);
        writer.Flush();
        written += n;
        position += n;
        if (soFar)
            *soFar = written;
        if (!silent) {
            auto record = MakeDataRecoveryInfo(RecoverProgress);
            record.diskIndex = info.diskIndex;
            record.volIndex = info.volIndex;
            record.progress =
                total == 0 ? 1.0 : static_cast<double>(doneBefore + written) / static_cast<double>(total);
            record.value = doneBefore + written;
            reportCallback(record);
        }
    }
    return written;
}

bool VelmoraContainer::IsRecordReference(const DataRecoveryInfo& file)
{
    return file.kind == NtfsFile && file.runCount != 0 && file.runs && file.runs[0].length == 0;
}

uint64_t VelmoraContainer::RecoverFromRecord(Utils::DataWriter& writer, const DataRecoveryInfo& file, bool silent,
                                             uint64_t* soFar)
{
    uint64_t written = 0;
    const auto progress = [&](uint64_t bytes) {
        written = bytes;
        if (soFar)
            *soFar = bytes;
        if (silent)
            return;
        PollRunState(*recoverState, &pausedPolls);
        auto record = MakeDataRecoveryInfo(RecoverProgress);
        record.diskIndex = info.diskIndex;
        record.volIndex = info.volIndex;
        record.progress = file.fileSize == 0 ? 1.0
                                             : static_cast<double>(bytes) / static_cast<double>(file.fileSize);
        record.value = bytes;
        reportCallback(record);
    };
    // A lost volume's file: its engine lives in the raw search. The program's
    // requests do not say so: the container's own engine is asked first, and
    // one that refuses the record before writing leaves it to the lost volumes.
    bool read = false;
    std::exception_ptr refused;
    if (engine && !file.lostPartitionFlag) {
        try {
            read = engine->RecoverFromRecord(writer, file, progress);
        } catch (const Exceptions::NTFSException&) {
            if (written != 0 || !rawSearch)
                throw;
            refused = std::current_exception();
        }
    }
    if (!read && rawSearch)
        read = rawSearch->RecoverLostFromRecord(writer, file, progress);
    if (!read && refused)
        std::rethrow_exception(refused);
    if (!read) {
        VLOG_ERROR("VelmoraContainer::RecoverData() no engine reads the file's record.");
        throw Exceptions::VelmoraContainerException("The file's record cannot be read on this volume.", 3, 0);
    }
    return written;
}

std::string VelmoraContainer::RecoverFile(const std::string& folder, const DataRecoveryInfo& file)
{
    uint64_t written = 0;
    std::string target;
    bool created = false;
    const auto removePartial = [&] {
        if (!created)
            return;
        std::error_code ec;
        fs::remove(target, ec);
    };
    try {
        if (!IsFoundFile(file))
            throw Exceptions::VelmoraContainerException("Record is not a found file.", 17, 0);
        // Empty and resident files copy without polling: a pause must still hold them.
        PollRunState(*recoverState, &pausedPolls);
        if (folder.empty())
            throw fs::filesystem_error("empty target folder", std::make_error_code(std::errc::invalid_argument));
        const std::string base = folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
        const auto components = RecoveryPath::SafeComponents(FoundPath(file));
        size_t fullLength = base.size();
        for (const auto& component : components)
            fullLength += 1 + component.size();
        if (fullLength > RecoveryPath::maxPathBytes)
            VLOG_DEBUG("VelmoraContainer::RecoverData() file path too long (%zu bytes), shortening it.", fullLength);
        target = RecoveryPath::ShortenRecoveryPath(base, components);
        const std::string parent = SplitLast(target).first;
        const auto makeFolders = [&] {
            verifiedParent.clear();
            if (!Exists(folder))
                fs::create_directories(folder);
            RepairFolderChain(base, target);
            verifiedParent = parent;
        };
        // The previous file's folders were made or checked a moment ago: a card's
        // folder of photos costs one look at its chain, not one per photo.
        if (parent != verifiedParent)
            makeFolders();
        const std::string wanted = target;
        std::unique_ptr<Utils::FileDataWriter> opened;
        bool remade = false;
        for (int attempt = 1; !opened; ++attempt) {
            try {
                // Never over what is there: an existing name fails the open and a free one is looked for.
                opened = std::make_unique<Utils::FileDataWriter>(target, Utils::FileDataWriter::OpenMode::CreateNew);
            } catch (const Exceptions::DataWriterException&) {
                if (attempt >= 100)
                    throw;
                std::error_code looked;
                const auto status = fs::symlink_status(target, looked);
                // A folder on the way that turned into a file reads as "not a directory": remade below.
                if (looked && looked != std::errc::no_such_file_or_directory && looked != std::errc::not_a_directory)
                    throw fs::filesystem_error("exists", target, looked);
                if (!looked && fs::exists(status)) {
                    // Taken before, or by a recovery on another volume between the look and the open.
                    target = FreeTarget(wanted);
                    continue;
                }
                // Nothing stands there and nothing could be made: the folders went since the last file.
                if (remade) {
                    Exists(target); // the target folder itself is no folder: a file-system error
                    throw;
                }
                remade = true;
                makeFolders();
            }
        }
        Utils::FileDataWriter& writer = *opened;
        created = true;
        if (IsRecordReference(file)) {
            // Compressed and system-compressed files: their bytes are not their runs.
            uint64_t decoded = 0;
            try {
                written = RecoverFromRecord(writer, file, false, &decoded);
            } catch (...) {
                written = decoded;
                throw;
            }
        } else {
            for (const auto& run : RunsOf(file)) {
                if (written >= file.fileSize)
                    break;
                uint64_t inRun = 0;
                try {
                    written += RecoverDataRun(writer, *reader, file, run, written, file.fileSize, false, &inRun);
                } catch (...) {
                    written += inRun;
                    throw;
                }
            }
        }
        writer.Close();
        if (written < file.fileSize) {
            VLOG_ERROR("VelmoraContainer::RecoverData() runs cover %llu of %llu bytes.",
                       static_cast<unsigned long long>(written), static_cast<unsigned long long>(file.fileSize));
            // A short file is not a recovered one; what the runs held stays on disk.
            created = false;
            throw Exceptions::VelmoraContainerException("The file's runs cover fewer bytes than its size.", 7,
                                                        written);
        }
        return target;
    } catch (const Exceptions::VelmoraContainerException&) {
        removePartial();
        throw;
    } catch (const fs::filesystem_error& e) {
        VLOG_INFO("VelmoraContainer::RecoverData() filesystem_error on file: %s", Utils::Base64EncodeString(FoundPath(file)).c_str());
        VLOG_ERROR("VelmoraContainer::RecoverData() filesystem_error exception: %s\n", e.what());
        removePartial();
        const int code = FilesystemErrorCode(e);
        throw Exceptions::VelmoraContainerException(code == 11 ? "Disk disconnected during recovery." : e.what(),
                                                    code, written);
    } catch (const std::exception& e) {
        VLOG_INFO("VelmoraContainer::RecoverData() filesystem_error on file: %s", Utils::Base64EncodeString(FoundPath(file)).c_str());
        VLOG_ERROR("VelmoraContainer::RecoverData() exception: %s\n", e.what());
        // A source failing mid-copy may be a dying disk: what was read from it is kept.
        const bool sourceFailed = typeid(e) == typeid(Exceptions::DiskException) ||
                                  typeid(e) == typeid(Exceptions::DiskDisconnectedException);
        if (!sourceFailed)
            removePartial();
        throw Exceptions::VelmoraContainerException(e.what(), Exceptions::ErrorCodeFromException(e), written);
    }
}

int VelmoraContainer::RecoverData(const std::string& targetFolder, const DataRecoveryInfo& item)
{
    VLOG_DEBUG("VelmoraContainer::RecoverData(recoverFolder: %s, recoverDataInfo size: %zu) called.",
               targetFolder.c_str(), size_t{1});
    std::lock_guard lock(recoverMutex);
    RecoverFile(targetFolder, item);
    VLOG_DEBUG("VelmoraContainer::RecoverData(recoverFolder: %s, recoverDataInfo size: %zu) completed successfully.",
               targetFolder.c_str(), size_t{1});
    return 0;
}

int VelmoraContainer::RecoverData(const std::string& targetFolder, const std::vector<DataRecoveryInfo>& items)
{
    VLOG_INFO("VelmoraContainer::RecoverData(recoverFolder: %s, recoverDataInfo size: %zu) called.",
              targetFolder.c_str(), items.size());
    for (const auto& item : items) {
        PollRunState(*recoverState, &pausedPolls);
        if (!IsFoundFile(item))
            continue;
        std::lock_guard lock(recoverMutex);
        RecoverFile(targetFolder, item);
    }
    VLOG_INFO("VelmoraContainer::RecoverData(recoverFolder: %s, recoverDataInfo size: %zu) completed successfully.",
              targetFolder.c_str(), items.size());
    return 0;
}

int VelmoraContainer::RecoverToMemory(char* buffer, size_t* size, const DataRecoveryInfo& item)
{
    if (!size || !IsFoundFile(item) || (!buffer && *size != 0))
        return 17;
    std::lock_guard lock(recoverMutex);
    Utils::BufferDataWriter writer(buffer, *size);
    const uint64_t limit = std::min<uint64_t>(*size, item.fileSize);
    uint64_t bytes = 0;
    if (IsRecordReference(item)) {
        PrefixWriter prefix(writer, limit);
        RecoverFromRecord(prefix, item, true);
        *size = prefix.Written();
        return 0;
    }
    for (const auto& run : RunsOf(item)) {
        if (bytes >= limit)
            break;
        bytes += RecoverDataRun(writer, *reader, item, run, bytes, limit, true);
    }
    *size = bytes;
    return 0;
}
