#include "NTFS/StartFolder.h"

#include "DataRecovery/Exceptions.h"
#include "DataRecovery/Log.h"
#include "NTFS/IndexEntry.h"
#include "NTFS/MFT.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NtfsBytes.h"
#include "Utils/TextConversion.h"

static constexpr const char* LogSource = "src/NTFS/StartFolder";

namespace NTFS {

namespace {
constexpr uint64_t UpcaseRecord = 10;
constexpr uint32_t UpcaseBytes = 65536 * 2;
}

StartPath::UpcaseTable ReadUpcaseTable(MFT& mft)
{
    try {
        auto record = mft.GetRecord(UpcaseRecord);
        if (record) {
            auto bytes = record->ReadData("", true);
            if (bytes && bytes->length == UpcaseBytes) {
                StartPath::UpcaseTable table(65536);
                for (size_t i = 0; i < table.size(); ++i)
                    table[i] = U16(bytes->data, bytes->length, 2 * i);
                return table;
            }
        }
    } catch (const Exceptions::DiskDisconnectedException&) {
        throw;
    } catch (const std::exception& e) {
        VLOG_INFO("$UpCase unreadable (%s); names compared by the built-in table", e.what());
    }
    return StartPath::BuiltInUpcase();
}

std::optional<uint64_t> FindStartFolder(MFT& mft, const std::string& path, const std::string& volumeLetter)
{
    const auto components = StartPath::Split(path, volumeLetter);
    if (!components)
        throw Exceptions::NTFSException("Only absolute paths are supported.");
    StartPath::UpcaseTable upcase;
    if (!components->empty())
        upcase = ReadUpcaseTable(mft);
    auto find = [&](uint64_t folder, const std::string& name) -> std::optional<uint64_t> {
        auto record = mft.GetRecord(folder);
        if (!record)
            return std::nullopt;
        std::u16string wanted;
        try {
            wanted = Utils::Utf8ToWString(name);
        } catch (const std::exception&) {
            return std::nullopt;
        }
        for (const auto& entry : record->GetIndexEntries()) {
            if (!StartPath::SameNameUpcased(entry->name, wanted, upcase))
                continue;
            const uint64_t number = entry->fileReference & RecordNumberMask;
            auto child = mft.GetRecord(number);
            if (child && child->IsDirectory())
                return number;
        }
        return std::nullopt;
    };
    const auto resolved = StartPath::Resolve(*components, 5, find);
    if (resolved.noRecycleBin)
        return std::nullopt;
    if (!resolved.missing.empty())
        throw Exceptions::NTFSException("Not find path: " + path);
    return resolved.folder;
}

}
