// The window tests' main: the one QApplication lives for the run and goes before the program's
// statics do, which Qt needs. Without a display the windows are offscreen, so that the tests are
// listed and run anywhere; the tests that need a real window start a virtual display of their own.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
