#pragma once
// The $MFT of one volume: its runs (from every piece of its $DATA), and file
// records fetched by number, each part from the run that holds it.
#include "NTFS/DataRuns.h"
#include "Utils/Buffer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace NTFS {

struct AttributeHeader;
class MFTRecord;
class NTFSReader;

struct DirectoryItem {
    uint64_t recordNumber = 0;
    std::u16string name;
};

class MFT {
public:
    // Reads record 0 and the runs of the $MFT, from $MFTMirr when the $MFT's own
    // record 0 cannot be followed; throws Exceptions::NTFSException when
    // neither can.
    explicit MFT(std::shared_ptr<NTFSReader> reader);
    ~MFT();

    // One file record, or empty when it lies outside the runs, cannot be read or
    // is not a valid "FILE" record. A disconnected device still throws.
    std::shared_ptr<MFTRecord> GetRecord(uint64_t recordNumber);
    // The raw bytes of a record, without fix-ups; throws "Not In DataRun." or
    // "Read Error.".
    std::shared_ptr<Utils::Buffer<uint8_t>> ReadRecord(uint64_t recordNumber);
    // The volume byte offset of a record's first byte, 0 outside the runs.
    uint64_t GetRecordOffset(uint64_t recordNumber) const;
    // How many records the $MFT holds.
    uint64_t RecordCount() const { return recordCount; }

    // The record an absolute path names, from the directory record rootRecord.
    std::shared_ptr<MFTRecord> FindPath(const std::string& pathUtf8, uint64_t rootRecord);
    std::vector<DirectoryItem> ListDirectory(const std::string& pathUtf8, bool wantDirectories, bool wantFiles);

    std::shared_ptr<MFTRecord> record0;
    // The cluster of $MFTMirr when record 0 came from there (0 otherwise):
    // records 0 to 3 are then read from it where the $MFT's own copy fails.
    uint64_t mirrorCluster = 0;
    static constexpr uint64_t MirroredRecords = 4;
    std::shared_ptr<NTFSReader> reader;
    std::vector<DataRun> runs;

private:
    std::shared_ptr<MFTRecord> FollowRecord0(uint64_t cluster, const AttributeHeader*& data);
    // The record read(buffer, record size) fills, or empty when it is not a
    // valid "FILE" record or cannot be read; a disconnected device still throws.
    std::shared_ptr<MFTRecord> ParseRecord(const std::function<void(uint8_t*, uint32_t)>& read);

    uint64_t recordCount = 0;
};

}
