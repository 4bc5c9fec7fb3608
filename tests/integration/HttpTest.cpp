// The update's HTTP client against a server on 127.0.0.1: bodies, lengths, progress, and every
// failure as a result.
#include "integration/Http.h"
#include "support/LocalHttpServer.h"

#include <gtest/gtest.h>

using integration::HttpOptions;
using integration::NewHttpClient;
using testing_support::HttpReply;
using testing_support::LocalHttpServer;

namespace {

// Every byte value, over more than one read.
std::string ArchiveBytes() {
    std::string bytes;
    for (int i = 0; i < 300000; ++i) {
        bytes += static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}

TEST(HttpClient, HeadAnnouncesAndGetBringsTheBytesWithProgress) {
    LocalHttpServer server;
    const std::string archive = ArchiveBytes();
    server.Serve("/download/tippomat.zip", {200, archive});
    auto client = NewHttpClient({});

    const auto head = client->Head(server.Url("/download/tippomat.zip"), {});
    EXPECT_TRUE(head.ok);
    EXPECT_EQ(head.contentLength, static_cast<std::int64_t>(archive.size()));
    EXPECT_TRUE(head.body.empty());

    std::int64_t lastProgress = 0;
    const auto get = client->Get(server.Url("/download/tippomat.zip"), [&](std::int64_t received) {
        lastProgress = received;
        return true;
    });
    ASSERT_TRUE(get.ok);
    EXPECT_EQ(get.status, 200);
    EXPECT_TRUE(get.body == archive) << "size " << get.body.size();
    EXPECT_EQ(lastProgress, static_cast<std::int64_t>(archive.size()));
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{"HEAD /download/tippomat.zip",
                                                           "GET /download/tippomat.zip"}));
}

TEST(HttpClient, ErrorStatusAndRefusedConnectionFail) {
    LocalHttpServer server;
    auto client = NewHttpClient({});
    const auto missing = client->Get(server.Url("/download/none.ver"), {});
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.status, 404);
    EXPECT_FALSE(client->Head(server.Url("/download/none.ver"), {}).ok);

    const auto refused = client->Get(testing_support::RefusingUrl("/x.ver"), {});
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.status, 0);
}

TEST(HttpClient, AServerThatStallsMidBodyFails) {
    LocalHttpServer server;
    server.Serve("/slow.zip", {200, ArchiveBytes(), -1, true});
    HttpOptions options;
    options.stallSeconds = 1;
    EXPECT_FALSE(NewHttpClient(options)->Get(server.Url("/slow.zip"), {}).ok);
}

TEST(HttpClient, ABodyOverTheLimitFailsAnnouncedOrNot) {
    LocalHttpServer server;
    server.Serve("/huge.zip", {200, "short", std::int64_t{1} << 40});
    server.Serve("/big.zip", {200, std::string(5000, 'x')});
    HttpOptions options;
    options.maxBodyBytes = 1000;
    auto client = NewHttpClient(options);
    EXPECT_FALSE(client->Head(server.Url("/huge.zip"), {}).ok);
    EXPECT_FALSE(client->Get(server.Url("/huge.zip"), {}).ok);
    const auto big = client->Get(server.Url("/big.zip"), {});
    EXPECT_FALSE(big.ok);
    EXPECT_LE(big.body.size(), 1000u);
}

TEST(HttpClient, ABodyLongerThanAnnouncedIsNeverTakenBeyondTheAnnouncement) {
    LocalHttpServer server;
    server.Serve("/long.ver", {200, "2,15\r\nand much more", 4});
    const auto get = NewHttpClient({})->Get(server.Url("/long.ver"), {});
    EXPECT_LE(get.body.size(), 4u);
}

// A server that takes the request and never answers: the caller goes on meanwhile, and may
// cancel.
TEST(HttpClient, ATransferRunsBesideTheCallerWhoMayCancelIt) {
    LocalHttpServer server;
    server.Serve("/download/x.ver", {200, "2,15", -1, false, true});
    int calls = 0;
    const auto head = NewHttpClient({})->Head(server.Url("/download/x.ver"),
                                              [&](std::int64_t) { return ++calls < 3; });
    EXPECT_FALSE(head.ok);
    EXPECT_GE(calls, 3);
}

TEST(HttpClient, TheOverallTimeLimitEndsATransferLongBeforeItsStallLimit) {
    LocalHttpServer server;
    server.Serve("/download/x.zip", {200, "PK", -1, false, true});
    HttpOptions options;
    options.stallSeconds = 3600;
    options.totalSeconds = 1;
    EXPECT_FALSE(NewHttpClient(options)->Get(server.Url("/download/x.zip"), {}).ok);
}

} // namespace
