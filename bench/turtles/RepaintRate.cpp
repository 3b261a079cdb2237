// The repaint rate of a page's window under load: while a Logo process draws in a tight loop
// (`forever [forward 1 right 1 ...]`, counting its moves), the paint events that reach the page's
// surface widget are counted, one second at a time, for SECONDS seconds. The window is a real one:
// run it on a display, such as the virtual one of `xvfb-run -a`.
// It exits with status 1 when a second had fewer than MINIMUM repaints.
//
// usage: velmora_repaint_rate [SECONDS] [MINIMUM]     (defaults 5, 20)
#include "support/CollectingCommander.h"
#include "support/Median.h"
#include "support/PrintedNumber.h"
#include "support/ProcessMeasures.h"
#include "support/WindowSession.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

using namespace velmora;

namespace {

// Counts the paint events a widget receives; it lives in the window thread, and is read in others.
class PaintCounter : public QObject {
public:
    int paints() const { return m_paints; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_paints;
        return QObject::eventFilter(watched, event);
    }

private:
    std::atomic<int> m_paints { 0 };
};

} // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    const int minimum = argc > 2 ? std::atoi(argv[2]) : 20;
    QApplication application(argc, argv);

    CollectingCommander commander;
    PaintCounter counter;
    std::vector<double> rates;
    runBesideWindow(commander, [&](ConsoleSession& session, tlogopage& page) {
        QWidget* window = page.window();
        QMetaObject::invokeMethod(
            &counter, [&] { window->installEventFilter(&counter); }, Qt::BlockingQueuedConnection);
        session.feedLine("make \"moves 0");
        session.feedLine("forever [forward 1 right 1 make \"moves :moves + 1]");
        std::printf("| second | repaints | moves drawn |\n|---|---:|---:|\n");
        long moves = printedNumber(session, commander, "moves");
        for (int second = 1; second <= seconds; ++second) {
            const int paintsBefore = counter.paints();
            const auto start = std::chrono::steady_clock::now();
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const double elapsed = secondsSince(start);
            rates.push_back((counter.paints() - paintsBefore) / elapsed);
            const long movesBefore
                = std::exchange(moves, printedNumber(session, commander, "moves"));
            std::printf("| %d | %.0f | %ld |\n", second, rates.back(), moves - movesBefore);
        }
    });
    const double lowest = rates.empty() ? 0 : *std::min_element(rates.begin(), rates.end());
    std::printf("repaints a second: median %.0f, lowest %.0f (at least %d)\n", median(rates),
        lowest, minimum);
    return lowest >= minimum && commander.errors == 0 ? 0 : 1;
}
