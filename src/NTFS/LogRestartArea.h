#pragma once
// The NTFS journal ($LogFile): two restart pages, then log pages ("RCRD")
// whose records are found by following their sequence numbers (LSNs)
// backwards, and gathered into transactions that begin with a change of the
// volume's cluster bitmap and end when the transaction is forgotten.
#include "Utils/Buffer.h"

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

namespace NTFS {

// One log record as found. The pointers stay valid while the LogRestartArea
// lives; clientLength bytes are readable at clientData.
struct LogRecordRef {
    const uint8_t* header = nullptr;
    const uint8_t* clientData = nullptr;
    const uint8_t* clientTail = nullptr; // clientData + 0x28
    uint64_t logOffset = 0;              // of the header in the journal data
    uint32_t clientLength = 0;
    bool reassembled = false; // the record continued on the next page and was copied together
};
using LogTransaction = std::vector<LogRecordRef>;

class LogRestartArea {
public:
    // Takes the journal's data. Throws Exceptions::NTFSException "Invalid log
    // file format." unless it holds two restart pages ("RSTR" at 0 and 4096).
    explicit LogRestartArea(std::shared_ptr<Utils::Buffer<uint8_t>> data);

    // The transactions of the record pages. Applies each page's fix-ups in
    // place and keeps the records that continue on a next page in pages.
    // A log page size that is not a power of two from 512 to 64 KiB gives none.
    std::vector<LogTransaction> ParseRecordPages();

    std::shared_ptr<Utils::Buffer<uint8_t>> data;
    std::list<std::vector<uint8_t>> pages; // reassembly buffers
    const uint8_t* restartPage1 = nullptr;
    const uint8_t* restartArea1 = nullptr;
    const uint8_t* clientArray1 = nullptr;
    const uint8_t* restartPage2 = nullptr;
    const uint8_t* restartArea2 = nullptr;
    const uint8_t* clientArray2 = nullptr;

private:
    void ParsePage(uint64_t pageOffset, uint32_t pageSize, LogTransaction& open, bool& isOpen,
                   std::vector<LogTransaction>& result);
    // The client data of the record at offset in the page: in the page, or
    // copied from this page and the next one's data area. Null when it does not fit.
    const uint8_t* ClientData(uint64_t pageOffset, uint32_t pageSize, uint32_t offset, uint32_t length,
                              bool continues, bool* reassembled);
};

}
