#pragma once
// A light parse of a raw file record (no copies): its attributes grouped by
// type, and views of one attribute's header and content.
#include "Utils/Buffer.h"

#include <cstdint>
#include <map>
#include <memory>
#include <span>
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

class FileRecordView {
public:
    // Throws Exceptions::NTFSException "Invalid file record signature." when
    // the bytes are not "FILE" or the first attribute lies outside them. The
    // attribute walk is the checked one of the record parser.
    static FileRecordView Parse(const uint8_t* bytes, uint64_t size);
    static FileRecordView Parse(std::shared_ptr<Utils::Buffer<uint8_t>> owned);

    std::vector<AttributeSpan> AttributesOfType(uint32_t type) const;
    uint32_t RecordNumber() const;
    ByteSpan Bytes() const;

    ByteHolder recordBytes;
    std::map<uint32_t, std::vector<AttributeSpan>> attributes;

private:
    void Walk();
};

class AttributeView {
public:
    // "Invalid attribute data length." when the content offset is not inside the span.
    static AttributeView FromSpan(AttributeSpan span);
    static AttributeView FromBuffer(std::shared_ptr<Utils::Buffer<uint8_t>> owned);
    static ByteSpan ContentOf(AttributeSpan span);

    ByteSpan ResidentContent() const;
    ByteSpan NonResidentContent() const;
    std::u16string FileName() const;
    ByteSpan IndexRootContent() const;
    ByteSpan StandardInformationContent() const;
    ByteSpan DataContent() const;

    uint32_t Type() const;
    bool NonResident() const;
    ByteSpan HeaderBytes() const;

    ByteHolder header;
    ByteHolder content;
};

// The first $FILE_NAME of the wanted namespace, else the first; throws
// "No name attribute." for an empty list.
AttributeSpan SelectFileName(const std::vector<AttributeSpan>& names, uint8_t wanted);

}
