// The window tests' QApplication, made by their main.
#pragma once

#include <QApplication>

namespace velmora {

inline QApplication& testApplication()
{
    return *static_cast<QApplication*>(QApplication::instance());
}

} // namespace velmora
