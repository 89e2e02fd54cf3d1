#pragma once
// The $MFT of one volume: its runs (from every piece of its $DATA), and file
// records fetched by number, each part from the run that holds it.
#include "NTFS/DataRuns.h"
#include "Utils/Buffer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace NTFS {

class MFTRecord;
class NTFSReader;

struct DirectoryItem {
    uint64_t recordNumber = 0;
    std::u16string name;
};

class MFT {
public:
    // Reads record 0 and the runs of the $MFT; throws Exceptions::NTFSException
    // when record 0 cannot be read or parsed.
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
    std::shared_ptr<NTFSReader> reader;
    std::vector<DataRun> runs;

private:
    uint64_t recordCount = 0;
};

}
