#include "values/NativeStack.h"

#include "values/Errors.h"

#include <pthread.h>

namespace velmora {

void NativeStack::learnBoundsOfThisThread()
{
    if (t_limit)
        return;
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0)
        return;
    void* lowest = nullptr;
    size_t size = 0;
    if (pthread_attr_getstack(&attributes, &lowest, &size) == 0 && size > 2 * safetyMargin)
        t_limit = static_cast<char*>(lowest) + safetyMargin;
    pthread_attr_destroy(&attributes);
}

void NativeStack::overflow() { throw eLogoException(erStackOverflow); }

} // namespace velmora
