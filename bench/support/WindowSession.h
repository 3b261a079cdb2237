// A console session beside a real main window, made as the window runner makes them: the calling
// thread is the window thread and runs Qt's event loop, while the session's lines run on a thread
// of their own, as the main window, addressing the turtle on its first page.
#pragma once

#include "controls/MainWindowObject.h"
#include "controls/PageObject.h"
#include "controls/QtMainThread.h"
#include "controls/WindowClasses.h"
#include "core/EngineStartup.h"
#include "startup/ConsoleSession.h"

#include <QApplication>
#include <QEventLoop>

#include <functional>
#include <memory>
#include <thread>

namespace velmora {

// The application of a driver whose windows need no display.
inline std::unique_ptr<QApplication> offscreenApplication(int& argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}

// What a benchmark does in the session; `page` is the page the starting turtle draws on.
using WindowScript = std::function<void(ConsoleSession& session, tlogopage& page)>;

// Starts the engine (in English), runs the script on the session's thread and returns once the
// session has ended. The window thread waits in its event loop rather than polling, so that it
// takes no CPU from what is measured beyond the work it is given; the session's end still closes
// its windows there. Needs the program's QApplication.
inline void runBesideWindow(Icommander& commander, const WindowScript& script)
{
    startEngine();
    QtMainThread windowThread;
    QEventLoop events;
    std::thread sessionThread([&] {
        {
            tlogopage* page = nullptr;
            ConsoleSession session(
                commander, &windowThread, [&](tMainLogoObject& main, ProcessStart& commandLine) {
                    page = makeStartingWindow(main, commandLine).currentPage();
                });
            script(session, *page);
        }
        QMetaObject::invokeMethod(
            &events, [&events] { events.quit(); }, Qt::QueuedConnection);
    });
    events.exec();
    sessionThread.join();
}

} // namespace velmora
