#include "NTFS/MFTRecord.h"

#include "DataRecovery/Exceptions.h"
#include "NTFS/MFT.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NtfsBytes.h"
#include "NTFS/UpdateSequence.h"
#include "Utils/TextConversion.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace NTFS {

std::vector<AttributeListEntry> ParseAttributeList(const uint8_t* bytes, size_t size)
{
    std::vector<AttributeListEntry> entries;
    size_t pos = 0;
    while (size - pos >= 0x1A) {
        const uint8_t* p = bytes + pos;
        const size_t left = size - pos;
        const uint16_t length = U16(p, left, 4);
        if (length < 0x1A || length > left)
            break;
        AttributeListEntry e;
        e.type = U32(p, length, 0);
        const uint8_t nameLength = p[6];
        const uint8_t nameOffset = p[7];
        if (nameLength) {
            if (nameOffset < 0x1A || nameOffset + 2u * nameLength > length)
                break;
            e.name = Utils::Utf16ToUtf8(ReadUtf16(p, length, nameOffset, nameLength));
        }
        e.startVcn = U64(p, length, 8);
        e.recordNumber = U64(p, length, 0x10) & RecordNumberMask;
        e.id = U16(p, length, 0x18);
        entries.push_back(e);
        pos += length;
    }
    return entries;
}

MFTRecord::MFTRecord(uint8_t* record, MFT* mft, NTFSReader* reader, bool copy, uint32_t recordSize)
    : reader(reader), mft(mft)
{
    if (!record)
        return;
    size = recordSize ? recordSize : (reader ? reader->recordSize : 1024);
    if (copy) {
        owned = Utils::MakeBuffer(size);
        if (!owned->data)
            throw Exceptions::NTFSException("Out of memory for a file record.");
        std::memcpy(owned->data, record, size);
        header = owned->data;
    } else {
        header = record;
    }
    Parse();
}

MFTRecord::MFTRecord(std::shared_ptr<Utils::Buffer<uint8_t>> bytes, MFT* mft, NTFSReader* reader)
    : owned(std::move(bytes)), reader(reader), mft(mft)
{
    if (!owned || !owned->data)
        return;
    header = owned->data;
    size = owned->length;
    Parse();
}

MFTRecord::~MFTRecord() = default;

void MFTRecord::Parse()
{
    if (size < 512 || std::memcmp(header, "FILE", 4) != 0)
        throw Exceptions::NTFSException("Invalid MFT record magic");
    FixupBlock(header, size);
    view = FileRecordView::Parse(header, size);
}

void MFTRecord::MakeOwnCopy()
{
    if (!header || (owned && owned->data == header))
        return;
    auto copy = Utils::MakeBuffer(size);
    if (!copy->data)
        throw Exceptions::NTFSException("Out of memory for a file record.");
    std::memcpy(copy->data, header, size);
    owned = std::move(copy);
    header = owned->data;
    view.Rebase(header);
}

AttributeView MFTRecord::ViewOf(const AttributeHeader& attribute) const
{
    return AttributeView::FromSpan(view.SpanOf(attribute));
}

uint16_t MFTRecord::Flags() const
{
    return header ? U16(header, size, 0x16) : 0;
}

uint32_t MFTRecord::RecordNumber() const
{
    return header ? U32(header, size, 0x2C) : 0;
}

uint16_t MFTRecord::ReferenceSequence() const
{
    const uint16_t sequence = header ? U16(header, size, 0x10) : 0;
    if (sequence == 0 || InUse())
        return sequence;
    // Freeing steps the number past 0xFFFF to 1, never to 0.
    return sequence == 1 ? 0xFFFF : sequence - 1;
}

uint64_t MFTRecord::BaseRecord() const
{
    return header ? (U64(header, size, 0x20) & RecordNumberMask) : 0;
}

const AttributeHeader* MFTRecord::FindAttribute(uint32_t type, const std::string& name, int occurrence) const
{
    for (const auto& a : view.Headers()) {
        if (a.type != type || (!name.empty() && a.name != name))
            continue;
        if (occurrence-- == 0)
            return &a;
    }
    return nullptr;
}

uint64_t MFTRecord::TotalClusters() const
{
    if (!reader)
        return UINT64_MAX;
    if (reader->totalClusters)
        return reader->totalClusters;
    return reader->clusterSize ? reader->Size() / reader->clusterSize : 0;
}

std::vector<DataRun> MFTRecord::DecodeRuns(const AttributeHeader& a) const
{
    if (!a.nonResident)
        throw Exceptions::NTFSException("Resident Form.");
    const ByteSpan list = ViewOf(a).NonResidentContent();
    auto runs = DecodeRunList(list.data(), list.size());
    CheckRunsInsideVolume(runs, TotalClusters());
    return runs;
}

std::vector<AttributeListEntry> MFTRecord::ReadAttributeList() const
{
    const AttributeHeader* list = FindAttribute(AttrAttributeList, "", 0);
    if (!list)
        return {};
    if (list->realSize > maxAttributeListBytes)
        throw Exceptions::NTFSException("Attribute list too long.");
    // Read for one record at a time, often far from the window: only its own bytes.
    auto value = ReadAttributeValue({{nullptr, this, *list}}, true, true);
    return ParseAttributeList(value->data, value->length);
}

bool MFTRecord::HasAttribute(uint32_t type) const
{
    if (FindAttribute(type, "", 0))
        return true;
    for (const auto& e : ReadAttributeList())
        if (e.type == type)
            return true;
    return false;
}

std::vector<AttributePiece> MFTRecord::GetAttributes(uint32_t type, const std::string& name) const
{
    std::vector<AttributePiece> pieces;
    for (const auto& a : view.Headers())
        if (a.type == type && a.name == name)
            pieces.push_back({nullptr, this, a});
    if (mft && type != AttrAttributeList) {
        const uint64_t own = Number();
        std::map<uint64_t, std::shared_ptr<const MFTRecord>> fetched;
        for (const auto& e : ReadAttributeList()) {
            if (e.type != type || e.name != name || e.recordNumber == own)
                continue;
            auto& other = fetched[e.recordNumber];
            if (!other)
                other = mft->GetRecord(e.recordNumber);
            // An extension record that was reused for another file is not ours.
            if (!other || other->BaseRecord() != own)
                continue;
            for (const auto& a : other->Attributes())
                if (a.type == type && a.name == name && a.id == e.id && a.startVcn == e.startVcn) {
                    pieces.push_back({other, other.get(), a});
                    break;
                }
        }
    }
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const AttributePiece& a, const AttributePiece& b) { return a.header.startVcn < b.header.startVcn; });
    return pieces;
}

std::vector<DataRun> MFTRecord::JoinRuns(const std::vector<AttributePiece>& pieces) const
{
    std::vector<DataRun> runs;
    uint64_t clusters = 0;
    for (const auto& piece : pieces) {
        if (piece.header.startVcn != clusters)
            throw Exceptions::NTFSException("Attribute pieces do not join.");
        auto more = piece.record->DecodeRuns(piece.header);
        clusters += RunClusters(more);
        runs.insert(runs.end(), more.begin(), more.end());
    }
    return runs;
}

std::shared_ptr<Utils::Buffer<uint8_t>> MFTRecord::ReadAttributeData(const AttributeHeader& attribute,
                                                                     bool trim) const
{
    return ReadAttributeValue({{nullptr, this, attribute}}, trim);
}

std::shared_ptr<Utils::Buffer<uint8_t>> MFTRecord::ReadAttributeValue(const std::vector<AttributePiece>& pieces,
                                                                      bool trim, bool direct) const
{
    if (pieces.empty())
        throw Exceptions::NTFSException("No attribute to read.");
    const AttributePiece& first = pieces.front();
    if (!first.header.nonResident) {
        const ByteSpan value = first.record->ViewOf(first.header).ResidentValue();
        auto buffer = Utils::MakeBuffer(static_cast<uint32_t>(value.size()));
        if (!value.empty())
            std::memcpy(buffer->data, value.data(), value.size());
        return buffer;
    }
    if (!reader)
        throw Exceptions::NTFSException("NTFS Reader not init.");
    if (first.header.startVcn != 0)
        throw Exceptions::NTFSException("Attribute pieces do not join.");
    const auto runs = JoinRuns(pieces);
    const uint64_t cover = RunClusters(runs) * reader->clusterSize;
    const uint64_t real = first.header.realSize;
    if (real > cover)
        throw Exceptions::NTFSException("attribute data Invalid read file size.");
    const uint64_t length = trim ? real : std::min(first.header.allocatedSize, cover);
    if (length > maxValueBytes || length < real)
        throw Exceptions::NTFSException("Attribute value too large.");
    auto buffer = Utils::MakeBuffer(static_cast<uint32_t>(length));
    if (length && !buffer->data)
        throw Exceptions::NTFSException("Out of memory for an attribute value.");
    if (direct)
        ReadRunBytesDirect(*reader, runs, 0, buffer->data, length);
    else
        ReadRunBytes(*reader, runs, 0, buffer->data, length);
    // Past the initialized size the disk holds whatever was there before.
    const uint64_t initialized = std::min(first.header.initializedSize, length);
    std::fill(buffer->data + initialized, buffer->data + std::max(initialized, std::min(real, length)), 0);
    return buffer;
}

std::shared_ptr<Utils::Buffer<uint8_t>> MFTRecord::ReadData(const std::string& stream, bool trim) const
{
    auto pieces = GetAttributes(AttrData, stream);
    if (pieces.empty())
        throw Exceptions::NTFSException("Unable to find $DATA attribute");
    return ReadAttributeValue(pieces, trim);
}

std::optional<FileNameInfo> MFTRecord::ChooseFileName() const
{
    // The pieces keep their extension records, and so the spans, alive.
    const auto pieces = GetAttributes(AttrFileName, "");
    std::vector<AttributeSpan> spans;
    std::vector<FileNameInfo> infos;
    for (const auto& piece : pieces) {
        try {
            infos.push_back(piece.record->ViewOf(piece.header).FileNameValue());
            spans.push_back(piece.record->View().SpanOf(piece.header));
        } catch (const Exceptions::NTFSException&) {
            // a damaged name; another may do
        }
    }
    if (spans.empty())
        return std::nullopt;
    const AttributeSpan chosen = SelectFileName(spans, NameSpaceWin32);
    for (size_t i = 0; i < spans.size(); ++i)
        if (spans[i].data == chosen.data)
            return infos[i];
    return infos.front();
}

std::vector<FileNameInfo> MFTRecord::FileNames() const
{
    std::vector<FileNameInfo> names;
    for (const auto& piece : GetAttributes(AttrFileName, "")) {
        try {
            names.push_back(piece.record->ViewOf(piece.header).FileNameValue());
        } catch (const Exceptions::NTFSException&) {
        }
    }
    return names;
}

std::optional<uint64_t> MFTRecord::StandardModifiedTime() const
{
    const AttributeHeader* si = FindAttribute(AttrStandardInformation, "", 0);
    if (!si || si->nonResident)
        return std::nullopt;
    const ByteSpan value = ViewOf(*si).ResidentValue();
    if (value.size() < 0x10)
        return std::nullopt;
    return U64(value.data(), value.size(), 0x08);
}

std::u16string MFTRecord::GetFileName() const
{
    auto chosen = ChooseFileName();
    return chosen ? chosen->name : std::u16string();
}

bool IsValidRecordStart(const uint8_t* record, size_t size)
{
    if (size < 0x40 || std::memcmp(record, "FILE", 4) != 0)
        return false;
    const uint16_t first = U16(record, size, 0x14);
    if (first <= 48 || first >= 1024 || first + 4u > size)
        return false;
    const uint32_t type = U32(record, size, first);
    return type >= 0x10 && type <= 0x100;
}

uint64_t ContiguousRecordPosition(uint64_t volumeStart, uint64_t mftCluster, uint32_t clusterSize, uint32_t recordSize,
                                  uint64_t recordNumber)
{
    return volumeStart + mftCluster * clusterSize + recordNumber * recordSize;
}

}
