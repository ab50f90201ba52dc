// Runs the tests inside a QGuiApplication, which the drawing layer needs to render text;
// no widgets, and so no display: Qt's offscreen platform.
#include <QGuiApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    int toolkitArgc = 1;
    QGuiApplication application(toolkitArgc, argv);
    return RUN_ALL_TESTS();
}
