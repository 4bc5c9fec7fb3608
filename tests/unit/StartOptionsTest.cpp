// The command-line options of a start.
#include "core/StartOptions.h"

#include <gtest/gtest.h>

namespace {

using core::PopupRequest;
using core::ReadStartOptions;

TEST(StartOptions, PopupOptionsAsTypedOrQuoted) {
    EXPECT_EQ(ReadStartOptions({"--popup"}).popup, PopupRequest::User);
    EXPECT_EQ(ReadStartOptions({"\"--admin-popup\""}).popup, PopupRequest::Admin);
    EXPECT_EQ(ReadStartOptions({}).popup, PopupRequest::None);
    EXPECT_TRUE(ReadStartOptions({"--popup", ""}).unknown.empty());
}

TEST(StartOptions, UnknownWordsAreToldAndChangeNothing) {
    const core::StartOptions options = ReadStartOptions({"--popup", "--pop", "Kopie"});
    EXPECT_EQ(options.popup, PopupRequest::User);
    EXPECT_EQ(core::UnknownOptionsText(options),
              "Tippomat: unbekannte Option --pop Kopie (bekannt sind --popup und --admin-popup)\n");
    EXPECT_EQ(core::UnknownOptionsText(ReadStartOptions({"--popup"})), "");
}

} // namespace
