// The Qt face's watch of the followed files: a change in place, a file renamed over the followed
// one, and a change in place of that new file are each heard; so is the moment asked for.
#include "gui/qt/FileWatch.h"
#include "support/TestFolder.h"
#include "support/Wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using testing_support::WriteBytes;

class FileWatchTest : public ::testing::Test {
  protected:
    FileWatchTest() {
        WriteBytes(ini_, "[A]\r\n");
        watch_.Follow(
            {ini_}, [this] { ++heard_; }, [this] { ++heard_; });
    }
    // Whether the watch reports something new; what is still under way is let through first,
    // so that a report counts for the doing that comes after this.
    template <class Doing> bool Heard(Doing doing) {
        QElapsedTimer settling;
        settling.start();
        while (settling.elapsed() < 300) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        const int before = heard_;
        doing();
        return testing_support::Eventually(
            [&] { return heard_ > before; }, 30,
            [] {
                QCoreApplication::processEvents(
                    QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
            });
    }

    testing_support::TestFolder folder_;
    std::string ini_ = folder_.Path("Tippomat.ini");
    qtface::FileWatch watch_;
    int heard_ = 0;
};

TEST_F(FileWatchTest, ChangesInPlaceAndByRenamingAreHeard) {
    EXPECT_TRUE(Heard([&] { WriteBytes(ini_, "[B]\r\n"); })) << "in place";
    EXPECT_TRUE(Heard([&] {
        WriteBytes(ini_ + ".neu", "[C]\r\n");
        std::rename((ini_ + ".neu").c_str(), ini_.c_str());
    })) << "renamed over";
    EXPECT_TRUE(Heard([&] { WriteBytes(ini_, "[D]\r\n"); })) << "the new file in place";
    EXPECT_TRUE(Heard([&] { watch_.CheckAgainSoon(); }));
}

} // namespace
