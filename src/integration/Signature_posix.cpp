#include "integration/Signature.h"

#include <dlfcn.h>
#include <memory>
#include <openssl/evp.h>
#include <openssl/x509.h>

namespace integration {

namespace {

// libcrypto, opened at the first check rather than linked, as libcurl is: a start never maps it.
struct CryptoLibrary {
    decltype(&::d2i_PUBKEY) readPublicKey;
    decltype(&::EVP_PKEY_free) freeKey;
    decltype(&::EVP_MD_CTX_new) newContext;
    decltype(&::EVP_MD_CTX_free) freeContext;
    decltype(&::EVP_DigestVerifyInit) verifyInit;
    decltype(&::EVP_DigestVerify) verify;
    decltype(&::EVP_sha256) sha256;
};

template <typename Function> bool Take(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Never closed: libcrypto keeps process-wide state until the end.
const CryptoLibrary* Open() {
    void* library = dlopen("libcrypto.so.3", RTLD_NOW | RTLD_LOCAL);
    static CryptoLibrary crypto;
    const bool complete = library != nullptr && Take(library, "d2i_PUBKEY", crypto.readPublicKey) &&
                          Take(library, "EVP_PKEY_free", crypto.freeKey) &&
                          Take(library, "EVP_MD_CTX_new", crypto.newContext) &&
                          Take(library, "EVP_MD_CTX_free", crypto.freeContext) &&
                          Take(library, "EVP_DigestVerifyInit", crypto.verifyInit) &&
                          Take(library, "EVP_DigestVerify", crypto.verify) &&
                          Take(library, "EVP_sha256", crypto.sha256);
    return complete ? &crypto : nullptr;
}

const CryptoLibrary* Crypto() {
    static const CryptoLibrary* const crypto = Open();
    return crypto;
}

// The key as libcrypto reads it: the fixed header of a P-256 public key before the point.
std::string PublicKeyInfo(std::string_view point) {
    static const unsigned char header[] = {0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48,
                                           0xce, 0x3d, 0x02, 0x01, 0x06, 0x08, 0x2a, 0x86, 0x48,
                                           0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00};
    return std::string(reinterpret_cast<const char*>(header), sizeof header) + std::string(point);
}

// One half of the signature as a DER integer: no leading zeros, a zero before a high bit.
std::string DerInteger(std::string_view half) {
    while (half.size() > 1 && half.front() == 0) {
        half.remove_prefix(1);
    }
    std::string value(half);
    if (static_cast<unsigned char>(value.front()) & 0x80) {
        value.insert(value.begin(), '\0');
    }
    return std::string{0x02, static_cast<char>(value.size())} + value;
}

// r and s in the DER form libcrypto checks.
std::string DerSignature(std::string_view signature) {
    const std::string both = DerInteger(signature.substr(0, 32)) + DerInteger(signature.substr(32));
    return std::string{0x30, static_cast<char>(both.size())} + both;
}

} // namespace

bool VerifySignature(std::string_view data, std::string_view signature,
                     std::string_view publicKey) {
    const CryptoLibrary* crypto = Crypto();
    if (crypto == nullptr || signature.size() != 64 || publicKey.size() != 65 ||
        publicKey[0] != 0x04) {
        return false;
    }
    const std::string info = PublicKeyInfo(publicKey);
    const auto* cursor = reinterpret_cast<const unsigned char*>(info.data());
    const std::unique_ptr<EVP_PKEY, decltype(crypto->freeKey)> key(
        crypto->readPublicKey(nullptr, &cursor, static_cast<long>(info.size())), crypto->freeKey);
    const std::unique_ptr<EVP_MD_CTX, decltype(crypto->freeContext)> context(crypto->newContext(),
                                                                             crypto->freeContext);
    if (key == nullptr || context == nullptr ||
        crypto->verifyInit(context.get(), nullptr, crypto->sha256(), nullptr, key.get()) != 1) {
        return false;
    }
    const std::string der = DerSignature(signature);
    return crypto->verify(context.get(), reinterpret_cast<const unsigned char*>(der.data()),
                          der.size(), reinterpret_cast<const unsigned char*>(data.data()),
                          data.size()) == 1;
}

} // namespace integration
