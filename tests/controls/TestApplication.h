// The one QApplication of the window tests, made on first use in the test's thread.
#pragma once

#include <QApplication>

namespace velmora {

inline QApplication& testApplication()
{
    static int argc = 1;
    static char name[] = "velmora_gui_tests";
    static char* argv[] = { name, nullptr };
    static QApplication application(argc, argv);
    return application;
}

} // namespace velmora
