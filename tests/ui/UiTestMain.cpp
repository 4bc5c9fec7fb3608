// Face tests run on Qt's offscreen platform, one application for all of them.
#include "gui/qt/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    qtface::Application application(argc, argv);
    return RUN_ALL_TESTS();
}
