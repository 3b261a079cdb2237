// RecordedHandlers: stands in for starting handler processes in tests of the event bookkeeping.
// Each start is recorded by name and its notification kept; the test ends the handlers when it
// likes, oldest first, as their processes' notifications would.
#pragma once

#include "objects/EventRaising.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {

class RecordedHandlers {
public:
    bool record(std::string what, EventNotification ended)
    {
        started.push_back(std::move(what));
        m_running.push_back(std::move(ended));
        return true;
    }

    void endOldest()
    {
        ASSERT_FALSE(m_running.empty());
        EventNotification ended = std::move(m_running.front());
        m_running.erase(m_running.begin());
        ended();
    }

    std::vector<std::string> started;

private:
    std::vector<EventNotification> m_running;
};

} // namespace velmora
