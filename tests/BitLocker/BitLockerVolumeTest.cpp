// Volumes written here with OpenSSL by the published BitLocker format, read by
// the engine and by readers nobody here wrote: libcryptsetup, dislocker and
// bdeinfo. One set of protectors (two key stretches) serves every volume.
#include "BitLocker/FveMetadata.h"
#include "BitLocker/KeyFile.h"
#include "BitLocker/Protectors.h"
#include "BitLocker/SectorDecryption.h"
#include "BitLocker/VolumeKeys.h"
#include "Drive/DiskEnumeration.h"
#include "Platform/Linux/DeviceFile.h"
#include "Utils/GuidText.h"
#include "support/BitLockerVolume.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include "Utils/HexText.h"

#include <gtest/gtest.h>
#include <libcryptsetup.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

using namespace Bitlocker;
using namespace TestSupport;

namespace {

constexpr uint16_t Methods[] = {0x8000, 0x8001, 0x8002, 0x8003, 0x8004, 0x8005};
const char* const Password = "Velmora-password-1";
const char* const RecoveryPassword = "471207-278498-422125-177177-561902-537405-468006-693451";

struct Volume {
    std::string path;
    std::string bek;
    WrittenBitLockerVolume written;
};

// Volumes are written on first use: ctest runs each test in a process of its
// own, and most tests need one or two of them.
struct Shared {
    TempDir dir;
    BitLockerKeys keys;
    std::string ntfsPath, fatPath;
    std::vector<uint8_t> ntfs;
    std::vector<uint8_t> fat;
    std::map<std::string, Volume> written;

    const Volume& Write(const std::string& name, const BitLockerVolumeSpec& spec)
    {
        auto found = written.find(name);
        if (found == written.end()) {
            Volume volume;
            volume.path = dir / (name + ".img");
            volume.bek = dir / (name + ".BEK");
            volume.written = WriteBitLockerVolume(keys, spec, volume.path, volume.bek);
            found = written.emplace(name, std::move(volume)).first;
        }
        return found->second;
    }
    const Volume& ByMethod(uint16_t method)
    {
        return Write("bitlk-" + std::to_string(method), {method, false, false, ntfsPath});
    }
    const Volume& ToGo() { return Write("togo", {0x8004, true, false, fatPath}); }
    const Volume& ClearKey() { return Write("suspended", {0x8002, false, true, ntfsPath}); }
};

Shared* shared = nullptr;

Utils::Guid GuidAt(const uint8_t* bytes)
{
    Utils::Guid guid;
    guid.Data1 = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    guid.Data2 = static_cast<uint16_t>(bytes[4] | bytes[5] << 8);
    guid.Data3 = static_cast<uint16_t>(bytes[6] | bytes[7] << 8);
    std::memcpy(guid.Data4, bytes + 8, 8);
    return guid;
}

std::string Hex(const uint8_t* bytes, size_t count)
{
    return Utils::BytesToHex(bytes, count);
}

FveMetadata ReadMetadata(const std::string& path)
{
    auto device = Platform::OpenDeviceFile(path, false);
    EXPECT_TRUE(device) << path;
    return device ? ReadFveMetadata(*device, 0) : FveMetadata{};
}

// cryptsetup gives AES-128 with the diffuser as key then tweak key, 16 bytes each.
std::vector<uint8_t> AsCryptsetupKey(uint16_t method, const std::vector<uint8_t>& fvek)
{
    if (method != 0x8000)
        return fvek;
    std::vector<uint8_t> key(fvek.begin(), fvek.begin() + 16);
    key.insert(key.end(), fvek.begin() + 32, fvek.begin() + 48);
    return key;
}

struct CryptDevice {
    explicit CryptDevice(const std::string& path)
    {
        EXPECT_EQ(crypt_init(&device, path.c_str()), 0);
        loaded = device && crypt_load(device, CRYPT_BITLK, nullptr) == 0;
    }
    ~CryptDevice()
    {
        if (device)
            crypt_free(device);
    }
    crypt_device* device = nullptr;
    bool loaded = false;
};

// Decrypts the whole volume with the engine's sector routines the way a
// reader maps it: the first sectors from their backup place, metadata areas as zeros.
std::vector<uint8_t> DecryptWithEngine(const Volume& volume, uint16_t method, const uint8_t* key, uint32_t keySize)
{
    const auto image = ReadWholeFile(volume.path);
    const BitLockerLayout& layout = volume.written.layout;
    std::vector<uint8_t> out(image.size());
    for (uint64_t offset = 0; offset < image.size(); offset += 512) {
        bool zero = offset >= layout.metadata[0] && offset < layout.headerBackup + layout.headerBackupSize;
        if (zero)
            continue;
        const uint64_t from = offset < layout.headerBackupSize ? layout.headerBackup + offset : offset;
        EXPECT_TRUE(DecryptSector(method, key, keySize, image.data() + from, from, 512, out.data() + offset))
            << offset;
    }
    return out;
}

}

class BitLockerVolumes : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!HaveTool("mkntfs") || !HaveTool("ntfscp") || !HaveTool("mkfs.fat") || !HaveTool("mcopy"))
            return;
        shared = new Shared;
        shared->keys = BitLockerKeys::Make(Password, RecoveryPassword);
        const std::string ntfs = shared->ntfsPath = shared->dir / "plain-ntfs.img";
        const std::string fat = shared->fatPath = shared->dir / "plain-fat.img";
        const std::string file = shared->dir / "note.txt";
        RunOrFail("truncate -s 4M " + Quote(ntfs) + " && mkntfs -F -q -Q -s 512 -L PLAIN " + Quote(ntfs));
        RunOrFail("printf 'a photo that must survive\\n' > " + Quote(file) + " && ntfscp -f " + Quote(ntfs) + " " +
                  Quote(file) + " note.txt");
        RunOrFail("mkfs.fat -C -n TOGO " + Quote(fat) + " 4096 && mcopy -i " + Quote(fat) + " " + Quote(file) +
                  " ::NOTE.TXT");
        shared->ntfs = ReadWholeFile(ntfs);
        shared->fat = ReadWholeFile(fat);
    }

    static void TearDownTestSuite()
    {
        delete shared;
        shared = nullptr;
    }

    void SetUp() override
    {
        for (const char* tool : {"mkntfs", "ntfscp", "mkfs.fat", "mcopy"})
            REQUIRE_TOOL(tool);
        ASSERT_TRUE(shared);
    }
};

// The engine finds the three blocks, the method, the protectors, and unwraps
// the FVEK from the startup key file for every method.
TEST_F(BitLockerVolumes, EngineReadsMetadataAndUnwrapsTheFvek)
{
    for (const uint16_t method : Methods) {
        const Volume& volume = shared->ByMethod(method);
        SCOPED_TRACE(method);
        const FveMetadata metadata = ReadMetadata(volume.path);
        ASSERT_EQ(metadata.layout, FveLayout::Normal);
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(metadata.blocks[i].header);
            EXPECT_EQ(metadata.blocks[i].offset, volume.written.layout.metadata[i]);
            EXPECT_EQ(metadata.blocks[i].entries.size(), 6u);
        }
        EXPECT_EQ(metadata.EncryptionMethod(), method);
        const auto vmks = FindVmks(*metadata.FirstGoodBlock());
        ASSERT_EQ(vmks.size(), 3u);
        EXPECT_EQ(vmks[0].protection, ProtectionPassword);
        EXPECT_EQ(vmks[1].protection, ProtectionRecoveryPassword);
        EXPECT_EQ(vmks[2].protection, ProtectionStartupKey);

        const auto vmk = UnlockVmk(*metadata.FirstGoodBlock(), Credential::StartupKeyFile, volume.bek);
        ASSERT_TRUE(vmk);
        EXPECT_EQ(Hex(vmk->data, 32), Hex(shared->keys.vmk.data(), 32));
        const auto fvek = UnwrapFvek(*metadata.FirstGoodBlock(), vmk->data);
        ASSERT_TRUE(fvek);
        EXPECT_EQ(fvek->method, method);
        EXPECT_EQ(Hex(fvek->key->data, fvek->key->length), Hex(volume.written.fvek.data(), volume.written.fvek.size()));
    }
}

// The stretched protectors, through the engine: right and wrong secrets.
TEST_F(BitLockerVolumes, EngineUnlocksWithPasswordAndRecoveryPassword)
{
    const FveMetadata metadata = ReadMetadata(shared->ByMethod(0x8004).path);
    const FveBlock& block = *metadata.FirstGoodBlock();
    const auto byPassword = UnlockVmk(block, Credential::Password, Password);
    ASSERT_TRUE(byPassword);
    EXPECT_EQ(Hex(byPassword->data, 32), Hex(shared->keys.vmk.data(), 32));
    const auto byRecovery = UnlockVmk(block, Credential::RecoveryPassword, RecoveryPassword);
    ASSERT_TRUE(byRecovery);
    EXPECT_EQ(Hex(byRecovery->data, 32), Hex(shared->keys.vmk.data(), 32));
    EXPECT_FALSE(UnlockVmk(block, Credential::Password, "Velmora-password-2"));
    // Not a recovery password: refused before any stretching.
    EXPECT_FALSE(UnlockVmk(block, Credential::RecoveryPassword, "471207-278498"));
}

TEST_F(BitLockerVolumes, CryptsetupAcceptsVolumesAndAgreesOnTheFvek)
{
    for (const uint16_t method : Methods) {
        const Volume& volume = shared->ByMethod(method);
        SCOPED_TRACE(method);
        CryptDevice crypt(volume.path);
        ASSERT_TRUE(crypt.loaded);
        const auto bek = ReadWholeFile(volume.bek);
        char key[128];
        size_t keySize = sizeof key;
        ASSERT_GE(crypt_volume_key_get(crypt.device, CRYPT_ANY_SLOT, key, &keySize,
                                       reinterpret_cast<const char*>(bek.data()), bek.size()),
                  0);
        const auto expected = AsCryptsetupKey(method, volume.written.fvek);
        EXPECT_EQ(Hex(reinterpret_cast<uint8_t*>(key), keySize), Hex(expected.data(), expected.size()));
    }
    CryptDevice toGo(shared->ToGo().path);
    EXPECT_TRUE(toGo.loaded);
}

TEST_F(BitLockerVolumes, CryptsetupChecksPasswordAndRecoveryPassword)
{
    CryptDevice crypt(shared->ByMethod(0x8003).path);
    ASSERT_TRUE(crypt.loaded);
    EXPECT_GE(crypt_activate_by_passphrase(crypt.device, nullptr, CRYPT_ANY_SLOT, Password, std::strlen(Password), 0), 0);
    EXPECT_GE(crypt_activate_by_passphrase(crypt.device, nullptr, CRYPT_ANY_SLOT, RecoveryPassword,
                                           std::strlen(RecoveryPassword), 0),
              0);
    EXPECT_LT(crypt_activate_by_passphrase(crypt.device, nullptr, CRYPT_ANY_SLOT, "wrong", 5, 0), 0);
}

// dislocker decrypts each volume with the startup key; the engine's sector
// routines give the same bytes, which are the plain file system's.
TEST_F(BitLockerVolumes, DislockerDecryptsLikeTheEngine)
{
    REQUIRE_TOOL("dislocker-file");
    REQUIRE_TOOL("fls");
    for (const uint16_t method : Methods) {
        const Volume& volume = shared->ByMethod(method);
        SCOPED_TRACE(method);
        const std::string out = shared->dir / ("dislocker-" + std::to_string(method) + ".img");
        RunOrFail("dislocker-file -q -V " + Quote(volume.path) + " -f " + Quote(volume.bek) + " -- " + Quote(out));
        const auto theirs = ReadWholeFile(out);
        const auto ours = DecryptWithEngine(volume, method, volume.written.fvek.data(),
                                            static_cast<uint32_t>(volume.written.fvek.size()));
        ASSERT_EQ(theirs.size(), ours.size());
        size_t differing = 0;
        for (uint64_t sector = 0; sector < ours.size() / 512; ++sector) {
            const bool same = std::memcmp(theirs.data() + sector * 512, ours.data() + sector * 512, 512) == 0;
            const auto plain = ExpectedPlainSector(shared->ntfs, volume.written.layout, sector);
            const bool plainSame = std::memcmp(plain.data(), ours.data() + sector * 512, 512) == 0;
            if ((!same || !plainSame) && differing < 3)
                ADD_FAILURE() << "sector " << sector << (same ? "" : " differs from dislocker")
                              << (plainSame ? "" : " differs from the plain file system");
            differing += !same || !plainSame;
        }
        EXPECT_EQ(differing, 0u);
        EXPECT_NE(RunOrFail("fls " + Quote(out)).find("note.txt"), std::string::npos);
        std::remove(out.c_str());
    }
}

TEST_F(BitLockerVolumes, DislockerOpensWithPasswordRecoveryPasswordAndClearKey)
{
    REQUIRE_TOOL("dislocker-file");
    const Volume& volume = shared->ByMethod(0x8001);
    const std::string out = shared->dir / "dislocker-secrets.img";
    for (const std::string& how : {"-u" + std::string(Password), "-p" + std::string(RecoveryPassword)}) {
        SCOPED_TRACE(how);
        RunOrFail("dislocker-file -q -V " + Quote(volume.path) + " " + Quote(how) + " -- " + Quote(out));
        EXPECT_NE(RunOrFail("fls " + Quote(out)).find("note.txt"), std::string::npos);
        std::remove(out.c_str());
    }
    RunOrFail("dislocker-file -q -V " + Quote(shared->ClearKey().path) + " -c -- " + Quote(out));
    EXPECT_NE(RunOrFail("fls " + Quote(out)).find("note.txt"), std::string::npos);
    std::remove(out.c_str());
    EXPECT_NE(RunCommand("dislocker-file -q -V " + Quote(volume.path) + " -uwrong -- " + Quote(out) + " 2>&1"), 0);
}

TEST_F(BitLockerVolumes, EngineUnwrapsTheClearKeyProtector)
{
    const FveMetadata metadata = ReadMetadata(shared->ClearKey().path);
    const auto vmks = FindVmks(*metadata.FirstGoodBlock());
    ASSERT_EQ(vmks.size(), 4u);
    EXPECT_EQ(vmks[3].protection, ProtectionClearKey);
    const auto vmk = UnlockVmk(*metadata.FirstGoodBlock(), Credential::ClearKey, "");
    ASSERT_TRUE(vmk);
    EXPECT_EQ(Hex(vmk->data, 32), Hex(shared->keys.vmk.data(), 32));
}

// bdeinfo names the method and lists the protectors, by type and identifier,
// as the engine finds them, and unlocks with the startup key file. Its 2019
// release cannot set up AES-XTS-256 keys (it refuses the 64-byte key), so that
// method is checked by cryptsetup and dislocker alone.
TEST_F(BitLockerVolumes, BdeinfoListsWhatTheEngineFinds)
{
    REQUIRE_TOOL("bdeinfo");
    const std::map<uint16_t, std::string> names = {
        {0x8000, "AES-CBC 128-bit with Diffuser"}, {0x8001, "AES-CBC 256-bit with Diffuser"},
        {0x8002, "AES-CBC 128-bit"}, {0x8003, "AES-CBC 256-bit"}, {0x8004, "AES-XTS 128-bit"}};
    const std::map<uint16_t, std::string> types = {
        {ProtectionPassword, "Password"}, {ProtectionRecoveryPassword, "Recovery password"},
        {ProtectionStartupKey, "Startup key"}};
    for (const auto& [method, name] : names) {
        SCOPED_TRACE(method);
        const Volume& volume = shared->ByMethod(method);
        const std::string info = RunOrFail("bdeinfo -s " + Quote(volume.bek) + " " + Quote(volume.path));
        EXPECT_NE(info.find("Encryption method\t\t: " + name + "\n"), std::string::npos) << info;
        EXPECT_EQ(info.find("Unable to unlock"), std::string::npos) << info;
        const FveMetadata metadata = ReadMetadata(volume.path);
        const auto vmks = FindVmks(*metadata.FirstGoodBlock());
        EXPECT_NE(info.find("Number of key protectors\t: " + std::to_string(vmks.size()) + "\n"), std::string::npos);
        for (size_t i = 0; i < vmks.size(); ++i) {
            std::string id = Utils::GuidToString(GuidAt(vmks[i].guid));
            id = id.substr(1, id.size() - 2);
            const std::string listed = "Key protector " + std::to_string(i) + ":\n\tIdentifier\t\t\t: " + id +
                                       "\n\tType\t\t\t\t: " + types.at(vmks[i].protection) + "\n";
            EXPECT_NE(info.find(listed), std::string::npos) << listed << info;
        }
    }
}

// The To Go layout keeps its offsets behind a FAT32-style header.
TEST_F(BitLockerVolumes, ToGoVolumeReadsTheSameWay)
{
    for (const char* tool : {"bdeinfo", "dislocker-file", "mdir"})
        REQUIRE_TOOL(tool);
    const FveMetadata metadata = ReadMetadata(shared->ToGo().path);
    ASSERT_EQ(metadata.layout, FveLayout::ToGo);
    const auto image = Drive::OpenImageFile(shared->ToGo().path, Platform::SystemRoots{});
    ASSERT_TRUE(image && image->volumes.size() == 1);
    EXPECT_EQ(image->volumes[0]->fileSystem, "Bitlocker");
    EXPECT_EQ(image->volumes[0]->fve.blocks[2].offset, shared->ToGo().written.layout.metadata[2]);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(metadata.blocks[i].offset, shared->ToGo().written.layout.metadata[i]);
    const auto vmk = UnlockVmk(*metadata.FirstGoodBlock(), Credential::StartupKeyFile, shared->ToGo().bek);
    ASSERT_TRUE(vmk);
    const auto fvek = UnwrapFvek(*metadata.FirstGoodBlock(), vmk->data);
    ASSERT_TRUE(fvek);
    const auto ours = DecryptWithEngine(shared->ToGo(), 0x8004, fvek->key->data, fvek->key->length);
    EXPECT_EQ(std::memcmp(ours.data(), shared->fat.data(), shared->fat.size()), 0);

    const std::string info = RunOrFail("bdeinfo -s " + Quote(shared->ToGo().bek) + " " + Quote(shared->ToGo().path));
    EXPECT_NE(info.find("AES-XTS 128-bit"), std::string::npos) << info;
    EXPECT_EQ(info.find("Unable to unlock"), std::string::npos) << info;
    const std::string out = shared->dir / "togo-out.img";
    RunOrFail("dislocker-file -q -V " + Quote(shared->ToGo().path) + " -f " + Quote(shared->ToGo().bek) + " -- " +
              Quote(out));
    EXPECT_NE(RunOrFail("mdir -i " + Quote(out) + " ::").find("NOTE     TXT"), std::string::npos);
}

// A FAT volume whose OEM name reads "MSWIN4.1", as older Windows and cameras
// write it, is not BitLocker.
TEST_F(BitLockerVolumes, PlainFatWithWindowsOemNameIsNotBitLocker)
{
    const std::string path = shared->dir / "mswin.img";
    auto bytes = shared->fat;
    std::memcpy(bytes.data() + 3, "MSWIN4.1", 8);
    WriteWholeFile(path, bytes);
    const FveMetadata metadata = ReadMetadata(path);
    EXPECT_FALSE(metadata.IsBitLocker());
    EXPECT_TRUE(metadata.bootSector);
    const auto image = Drive::OpenImageFile(path, Platform::SystemRoots{});
    ASSERT_TRUE(image && image->volumes.size() == 1);
    EXPECT_EQ(image->volumes[0]->fileSystem, "FAT12");
    EXPECT_EQ(image->volumes[0]->bitLocker, 0);
}


// Damaged metadata in the first block: the block or its entry walk is refused
// (and logged), the other two copies still serve.
TEST_F(BitLockerVolumes, DamagedMetadataIsRefusedNotTrusted)
{
    const Volume& volume = shared->ByMethod(0x8002);
    const auto image = ReadWholeFile(volume.path);
    const size_t block = volume.written.layout.metadata[0];
    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> damage;
        bool blockKept;
        size_t entries;
    };
    const Case cases[] = {
        {"first entry of size 0", [&](auto& b) { Put16(b, block + 112, 0); }, true, 0},
        {"first entry of size 4", [&](auto& b) { Put16(b, block + 112, 4); }, true, 0},
        {"second entry past the area",
         [&](auto& b) { Put16(b, block + 112 + (b[block + 112] | b[block + 113] << 8), 0xFFF0); }, true, 1},
        {"metadata size past the block", [&](auto& b) { Put32(b, block + 64, 0x100000); }, false, 0},
        {"metadata header size past the metadata", [&](auto& b) { Put32(b, block + 72, 0x100000); }, false, 0},
        {"block under 112 bytes", [&](auto& b) { Put16(b, block + 8, 4); }, false, 0},
        {"unknown version", [&](auto& b) { Put16(b, block + 10, 3); }, false, 0},
        {"no signature", [&](auto& b) { b[block] = 'X'; }, false, 0},
    };
    const std::string path = shared->dir / "damaged.img";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto bytes = image;
        c.damage(bytes);
        WriteWholeFile(path, bytes);
        const FveMetadata metadata = ReadMetadata(path);
        ASSERT_EQ(metadata.layout, FveLayout::Normal);
        EXPECT_EQ(metadata.blocks[0].header != nullptr, c.blockKept);
        EXPECT_EQ(metadata.blocks[0].entries.size(), c.entries);
        EXPECT_EQ(metadata.blocks[1].entries.size(), 6u);
        EXPECT_EQ(metadata.EncryptionMethod(), 0x8002);
        EXPECT_FALSE(metadata.blocks[0].complete);
        EXPECT_EQ(metadata.FirstGoodBlock(), &metadata.blocks[1]);
        EXPECT_TRUE(UnlockVmk(*metadata.FirstGoodBlock(), Credential::StartupKeyFile, volume.bek));
    }

    // Offsets past the device leave every block empty.
    auto bytes = image;
    for (int i = 0; i < 3; ++i)
        for (int b = 0; b < 8; ++b)
            bytes[176 + 8 * i + b] = 0xFF;
    WriteWholeFile(path, bytes);
    const FveMetadata metadata = ReadMetadata(path);
    EXPECT_TRUE(metadata.IsBitLocker());
    EXPECT_EQ(metadata.FirstGoodBlock(), nullptr);
    EXPECT_EQ(metadata.EncryptionMethod(), 0);
}

TEST_F(BitLockerVolumes, DamagedKeyFilesGiveNoKey)
{
    const auto bek = ReadWholeFile(shared->ByMethod(0x8004).bek);
    const auto key = StartupKeyFromBytes(bek.data(), static_cast<uint32_t>(bek.size()));
    ASSERT_TRUE(key);
    EXPECT_EQ(Hex(key->data, 32), Hex(shared->keys.startupKey.data(), 32));

    // The key property follows a name property: the fixed place of the
    // first property holds the name, not the key.
    EXPECT_NE(Hex(bek.data() + 48 + 44, 32), Hex(shared->keys.startupKey.data(), 32));

    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> damage;
    };
    const size_t external = 48;
    const size_t name = external + 32;
    const size_t keyProperty = name + (bek[name] | bek[name + 1] << 8);
    const Case cases[] = {
        {"header size past the file", [](auto& b) { Put32(b, 8, 0x10000); }},
        {"header size below 48", [](auto& b) { Put32(b, 8, 20); }},
        {"entry size 0", [&](auto& b) { Put16(b, external, 0); }},
        {"entry size past the file", [&](auto& b) { Put16(b, external, 0x4000); }},
        {"not an external key", [&](auto& b) { Put16(b, external + 4, 1); }},
        {"not a startup key entry", [&](auto& b) { Put16(b, external + 2, 2); }},
        {"name property past the entry", [&](auto& b) { Put16(b, name, 0x400); }},
        {"16-byte key", [&](auto& b) { Put16(b, keyProperty, 28); }},
        {"truncated", [&](auto& b) { b.resize(external + 20); }},
        {"header only", [&](auto& b) { b.resize(40); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto bytes = bek;
        c.damage(bytes);
        EXPECT_FALSE(StartupKeyFromBytes(bytes.data(), static_cast<uint32_t>(bytes.size())));
    }

    const std::string big = shared->dir / "big.BEK";
    auto padded = bek;
    padded.resize(MaxKeyFileSize + 1);
    WriteWholeFile(big, padded);
    EXPECT_FALSE(ReadKeyFile(big));
    EXPECT_FALSE(ReadStartupKey(big));
    EXPECT_FALSE(ReadStartupKey(shared->dir / "missing.BEK"));
    const std::string empty = shared->dir / "empty.BEK";
    WriteWholeFile(empty, {});
    EXPECT_FALSE(ReadStartupKey(empty));
}

// An FVEK entry with a 600-byte payload is refused before anything is
// decrypted into the 256-byte room of the protector routines.
TEST_F(BitLockerVolumes, OverlongWrappedKeyIsRefused)
{
    FveBlock block;
    auto entry = Utils::MakeBuffer(8 + 12 + 16 + 600);
    entry->data[0] = static_cast<uint8_t>(entry->length & 0xFF);
    entry->data[1] = static_cast<uint8_t>(entry->length >> 8);
    entry->data[2] = 3;
    entry->data[4] = 5;
    block.entries.push_back(entry);
    EXPECT_FALSE(UnwrapFvek(block, shared->keys.vmk.data()));
    const auto wrapped = FindFvek(block);
    ASSERT_TRUE(wrapped);
    EXPECT_EQ(wrapped->payloadLength, 600u);
    EXPECT_FALSE(DecryptWithClearKey(*wrapped, shared->keys.vmk.data()));
    EXPECT_FALSE(DecryptWithStartupKey(*wrapped, shared->ByMethod(0x8004).bek));
}

// The first version of the header has no identifier: block 1 sits at the
// cluster named at 56, and its header names the other two.
TEST_F(BitLockerVolumes, FirstVersionHeaderNamesItsMetadataCluster)
{
    const Volume& volume = shared->ByMethod(0x8000);
    auto bytes = ReadWholeFile(volume.path);
    std::fill(bytes.begin() + 160, bytes.begin() + 200, 0);
    const uint64_t cluster = volume.written.layout.metadata[0] / (512 * 8);
    for (int i = 0; i < 8; ++i)
        bytes[56 + i] = static_cast<uint8_t>(cluster >> (8 * i));
    const std::string path = shared->dir / "first-version.img";
    WriteWholeFile(path, bytes);
    const FveMetadata metadata = ReadMetadata(path);
    ASSERT_EQ(metadata.layout, FveLayout::FirstVersion);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(metadata.blocks[i].offset, volume.written.layout.metadata[i]);
        EXPECT_TRUE(metadata.blocks[i].complete);
    }
}
