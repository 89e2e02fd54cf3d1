#pragma once
// Decryption of BitLocker sectors: AES-CBC with and without the Elephant
// diffuser, and AES-XTS. Sectors are 512, 1024, 2048 or 4096 bytes at an
// offset that is a multiple of their size; anything else is refused (false).
#include <openssl/evp.h>

#include <cstdint>

namespace Bitlocker {

bool IsValidSectorGeometry(uint64_t offset, uint32_t sectorSize);

// context: a cipher context to reuse, or null for one of the call's own.
// key: the encryption key (16 or 32 bytes by keyBits 128 or 256); the diffuser
// forms read the tweak key at key + 32. XTS: both keys, 32 or 64 bytes.
bool DecryptSectorAesCbc(EVP_CIPHER_CTX* context, const uint8_t* input, const uint8_t* key, uint32_t keyBits,
                         uint64_t offset, uint32_t sectorSize, uint8_t* output);
bool DecryptSectorAesCbcDiffuser(EVP_CIPHER_CTX* context, const uint8_t* input, const uint8_t* key,
                                 uint32_t keyBits, uint64_t offset, uint32_t sectorSize, uint8_t* output);
bool DecryptSectorAesXts(EVP_CIPHER_CTX* context, const uint8_t* input, const uint8_t* key, uint32_t keyBits,
                         uint64_t offset, uint32_t sectorSize, uint8_t* output);

// In place on the sector as sectorSize / 4 little-endian words.
bool DiffuserADecrypt(uint32_t sectorSize, uint32_t* words);
bool DiffuserBDecrypt(uint32_t sectorSize, uint32_t* words);

// The key bytes the FVEK holds for an encryption method (0x8000 to 0x8005), 0 for others.
uint32_t FvekKeySize(uint16_t method);
// One sector by the volume's encryption method; key as the FVEK holds it
// (keySize bytes, at least FvekKeySize(method)).
bool DecryptSector(uint16_t method, const uint8_t* key, uint32_t keySize, const uint8_t* input, uint64_t offset,
                   uint32_t sectorSize, uint8_t* output);

}
