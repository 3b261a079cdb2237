// A session of the command line beside the window thread, as the window runner runs one: the
// tests that drive real windows run their Logo lines in it and wait for what they print.
#pragma once

#include "controls/MainWindowObject.h"
#include "controls/PageObject.h"
#include "controls/QtMainThread.h"
#include "controls/WindowClasses.h"
#include "interpreter/Commander.h"
#include "processes/lThread.h"
#include "startup/ConsoleSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velmora {

class PrintedText : public Icommander {
public:
    void reportError(const eLogoException& error) override
    {
        printText("error " + std::to_string(error.code) + "\n");
    }
    void printText(std::string_view text) override
    {
        std::lock_guard hold(m_lock);
        for (char c : text)
            if (c != '\r')
                m_text += c;
    }
    std::string text() const
    {
        std::lock_guard hold(m_lock);
        return m_text;
    }

private:
    mutable std::mutex m_lock;
    std::string m_text;
};

// Runs the lines in a session beside the window thread, then keeps it open until released.
class WindowSession {
public:
    explicit WindowSession(std::vector<std::string> lines)
        : m_thread([this, lines] {
            run(lines);
            m_done = true;
        })
    {
    }

    // The session ends as the window runner's does: the calls its end makes into the window
    // thread run here.
    ~WindowSession()
    {
        m_released = true;
        m_released.notify_all();
        while (!m_done)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        m_thread.join();
    }

    // Runs the window thread's events until the condition holds or five seconds have gone.
    bool waitFor(const std::function<bool()>& condition)
    {
        QElapsedTimer clock;
        clock.start();
        while (!condition() && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        return condition();
    }

    bool ready() const { return m_ready; }
    QWidget* page() const { return m_page; }
    std::string printed() const { return m_printed.text(); }

private:
    void run(const std::vector<std::string>& lines)
    {
        ConsoleSession session(
            m_printed, &m_windowThread, [this](tMainLogoObject& main, ProcessStart& commandLine) {
                m_page = makeStartingWindow(main, commandLine).currentPage()->window();
            });
        for (const std::string& line : lines)
            session.feedLine(line);
        m_ready = true;
        m_released.wait(false);
    }

    PrintedText m_printed;
    QtMainThread m_windowThread;
    std::atomic<QWidget*> m_page { nullptr };
    std::atomic<bool> m_ready { false };
    std::atomic<bool> m_released { false };
    std::atomic<bool> m_done { false };
    std::thread m_thread;
};

} // namespace velmora
