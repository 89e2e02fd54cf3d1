#pragma once
// BitLocker volumes written by the tests themselves with OpenSSL, following
// the published format, so that independent readers (libcryptsetup,
// dislocker, bdeinfo) can check both them and the engine.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace TestSupport {

// What one set of protectors holds. Stretching costs a second per password,
// so one set is made per test suite and shared by its volumes.
struct BitLockerKeys {
    std::array<uint8_t, 32> vmk{};
    std::string password;
    std::string recoveryPassword;
    std::array<uint8_t, 16> passwordSalt{}, recoverySalt{};
    std::array<uint8_t, 32> passwordKey{}, recoveryKey{}; // stretched
    std::array<uint8_t, 32> startupKey{};
    std::array<uint8_t, 32> clearKey{};
    std::array<uint8_t, 16> passwordGuid{}, recoveryGuid{}, startupGuid{}, clearGuid{}, volumeGuid{};

    // Random keys; the two stretched keys computed here (about two seconds).
    static BitLockerKeys Make(const std::string& password, const std::string& recoveryPassword);
};

struct BitLockerLayout {
    uint64_t metadata[3] = {};
    uint64_t headerBackup = 0;
    uint64_t headerBackupSize = 8192;
    uint64_t size = 0;
};

struct BitLockerVolumeSpec {
    uint16_t method = 0x8004;
    bool toGo = false;
    bool clearKeyProtector = false;
    std::string plainImage; // the file system to encrypt; its size a multiple of 64 KiB
};

struct WrittenBitLockerVolume {
    std::vector<uint8_t> fvek; // the key bytes as the FVEK entry holds them
    BitLockerLayout layout;
};

// Writes the encrypted volume to path and the startup key file to bekPath.
WrittenBitLockerVolume WriteBitLockerVolume(const BitLockerKeys& keys, const BitLockerVolumeSpec& spec,
                                            const std::string& path, const std::string& bekPath);

// One sector encrypted as BitLocker does (the diffuser forms included),
// written from the published description for the readers to undo.
void EncryptBitLockerSector(uint16_t method, const std::vector<uint8_t>& fvek, uint64_t offset, uint32_t sectorSize,
                            const uint8_t* plain, uint8_t* out);

// What a reader of the plain file system sees at volume sector i of a written
// volume: the plain image's sector, zeros for metadata areas and beyond it.
std::vector<uint8_t> ExpectedPlainSector(const std::vector<uint8_t>& plain, const BitLockerLayout& layout,
                                         uint64_t sector);

// Little-endian fields into a byte vector.
void Put16(std::vector<uint8_t>& out, size_t at, uint16_t value);
void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value);
void Put64(std::vector<uint8_t>& out, size_t at, uint64_t value);

std::vector<uint8_t> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

}
