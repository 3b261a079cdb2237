// Watchdog: ends the test program with a message when a step of a test makes no progress for too
// long, so that a deadlock fails at once and says where instead of at the test driver's limit.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace velmora {

class Watchdog {
public:
    Watchdog(std::string what, std::chrono::seconds limit)
        : m_what(std::move(what))
        , m_limit(limit)
        , m_thread([this] { watch(); })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard guard(m_mutex);
            m_finished = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // The test made progress: the limit counts again from now.
    void progress(int step)
    {
        {
            std::lock_guard guard(m_mutex);
            m_step = step;
            ++m_progress;
        }
        m_changed.notify_all();
    }

private:
    void watch()
    {
        std::unique_lock guard(m_mutex);
        for (;;) {
            const long seen = m_progress;
            if (!m_changed.wait_for(
                    guard, m_limit, [&] { return m_finished || m_progress != seen; })) {
                std::fprintf(stderr, "%s: no progress for %lld s after step %d\n", m_what.c_str(),
                    static_cast<long long>(m_limit.count()), m_step);
                std::abort();
            }
            if (m_finished)
                return;
        }
    }

    const std::string m_what;
    const std::chrono::seconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_finished = false;
    long m_progress = 0;
    int m_step = 0;
    std::thread m_thread;
};

} // namespace velmora
