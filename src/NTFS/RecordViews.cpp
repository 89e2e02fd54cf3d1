#include "NTFS/RecordViews.h"

#include "DataRecovery/Exceptions.h"
#include "NTFS/AttributeHeader.h"
#include "NTFS/NtfsBytes.h"

#include <algorithm>
#include <cstring>

namespace NTFS {

namespace {
ByteSpan HeldSpan(const ByteHolder& holder)
{
    if (auto owned = std::get_if<std::shared_ptr<Utils::Buffer<uint8_t>>>(&holder))
        return *owned ? ByteSpan((*owned)->data, (*owned)->length) : ByteSpan();
    return std::get<ByteSpan>(holder);
}

uint32_t ContentOffset(ByteSpan span)
{
    const bool nonResident = U8(span.data(), span.size(), 8) != 0;
    const uint32_t offset = nonResident ? U16(span.data(), span.size(), 0x20) : U16(span.data(), span.size(), 0x14);
    // An empty resident value (an empty file's $DATA) ends where its attribute does.
    if (offset > span.size())
        throw Exceptions::NTFSException("Invalid attribute data length.");
    return offset;
}
}

FileRecordView FileRecordView::Parse(const uint8_t* bytes, uint64_t size)
{
    FileRecordView view;
    view.recordBytes = ByteSpan(bytes, size);
    view.Walk();
    return view;
}

FileRecordView FileRecordView::Parse(std::shared_ptr<Utils::Buffer<uint8_t>> owned)
{
    FileRecordView view;
    view.recordBytes = std::move(owned);
    view.Walk();
    return view;
}

void FileRecordView::Walk()
{
    const ByteSpan bytes = Bytes();
    if (bytes.size() < 0x30 || std::memcmp(bytes.data(), "FILE", 4) != 0 ||
        U16(bytes.data(), bytes.size(), 0x14) >= bytes.size())
        throw Exceptions::NTFSException("Invalid file record signature.");
    try {
        headers = WalkAttributes(bytes.data(), bytes.size());
    } catch (const Exceptions::NTFSException&) {
        throw Exceptions::NTFSException("Invalid file record signature.");
    }
}

std::vector<AttributeSpan> FileRecordView::AttributesOfType(uint32_t type) const
{
    std::vector<AttributeSpan> spans;
    for (const auto& a : headers)
        if (a.type == type)
            spans.push_back(SpanOf(a));
    return spans;
}

AttributeSpan FileRecordView::SpanOf(const AttributeHeader& attribute) const
{
    return {Bytes().data() + attribute.offset, attribute.length};
}

uint32_t FileRecordView::RecordNumber() const
{
    const ByteSpan bytes = Bytes();
    return U32(bytes.data(), bytes.size(), 0x2C);
}

void FileRecordView::Rebase(const uint8_t* bytes)
{
    recordBytes = ByteSpan(bytes, Bytes().size());
}

ByteSpan FileRecordView::Bytes() const
{
    return HeldSpan(recordBytes);
}

AttributeView AttributeView::FromSpan(AttributeSpan span)
{
    const ByteSpan bytes(span.data, span.length);
    const uint32_t offset = ContentOffset(bytes);
    AttributeView view;
    view.header = bytes;
    view.content = bytes.subspan(offset);
    return view;
}

AttributeView AttributeView::FromBuffer(std::shared_ptr<Utils::Buffer<uint8_t>> owned)
{
    const ByteSpan bytes(owned->data, owned->length);
    const uint32_t offset = ContentOffset(bytes);
    AttributeView view;
    view.content = bytes.subspan(offset);
    view.header = std::move(owned);
    return view;
}

ByteSpan AttributeView::ContentOf(AttributeSpan span)
{
    const ByteSpan bytes(span.data, span.length);
    return bytes.subspan(ContentOffset(bytes));
}

ByteSpan AttributeView::HeaderBytes() const
{
    return HeldSpan(header);
}

uint32_t AttributeView::Type() const
{
    const ByteSpan h = HeaderBytes();
    return U32(h.data(), h.size(), 0);
}

bool AttributeView::NonResident() const
{
    const ByteSpan h = HeaderBytes();
    return U8(h.data(), h.size(), 8) != 0;
}

ByteSpan AttributeView::ResidentContent() const
{
    if (NonResident())
        throw Exceptions::NTFSException("No Resident Form.");
    return std::get<ByteSpan>(content);
}

ByteSpan AttributeView::NonResidentContent() const
{
    if (!NonResident())
        throw Exceptions::NTFSException("Resident Form.");
    return std::get<ByteSpan>(content);
}

ByteSpan AttributeView::ResidentValue() const
{
    const ByteSpan content = ResidentContent();
    const ByteSpan h = HeaderBytes();
    const uint32_t length = U32(h.data(), h.size(), 0x10);
    if (length > content.size())
        throw Exceptions::NTFSException("An Incomplete Attribute.");
    return content.first(length);
}

std::u16string AttributeView::FileName() const
{
    if (Type() != AttrFileName)
        throw Exceptions::NTFSException("No File Name Attribute.");
    if (ResidentContent().size() < 69)
        throw Exceptions::NTFSException("An Incomplete Attribute.");
    return FileNameValue().name;
}

FileNameInfo AttributeView::FileNameValue() const
{
    if (Type() != AttrFileName)
        throw Exceptions::NTFSException("No File Name Attribute.");
    // Bounded by the value, not the attribute: the bytes after a value are
    // padding. A damaged length that runs past the value is cut to it.
    const ByteSpan v = ResidentValue();
    if (v.size() < 0x42)
        throw Exceptions::NTFSException("An Incomplete Attribute.");
    FileNameInfo info;
    info.parentRecord = U64(v.data(), v.size(), 0) & RecordNumberMask;
    info.parentSequence = static_cast<uint16_t>(U64(v.data(), v.size(), 0) >> 48);
    info.modifiedTime = U64(v.data(), v.size(), 0x10);
    info.changeTime = U64(v.data(), v.size(), 0x18);
    info.nameSpace = v[0x41];
    info.name = ReadUtf16(v.data(), v.size(), 0x42, std::min<size_t>(v[0x40], (v.size() - 0x42) / 2));
    return info;
}

ByteSpan AttributeView::IndexRootContent() const
{
    if (Type() != AttrIndexRoot)
        throw Exceptions::NTFSException("No Index Root Attribute.");
    const ByteSpan c = ResidentContent();
    if (c.size() <= 32)
        throw Exceptions::NTFSException("An Incomplete Attribute.");
    return c;
}

ByteSpan AttributeView::StandardInformationContent() const
{
    if (Type() != AttrStandardInformation)
        throw Exceptions::NTFSException("At Least One Standard Info Attribute.");
    const ByteSpan c = ResidentContent();
    if (c.size() < 72)
        throw Exceptions::NTFSException("An Incomplete Attribute.");
    return c;
}

ByteSpan AttributeView::DataContent() const
{
    if (Type() != AttrData)
        throw Exceptions::NTFSException("No File Data Attribute.");
    if (!NonResident())
        return ResidentContent();
    return HeldSpan(std::get<std::shared_ptr<Utils::Buffer<uint8_t>>>(content));
}

AttributeSpan SelectFileName(const std::vector<AttributeSpan>& names, uint8_t wanted)
{
    if (names.empty())
        throw Exceptions::NTFSException("No name attribute.");
    auto nameSpace = [](const AttributeSpan& span) -> int {
        const ByteSpan bytes(span.data, span.length);
        const uint32_t valueOffset = U16(bytes.data(), bytes.size(), 0x14);
        return valueOffset + 0x42u <= bytes.size() ? bytes[valueOffset + 0x41] : -1;
    };
    for (const auto& span : names)
        if (nameSpace(span) == wanted)
            return span;
    // A short name stands in for a long one only where there is no long one.
    for (const auto& span : names)
        if (nameSpace(span) >= 0 && nameSpace(span) != NameSpaceDos)
            return span;
    return names.front();
}

}
