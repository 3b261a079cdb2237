#include "startup/LargeStackThread.h"

#include <pthread.h>
#include <stdexcept>
#include <system_error>

namespace velmora {

namespace {
    void* threadEntry(void* argument)
    {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    }
}

void runOnLargeStack(const std::function<void()>& body, size_t stackSize)
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, stackSize);
    pthread_t thread;
    const int failure = pthread_create(
        &thread, &attributes, threadEntry, const_cast<std::function<void()>*>(&body));
    pthread_attr_destroy(&attributes);
    if (failure)
        throw std::system_error(failure, std::generic_category(), "cannot start the Logo thread");
    pthread_join(thread, nullptr);
}

} // namespace velmora
