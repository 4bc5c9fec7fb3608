#include "integration/Signature.h"

#include <windows.h>

#include <bcrypt.h>

#include <cstring>

namespace integration {

namespace {

class Provider {
  public:
    explicit Provider(const wchar_t* algorithm) {
        if (BCryptOpenAlgorithmProvider(&handle_, algorithm, nullptr, 0) != 0) {
            handle_ = nullptr;
        }
    }
    ~Provider() {
        if (handle_ != nullptr) {
            BCryptCloseAlgorithmProvider(handle_, 0);
        }
    }
    Provider(const Provider&) = delete;
    Provider& operator=(const Provider&) = delete;
    BCRYPT_ALG_HANDLE get() const { return handle_; }

  private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

bool Sha256(std::string_view data, unsigned char (&digest)[32]) {
    const Provider sha(BCRYPT_SHA256_ALGORITHM);
    BCRYPT_HASH_HANDLE hash = nullptr;
    if (sha.get() == nullptr ||
        BCryptCreateHash(sha.get(), &hash, nullptr, 0, nullptr, 0, 0) != 0) {
        return false;
    }
    const bool done = BCryptHashData(hash, reinterpret_cast<PUCHAR>(const_cast<char*>(data.data())),
                                     static_cast<ULONG>(data.size()), 0) == 0 &&
                      BCryptFinishHash(hash, digest, sizeof digest, 0) == 0;
    BCryptDestroyHash(hash);
    return done;
}

} // namespace

bool VerifySignature(std::string_view data, std::string_view signature,
                     std::string_view publicKey) {
    if (signature.size() != 64 || publicKey.size() != 65 || publicKey[0] != 0x04 ||
        data.size() > 0xFFFFFFFFu) {
        return false;
    }
    unsigned char digest[32];
    const Provider ecdsa(BCRYPT_ECDSA_P256_ALGORITHM);
    if (!Sha256(data, digest) || ecdsa.get() == nullptr) {
        return false;
    }
    // The key blob: its header, then X and Y.
    unsigned char blob[sizeof(BCRYPT_ECCKEY_BLOB) + 64];
    const BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, 32};
    std::memcpy(blob, &header, sizeof header);
    std::memcpy(blob + sizeof header, publicKey.data() + 1, 64);
    BCRYPT_KEY_HANDLE key = nullptr;
    if (BCryptImportKeyPair(ecdsa.get(), nullptr, BCRYPT_ECCPUBLIC_BLOB, &key, blob, sizeof blob,
                            0) != 0) {
        return false;
    }
    unsigned char rs[64];
    std::memcpy(rs, signature.data(), sizeof rs);
    const bool valid =
        BCryptVerifySignature(key, nullptr, digest, sizeof digest, rs, sizeof rs, 0) == 0;
    BCryptDestroyKey(key);
    return valid;
}

} // namespace integration
