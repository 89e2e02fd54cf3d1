#pragma once
// A validating record type: holds its own copy of one file record, hands out
// copies of attributes, refuses damaged headers with exceptions and reports
// failed value reads on standard output. It shares the checked parser of
// MFTRecord and adds a key-ordered index walk that follows sub-nodes.
#include "NTFS/MFTRecord.h"

#include <memory>
#include <string>
#include <vector>

namespace NTFS {

class MFTRecordCopy {
public:
    // Throws Exceptions::NTFSException "Invalid MFT record header" for a null
    // record and "Invalid update offset or size" for an array outside the record.
    MFTRecordCopy(const uint8_t* record, std::shared_ptr<NTFSReader> reader, MFT* mft = nullptr, uint32_t size = 0);

    // A copy of the occurrence-th attribute of type with exactly that name (an
    // empty name matches only unnamed attributes), or null.
    std::shared_ptr<Utils::Buffer<uint8_t>> FindAttribute(uint32_t type, const std::string& name, int occurrence);
    // The attribute's value; a failed read prints "[!] ..." and gives null.
    std::shared_ptr<Utils::Buffer<uint8_t>> ReadAttributeData(const AttributeHeader& attribute, bool trim);
    std::u16string GetFileName();
    // Root and block entries as MFTRecord gives them, after checking the root.
    std::vector<std::shared_ptr<IndexEntry>> GetIndexEntries();
    // The entries in key order: each sub-node before the entry that points to it.
    std::vector<std::shared_ptr<IndexEntry>> GetIndexEntriesInOrder();

    const MFTRecord& Record() const { return *record; }

private:
    void CheckIndexRoot();

    std::shared_ptr<NTFSReader> reader;
    std::unique_ptr<MFTRecord> record;
    std::vector<std::shared_ptr<Utils::Buffer<uint8_t>>> handedOut;
};

}
