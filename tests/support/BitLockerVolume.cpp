#include "support/BitLockerVolume.h"

#include <gtest/gtest.h>

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <cstring>
#include <fstream>

namespace TestSupport {

namespace {

constexpr uint32_t Sector = 512;
constexpr uint64_t MetadataArea = 64 * 1024;
// 4967d63b-2e29-4ad8-8399-f6a339e3d001 as stored.
constexpr uint8_t BitLockerIdentifier[16] = {0x3b, 0xd6, 0x67, 0x49, 0x29, 0x2e, 0xd8, 0x4a,
                                             0x83, 0x99, 0xf6, 0xa3, 0x39, 0xe3, 0xd0, 0x01};
constexpr uint64_t CreationTime = 0x01D9000000000000ull;

template <size_t N>
void Randomize(std::array<uint8_t, N>& bytes)
{
    ASSERT_EQ(RAND_bytes(bytes.data(), N), 1);
}

void PutBytes(std::vector<uint8_t>& out, size_t at, const uint8_t* bytes, size_t count)
{
    std::memcpy(out.data() + at, bytes, count);
}

std::array<uint8_t, 32> Sha256(const uint8_t* bytes, size_t count)
{
    std::array<uint8_t, 32> digest{};
    unsigned length = 0;
    EXPECT_EQ(EVP_Digest(bytes, count, digest.data(), &length, EVP_sha256(), nullptr), 1);
    return digest;
}

// The published stretching: SHA-256 over last hash, initial hash, salt, counter.
std::array<uint8_t, 32> Stretch(const std::array<uint8_t, 32>& initial, const std::array<uint8_t, 16>& salt)
{
    uint8_t state[88] = {};
    std::memcpy(state + 32, initial.data(), 32);
    std::memcpy(state + 64, salt.data(), 16);
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    for (uint64_t round = 0; round < 0x100000; ++round) {
        for (int i = 0; i < 8; ++i)
            state[80 + i] = static_cast<uint8_t>(round >> (8 * i));
        unsigned length = 0;
        EVP_DigestInit_ex(context, EVP_sha256(), nullptr);
        EVP_DigestUpdate(context, state, 88);
        EVP_DigestFinal_ex(context, state, &length);
    }
    EVP_MD_CTX_free(context);
    std::array<uint8_t, 32> out{};
    std::memcpy(out.data(), state, 32);
    return out;
}

std::vector<uint8_t> Entry(uint16_t type, uint16_t valueType, const std::vector<uint8_t>& value)
{
    std::vector<uint8_t> entry(8 + value.size());
    Put16(entry, 0, static_cast<uint16_t>(entry.size()));
    Put16(entry, 2, type);
    Put16(entry, 4, valueType);
    Put16(entry, 6, 1);
    std::copy(value.begin(), value.end(), entry.begin() + 8);
    return entry;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts)
{
    std::vector<uint8_t> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

// A key property: method, then the key.
std::vector<uint8_t> KeyProperty(uint32_t method, const uint8_t* key, size_t size)
{
    std::vector<uint8_t> value(4 + size);
    Put32(value, 0, method);
    PutBytes(value, 4, key, size);
    return Entry(0, 1, value);
}

// An AES-CCM property (or FVEK entry when type is 3) wrapping plain under key,
// encrypted with OpenSSL's CCM mode.
std::vector<uint8_t> WrappedEntry(uint16_t type, const std::array<uint8_t, 32>& key, const std::vector<uint8_t>& plain)
{
    std::array<uint8_t, 12> nonce{};
    Randomize(nonce);
    std::vector<uint8_t> cipher(plain.size());
    uint8_t tag[16];
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    int length = 0;
    EXPECT_EQ(EVP_EncryptInit_ex(context, EVP_aes_256_ccm(), nullptr, nullptr, nullptr), 1);
    EVP_CIPHER_CTX_ctrl(context, EVP_CTRL_CCM_SET_IVLEN, 12, nullptr);
    EVP_CIPHER_CTX_ctrl(context, EVP_CTRL_CCM_SET_TAG, 16, nullptr);
    EVP_EncryptInit_ex(context, nullptr, nullptr, key.data(), nonce.data());
    EVP_EncryptUpdate(context, nullptr, &length, nullptr, static_cast<int>(plain.size()));
    EVP_EncryptUpdate(context, cipher.data(), &length, plain.data(), static_cast<int>(plain.size()));
    EVP_EncryptFinal_ex(context, cipher.data() + length, &length);
    EXPECT_EQ(EVP_CIPHER_CTX_ctrl(context, EVP_CTRL_CCM_GET_TAG, 16, tag), 1);
    EVP_CIPHER_CTX_free(context);
    std::vector<uint8_t> value(12 + 16 + cipher.size());
    PutBytes(value, 0, nonce.data(), 12);
    PutBytes(value, 12, tag, 16);
    PutBytes(value, 28, cipher.data(), cipher.size());
    return Entry(type, 5, value);
}

std::vector<uint8_t> Utf16(const std::string& ascii, bool terminator)
{
    std::vector<uint8_t> out;
    for (char c : ascii) {
        out.push_back(static_cast<uint8_t>(c));
        out.push_back(0);
    }
    if (terminator)
        out.insert(out.end(), {0, 0});
    return out;
}

std::vector<uint8_t> VmkEntry(const std::array<uint8_t, 16>& guid, uint16_t protection,
                              const std::vector<uint8_t>& properties)
{
    std::vector<uint8_t> value(28);
    PutBytes(value, 0, guid.data(), 16);
    Put64(value, 16, CreationTime);
    Put16(value, 26, protection);
    value.insert(value.end(), properties.begin(), properties.end());
    return Entry(2, 8, value);
}

std::vector<uint8_t> StretchProperty(const std::array<uint8_t, 16>& salt)
{
    std::vector<uint8_t> value(20);
    Put32(value, 0, 0x1000);
    PutBytes(value, 4, salt.data(), 16);
    return Entry(0, 3, value);
}

uint32_t Crc32(const uint8_t* bytes, size_t count)
{
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

uint32_t FvekSize(uint16_t method)
{
    switch (method) {
    case 0x8002:
        return 16;
    case 0x8003:
    case 0x8004:
        return 32;
    default:
        return 64;
    }
}

void Ecb(const uint8_t* key, int bits, uint8_t block[16])
{
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    int length = 0;
    EVP_EncryptInit_ex(context, bits == 128 ? EVP_aes_128_ecb() : EVP_aes_256_ecb(), nullptr, key, nullptr);
    EVP_CIPHER_CTX_set_padding(context, 0);
    EVP_EncryptUpdate(context, block, &length, block, 16);
    EVP_CIPHER_CTX_free(context);
}

uint32_t Rotl(uint32_t v, unsigned n)
{
    return n ? (v << n) | (v >> (32 - n)) : v;
}

// Elephant diffusers, encryption direction (the inverse of what readers run).
void DiffuserAEncrypt(uint32_t* d, uint32_t n)
{
    static constexpr unsigned Ra[4] = {9, 0, 13, 0};
    for (int cycle = 0; cycle < 5; ++cycle)
        for (uint32_t i = n; i-- > 0;)
            d[i] -= d[(i + n - 2) % n] ^ Rotl(d[(i + n - 5) % n], Ra[i % 4]);
}
void DiffuserBEncrypt(uint32_t* d, uint32_t n)
{
    static constexpr unsigned Rb[4] = {0, 10, 0, 25};
    for (int cycle = 0; cycle < 3; ++cycle)
        for (uint32_t i = n; i-- > 0;)
            d[i] -= d[(i + 2) % n] ^ Rotl(d[(i + 5) % n], Rb[i % 4]);
}

std::vector<uint8_t> VolumeHeader(const BitLockerVolumeSpec& spec, const BitLockerLayout& layout)
{
    std::vector<uint8_t> header(Sector);
    header[0] = 0xEB;
    header[1] = 0x58;
    header[2] = 0x90;
    std::memcpy(header.data() + 3, spec.toGo ? "MSWIN4.1" : "-FVE-FS-", 8);
    Put16(header, 11, Sector);
    header[13] = 8;
    header[21] = 0xF8;
    Put16(header, 24, 0x3F);
    Put16(header, 26, 0xFF);
    if (spec.toGo) {
        // A FAT32 look for systems without BitLocker.
        Put16(header, 14, 0x1000);
        header[16] = 1;
        Put32(header, 32, static_cast<uint32_t>(layout.size / Sector));
        Put32(header, 36, 0x10);
        Put32(header, 44, 2);
        header[66] = 0x29;
        std::memcpy(header.data() + 71, "NO NAME    FAT32   ", 19);
    }
    const size_t identifier = spec.toGo ? 424 : 160;
    PutBytes(header, identifier, BitLockerIdentifier, 16);
    for (int i = 0; i < 3; ++i)
        Put64(header, identifier + 16 + 8 * i, layout.metadata[i]);
    header[510] = 0x55;
    header[511] = 0xAA;
    return header;
}

}

BitLockerKeys BitLockerKeys::Make(const std::string& password, const std::string& recoveryPassword)
{
    BitLockerKeys keys;
    keys.password = password;
    keys.recoveryPassword = recoveryPassword;
    for (auto* key : {&keys.vmk, &keys.passwordKey, &keys.startupKey, &keys.clearKey})
        Randomize(*key);
    for (auto* salt : {&keys.passwordSalt, &keys.recoverySalt, &keys.passwordGuid, &keys.recoveryGuid,
                       &keys.startupGuid, &keys.clearGuid, &keys.volumeGuid})
        Randomize(*salt);

    const std::vector<uint8_t> units = Utf16(password, false);
    const auto once = Sha256(units.data(), units.size());
    keys.passwordKey = Stretch(Sha256(once.data(), 32), keys.passwordSalt);

    uint8_t words[16];
    for (int group = 0; group < 8; ++group) {
        const unsigned value = std::stoul(recoveryPassword.substr(group * 7, 6)) / 11;
        words[2 * group] = value & 0xFF;
        words[2 * group + 1] = value >> 8;
    }
    keys.recoveryKey = Stretch(Sha256(words, 16), keys.recoverySalt);
    return keys;
}

WrittenBitLockerVolume WriteBitLockerVolume(const BitLockerKeys& keys, const BitLockerVolumeSpec& spec,
                                            const std::string& path, const std::string& bekPath)
{
    WrittenBitLockerVolume written;
    const std::vector<uint8_t> plain = ReadWholeFile(spec.plainImage);
    EXPECT_EQ(plain.size() % MetadataArea, 0u);
    BitLockerLayout& layout = written.layout;
    for (int i = 0; i < 3; ++i)
        layout.metadata[i] = plain.size() + i * MetadataArea;
    layout.headerBackup = plain.size() + 3 * MetadataArea;
    layout.size = plain.size() + 4 * MetadataArea;

    written.fvek.resize(FvekSize(spec.method));
    EXPECT_EQ(RAND_bytes(written.fvek.data(), static_cast<int>(written.fvek.size())), 1);
    if (spec.method == 0x8000) // 16-byte keys in 32-byte slots
        for (size_t i = 16; i < 32; ++i)
            written.fvek[i] = written.fvek[i + 32] = 0;

    // The VMK as a key entry, wrapped under every protector's key.
    const std::vector<uint8_t> vmkKey = KeyProperty(0x2000, keys.vmk.data(), 32);
    std::vector<uint8_t> entries = Concat({
        VmkEntry(keys.passwordGuid, 0x2000,
                 Concat({StretchProperty(keys.passwordSalt), WrappedEntry(0, keys.passwordKey, vmkKey)})),
        VmkEntry(keys.recoveryGuid, 0x0800,
                 Concat({StretchProperty(keys.recoverySalt), WrappedEntry(0, keys.recoveryKey, vmkKey)})),
        VmkEntry(keys.startupGuid, 0x0200, WrappedEntry(0, keys.startupKey, vmkKey)),
    });
    if (spec.clearKeyProtector)
        entries = Concat({entries, VmkEntry(keys.clearGuid, 0x0000,
                                            Concat({KeyProperty(0x2000, keys.clearKey.data(), 32),
                                                    WrappedEntry(0, keys.clearKey, vmkKey)}))});
    std::array<uint8_t, 32> vmk{};
    std::copy(keys.vmk.begin(), keys.vmk.end(), vmk.begin());
    std::vector<uint8_t> headerPlace(16);
    Put64(headerPlace, 0, layout.headerBackup);
    Put64(headerPlace, 8, layout.headerBackupSize);
    entries = Concat({entries, WrappedEntry(3, vmk, KeyProperty(spec.method, written.fvek.data(), written.fvek.size())),
                      Entry(15, 15, headerPlace), Entry(7, 2, Utf16("VELMORA TEST", true))});

    // Block header, metadata header, entries; padded to 16 bytes.
    const uint32_t metadataSize = 48 + static_cast<uint32_t>(entries.size());
    const uint32_t blockSize = (64 + metadataSize + 15) / 16 * 16;
    std::vector<uint8_t> block(blockSize);
    std::memcpy(block.data(), "-FVE-FS-", 8);
    Put16(block, 8, static_cast<uint16_t>(blockSize / 16));
    Put16(block, 10, 2);
    Put16(block, 12, 4); // encrypted, and staying so
    Put16(block, 14, 4);
    Put64(block, 16, layout.size);
    Put32(block, 28, static_cast<uint32_t>(layout.headerBackupSize / Sector));
    for (int i = 0; i < 3; ++i)
        Put64(block, 32 + 8 * i, layout.metadata[i]);
    Put64(block, 56, layout.headerBackup);
    Put32(block, 64, metadataSize);
    Put32(block, 68, 1);
    Put32(block, 72, 48);
    Put32(block, 76, metadataSize);
    PutBytes(block, 80, keys.volumeGuid.data(), 16);
    Put32(block, 96, 10);
    Put16(block, 100, spec.method);
    Put64(block, 104, CreationTime);
    PutBytes(block, 112, entries.data(), entries.size());

    std::vector<uint8_t> image(layout.size);
    const auto put = [&](uint64_t offset, const std::vector<uint8_t>& bytes) {
        std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
    };
    const std::vector<uint8_t> zeros(Sector);
    for (uint64_t offset = 0; offset < layout.size; offset += Sector) {
        const bool reserved = offset < layout.headerBackupSize ||
                              (offset >= layout.metadata[0] && offset < layout.headerBackup + layout.headerBackupSize);
        if (!reserved)
            EncryptBitLockerSector(spec.method, written.fvek, offset, Sector, offset < plain.size() ? plain.data() + offset : zeros.data(),
                          image.data() + offset);
    }
    // The file system's first sectors live, encrypted, at the backup place.
    for (uint64_t offset = 0; offset < layout.headerBackupSize; offset += Sector)
        EncryptBitLockerSector(spec.method, written.fvek, layout.headerBackup + offset, Sector, plain.data() + offset,
                      image.data() + layout.headerBackup + offset);
    put(0, VolumeHeader(spec, layout));
    // Each block is followed by its validation record: size, version, CRC-32 of the block.
    std::vector<uint8_t> validation(8);
    Put16(validation, 0, 8);
    Put16(validation, 2, 2);
    Put32(validation, 4, Crc32(block.data(), block.size()));
    for (int i = 0; i < 3; ++i) {
        put(layout.metadata[i], block);
        put(layout.metadata[i] + block.size(), validation);
    }
    WriteWholeFile(path, image);

    // The startup key file: metadata header naming the VMK, then one
    // external-key entry whose name property comes before the key.
    std::vector<uint8_t> externalValue(24);
    PutBytes(externalValue, 0, keys.startupGuid.data(), 16);
    Put64(externalValue, 16, CreationTime);
    externalValue = Concat({externalValue, Entry(0, 2, Utf16("ExternalKey", true)),
                            KeyProperty(0x2002, keys.startupKey.data(), 32)});
    const std::vector<uint8_t> external = Entry(6, 9, externalValue);
    std::vector<uint8_t> bek(48);
    Put32(bek, 0, static_cast<uint32_t>(48 + external.size()));
    Put32(bek, 4, 1);
    Put32(bek, 8, 48);
    Put32(bek, 12, static_cast<uint32_t>(48 + external.size()));
    PutBytes(bek, 16, keys.startupGuid.data(), 16);
    Put64(bek, 40, CreationTime);
    WriteWholeFile(bekPath, Concat({bek, external}));
    return written;
}

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t value)
{
    out[at] = value & 0xFF;
    out[at + 1] = value >> 8;
}
void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
void Put64(std::vector<uint8_t>& out, size_t at, uint64_t value)
{
    for (int i = 0; i < 8; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
void EncryptBitLockerSector(uint16_t method, const std::vector<uint8_t>& fvek, uint64_t offset, uint32_t sectorSize,
                            const uint8_t* plain, uint8_t* out)
{
    std::vector<uint8_t> sector(plain, plain + sectorSize);
    const int bits = (method == 0x8000 || method == 0x8002 || method == 0x8004) ? 128 : 256;
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    int length = 0;
    if (method == 0x8004 || method == 0x8005) {
        uint8_t tweak[16] = {};
        for (int i = 0; i < 8; ++i)
            tweak[i] = static_cast<uint8_t>((offset / sectorSize) >> (8 * i));
        EVP_EncryptInit_ex(context, bits == 128 ? EVP_aes_128_xts() : EVP_aes_256_xts(), nullptr, fvek.data(), tweak);
        EVP_EncryptUpdate(context, out, &length, sector.data(), static_cast<int>(sectorSize));
        EVP_CIPHER_CTX_free(context);
        return;
    }
    if (method == 0x8000 || method == 0x8001) {
        uint8_t sectorKey[32] = {};
        for (int i = 0; i < 8; ++i)
            sectorKey[i] = sectorKey[16 + i] = static_cast<uint8_t>(offset >> (8 * i));
        sectorKey[31] = 0x80;
        Ecb(fvek.data() + 32, bits, sectorKey);
        Ecb(fvek.data() + 32, bits, sectorKey + 16);
        for (uint32_t i = 0; i < sectorSize; ++i)
            sector[i] ^= sectorKey[i % 32];
        std::vector<uint32_t> words(sectorSize / 4);
        for (uint32_t i = 0; i < sectorSize / 4; ++i)
            words[i] = sector[4 * i] | sector[4 * i + 1] << 8 | sector[4 * i + 2] << 16 |
                       static_cast<uint32_t>(sector[4 * i + 3]) << 24;
        DiffuserAEncrypt(words.data(), sectorSize / 4);
        DiffuserBEncrypt(words.data(), sectorSize / 4);
        for (uint32_t i = 0; i < sectorSize / 4; ++i)
            for (int b = 0; b < 4; ++b)
                sector[4 * i + b] = static_cast<uint8_t>(words[i] >> (8 * b));
    }
    uint8_t iv[16] = {};
    for (int i = 0; i < 8; ++i)
        iv[i] = static_cast<uint8_t>(offset >> (8 * i));
    Ecb(fvek.data(), bits, iv);
    EVP_EncryptInit_ex(context, bits == 128 ? EVP_aes_128_cbc() : EVP_aes_256_cbc(), nullptr, fvek.data(), iv);
    EVP_CIPHER_CTX_set_padding(context, 0);
    EVP_EncryptUpdate(context, out, &length, sector.data(), static_cast<int>(sectorSize));
    EVP_CIPHER_CTX_free(context);
}

std::vector<uint8_t> ExpectedPlainSector(const std::vector<uint8_t>& plain, const BitLockerLayout& layout,
                                         uint64_t sector)
{
    const uint64_t offset = sector * Sector;
    if (offset >= plain.size())
        return std::vector<uint8_t>(Sector);
    return std::vector<uint8_t>(plain.begin() + static_cast<std::ptrdiff_t>(offset),
                                plain.begin() + static_cast<std::ptrdiff_t>(offset + Sector));
}

std::vector<uint8_t> ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    EXPECT_TRUE(in) << path;
    std::vector<uint8_t> bytes(in ? static_cast<size_t>(in.tellg()) : 0);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << path;
}

}
