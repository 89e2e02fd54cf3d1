#include "BitLocker/AesCcm.h"

#include "BitLocker/AesBlock.h"
#include "DataRecovery/Log.h"

#include <cstring>
#include <openssl/crypto.h>

static constexpr const char* LogSource = "src/BitLocker/AesCcm";

namespace Bitlocker {

namespace {

bool AcceptedSizes(const uint8_t* nonce, uint32_t nonceLength, uint32_t payloadLength)
{
    if (!nonce || nonceLength != CcmNonceSize) {
        VLOG_ERROR("AES-CCM nonce of %u bytes refused.", nonceLength);
        return false;
    }
    if (payloadLength > MaxWrappedPayload) {
        VLOG_ERROR("AES-CCM payload of %u bytes refused.", payloadLength);
        return false;
    }
    return true;
}

}

bool AesCcmDecrypt(const WrappedKey& wrapped, const uint8_t key[32], uint8_t* output, uint32_t outputCapacity)
{
    if (!AcceptedSizes(wrapped.nonce, wrapped.nonceLength, wrapped.payloadLength) || !key || !output ||
        !wrapped.mac || (!wrapped.payload && wrapped.payloadLength > 0))
        return false;
    if (outputCapacity < CcmMacSize + wrapped.payloadLength) {
        VLOG_ERROR("AES-CCM output of %u bytes is too small for a payload of %u bytes.", outputCapacity,
                   wrapped.payloadLength);
        return false;
    }
    AesEcb aes(key, 256);
    if (!aes.Ready())
        return false;

    uint8_t counter[16] = {2};
    std::memcpy(counter + 1, wrapped.nonce, CcmNonceSize);
    uint8_t stream[16];
    const uint32_t total = CcmMacSize + wrapped.payloadLength;
    for (uint32_t done = 0, block = 0; done < total; done += 16, ++block) {
        counter[13] = static_cast<uint8_t>(block >> 16);
        counter[14] = static_cast<uint8_t>(block >> 8);
        counter[15] = static_cast<uint8_t>(block);
        if (!aes.Run(counter, stream, 16)) {
            OPENSSL_cleanse(stream, sizeof stream);
            return false;
        }
        const uint32_t count = total - done < 16 ? total - done : 16;
        for (uint32_t i = 0; i < count; ++i) {
            const uint32_t at = done + i;
            const uint8_t in = at < CcmMacSize ? wrapped.mac[at] : wrapped.payload[at - CcmMacSize];
            output[at] = in ^ stream[i];
        }
    }
    OPENSSL_cleanse(stream, sizeof stream);
    return true;
}

bool AesCcmVerify(const uint8_t* output, const uint8_t key[32], const uint8_t* nonce, uint32_t nonceLength,
                  uint32_t payloadLength)
{
    if (!output || !key || !AcceptedSizes(nonce, nonceLength, payloadLength))
        return false;
    AesEcb aes(key, 256);
    if (!aes.Ready())
        return false;
    // B0: no associated data, 16-byte tag, 3-byte length field.
    uint8_t x[16] = {0x3A};
    std::memcpy(x + 1, nonce, CcmNonceSize);
    x[13] = static_cast<uint8_t>(payloadLength >> 16);
    x[14] = static_cast<uint8_t>(payloadLength >> 8);
    x[15] = static_cast<uint8_t>(payloadLength);
    bool ok = aes.Run(x, x, 16);
    const uint8_t* payload = output + CcmMacSize;
    for (uint32_t done = 0; ok && done < payloadLength; done += 16) {
        const uint32_t count = payloadLength - done < 16 ? payloadLength - done : 16;
        for (uint32_t i = 0; i < count; ++i)
            x[i] ^= payload[done + i];
        ok = aes.Run(x, x, 16);
    }
    ok = ok && CRYPTO_memcmp(x, output, CcmMacSize) == 0;
    OPENSSL_cleanse(x, sizeof x);
    return ok;
}

}
