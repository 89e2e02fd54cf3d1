// The journal pass against journals this test writes into the $LogFile
// clusters of an ntfs-3g volume: a file whose record new files reused is
// found from the transaction that deleted it, once, under its folder, and
// recovered; a file still in the $MFT is not listed twice; journals that
// cannot be read leave the scan as it was.
#include "DataRecovery/DataRecoveryMultiImpl.h"
#include "DataRecovery/Exceptions.h"
#include "DataRecovery/RecoveryFixture.h"
#include "NTFS/LogRestartArea.h"
#include "NTFS/NtfsImage.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>

using TestSupport::Quote;

namespace {

// capture IMG DIR: saves the fixed-up record images of docs/lost.txt and
// docs/keep.txt, lost.txt's bytes and clusters. journal IMG DIR VARIANT: writes
// restart and record pages over the $LogFile clusters.
// The image's tools, for both writers below (img names the image).
const char* const ImageTools = R"PY(
import json, struct, subprocess, sys
def run(*a): return subprocess.run(a, check=True, capture_output=True).stdout
def inode(path): return int(run("ifind", "-n", path, img).split()[0])
def clusters(ino):
    out, found = [], False
    for line in run("istat", img, str(ino)).decode().splitlines():
        if line.startswith("Type: $DATA"):
            if found: break
            found = True
            continue
        if found:
            if not line.strip() or line.startswith("Type:"): break
            out += [int(x) for x in line.split()]
    return out
)PY";

const char* const JournalWriter = R"PY(
mode, img, d = sys.argv[1], sys.argv[2], sys.argv[3]
def record(ino):
    mft = run("icat", img, "0")
    rec = bytearray(mft[ino * 1024:(ino + 1) * 1024])
    off, cnt = struct.unpack_from("<HH", rec, 4)
    for i in range(1, cnt):
        rec[i * 512 - 2:i * 512] = rec[off + 2 * i:off + 2 * i + 2]
    return bytes(rec)
if mode == "capture":
    lost, keep, docs = inode("/docs/lost.txt"), inode("/docs/keep.txt"), inode("/docs")
    open(d + "/lost.rec", "wb").write(record(lost))
    open(d + "/keep.rec", "wb").write(record(keep))
    data = run("icat", img, str(lost))
    open(d + "/lost.orig", "wb").write(data)
    json.dump({"lost": lost, "docs": docs, "size": len(data), "clusters": clusters(lost)}, open(d + "/lost.json", "w"))
    sys.exit(0)
variant = sys.argv[4]
info = json.load(open(d + "/lost.json"))
lost_rec, keep_rec = open(d + "/lost.rec", "rb").read(), open(d + "/keep.rec", "rb").read()
P = 4096
log_clusters = clusters(2)
log = bytearray(b"\xff" * (len(log_clusters) * 4096))
def protect(page, usa):
    page[4:8] = struct.pack("<HH", usa, 9)
    page[usa:usa + 2] = b"\x07\x00"
    for i in range(1, 9):
        page[usa + 2 * i:usa + 2 * i + 2] = page[i * 512 - 2:i * 512]
        page[i * 512 - 2:i * 512] = b"\x07\x00"
for at in (0, 4096):
    page = bytearray(4096)
    page[0:4] = b"RSTR"
    struct.pack_into("<IIH", page, 0x10, 4096, 0 if variant == "zero" else P, 0x30)
    struct.pack_into("<H", page, 0x30 + 0x16, 0x30)
    protect(page, 0x1E)
    log[at:at + 4096] = page
def client(redo, undo, redo_data=b"", undo_data=b"", vcn=0):
    pad = (len(redo_data) + 7) // 8 * 8
    fixed = struct.pack("<12HQQ", redo, undo, 0x28, len(redo_data), 0x28 + pad, len(undo_data),
                        0, 1, 0, 0, 0, 0, vcn, 0)
    return fixed + redo_data + b"\0" * (pad - len(redo_data)) + undo_data
pages = {}
def page(n):
    if n not in pages:
        p = bytearray(P)
        p[0:4] = b"RCRD"
        pages[n] = p
    return pages[n]
def put(n, off, prev, data, continues=False, length=None):
    lsn = (n * P + off) // 8
    header = struct.pack("<QQQIIIIH", lsn, prev, 0, len(data) if length is None else length, 0, 1, 1,
                         1 if continues else 0) + b"\0" * 6
    body = header + data
    p = page(n)
    room = P - off
    p[off:off + min(room, len(body))] = body[:room]
    if len(body) > room:
        page(n + 1)[0x40:0x40 + len(body) - room] = body[room:]
    struct.pack_into("<Q", p, 0x08, lsn)
    struct.pack_into("<Q", p, 0x20, lsn)
    return lsn
first = info["clusters"][0]
bits = struct.pack("<II", first % (4096 * 8), len(info["clusters"]))
vcn = first // (4096 * 8)
# The index entry of lost.txt: its reference, lengths, and its $FILE_NAME with the real size.
attr = struct.unpack_from("<H", lost_rec, 0x14)[0]
while struct.unpack_from("<I", lost_rec, attr)[0] != 0x30:
    attr += struct.unpack_from("<I", lost_rec, attr + 4)[0]
value_len, value_off = struct.unpack_from("<IH", lost_rec, attr + 0x10)
name = bytearray(lost_rec[attr + value_off:attr + value_off + value_len])
if variant == "stale":
    # Its folder reference names docs with another sequence number: a docs since reused.
    struct.pack_into("<H", name, 6, 7)
    lost_rec = lost_rec[:attr + value_off] + bytes(name) + lost_rec[attr + value_off + value_len:]
struct.pack_into("<QQ", name, 0x28, (info["size"] + 4095) // 4096 * 4096, info["size"])
entry_len = (0x10 + len(name) + 7) // 8 * 8
entry = struct.pack("<QHHI", info["lost"] | (1 << 48), entry_len, len(name), 0) + bytes(name)
entry += b"\0" * (entry_len - len(entry))
# Transaction 1: clusters freed, the record deallocated (its image continues on
# the next page), the folder's entry deleted, then forgotten.
if variant != "image":
    a = put(4, 0x40, 0, client(0x16, 0x15, bits, bits, vcn))
    b = put(4, 3600, a, client(0x03, 0x02, b"", lost_rec), continues=True)
    c = put(5, 0x2A8, b, client(0x0F, 0x0E, b"", entry))
    put(5, 0x2A8 + 0x30 + 0x28 + len(entry) + 8, c, client(27, 1))
# Transaction 2: the same file from its record image, and a file the $MFT still holds.
e = put(6, 0x40, 0, client(0x15, 0x16, bits, bits, vcn))
f = put(6, 0xA0, e, client(0x02, 0x00, lost_rec))
g = put(6, 0xA0 + 0x30 + 0x28 + 1024, f, client(0x02, 0x00, keep_rec))
put(6, 0xA0 + 2 * (0x30 + 0x28 + 1024), g, client(27, 1))
# A cut page: a record longer than its page that does not say it continues.
put(7, 0x40, 0, client(0x15, 0x16, bits, bits, vcn), length=5000)
for n, p in pages.items():
    protect(p, 0x28)
    log[n * P:(n + 1) * P] = p
with open(img, "r+b") as out:
    for i, cl in enumerate(log_clusters):
        out.seek(cl * 4096)
        out.write(log[i * 4096:(i + 1) * 4096])
)PY";

struct Listing {
    std::mutex mutex;
    std::map<std::string, std::vector<DataRecoveryInfo>> records;
    std::map<std::string, std::vector<DataRun>> runs;
    std::map<std::string, std::string> paths;
};

// A whole-volume scan of the image, its NTFS files by path ("/", no start folder).
std::unique_ptr<DataRecoveryMultiImpl> NtfsJournalScan(const std::string& image, Listing& listing)
{
    const auto info = RecoveryFixture::RegisterImage(image, "NTFS");
    DataRecoveryMultiImpl::Options options;
    options.sleep = [](std::chrono::milliseconds) {};
    auto engine = std::make_unique<DataRecoveryMultiImpl>(
        std::vector<DiskAndVolumeInfo>{info},
        [&listing](const DataRecoveryInfo& item) {
            if (item.kind != NtfsFile)
                return;
            std::string path(item.path, item.pathLength);
            std::replace(path.begin(), path.end(), '\\', '/');
            while (!path.empty() && (path[0] == '.' || path[0] == '/'))
                path.erase(0, 1);
            for (size_t twice; (twice = path.find("//")) != std::string::npos;)
                path.erase(twice, 1);
            std::lock_guard lock(listing.mutex);
            listing.records[path].push_back(item);
            listing.runs[path].assign(item.runs, item.runs + item.runCount);
            listing.paths[path] = std::string(item.path, item.pathLength);
        },
        options);
    engine->Start();
    return engine;
}

class NtfsJournal : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!NtfsImage::MissingTools().empty())
            return;
        dir = new TestSupport::TempDir;
        const std::string base = *dir / "base.img";
        std::ofstream(*dir / "journal.py") << ImageTools << JournalWriter;
        NtfsImage::Make(base, 16, "-c 4096", R"SH(
mkdir "$M/docs"
python3 -c "open('$M/docs/lost.txt', 'w').write(''.join('lost line %d\n' % i for i in range(2000)))"
python3 -c "open('$M/docs/keep.txt', 'w').write('keep me\n' * 1000)"
)SH");
        TestSupport::RunOrFail("python3 " + Quote(*dir / "journal.py") + " capture " + Quote(base) + " " +
                               Quote(dir->Path().string()));
        // Delete lost.txt; the next new file takes its record.
        const std::string mount = *dir / "mnt";
        std::filesystem::create_directories(mount);
        TestSupport::RunOrFail("ntfs-3g " + Quote(base) + " " + Quote(mount));
        const int rc = TestSupport::RunCommand("rm " + Quote(mount + "/docs/lost.txt") + " && echo new > " +
                                               Quote(mount + "/docs/new.txt"));
        TestSupport::UnmountFuse(mount);
        ASSERT_EQ(rc, 0);
        for (const char* variant : {"good", "zero", "image", "stale"}) {
            const std::string image = *dir / (std::string(variant) + ".img");
            std::filesystem::copy_file(base, image);
            TestSupport::RunOrFail("python3 " + Quote(*dir / "journal.py") + " journal " + Quote(image) + " " +
                                   Quote(dir->Path().string()) + " " + variant);
        }
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override { REQUIRE_NTFS_TOOLS(); }

    static std::unique_ptr<DataRecoveryMultiImpl> Scan(const std::string& image, Listing& listing)
    {
        return NtfsJournalScan(image, listing);
    }

    static TestSupport::TempDir* dir;
};
TestSupport::TempDir* NtfsJournal::dir = nullptr;

}

// "good": from the freed clusters and the folder's index entry, and again from
// the record image; "image": from the record image alone.
TEST_F(NtfsJournal, ReusedRecordsFileIsFoundOnceAndRecovered)
{
    for (const std::string name : {"good", "image"}) {
        SCOPED_TRACE(name);
        const std::string image = *dir / (name + ".img");
        ASSERT_EQ(NtfsImage::ListFiles(image).count("docs/lost.txt"), 0u) << "its record was reused";
        Listing listing;
        auto engine = Scan(image, listing);
        ASSERT_EQ(listing.records["docs/lost.txt"].size(), 1u);
        EXPECT_EQ(listing.records["docs/keep.txt"].size(), 1u);
        EXPECT_EQ(listing.records["docs/new.txt"].size(), 1u);
        const auto& lost = listing.records["docs/lost.txt"].front();
        EXPECT_EQ(lost.deletedState, 1);
        const std::string original = RecoveryFixture::ReadFile(*dir / "lost.orig");
        EXPECT_EQ(lost.fileSize, original.size());

        RecoveryFixture::FoundFile file(NtfsFile, listing.paths["docs/lost.txt"], listing.runs["docs/lost.txt"],
                                        lost.fileSize);
        const std::string out = *dir / ("out-" + name);
        EXPECT_EQ(engine->RecoverData(out, file.record), 0);
        std::string recovered;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(out))
            if (entry.is_regular_file())
                recovered = RecoveryFixture::ReadFile(entry.path().string());
        EXPECT_TRUE(recovered == original) << recovered.size();
    }
}

// A journal file whose folder reference carries another sequence number than
// the folder's record now does is not listed in that folder: its folder is lost.
TEST_F(NtfsJournal, FileOfAReusedFolderRecordIsListedAsLost)
{
    Listing listing;
    auto engine = Scan(*dir / "stale.img", listing);
    EXPECT_EQ(listing.records.count("docs/lost.txt"), 0u);
    ASSERT_EQ(listing.records["lost.txt"].size(), 1u);
    EXPECT_EQ(listing.records["lost.txt"].front().pathState, 1);
    EXPECT_EQ(listing.records["docs/keep.txt"].size(), 1u);
}

TEST_F(NtfsJournal, UnreadableJournalsLeaveTheScanAsItWas)
{
    for (const char* image : {"base.img", "zero.img"}) {
        SCOPED_TRACE(image);
        Listing listing;
        auto engine = Scan(*dir / image, listing);
        EXPECT_EQ(listing.records["docs/keep.txt"].size(), 1u);
        EXPECT_EQ(listing.records["docs/new.txt"].size(), 1u);
        EXPECT_EQ(listing.records.count("docs/lost.txt"), 0u);
    }
}

// The written journal as icat reads it: two transactions, the first with its
// record image glued from two pages; the cut page and its record are left out.
TEST_F(NtfsJournal, RecordPagesGiveTheWrittenTransactions)
{
    const std::string bytes = NtfsImage::Icat(*dir / "good.img", 2);
    auto data = Utils::MakeBuffer(static_cast<uint32_t>(bytes.size()));
    std::memcpy(data->data, bytes.data(), bytes.size());
    NTFS::LogRestartArea journal(data);
    const auto transactions = journal.ParseRecordPages();
    ASSERT_EQ(transactions.size(), 2u);
    ASSERT_EQ(transactions[0].size(), 4u);
    ASSERT_EQ(transactions[1].size(), 4u);
    const auto& image = transactions[0][1];
    EXPECT_TRUE(image.reassembled);
    EXPECT_EQ(image.clientLength, 0x28u + 1024u);
    EXPECT_EQ(image.logOffset, 4u * 4096u + 3600u);
    // Sector ends undone on both pages, the halves glued in order.
    const std::string lostRecord = RecoveryFixture::ReadFile(*dir / "lost.rec");
    ASSERT_EQ(lostRecord.size(), 1024u);
    EXPECT_EQ(std::memcmp(image.clientData + 0x28, lostRecord.data(), 1024), 0);
    EXPECT_FALSE(transactions[1][1].reassembled);
    EXPECT_EQ(std::memcmp(transactions[1][1].clientData + 0x28, lostRecord.data(), 1024), 0);
    EXPECT_EQ(std::memcmp(transactions[1][2].clientData + 0x28, "FILE", 4), 0);
}

// Journals shorter than two restart pages, or without them, are refused.
TEST(LogRestartArea, RefusesJournalsWithoutTwoRestartPages)
{
    auto shortJournal = Utils::MakeBuffer(4096 + 100);
    std::memcpy(shortJournal->data, "RSTR", 4);
    std::memcpy(shortJournal->data + 4096, "RSTR", 4);
    EXPECT_THROW(NTFS::LogRestartArea{shortJournal}, Exceptions::NTFSException);
    auto blank = Utils::MakeBuffer(65536);
    std::memset(blank->data, 0xFF, blank->length);
    EXPECT_THROW(NTFS::LogRestartArea{blank}, Exceptions::NTFSException);
    NTFS::LogRestartArea empty(Utils::MakeBuffer(0));
    EXPECT_TRUE(empty.ParseRecordPages().empty());
}

namespace {

// A journal of eight 4 KiB pages: two restart pages, then record pages 4 to 7.
class JournalBytes {
public:
    explicit JournalBytes(uint32_t logPageSize) : bytes(Utils::MakeBuffer(8 * page))
    {
        for (uint32_t at : {0u, page}) {
            std::memcpy(bytes->data + at, "RSTR", 4);
            Put(at + 0x14, logPageSize, 4);
            Put(at + 0x18, 0x30, 2);
        }
    }
    // A record in page n at offset, chained to prev; returns its LSN.
    uint64_t Record(uint32_t n, uint32_t offset, uint64_t prev, uint32_t clientLength, uint16_t redo, uint16_t undo,
                    bool continues = false)
    {
        const uint32_t at = n * page;
        std::memcpy(bytes->data + at, "RCRD", 4);
        const uint64_t lsn = (at + offset) / 8;
        Put(at + offset, lsn, 8);
        Put(at + offset + 0x08, prev, 8);
        Put(at + offset + 0x18, clientLength, 4);
        Put(at + offset + 0x28, continues ? 1 : 0, 2);
        if (offset + 0x34 <= page) {
            Put(at + offset + 0x30, redo, 2);
            Put(at + offset + 0x32, undo, 2);
        }
        Put(at + 0x08, lsn, 8);
        Put(at + 0x20, lsn, 8);
        return lsn;
    }
    void Put(uint64_t at, uint64_t value, int width)
    {
        for (int i = 0; i < width; ++i)
            bytes->data[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }

    static constexpr uint32_t page = 4096;
    std::shared_ptr<Utils::Buffer<uint8_t>> bytes;
};

}

// Hostile record pages end their walk or skip the record, never reading
// outside the journal or the page (ASan) and never looping.
TEST(LogRestartArea, HostilePagesAreBounded)
{
    const struct {
        const char* name;
        uint32_t pageSize;
        std::function<void(JournalBytes&)> write;
        std::vector<size_t> transactions; // records in each
    } cases[] = {
        {"a whole transaction", 4096,
         [](JournalBytes& j) { j.Record(4, 0x200, j.Record(4, 0x40, 0, 0x30, 22, 21), 0x28, 27, 1); }, {2}},
        {"log page size 0", 0,
         [](JournalBytes& j) { j.Record(4, 0x200, j.Record(4, 0x40, 0, 0x30, 22, 21), 0x28, 27, 1); }, {}},
        {"log page size not a power of two", 3000,
         [](JournalBytes& j) { j.Record(4, 0x200, j.Record(4, 0x40, 0, 0x30, 22, 21), 0x28, 27, 1); }, {}},
        {"a header at the page's end", 4096, [](JournalBytes& j) { j.Record(4, 4088, 0, 0x28, 22, 21); }, {}},
        {"a record longer than its page", 4096,
         [](JournalBytes& j) { j.Record(4, 0x200, j.Record(4, 0x40, 0, 0x30, 22, 21), 5000, 27, 1); }, {}},
        {"a record over three pages", 4096,
         [](JournalBytes& j) {
             const uint64_t a = j.Record(4, 0x40, 0, 0x30, 22, 21);
             const uint64_t b = j.Record(4, 0x100, a, 8000, 2, 0, true);
             j.Record(5, 0x1000 - 0x100, b, 0x28, 27, 1);
         },
         {2}},
        {"a continued record on the last page", 4096,
         [](JournalBytes& j) { j.Record(7, 0x100, j.Record(7, 0x40, 0, 0x30, 22, 21), 6000, 27, 1, true); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        JournalBytes journal(c.pageSize);
        c.write(journal);
        NTFS::LogRestartArea area(journal.bytes);
        std::vector<size_t> sizes;
        for (const auto& transaction : area.ParseRecordPages())
            sizes.push_back(transaction.size());
        EXPECT_EQ(sizes, c.transactions);
    }
}

namespace {

// IMG WITH_JOURNAL: wipes the $MFT record of /docs/sub (a folder whose file
// /docs/sub/deep.txt stays), and with WITH_JOURNAL 1 writes a journal whose one
// transaction holds the record image of /docs, whose index names sub.
const char* const FolderImageWriter = R"PY(
img, with_journal = sys.argv[1], sys.argv[2] == "1"
def record(ino):
    rec = bytearray(run("icat", img, "0")[ino * 1024:(ino + 1) * 1024])
    off, cnt = struct.unpack_from("<HH", rec, 4)
    for i in range(1, cnt):
        rec[i * 512 - 2:i * 512] = rec[off + 2 * i:off + 2 * i + 2]
    return bytes(rec)
docs_rec, sub = record(inode("/docs")), inode("/docs/sub")
mft = clusters(0)
with open(img, "r+b") as out:
    out.seek(mft[sub * 1024 // 4096] * 4096 + sub * 1024 % 4096)
    out.write(b"\0" * 1024)
if not with_journal: sys.exit(0)
P = 4096
log_clusters = clusters(2)
log = bytearray(b"\xff" * (len(log_clusters) * 4096))
def protect(page, usa):
    page[4:8] = struct.pack("<HH", usa, 9)
    page[usa:usa + 2] = b"\x07\x00"
    for i in range(1, 9):
        page[usa + 2 * i:usa + 2 * i + 2] = page[i * 512 - 2:i * 512]
        page[i * 512 - 2:i * 512] = b"\x07\x00"
for at in (0, 4096):
    page = bytearray(4096)
    page[0:4] = b"RSTR"
    struct.pack_into("<IIH", page, 0x10, 4096, P, 0x30)
    struct.pack_into("<H", page, 0x30 + 0x16, 0x30)
    protect(page, 0x1E)
    log[at:at + 4096] = page
def client(redo, undo, redo_data=b"", undo_data=b""):
    pad = (len(redo_data) + 7) // 8 * 8
    return struct.pack("<12HQQ", redo, undo, 0x28, len(redo_data), 0x28 + pad, len(undo_data),
                       0, 1, 0, 0, 0, 0, 0, 0) + redo_data + b"\0" * (pad - len(redo_data)) + undo_data
page = bytearray(P)
page[0:4] = b"RCRD"
def put(off, prev, data):
    lsn = (4 * P + off) // 8
    body = struct.pack("<QQQIIIIH", lsn, prev, 0, len(data), 0, 1, 1, 0) + b"\0" * 6 + data
    page[off:off + len(body)] = body
    struct.pack_into("<Q", page, 0x08, lsn)
    struct.pack_into("<Q", page, 0x20, lsn)
    return lsn
bits = struct.pack("<II", 0, 1)
a = put(0x40, 0, client(0x15, 0x16, bits, bits))
b = put(0xA0, a, client(0x02, 0x00, docs_rec))
put(0xA0 + 0x30 + 0x28 + 1024, b, client(27, 1))
protect(page, 0x28)
log[4 * P:5 * P] = page
with open(img, "r+b") as out:
    for i, cl in enumerate(log_clusters):
        out.seek(cl * 4096)
        out.write(log[i * 4096:(i + 1) * 4096])
)PY";

}

// A folder whose own record is gone is known again from the index of its
// parent's record image in the journal, so the files in it keep their path.
TEST(NtfsJournalFolders, AFolderNamedByAJournalFolderImageKeepsItsFilesPaths)
{
    REQUIRE_NTFS_TOOLS();
    TestSupport::TempDir dir;
    const std::string base = dir / "base.img";
    std::ofstream(dir / "folders.py") << ImageTools << FolderImageWriter;
    NtfsImage::Make(base, 16, "-c 4096", R"SH(
mkdir -p "$M/docs/sub"
python3 -c "open('$M/docs/sub/deep.txt', 'w').write('deep line\n' * 800)"
python3 -c "open('$M/docs/other.txt', 'w').write('other line\n' * 800)"
)SH");
    for (const char* withJournal : {"0", "1"}) {
        SCOPED_TRACE(withJournal);
        const std::string image = dir / (std::string("journal-") + withJournal + ".img");
        std::filesystem::copy_file(base, image);
        TestSupport::RunOrFail("python3 " + Quote(dir / "folders.py") + " " + Quote(image) + " " + withJournal);
        ASSERT_EQ(NtfsImage::ListFiles(image).count("docs/sub/deep.txt"), 0u) << "fls loses it with its folder";
        Listing listing;
        auto engine = NtfsJournalScan(image, listing);
        EXPECT_EQ(listing.records["docs/other.txt"].size(), 1u);
        EXPECT_EQ(listing.records.count("docs/sub/deep.txt"), withJournal == std::string("1") ? 1u : 0u);
    }
}
