#include "components/InstanceCheck.h"
#include "components/OneInstance.h"
#include "components/SplitCommandLine.h"

#include <gtest/gtest.h>

using components::SplitCommandLine;
using components::TInstanceCheck;
using Words = std::vector<std::string>;

namespace {

TEST(SplitCommandLine, QuotesBlanksAndOpenEnds) {
    EXPECT_EQ(SplitCommandLine(R"("C:\Program Files\x.exe"  /x "a b")"),
              (Words{R"("C:\Program Files\x.exe")", "/x", R"("a b")"}));
    EXPECT_EQ(SplitCommandLine("a\tb  c"), (Words{"a\tb", "c"})) << "tabs are ordinary";
    EXPECT_EQ(SplitCommandLine("x \"open end  here"), (Words{"x", "\"open end  here"}));
    EXPECT_EQ(SplitCommandLine("  lead"), (Words{"", "lead"}));
    EXPECT_EQ(SplitCommandLine(""), Words{});
    EXPECT_EQ(SplitCommandLine(components::JoinCommandLine({"/bin/x", "a b", "", "c"})),
              (Words{"/bin/x", "\"a b\"", "\"\"", "c"}));
}

TEST(InstanceCheck, OnlyOneObject) {
    TInstanceCheck first(nullptr);
    try {
        TInstanceCheck second(nullptr);
        FAIL() << "a second object was made";
    } catch (const components::ECreateError& error) {
        EXPECT_STREQ(error.what(),
                     "Es kann nur ein einziges TInstanceCheck-Objekt erstellt werden");
    }
}

TEST(InstanceCheck, HandlerDecidesAndARefusedCopyBringsThisOneToFront) {
    components::InstallInstanceCheckHook();
    EXPECT_EQ(components::detail::AnswerHandOver(7, "x"), components::kReplyGoOn)
        << "before the object exists new copies run";
    int broughtToFront = 0;
    TInstanceCheck check([&] { ++broughtToFront; });
    EXPECT_EQ(components::detail::AnswerHandOver(7, "x"), components::kReplyStop);
    EXPECT_EQ(broughtToFront, 0) << "without a handler nothing comes to the front";

    std::uint32_t seenId = 0;
    Words seenParams;
    bool allowNext = false;
    check.OnNewInstance = [&](TInstanceCheck& sender, std::uint32_t id, const Words& params,
                              bool& allow) {
        EXPECT_EQ(&sender, &check);
        EXPECT_FALSE(allow);
        seenId = id;
        seenParams = params;
        allow = allowNext;
    };
    EXPECT_EQ(components::detail::AnswerHandOver(42, "prog \"a b\" c"), components::kReplyStop);
    EXPECT_EQ(seenId, 42u);
    EXPECT_EQ(seenParams, (Words{"prog", "\"a b\"", "c"}));
    EXPECT_EQ(broughtToFront, 1);
    allowNext = true;
    EXPECT_EQ(components::detail::AnswerHandOver(43, "prog"), components::kReplyGoOn);
    EXPECT_EQ(broughtToFront, 1);
}

TEST(InstanceCheck, WithoutHookEveryCopyIsStopped) {
    components::SetNewInstanceHook(nullptr);
    EXPECT_EQ(components::detail::AnswerHandOver(1, ""), components::kReplyStop);
}

} // namespace
