// A key pair made here, a file signed by the release script, and the check of the program.
#include "integration/Signature.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

using testing_support::ReadBytes;
using testing_support::TestFolder;

namespace {

TEST(Signature, TheReleaseScriptsSignatureIsAccepted) {
    TestFolder folder;
    const std::string key = folder.Path("release.pem");
    const std::string archive = folder.Path("Tippomat.zip");
    testing_support::WriteBytes(archive, "PK an archive");
    const std::string script = "'" TIPPOMAT_SIGN_RELEASE "'";
    ASSERT_EQ(std::system(("openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out '" +
                           key + "' && " + script + " '" + key + "' '" + archive + "' && " +
                           script + " --public-key '" + key + "' > '" + key + ".hex'")
                              .c_str()),
              0);
    const auto publicKey = integration::FromHex(ReadBytes(key + ".hex"));
    const auto signature = integration::FromHex(ReadBytes(archive + ".sig"));
    ASSERT_TRUE(publicKey && signature);
    EXPECT_TRUE(integration::VerifySignature(ReadBytes(archive), *signature, *publicKey));
}

} // namespace
