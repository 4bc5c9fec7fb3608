// The archive's signature, checked with the system's crypto against a signature that
// scripts/sign-release.sh made with a key pair of the tests' own.
#include "integration/Signature.h"

#include <gtest/gtest.h>

using integration::FromHex;
using integration::VerifySignature;

namespace {

const std::string kData = std::string("PK\x03\x04\0\xFF", 6) + std::string(70000, 'z');
const std::string kKey = *FromHex(
    "04ed94ae66f10e5a1ec271fcd59ee3d9e2bfaceddef0b88552628c1844d57e5a88cb5070f6c9af54f7a10a01f5fd8d"
    "397cb280b83158589f6cc9c6bd46e37fd6b2");
const std::string kSignature = *FromHex(
    "4A3CD6E79095EBE757D4820C8623A5427234DDB1BB2EE9EEE6DC2BD026251EFB3EE2394461DF183A75FE2083033E"
    "E98AEBEB40DC2513A58F69638511A6212B50\n");

std::string Flipped(std::string bytes, size_t at) {
    bytes[at] = static_cast<char>(bytes[at] ^ 1);
    return bytes;
}

TEST(Signature, OnlyTheSignedDataUnderItsKeyIsAccepted) {
    EXPECT_TRUE(VerifySignature(kData, kSignature, kKey));
    EXPECT_FALSE(VerifySignature(kData + "!", kSignature, kKey)) << "tampered data";
    EXPECT_FALSE(VerifySignature(kData, Flipped(kSignature, 40), kKey)) << "changed signature";
    EXPECT_FALSE(VerifySignature(kData, kSignature, Flipped(kKey, 64))) << "another key";
    EXPECT_FALSE(VerifySignature(kData, kSignature.substr(1), kKey)) << "short signature";
    EXPECT_FALSE(VerifySignature(kData, kSignature, "")) << "no key";
}

TEST(Signature, HexIsReadWithItsLineEndOnly) {
    EXPECT_EQ(FromHex("00fF7a\r\n"), std::string("\0\xff\x7a", 3));
    EXPECT_FALSE(FromHex("0g"));
    EXPECT_FALSE(FromHex("abc"));
    EXPECT_FALSE(FromHex(" ab"));
}

} // namespace
