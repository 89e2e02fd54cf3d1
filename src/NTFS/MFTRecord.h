#pragma once
// One file record of the $MFT: checked, fixed up, and read through its
// record view (RecordViews), which alone parses the record's bytes.
// A file's attributes may continue in extension records named by its
// $ATTRIBUTE_LIST; GetAttributes gathers every piece.
#include "NTFS/AttributeHeader.h"
#include "NTFS/DataChunks.h"
#include "NTFS/DataRuns.h"
#include "NTFS/RecordViews.h"
#include "Utils/Buffer.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace NTFS {

class MFT;
class MFTRecord;
class NTFSReader;
class IndexEntry;

// One piece of an attribute and the record that holds it (kept alive by holder
// when it is an extension record).
struct AttributePiece {
    std::shared_ptr<const MFTRecord> holder;
    const MFTRecord* record = nullptr;
    AttributeHeader header;
};

// One entry of an $ATTRIBUTE_LIST value.
struct AttributeListEntry {
    uint32_t type = 0;
    std::string name; // UTF-8
    uint64_t startVcn = 0;
    uint64_t recordNumber = 0; // low 48 bits of the reference
    uint16_t id = 0;
};

// Entries of an attribute list, walked by their length while a header fits;
// an entry that does not fit ends the walk.
std::vector<AttributeListEntry> ParseAttributeList(const uint8_t* bytes, size_t size);

class MFTRecord {
public:
    // The largest attribute value read into memory.
    static constexpr uint64_t maxValueBytes = 1ull << 30;

    // Over size bytes at record (the reader's record size when 0). With copy the
    // record keeps its own copy; otherwise the fix-ups are written into the
    // caller's bytes, which must outlive the record. A null record gives an
    // empty record. Throws Exceptions::NTFSException for a record that is not
    // "FILE", whose update-sequence array does not fit it, or whose first
    // attribute lies outside it.
    MFTRecord(uint8_t* record, MFT* mft, NTFSReader* reader, bool copy, uint32_t size = 0);
    // Over a shared buffer, which the record keeps alive.
    MFTRecord(std::shared_ptr<Utils::Buffer<uint8_t>> bytes, MFT* mft, NTFSReader* reader);
    ~MFTRecord();

    MFTRecord(const MFTRecord&) = delete;
    MFTRecord& operator=(const MFTRecord&) = delete;

    void MakeOwnCopy();

    bool Empty() const { return header == nullptr; }
    const uint8_t* Header() const { return header; }
    uint32_t Size() const { return size; }
    uint16_t Flags() const;
    bool InUse() const { return Flags() & 1; }
    bool IsDirectory() const { return Flags() & 2; }
    // The record number the header claims (0x2C); damage can make it another's.
    uint32_t RecordNumber() const;
    // Where the record was read from in the $MFT; none for a record read
    // elsewhere (found raw, or an image in the journal).
    std::optional<uint64_t> PlaceInMft() const { return place; }
    void SetPlaceInMft(uint64_t number) { place = number; }
    // The record's number: its place in the $MFT where known, else the claim.
    uint64_t Number() const { return place ? *place : RecordNumber(); }
    // The sequence number a reference to this record carries: the header's,
    // less the step NTFS adds when it frees a record (0: none known).
    uint16_t ReferenceSequence() const;
    uint64_t BaseRecord() const; // 0 for a base record
    const std::vector<AttributeHeader>& Attributes() const { return view.Headers(); }
    const FileRecordView& View() const { return view; }
    // A view of one of this record's attributes.
    AttributeView ViewOf(const AttributeHeader& attribute) const;

    // The occurrence-th attribute of type in this record whose name equals name;
    // an empty name lets every attribute of the type count.
    const AttributeHeader* FindAttribute(uint32_t type, const std::string& name, int occurrence) const;
    // The attribute's bytes, from its header on.
    const uint8_t* AttributeBytes(const AttributeHeader& attribute) const { return view.SpanOf(attribute).data; }
    std::vector<DataRun> DecodeRuns(const AttributeHeader& attribute) const;

    // Every piece of the attribute of type and exact name (UTF-8, empty for the
    // unnamed one), from this record and its extension records, in starting-VCN order.
    std::vector<AttributePiece> GetAttributes(uint32_t type, const std::string& name) const;
    // Whether the record (or its extension records) has an attribute of the type.
    bool HasAttribute(uint32_t type) const;

    // The value of one attribute of this record.
    std::shared_ptr<Utils::Buffer<uint8_t>> ReadAttributeData(const AttributeHeader& attribute, bool trim) const;
    // The value of an attribute made of pieces: sizes from the VCN-0 piece,
    // holes as zeros, bytes past the initialized size as zeros. direct reads
    // just the value's bytes, past the shared read-ahead window.
    std::shared_ptr<Utils::Buffer<uint8_t>> ReadAttributeValue(const std::vector<AttributePiece>& pieces,
                                                               bool trim, bool direct = false) const;
    // The runs of all pieces joined; throws when the pieces do not continue one another.
    std::vector<DataRun> JoinRuns(const std::vector<AttributePiece>& pieces) const;

    // The data of the $DATA stream of that name (UTF-8, empty for the unnamed
    // one), across extension records. Throws "Unable to find $DATA attribute".
    std::shared_ptr<Utils::Buffer<uint8_t>> ReadData(const std::string& stream, bool trim) const;

    std::vector<std::shared_ptr<IndexEntry>> GetIndexEntries() const;

    // A $DATA stream as chunks of at most chunkSize bytes (the record must
    // outlive the generator): resident values, runs with holes as zeros (none
    // with skipHoles), bytes past the initialized size as zeros, compressed
    // units decoded, and for a system-compressed file ("WofCompressedData", or
    // the unnamed stream of a file that has one) its plain bytes. A read or
    // decode failure throws; LZX is refused with Exceptions::NTFSException.
    DataChunkGenerator ReadDataChunks(std::string stream, uint32_t chunkSize, bool skipHoles) const;
    // The same, cut to the stream's real size (the plain size of a WOF file).
    DataChunkGenerator ReadDataTrimmed(std::string stream, uint32_t chunkSize, bool skipHoles) const;
    // The same, cut to the allocated size.
    DataChunkGenerator ReadDataAllocated(std::string stream, uint32_t chunkSize, bool skipHoles) const;
    // The real or allocated size of the stream, whatever the record's flags; 0 without it.
    uint64_t GetDataSize(const std::string& stream, bool real) const;
    // Names of the named $DATA streams, in attribute order.
    std::vector<std::string> GetStreamNames() const;
    // Writes the trimmed stream to a new file; the bytes written (0 when it cannot be made).
    uint64_t ExtractToFile(const std::wstring& path, const std::string& stream, bool skipHoles) const;
    // The WOF algorithm of a system-compressed file (reparse tag 0x80000017 and
    // a "WofCompressedData" stream); none otherwise.
    std::optional<uint32_t> GetWofAlgorithm() const;
    // Whether the unnamed $DATA is non-resident and NTFS-compressed.
    bool IsCompressedData() const;

    // The entries of this record's $ATTRIBUTE_LIST (empty without one). A list
    // longer than NTFS ever writes is refused.
    std::vector<AttributeListEntry> ReadAttributeList() const;
    static constexpr uint64_t maxAttributeListBytes = 1u << 20;

    // The name SelectFileName picks (Win32, else any long name, else the DOS
    // one) among the readable $FILE_NAMEs, across extension records; empty without one.
    std::optional<FileNameInfo> ChooseFileName() const;
    std::u16string GetFileName() const;
    // Every readable $FILE_NAME, across extension records, in piece order.
    std::vector<FileNameInfo> FileNames() const;
    // The modification FILETIME of a resident $STANDARD_INFORMATION; none without one.
    std::optional<uint64_t> StandardModifiedTime() const;

    NTFSReader* Reader() const { return reader; }
    MFT* Mft() const { return mft; }

private:
    void Parse();
    bool IsWofStream(const std::string& stream) const;
    DataChunkGenerator ReadCompressedUnits(AttributePiece first, std::vector<DataRun> runs, uint32_t chunkSize,
                                           bool skipHoles) const;
    DataChunkGenerator ReadWofChunks(uint32_t chunkSize) const;
    DataChunkGenerator ReadDataCut(std::string stream, uint32_t chunkSize, bool skipHoles, bool real) const;
    uint64_t TotalClusters() const;

    std::shared_ptr<Utils::Buffer<uint8_t>> owned;
    NTFSReader* reader = nullptr;
    uint8_t* header = nullptr;
    MFT* mft = nullptr;
    uint32_t size = 0;
    std::optional<uint64_t> place;
    FileRecordView view;
};

// The validity test of a record's first bytes: "FILE", first-attribute offset
// above 48 and below 1024, first attribute type from 0x10 to 0x100.
bool IsValidRecordStart(const uint8_t* record, size_t size);
// The device byte of record n when the $MFT were one run from its first cluster.
uint64_t ContiguousRecordPosition(uint64_t volumeStart, uint64_t mftCluster, uint32_t clusterSize, uint32_t recordSize,
                                  uint64_t recordNumber);

}
