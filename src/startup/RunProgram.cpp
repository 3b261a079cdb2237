// velmora-run: runs a Logo program in the main window, as "velmora run" does.
//
//   velmora-run FILE [--offscreen] [--screenshot OUT.png] [--quit-after MS] [--quit-when-idle]
//               [--language NAME]
//
// The window thread runs Qt's event loop; the program's lines run in the command line of a session
// on a thread of their own, as the console runs them, with the main window as the object they run
// as and its first page's turtle addressed. Printed text goes to the standard output.
#include "controls/MainWindowObject.h"
#include "controls/QtMainThread.h"
#include "controls/WindowClasses.h"
#include "core/EngineStartup.h"
#include "core/LabelMeasure.h"
#include "graphics/LabelText.h"
#include "processes/AllThreads.h"
#include "processes/lThread.h"
#include "startup/ConsoleCommander.h"
#include "startup/ConsoleSession.h"
#include "startup/ConsoleText.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <utility>

namespace velmora {

namespace {

    struct RunOptions {
        std::string file;
        std::string language = "english";
        std::string screenshot;
        std::optional<int> quitAfter;
        bool offscreen = false;
        bool quitWhenIdle = false;
    };

    std::optional<RunOptions> parseOptions(int argc, char** argv)
    {
        RunOptions options;
        for (int i = 1; i < argc; ++i) {
            const std::string_view argument = argv[i];
            const bool hasValue = i + 1 < argc;
            if (argument == "--offscreen")
                options.offscreen = true;
            else if (argument == "--quit-when-idle")
                options.quitWhenIdle = true;
            else if (argument == "--screenshot" && hasValue)
                options.screenshot = argv[++i];
            else if (argument == "--quit-after" && hasValue)
                options.quitAfter = std::atoi(argv[++i]);
            else if (argument == "--language" && hasValue)
                options.language = argv[++i];
            else if (!argument.starts_with("--") && options.file.empty())
                options.file = argument;
            else
                return std::nullopt;
        }
        if (options.file.empty())
            return std::nullopt;
        return options;
    }

    // The session's side: runs the program's lines, then waits for its processes unless the
    // window closes first.
    class ProgramRun {
    public:
        ProgramRun(const RunOptions& options, QtMainThread& windowThread)
            : m_text(iconvCodePageOf(options.language))
            , m_commander(m_text)
            , m_windowThread(windowThread)
        {
        }

        // Once the program is idle its window stays as it is until the window thread lets the
        // session go (after the screenshot), since ending the session closes the window.
        void run(std::ifstream& input)
        {
            {
                ConsoleSession session(m_commander, &m_windowThread,
                    [this](tMainLogoObject& main, ProcessStart& commandLine) {
                        m_mainWindow = makeStartingWindow(main, commandLine).window();
                    });
                std::string line;
                while (!session.closing() && !m_released && std::getline(input, line))
                    session.feedLine(m_text.fromConsole(line));
                if (!m_released)
                    session.finish();
                m_errors = session.errorCount();
                std::fflush(stdout);
                m_idle = true;
                m_released.wait(false);
            }
            m_done = true;
        }

        // The window thread is done with the window: every process stops, and the session ends.
        void release()
        {
            m_released = true;
            m_released.notify_all();
            tallthreads::instance().stopAll(nullptr, SpareProtected::No);
        }

        bool idle() const { return m_idle; }
        bool done() const { return m_done; }
        int errors() const { return m_errors; }
        QWidget* mainWindow() const { return m_mainWindow; }

    private:
        const ConsoleText m_text;
        ConsoleCommander m_commander;
        QtMainThread& m_windowThread;
        std::atomic<QWidget*> m_mainWindow { nullptr };
        std::atomic<bool> m_idle { false };
        std::atomic<bool> m_released { false };
        std::atomic<bool> m_done { false };
        std::atomic<int> m_errors { 0 };
    };

    void takeScreenshot(QWidget* window, const std::string& path)
    {
        if (!window || path.empty())
            return;
        if (!window->grab().save(QString::fromStdString(path)))
            std::fprintf(stderr, "velmora-run: cannot write %s\n", path.c_str());
    }

} // namespace

} // namespace velmora

int main(int argc, char** argv)
{
    using namespace velmora;
    const std::optional<RunOptions> options = parseOptions(argc, argv);
    if (!options) {
        std::fputs("usage: velmora run FILE [--offscreen] [--screenshot OUT.png] [--quit-after MS]"
                   " [--quit-when-idle] [--language NAME]\n",
            stderr);
        return 2;
    }
    std::ifstream input(options->file, std::ios::binary);
    if (!input) {
        std::fprintf(stderr, "velmora: cannot open %s\n", options->file.c_str());
        return 2;
    }
    if (options->offscreen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (!startEngine(options->language)) {
        std::fprintf(stderr, "Language %s not available\n", options->language.c_str());
        return 2;
    }
    QtMainThread windowThread;
    QtLabelMeasure labelMeasure;
    const auto measureInstallation = labelMeasureService().install(labelMeasure);
    ProgramRun program(*options, windowThread);
    std::thread session([&] { program.run(input); });

    QTimer idleCheck;
    bool finished = false;
    auto finish = [&] {
        if (std::exchange(finished, true))
            return;
        idleCheck.stop();
        takeScreenshot(program.mainWindow(), options->screenshot);
        QApplication::quit();
    };
    if (options->quitWhenIdle) {
        QObject::connect(&idleCheck, &QTimer::timeout, [&] {
            if (program.idle())
                finish();
        });
        idleCheck.start(20);
    }
    if (options->quitAfter)
        QTimer::singleShot(*options->quitAfter, finish);
    if (!options->quitWhenIdle && !options->quitAfter)
        QApplication::setQuitOnLastWindowClosed(true);
    QApplication::exec();

    // The loop has ended: the processes are stopped, and the calls they still make into the
    // window thread run here until the session is over.
    program.release();
    while (!program.done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    session.join();
    return program.errors() > 0 ? 1 : 0;
}
