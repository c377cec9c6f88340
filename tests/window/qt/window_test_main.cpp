// One QApplication for all window tests, set up as the program sets itself up.

#include "window/qt/form1_events.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // The window tests run without a display, also when CTest lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tallyglyph::window::configure_application(app);
    return RUN_ALL_TESTS();
}
