#pragma once
// The one parse of a file record's bytes (no copies): its attributes, checked
// by the attribute walk, and views of one attribute's header and content.
// MFTRecord and the engine's record scans read record bytes only through these.
#include "NTFS/AttributeHeader.h"
#include "Utils/Buffer.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace NTFS {

using ByteSpan = std::span<const uint8_t>;
// Owned bytes or bytes someone else keeps alive; asking for the other form
// throws std::bad_variant_access.
using ByteHolder = std::variant<std::shared_ptr<Utils::Buffer<uint8_t>>, ByteSpan>;

struct AttributeSpan {
    const uint8_t* data = nullptr;
    uint64_t length = 0;
};

// The fields of a $FILE_NAME value that a record is listed under.
struct FileNameInfo {
    std::u16string name;
    uint64_t parentRecord = 0; // low 48 bits of the parent reference
    uint16_t parentSequence = 0; // its high 16 bits: the parent's sequence number when the name was written
    uint8_t nameSpace = 0;
    uint64_t changeTime = 0;   // FILETIME at 0x18: the record's last change
    uint64_t modifiedTime = 0; // FILETIME at 0x10
};

class FileRecordView {
public:
    // Throws Exceptions::NTFSException "Invalid file record signature." when
    // the bytes are not "FILE" or the first attribute lies outside them.
    static FileRecordView Parse(const uint8_t* bytes, uint64_t size);
    static FileRecordView Parse(std::shared_ptr<Utils::Buffer<uint8_t>> owned);

    // That type's attributes in record order; empty when the type is absent.
    std::vector<AttributeSpan> AttributesOfType(uint32_t type) const;
    AttributeSpan SpanOf(const AttributeHeader& attribute) const;
    // Every attribute that the walk accepted, decoded, in record order.
    const std::vector<AttributeHeader>& Headers() const { return headers; }
    uint32_t RecordNumber() const;
    ByteSpan Bytes() const;
    // The same bytes, moved elsewhere (a record that took its own copy).
    void Rebase(const uint8_t* bytes);

    ByteHolder recordBytes;

private:
    void Walk();

    // Kept in record order and filtered by type on request: a record has a
    // handful of attributes, and a map per record would cost the $MFT pass.
    std::vector<AttributeHeader> headers;
};

class AttributeView {
public:
    // "Invalid attribute data length." when the content offset is not inside the span.
    static AttributeView FromSpan(AttributeSpan span);
    static AttributeView FromBuffer(std::shared_ptr<Utils::Buffer<uint8_t>> owned);
    static ByteSpan ContentOf(AttributeSpan span);

    ByteSpan ResidentContent() const;
    // The resident value, cut to its value-length field ("An Incomplete
    // Attribute." when that field reaches past the attribute).
    ByteSpan ResidentValue() const;
    ByteSpan NonResidentContent() const;
    // The name of a $FILE_NAME; throws as FileNameValue does, and
    // "An Incomplete Attribute." for content of fewer than 69 bytes.
    std::u16string FileName() const;
    // The fields of a $FILE_NAME value, the name cut to what the value holds. A
    // value shorter than its fixed part is "An Incomplete Attribute.".
    FileNameInfo FileNameValue() const;
    ByteSpan IndexRootContent() const;
    ByteSpan StandardInformationContent() const;
    ByteSpan DataContent() const;

    uint32_t Type() const;
    bool NonResident() const;
    ByteSpan HeaderBytes() const;

    ByteHolder header;
    ByteHolder content;
};

enum FileNameSpace : uint8_t {
    NameSpacePosix = 0,
    NameSpaceWin32 = 1,
    NameSpaceDos = 2,
    NameSpaceWin32AndDos = 3,
};

// The first $FILE_NAME of the wanted namespace, else the first that is not a
// DOS short name, else the first; throws "No name attribute." for an empty list.
AttributeSpan SelectFileName(const std::vector<AttributeSpan>& names, uint8_t wanted);

}
