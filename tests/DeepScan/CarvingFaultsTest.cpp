// Ends and headers across span boundaries, and damaged or hostile length fields.
#include "DeepScan/Carving/SharedTables.h"
#include "DeepScan/CarvingHarness.h"
#include "support/CarvingFixtures.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

using namespace CarvingTest;
using TestSupport::ReadFileBytes;

namespace {

std::string Fixture(const std::string& name)
{
    return TestSupport::CarvingFixtureDir() + "/" + name;
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

void Append(std::vector<uint8_t>& to, const std::vector<uint8_t>& bytes)
{
    to.insert(to.end(), bytes.begin(), bytes.end());
}

size_t Find(const std::vector<uint8_t>& bytes, std::string_view marker, bool last)
{
    const auto same = [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); };
    const auto it = last ? std::find_end(bytes.begin(), bytes.end(), marker.begin(), marker.end(), same)
                         : std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end(), same);
    return it == bytes.end() ? std::string::npos : static_cast<size_t>(it - bytes.begin());
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

}

// Each end marker or header starts at block offsets 505 to 511 and so lies
// across two blocks for every offset where it is long enough.
TEST(CarvingBoundaries, MarkersAndHeadersAcrossABlockBoundaryAreFound)
{
    struct Case {
        const char* file;
        std::string_view marker;
        bool last;
    };
    const Case cases[] = {
        {"jpg.jpg", "\xFF\xD9", true},
        {"progressive.jpg", "\xFF\xD9", true},
        {"rar4.rar", Carving::rar4EndMarker, true},
        {"rar5.rar", Carving::rar5EndMarker, true},
        {"pdf.pdf", "%%EOF", true},
        {"png.png", "IEND", true},
        {"zip-streamed.zip", "PK\x07\x08", false},
        {"zip64-streamed.zip", "PK\x07\x08", false},
        {"zip.zip", "PK\x05\x06", false},
        {"gif89.gif", ";", true},
        {"vorbis.ogg", "OggS", true},
        {"mp3-id3v1.mp3", "TAG", true},
    };
    for (const auto& c : cases) {
        auto volume = ReadFileBytes(Fixture(c.file));
        const size_t length = volume.size();
        const size_t marker = Find(volume, c.marker, c.last);
        ASSERT_NE(marker, std::string::npos) << c.file;
        ASSERT_GE(marker, 1024u) << c.file;
        volume.resize(length + 4096, 0);
        for (size_t offset = 505; offset <= 511; ++offset) {
            const size_t phase = (marker - 512 - offset) % 512;
            const Outcome outcome = Carve(volume, 0, 512, phase);
            EXPECT_TRUE(outcome.finished && outcome.valid) << c.file << " at " << offset;
            EXPECT_EQ(outcome.info.size, length) << c.file << " at " << offset;
        }
    }
}

TEST(CarvingBoundaries, Id3v2HeaderAcrossTheFirstBlockBoundary)
{
    const auto mp3 = ReadFileBytes(Fixture("mp3-44k.mp3"));
    for (size_t offset = 503; offset <= 511; ++offset) {
        // A padding-only ID3v2 tag that ends where the file's own tag begins.
        std::vector<uint8_t> volume = Bytes(std::string("ID3\x03\x00\x00", 6));
        const size_t size = offset - 10;
        for (int shift : {21, 14, 7, 0})
            volume.push_back(static_cast<uint8_t>((size >> shift) & 0x7F));
        volume.resize(offset, 0);
        Append(volume, mp3);
        const size_t length = volume.size();
        volume.resize(length + 4096, 0);
        const Outcome outcome = Carve(volume, 0);
        EXPECT_TRUE(outcome.finished && outcome.valid) << offset;
        EXPECT_EQ(outcome.info.size, length) << offset;
    }
}

// A PDF smaller than one block ends after the line end that follows %%EOF,
// whichever line end it is.
TEST(CarvingFaults, PdfEndsAfterTheLineEndOfItsMarker)
{
    REQUIRE_TOOL("gs");
    TestSupport::TempDir dir;
    for (const std::string eol : {"\n", "\r\n", "\r"}) {
        std::string pdf = "%PDF-1.4" + eol;
        std::vector<size_t> offsets;
        const std::string objects[] = {
            "<< /Type /Catalog /Pages 2 0 R >>",
            "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 72 72] >>",
        };
        for (size_t i = 0; i < 3; ++i) {
            offsets.push_back(pdf.size());
            pdf += std::to_string(i + 1) + " 0 obj" + eol + objects[i] + eol + "endobj" + eol;
        }
        const size_t xref = pdf.size();
        pdf += "xref" + eol + "0 4" + eol + "0000000000 65535 f\r\n";
        for (size_t at : offsets) {
            char line[32];
            std::snprintf(line, sizeof line, "%010zu 00000 n\r\n", at);
            pdf += line;
        }
        pdf += "trailer" + eol + "<< /Size 4 /Root 1 0 R >>" + eol + "startxref" + eol + std::to_string(xref) + eol +
               "%%EOF" + eol;
        ASSERT_LT(pdf.size(), 512u);
        const std::string path = dir / "small.pdf";
        WriteFile(path, Bytes(pdf));
        std::string output;
        ASSERT_EQ(TestSupport::RunCommand("gs -q -dBATCH -dNOPAUSE -sDEVICE=nullpage " + TestSupport::Quote(path) +
                                              " 2>&1",
                                          &output),
                  0)
            << output;
        for (const auto& trailer : {std::vector<uint8_t>(2048, 0), RandomBytes(2048, 3)}) {
            auto volume = Bytes(pdf);
            Append(volume, trailer);
            if (eol == "\r")
                volume[pdf.size()] = 'x'; // a CR alone, not the first half of CR LF
            const Outcome outcome = Carve(volume, 0);
            EXPECT_TRUE(outcome.finished && outcome.valid);
            EXPECT_EQ(outcome.info.size, pdf.size()) << "line end of " << eol.size() << " bytes";
        }
    }
}

// LibreOffice's compound files name their main stream in the second sector of
// the directory and keep a free sector inside: both are read, and the size
// runs to the last sector in use.
TEST(CarvingFaults, CompoundFilesNamedInALaterDirectorySectorWithFreeSectors)
{
    struct Case {
        const char* file;
        const char* stream;
        int32_t typeId;
        bool laterSector;
    };
    const Case cases[] = {{"doc.doc", "WordDocument", 36, true}, {"xls.xls", "Workbook", 37, false},
                          {"ppt.ppt", "PowerPoint Document", 35, true}};
    for (const auto& c : cases) {
        auto doc = ReadFileBytes(Fixture(c.file));
        const auto u32 = [&](size_t at) {
            return uint32_t{doc[at]} | uint32_t{doc[at + 1]} << 8 | uint32_t{doc[at + 2]} << 16 |
                   uint32_t{doc[at + 3]} << 24;
        };
        std::string name;
        for (const char* p = c.stream; *p; ++p)
            name += std::string(1, *p) + std::string(1, '\0');
        const size_t entry = Find(doc, name, false);
        ASSERT_NE(entry, std::string::npos);
        EXPECT_EQ(entry >= 512 + size_t{u32(48)} * 512 + 512, c.laterSector) << c.file;
        const size_t fatStart = 512 + size_t{u32(76)} * 512;
        size_t freeInside = 0;
        for (size_t i = 0; i * 512 + 1024 < doc.size() && i < 128; ++i)
            freeInside += u32(fatStart + 4 * i) == 0xFFFFFFFF;
        EXPECT_GT(freeInside, 0u) << c.file << ": no free sector inside";
        const size_t length = doc.size();
        doc.resize(length + 4096, 0);
        const Outcome outcome = Carve(doc, 0);
        EXPECT_TRUE(outcome.finished && outcome.valid) << c.file;
        EXPECT_EQ(outcome.info.typeId, c.typeId) << c.file;
        EXPECT_EQ(outcome.info.size, length) << c.file;
    }
}

TEST(CarvingFaults, IsoDescriptorNearTheVolumeStartIsRejected)
{
    const auto iso = ReadFileBytes(Fixture("iso.iso"));
    const std::vector<uint8_t> volume(iso.begin() + 16384, iso.end());
    const Outcome outcome = Carve(volume, 16384);
    EXPECT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.valid);
}

// A TIFF whose last structure is its IFD ends after the IFD's next-IFD field.
TEST(CarvingFaults, TiffEndingWithItsIfd)
{
    REQUIRE_TOOL("exiftool");
    std::vector<uint8_t> tiff = Bytes(std::string("II*\0\x18\0\0\0", 8));
    for (int i = 0; i < 16; ++i)
        tiff.push_back(static_cast<uint8_t>(i * 16));
    const uint16_t entries[][4] = {{256, 3, 1, 4}, {257, 3, 1, 4}, {258, 3, 1, 8}, {259, 3, 1, 1},
                                   {262, 3, 1, 1}, {273, 4, 1, 8}, {277, 3, 1, 1}, {278, 3, 1, 4},
                                   {279, 4, 1, 16}};
    tiff.push_back(9);
    tiff.push_back(0);
    for (const auto& e : entries) {
        for (uint32_t v : {uint32_t{e[0]}, uint32_t{e[1]}})
            Append(tiff, {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)});
        Append(tiff, {static_cast<uint8_t>(e[2]), 0, 0, 0, static_cast<uint8_t>(e[3]), 0, 0, 0});
    }
    Append(tiff, {0, 0, 0, 0});
    TestSupport::TempDir dir;
    WriteFile(dir / "ifd-last.tif", tiff);
    EXPECT_EQ(TestSupport::RunOrFail("exiftool -s3 -ImageWidth -ImageHeight " +
                                     TestSupport::Quote(dir / "ifd-last.tif")),
              "4\n4\n");
    auto volume = tiff;
    volume.resize(tiff.size() + 2048, 0);
    const Outcome outcome = Carve(volume, 0);
    EXPECT_TRUE(outcome.finished && outcome.valid);
    EXPECT_EQ(outcome.info.size, tiff.size());
}

// An MP3 ending in an APE tag and an ID3v1 tag is carved through both.
TEST(CarvingFaults, Mp3WithApeAndId3v1Tags)
{
    auto mp3 = ReadFileBytes(Fixture("mp3-44k.mp3"));
    const std::string item = std::string("\x05\0\0\0\0\0\0\0", 8) + "Title" + std::string(1, '\0') + "hello";
    auto apeHeader = [&](uint32_t flags) {
        std::string h = "APETAGEX";
        for (uint32_t v : {2000u, static_cast<uint32_t>(item.size() + 32), 1u, flags})
            for (int s = 0; s < 32; s += 8)
                h.push_back(static_cast<char>(v >> s));
        return h + std::string(8, '\0');
    };
    Append(mp3, Bytes(apeHeader(0xA0000000u) + item + apeHeader(0x80000000u)));
    Append(mp3, Bytes("TAG" + std::string(125, 'x')));
    const size_t length = mp3.size();
    mp3.resize(length + 2048, 0);
    const Outcome outcome = Carve(mp3, 0);
    EXPECT_TRUE(outcome.finished && outcome.valid);
    EXPECT_EQ(outcome.info.size, length);
}

// Length fields that overflow or run past the volume: a one-shot size is
// invalid, a walker ends at the element before.
TEST(CarvingFaults, LengthFieldsPastTheVolumeEnd)
{
    struct Case {
        const char* what;
        std::string head;
        bool valid;
        uint64_t size;
    };
    const std::string ftyp("\0\0\0\x10" "ftypisom\0\0\0\0", 16);
    const Case cases[] = {
        {"png chunk of 4 GiB", std::string("\x89PNG\r\n\x1A\n\xFF\xFF\xFF\xF0IHDR", 16), false, 0},
        {"box of 2^64 - 16 bytes after ftyp", ftyp + std::string("\0\0\0\x01mdat\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xF0", 16),
         true, 16},
        {"box past the volume after ftyp", ftyp + std::string("\0\x10\0\0mdat", 8), true, 16},
        {"riff past the volume", std::string("RIFF\xF0\xFF\xFF\xFF" "AVI LIST", 16), false, 0},
        {"7z offsets past the volume", std::string("7z\xBC\xAF\x27\x1C\0\x04\0\0\0\0\0\0\0\0\0\0\0\x01\x10\0\0\0\0\0\0\0\0\0\0\0", 32), false, 0},
        {"flv header of 4 GiB", std::string("FLV\x01\x05\xFF\xFF\xFF\xFF", 9), false, 0},
        {"psd section past the volume", std::string("8BPS\0\x01\0\0\0\0\0\0\0\x03\0\0\0\x10\0\0\0\x10\0\x08\0\x03\xFF\xFF\xFF\xF0", 30), false, 0},
        {"ebml segment past the volume", std::string("\x1A\x45\xDF\xA3\x80\x18\x53\x80\x67\x10\x00\xFF\xFF", 13), false, 0},
        {"aiff form past the volume", std::string("FORM\x7F\xFF\xFF\xFF" "AIFFCOMM", 16), false, 0},
        {"pdf /L past the volume", "%PDF-1.5\n1 0 obj << /Linearized 1 /L 99999999999999 >>", false, 0},
        {"pdf /L of 30 digits", "%PDF-1.5\n1 0 obj << /Linearized 1 /L 999999999999999999999999999999 >>", false, 0},
        {"id3v2 past the volume", std::string("ID3\x04\0\0\x7F\x7F\x7F\x7F", 10), false, 0},
        {"zip member past the volume", std::string("PK\x03\x04\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\xFF\xFF\xFF\x7F\0\0\0\0\x01\0\0\0a", 31), false, 0},
    };
    for (const auto& c : cases) {
        auto volume = Bytes(c.head);
        volume.resize(4096, 0);
        const Outcome outcome = Carve(volume, 0);
        EXPECT_TRUE(outcome.finished) << c.what;
        EXPECT_EQ(outcome.valid, c.valid) << c.what;
        EXPECT_LE(outcome.info.size, volume.size()) << c.what;
        if (c.valid) {
            EXPECT_EQ(outcome.info.size, c.size) << c.what;
        }
    }
}

// A 1-bit (bitmap mode) PSD packs eight pixels a byte, each row rounded up to
// whole bytes: its raw image data is not height x width x depth / 8 bytes.
TEST(CarvingFaults, OneBitPsdRowsAreWholeBytes)
{
    REQUIRE_TOOL("identify");
    std::vector<uint8_t> psd = Bytes(std::string("8BPS\0\x01\0\0\0\0\0\0\0\x01\0\0\0\x03\0\0\0\x0A\0\x01\0\0", 26));
    Append(psd, std::vector<uint8_t>(12, 0)); // three empty sections
    Append(psd, {0, 0});                      // raw
    Append(psd, {0xAA, 0xC0, 0x55, 0x40, 0xFF, 0xC0});
    TestSupport::TempDir dir;
    WriteFile(dir / "bit.psd", psd);
    EXPECT_NE(TestSupport::RunOrFail("identify " + TestSupport::Quote(dir / "bit.psd")).find("10x3"), std::string::npos);
    auto volume = psd;
    volume.resize(psd.size() + 1024, 0xEE);
    const Outcome outcome = Carve(volume, 0);
    EXPECT_TRUE(outcome.finished && outcome.valid);
    EXPECT_EQ(outcome.info.size, psd.size());
}

// A HEIC picture keeps its layout in "meta" where a movie keeps it in "moov":
// once it has that and its data, bytes that merely look like a box of some
// other type (text, say, whose first four bytes read as a size) do not
// continue it, or the picture would take a gigabyte of what follows.
TEST(CarvingFaults, PictureInIsoBoxesEndsAtABoxOfUnknownType)
{
    const auto heic = ReadFileBytes(Fixture("heic.heic"));
    ASSERT_NE(Find(heic, "meta", false), std::string::npos);
    ASSERT_NE(Find(heic, "mdat", false), std::string::npos);
    auto volume = heic;
    static const char text[] = "\0\x01\0\0text after the picture"; // a "box" of 64 KiB
    Append(volume, Bytes(std::string(text, sizeof text - 1)));
    volume.resize(heic.size() + 256 * 1024, 'x');
    const Outcome outcome = Carve(volume, 0);
    EXPECT_TRUE(outcome.finished && outcome.valid);
    EXPECT_EQ(outcome.info.size, heic.size());
}
