// FirstFailure: runs steps that must all run even when one of them fails, such as unlinking an
// object after its "destroy" procedure raised an error, and keeps the first error to throw once
// they have all run.
#pragma once

#include <exception>

namespace velmora {

class FirstFailure {
public:
    template <typename Step> void run(Step step)
    {
        try {
            step();
        } catch (...) {
            if (!m_failure)
                m_failure = std::current_exception();
        }
    }
    void rethrow() const
    {
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

private:
    std::exception_ptr m_failure;
};

} // namespace velmora
