#pragma once
// The light directory-index reader over record views: raw entry spans of
// $INDEX_ROOT and of every INDX block, without IndexEntry objects.
#include "NTFS/DataRuns.h"
#include "NTFS/IndexEntry.h"
#include "NTFS/RecordViews.h"

#include <memory>
#include <vector>

namespace NTFS {

class MFT;
class NTFSReader;

struct IndexEntrySpans {
    std::vector<EntrySpan> entries;
    AttributeView storage;
    // Keeps the bytes of a followed record and of the INDX blocks alive.
    std::vector<std::shared_ptr<Utils::Buffer<uint8_t>>> keepAlive;
};

IndexEntrySpans ReadIndexEntries(const FileRecordView& record, std::shared_ptr<MFT> mft,
                                 std::shared_ptr<NTFSReader> reader);

// The data the runs describe: allocated must equal the runs' bytes ("Invalid
// allocated length."); holes read as zeros.
std::shared_ptr<Utils::Buffer<uint8_t>> ReadRunsData(const std::vector<DataRun>& runs, uint64_t allocated,
                                                     uint64_t real, std::shared_ptr<NTFSReader> reader);

}
