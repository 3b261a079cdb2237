// Any byte string reads as a list or raises error 194 or 48, and never crashes. What reads is
// also printed in both forms, and compiled as instructions.
#include "core/EngineStartup.h"
#include "core/MainObj.h"
#include "interpreter/Compiler.h"
#include "interpreter/InterpreterState.h"
#include "values/Errors.h"
#include "values/Reader.h"

#include <cstdlib>
#include <string_view>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool started = (startEngine(), true);
    (void)started;
    static ValueRef main(new tMainLogoObject);
    static InterpreterState state(
        main.get(), &static_cast<tMainLogoObject*>(main.get())->globals());
    static InterpreterState::Activation activation(state);

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        ValueRef list(readList(text));
        list->printForm(true);
        list->sourceForm(true);
        compile(list.get(), CompileMode::Instructions);
        compile(list.get(), CompileMode::Lines);
    } catch (const eLogoException& error) {
        if (error.code != erMissingRBracket && error.code != erExtraRBracket)
            std::abort();
    }
    locateElement(text, static_cast<int32_t>(size % 17));
    return 0;
}
