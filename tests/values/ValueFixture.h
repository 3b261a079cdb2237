// A fixture for tests that work with values: fresh name tables and a current interpreter state,
// so the value pools are in use as they are in a Logo process.
#pragma once

#include "core/EngineStartup.h"
#include "core/MainObj.h"
#include "interpreter/InterpreterState.h"

#include <gtest/gtest.h>

namespace velmora {

class ValueFixture : public testing::Test {
protected:
    ValueFixture()
        : m_main((startEngine(), new tMainLogoObject))
        , m_state(m_main.get(), &static_cast<tMainLogoObject*>(m_main.get())->globals())
        , m_activation(m_state)
    {
    }

    InterpreterState& state() { return m_state; }

private:
    ValueRef m_main;
    InterpreterState m_state;
    InterpreterState::Activation m_activation;
};

} // namespace velmora
