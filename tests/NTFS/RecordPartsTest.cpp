// Table tests of the record layer's small parts: run decoding, fix-ups, the
// attribute walk and the recogniser.
#include "DataRecovery/Exceptions.h"
#include "NTFS/AttributeHeader.h"
#include "NTFS/DataRuns.h"
#include "NTFS/IndexEntry.h"
#include "NTFS/MFTRecord.h"
#include "NTFS/NTFSReader.h"
#include "NTFS/NTFSRecognize.h"
#include "NTFS/NtfsBytes.h"
#include "NTFS/RecordViews.h"
#include "NTFS/UpdateSequence.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace NTFS;

TEST(DecodeRunList, Table)
{
    struct Case {
        std::vector<uint8_t> bytes;
        std::vector<NTFS::DataRun> runs;
    };
    const std::vector<Case> cases{
        // 16 clusters 256 on, then a hole of 8 that keeps no cluster of its own.
        {{0x21, 0x10, 0x00, 0x01, 0x01, 0x08, 0x00}, {{256, 16, false}, {0, 8, true}}},
        // An offset of -1 moves back one cluster.
        {{0x11, 0x04, 0x10, 0x11, 0x02, 0xFF, 0x00}, {{16, 4, false}, {15, 2, false}}},
        // A hole after data, then data relative to the earlier data run.
        {{0x11, 0x02, 0x20, 0x01, 0x03, 0x11, 0x01, 0x04}, {{32, 2, false}, {0, 3, true}, {36, 1, false}}},
        // A run that does not fit ends the list.
        {{0x11, 0x02, 0x20, 0x31, 0x01}, {{32, 2, false}}},
        {{0x00, 0x11, 0x01, 0x01}, {}},
    };
    for (const auto& c : cases) {
        const auto runs = DecodeRunList(c.bytes.data(), c.bytes.size());
        ASSERT_EQ(runs.size(), c.runs.size());
        for (size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].sparse, c.runs[i].sparse) << i;
            EXPECT_EQ(runs[i].length, c.runs[i].length) << i;
            if (!runs[i].sparse) {
                EXPECT_EQ(runs[i].lcn, c.runs[i].lcn) << i;
            }
        }
    }
    const std::vector<std::vector<uint8_t>> refused = {
        {0x9F, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11,
         0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x00}, // more than 8 length and offset bytes
        {0x10, 0x05, 0x00},                                     // no length bytes
        {0x11, 0x02, 0xFE, 0x00},                               // before cluster 0
        {0x11, 0x00, 0x05, 0x00},                               // no clusters
    };
    for (const auto& bytes : refused)
        EXPECT_THROW(DecodeRunList(bytes.data(), bytes.size()), Exceptions::NTFSException);
    EXPECT_THROW(CheckRunsInsideVolume({{90, 11, false}}, 100), Exceptions::NTFSException);
    EXPECT_NO_THROW(CheckRunsInsideVolume({{90, 10, false}, {0, 1000, true}}, 100));
}

namespace {
std::vector<uint8_t> ProtectedBlock(uint32_t size, uint16_t count, uint16_t arrayOffset = 0x30)
{
    std::vector<uint8_t> block(size, 0);
    std::memcpy(block.data(), "FILE", 4);
    block[4] = arrayOffset & 0xFF;
    block[5] = arrayOffset >> 8;
    block[6] = count & 0xFF;
    block[7] = count >> 8;
    block[arrayOffset] = 0x07; // sequence number 7
    for (uint16_t i = 1; i < count; ++i) {
        block[arrayOffset + 2 * i] = static_cast<uint8_t>(i);
        block[arrayOffset + 2 * i + 1] = 0xAB;
        if (i * 512u <= size)
            block[i * 512 - 2] = 0x07;
    }
    return block;
}
}

TEST(UpdateSequence, EverySectorOfEachBlockSize)
{
    for (uint32_t size : {1024u, 4096u}) {
        SCOPED_TRACE(size);
        auto block = ProtectedBlock(size, static_cast<uint16_t>(size / 512 + 1));
        block[2 * 512 - 2] = 0x99; // a torn sector keeps what it holds
        FixupBlock(block.data(), size);
        for (uint32_t i = 1; i <= size / 512; ++i) {
            if (i == 2)
                EXPECT_EQ(block[i * 512 - 2], 0x99);
            else
                EXPECT_EQ(block[i * 512 - 2], i) << i;
        }
    }
    struct Bad {
        uint32_t size;
        uint16_t count;
        uint16_t offset;
    };
    for (const Bad& bad : {Bad{1024, 0xFFFF, 0x30}, Bad{1024, 2, 0x30}, Bad{1024, 3, 0xFFFF}, Bad{4096, 3, 0x30},
                           Bad{1024, 3, 1020}}) {
        auto block = ProtectedBlock(bad.size, std::min<uint16_t>(bad.count, 3), 0x30);
        block[4] = bad.offset & 0xFF;
        block[5] = bad.offset >> 8;
        block[6] = bad.count & 0xFF;
        block[7] = bad.count >> 8;
        const auto before = block;
        EXPECT_THROW(FixupBlock(block.data(), bad.size), Exceptions::NTFSException);
        EXPECT_EQ(block, before);
    }
}

TEST(AttributeWalk, DamagedAttributesEndTheWalk)
{
    // Two resident attributes, then the end marker.
    std::vector<uint8_t> record(1024, 0);
    std::memcpy(record.data(), "FILE", 4);
    record[0x14] = 0x38;
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(record.data() + at, &v, 4); };
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(record.data() + at, &v, 2); };
    put32(0x38, 0x10);
    put32(0x3C, 0x60);
    put32(0x38 + 0x10, 0x48);
    put16(0x38 + 0x14, 0x18);
    put32(0x98, 0x30);
    put32(0x9C, 0x68);
    put32(0x98 + 0x10, 0x4A);
    put16(0x98 + 0x14, 0x18);
    put32(0x100, 0xFFFFFFFF);
    ASSERT_EQ(WalkAttributes(record.data(), record.size()).size(), 2u);

    struct Damage {
        const char* what;
        size_t at;
        uint32_t value;
        int width;
        size_t kept;
    };
    for (const Damage& d : {Damage{"length 0", 0x9C, 0, 4, 1}, Damage{"length 1", 0x9C, 1, 4, 1},
                            Damage{"length past the record", 0x9C, 0x1000, 4, 1},
                            Damage{"ends on the record's last byte, no end marker", 0x9C, 0x368, 4, 1},
                            Damage{"value past the attribute", 0x98 + 0x10, 0x100, 4, 1},
                            Damage{"value offset past the attribute", 0x98 + 0x14, 0x70, 2, 1},
                            Damage{"name past the attribute", 0x98 + 0x09, 0xFF, 1, 1},
                            Damage{"non-resident flag 7", 0x38 + 8, 7, 1, 0}}) {
        SCOPED_TRACE(d.what);
        auto copy = record;
        std::memcpy(copy.data() + d.at, &d.value, d.width);
        EXPECT_EQ(WalkAttributes(copy.data(), copy.size()).size(), d.kept);
    }
    auto bad = record;
    put16(0x14, 0);
    std::swap(bad, record);
    EXPECT_THROW(WalkAttributes(bad.data(), bad.size()), Exceptions::NTFSException);
    EXPECT_THROW(FileRecordView::Parse(bad.data(), bad.size()), Exceptions::NTFSException);
}

TEST(IndexNodeWalk, EntriesThatDoNotFitEndTheWalk)
{
    // A node header and two $I30 entries of 0x60 bytes, then a 16-byte last entry.
    std::vector<uint8_t> node(0x10 + 0x60 * 2 + 0x10, 0);
    auto put = [&](size_t at, uint64_t v, int w) { std::memcpy(node.data() + at, &v, w); };
    put(0, 0x10, 4);
    put(4, node.size(), 4);
    for (size_t e = 0x10; e < 0x10 + 0xC0; e += 0x60) {
        put(e, 40 + e, 8);
        put(e + 8, 0x60, 2);
        put(e + 10, 0x50, 2);
        put(e + 16, 5, 8);
        node[e + 0x50] = 4;
        put(e + 0x52, 'a', 2);
    }
    put(0xD0 + 8, 0x10, 2);
    put(0xD0 + 12, 2, 2);
    EXPECT_EQ(WalkIndexNode(node.data(), node.size(), true).size(), 2u);
    auto longName = node;
    longName[0x70 + 0x50] = 255; // a name of 255 units in a 96-byte entry
    EXPECT_EQ(WalkIndexNode(longName.data(), longName.size(), true).size(), 1u);
    auto zeroLength = node;
    zeroLength[0x10 + 8] = 0;
    EXPECT_EQ(WalkIndexNode(zeroLength.data(), zeroLength.size(), true).size(), 0u);
    auto usedPastNode = node;
    usedPastNode[5] = 0x40;
    EXPECT_EQ(WalkIndexNode(usedPastNode.data(), usedPastNode.size(), true).size(), 2u);
    EXPECT_THROW(IndexEntry(longName.data() + 0x70, 0x60, "$I30"), Exceptions::NTFSException);
}

namespace {
std::vector<uint8_t> BootSector(uint64_t serial)
{
    std::vector<uint8_t> b(512, 0);
    b[0] = 0xEB;
    b[1] = 0x52;
    b[2] = 0x90;
    std::memcpy(b.data() + 3, "NTFS    ", 8);
    b[0x0B] = 0x00;
    b[0x0C] = 0x02; // 512-byte sectors
    b[0x0D] = 8;
    const uint64_t sectors = 1 << 20;
    std::memcpy(b.data() + 0x28, &sectors, 8);
    const uint64_t mft = 4;
    std::memcpy(b.data() + 0x30, &mft, 8);
    b[0x40] = 0xF6;
    b[0x44] = 1;
    std::memcpy(b.data() + 0x48, &serial, 8);
    b[510] = 0x55;
    b[511] = 0xAA;
    return b;
}
}

TEST(BootGeometry, DamagedGeometryIsRefused)
{
    BootGeometry g;
    ASSERT_TRUE(ReadBootGeometry(BootSector(1).data(), 0, g));
    EXPECT_EQ(g.clusterSize, 4096u);
    EXPECT_EQ(g.recordSize, 1024u);
    EXPECT_EQ(g.indexBlockSize, 4096u);
    struct Damage {
        const char* what;
        size_t at;
        uint8_t value;
    };
    for (const Damage& d : {Damage{"sector size 0", 0x0C, 0}, Damage{"sector size 8 KiB", 0x0C, 0x20},
                            Damage{"3 sectors per cluster", 0x0D, 3}, Damage{"0 sectors per cluster", 0x0D, 0},
                            Damage{"2^31 bytes per record", 0x40, 0xE1}, Damage{"127 clusters per record", 0x40, 127},
                            Damage{"0 per index block", 0x44, 0}, Damage{"$MFT past the volume", 0x37, 0x10},
                            Damage{"OEM text", 3, 'X'}}) {
        SCOPED_TRACE(d.what);
        auto b = BootSector(1);
        b[d.at] = d.value;
        EXPECT_FALSE(ReadBootGeometry(b.data(), 0, g));
    }
    EXPECT_FALSE(ReadBootGeometry(BootSector(1).data(), 4 * 4096, g)) << "$MFT at cluster 4 of a 4-cluster volume";
}

TEST(NTFSRecognize, BootSectorsAndRecordHalves)
{
    NTFSRecognize recognise;
    auto first = BootSector(0x1111222233334444ull);
    EXPECT_TRUE(recognise.CheckBootSector(first.data()));
    EXPECT_FALSE(recognise.CheckBootSector(first.data())) << "the backup copy at the volume's end";
    EXPECT_FALSE(recognise.CheckBootSector(BootSector(0x9999222233334444ull).data()))
        << "serials that differ only in the high half are taken for one volume";
    EXPECT_TRUE(recognise.CheckBootSector(BootSector(0x5).data()));
    EXPECT_EQ(recognise.GetFileSystemType(), 0);

    std::vector<uint8_t> record(512, 0);
    std::memcpy(record.data(), "FILE\x30\x00\x03\x00", 8);
    std::vector<uint8_t> other(512, 0x41);
    EXPECT_TRUE(recognise.IsDirectoryBlock(1024, record.data(), 512));
    EXPECT_FALSE(recognise.IsDirectoryBlock(4096, other.data(), 512)) << "another block leaves the expectation";
    EXPECT_TRUE(recognise.IsDirectoryBlock(1536, other.data(), 512)) << "the second half, whatever it holds";
    EXPECT_FALSE(recognise.IsDirectoryBlock(2048, other.data(), 512));
    record[6] = 2;
    EXPECT_FALSE(recognise.IsDirectoryBlock(0, record.data(), 512)) << "a 512-byte record";
    record[6] = 9;
    EXPECT_TRUE(recognise.IsDirectoryBlock(0, record.data(), 512));
    for (uint64_t pos = 512; pos < 4096; pos += 512)
        EXPECT_TRUE(recognise.IsDirectoryBlock(pos, other.data(), 512)) << pos;
    EXPECT_FALSE(recognise.IsDirectoryBlock(4096, other.data(), 512));
}

TEST(RecordHelpers, StreamOffsetsAndContiguousPositions)
{
    const std::vector<NTFS::DataRun> runs = {{10, 2, false}, {0, 3, true}, {40, 1, false}};
    struct Case {
        uint64_t stream;
        uint64_t volume;
    };
    for (const Case& c : {Case{0, 10 * 4096}, Case{4097, 10 * 4096 + 4097}, Case{2 * 4096, 0}, Case{5 * 4096 + 7, 40 * 4096 + 7},
                          Case{6 * 4096, 0}}) {
        EXPECT_EQ(StreamToVolumeOffset(runs, 4096, c.stream), c.volume) << c.stream;
    }
    EXPECT_EQ(ContiguousRecordPosition(1 << 20, 4, 4096, 1024, 3), (1u << 20) + 4 * 4096 + 3 * 1024);
    EXPECT_EQ(RunClusters(runs), 6u);
}

// A $FILE_NAME whose name-length byte reaches past its value (into the padding
// of its attribute) is damaged: the name is cut to what the value holds, never
// taking in the padding; only a value too short for its fixed part is skipped.
TEST(FileNameValue, NameLongerThanItsValueIsCutToIt)
{
    std::vector<uint8_t> record(1024, 0);
    auto put = [&](size_t at, uint64_t v, int w) { std::memcpy(record.data() + at, &v, w); };
    std::memcpy(record.data(), "FILE", 4);
    put(0x04, 0x30, 2); // update sequence at 0x30, check value + 2 sectors
    put(0x06, 3, 2);
    put(0x30, 0x0001, 2);
    put(510, 0x0001, 2);
    put(1022, 0x0001, 2);
    put(0x14, 0x38, 2);
    put(0x16, 1, 2);
    put(0x2C, 77, 4);
    auto fileName = [&](size_t at, uint32_t length, const std::u16string& name, uint8_t claimedUnits, uint8_t space) {
        put(at, AttrFileName, 4);
        put(at + 4, length, 4);
        put(at + 0x10, 0x42 + 2 * name.size(), 4);
        put(at + 0x14, 0x18, 2);
        const size_t v = at + 0x18;
        put(v, 5, 8); // parent: the root folder
        record[v + 0x40] = claimedUnits;
        record[v + 0x41] = space;
        for (size_t i = 0; i < name.size(); ++i)
            put(v + 0x42 + 2 * i, name[i], 2);
        for (size_t i = v + 0x42 + 2 * name.size(); i < at + length; ++i)
            record[i] = 'Z'; // padding that a name must not take in
    };
    fileName(0x38, 0x80, u"ab", 10, 1);
    fileName(0xB8, 0x70, u"good.txt", 8, 1);
    put(0x128, AttrEnd, 4);

    auto view = FileRecordView::Parse(record.data(), record.size());
    const auto names = view.AttributesOfType(AttrFileName);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(AttributeView::FromSpan(names[0]).FileName(), u"ab");
    EXPECT_EQ(AttributeView::FromSpan(names[0]).FileNameValue().name, u"ab");
    EXPECT_EQ(AttributeView::FromSpan(names[1]).FileName(), u"good.txt");
    EXPECT_EQ(AttributeView::FromSpan(names[1]).FileNameValue().parentRecord, 5u);

    MFTRecord parsed(record.data(), nullptr, nullptr, true, 1024);
    EXPECT_EQ(parsed.GetFileName(), u"ab");
    ASSERT_EQ(parsed.FileNames().size(), 2u);
    EXPECT_EQ(parsed.RecordNumber(), 77u);

    // A value too short for its fixed part has no name at all.
    put(0x38 + 0x10, 0x40, 4);
    MFTRecord cut(record.data(), nullptr, nullptr, true, 1024);
    EXPECT_EQ(cut.GetFileName(), u"good.txt");
    ASSERT_EQ(cut.FileNames().size(), 1u);
}

// An empty file's $DATA is a resident attribute of 0x18 bytes whose value
// starts where the attribute ends: an empty value, not a damaged one.
TEST(AttributeViewContent, EmptyResidentValueAndOffsetsPastTheAttribute)
{
    std::vector<uint8_t> attribute(0x18, 0);
    auto put = [&](size_t at, uint64_t v, int w) { std::memcpy(attribute.data() + at, &v, w); };
    put(0, AttrData, 4);
    put(4, 0x18, 4);
    put(0x14, 0x18, 2);
    const AttributeSpan span{attribute.data(), attribute.size()};
    EXPECT_TRUE(AttributeView::FromSpan(span).ResidentValue().empty());
    EXPECT_TRUE(AttributeView::ContentOf(span).empty());
    put(0x10, 1, 4);
    EXPECT_THROW(AttributeView::FromSpan(span).ResidentValue(), Exceptions::NTFSException) << "value past the attribute";
    put(0x14, 0x19, 2);
    EXPECT_THROW(AttributeView::FromSpan(span), Exceptions::NTFSException) << "value offset past the attribute";
}
