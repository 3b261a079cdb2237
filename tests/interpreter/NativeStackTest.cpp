// Nesting deeper than a thread's native stack allows ends in error 195, never in a crash, however
// the nesting is written. Each case runs in a thread of a small stack, so that a modest nesting
// is already too deep.
#include "interpreter/Evaluator.h"
#include "values/ValueFixture.h"

#include <pthread.h>

namespace velmora {
namespace {

    // Small, yet more than the thread sanitizer takes from the top of every thread's stack for its
    // thread-local state (about 800 KB).
    constexpr size_t smallStack = size_t(2) << 20;

    // Runs `work` in a new thread with a small stack and waits for it.
    void runWithSmallStack(void (*work)(void*), void* data)
    {
        struct Call {
            void (*work)(void*);
            void* data;
        } call { work, data };
        pthread_attr_t attributes;
        pthread_attr_init(&attributes);
        pthread_attr_setstacksize(&attributes, smallStack);
        pthread_t thread;
        auto entry = [](void* argument) -> void* {
            auto* c = static_cast<Call*>(argument);
            c->work(c->data);
            return nullptr;
        };
        ASSERT_EQ(pthread_create(&thread, &attributes, entry, &call), 0);
        pthread_attr_destroy(&attributes);
        pthread_join(thread, nullptr);
    }

    std::string repeated(std::string_view piece, int times)
    {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    }

    class NativeStackGuard : public ValueFixture {
    protected:
        // The error the line raises when it runs in a thread of a small stack; 0 for none.
        int errorOfLine(const std::string& line)
        {
            struct Run {
                InterpreterState& parent;
                const std::string& line;
                int error = 0;
            } run { state(), line };
            runWithSmallStack(
                [](void* data) {
                    auto& r = *static_cast<Run*>(data);
                    InterpreterState state(r.parent.currentObject, r.parent.globalVariables);
                    InterpreterState::Activation activation(state);
                    try {
                        evaluator::runText(state, r.line);
                    } catch (const eLogoException& error) {
                        r.error = error.code;
                    }
                },
                &run);
            return run.error;
        }
    };

    TEST_F(NativeStackGuard, DeepNestingOnOneLineIsError195)
    {
        // Deep enough for even the smallest frame a level could take (a return address and a
        // register, 16 bytes) to overflow the small stack.
        constexpr int depth = 200000;
        const std::string cases[] = {
            "ignore " + repeated("(", depth) + "1" + repeated(")", depth),
            "ignore " + repeated("not ", depth) + "\"true",
            "ignore " + repeated("- ", depth) + "1",
            repeated("(", depth) + "ignore 1" + repeated(")", depth),
        };
        for (const std::string& line : cases)
            EXPECT_EQ(errorOfLine(line), erStackOverflow) << line.substr(0, 20);
        // A nesting the stack holds runs as ever (the thread sanitizer's frames are the largest).
        EXPECT_EQ(errorOfLine("ignore " + repeated("(", 10) + "1" + repeated(")", 10)), 0);
    }

    TEST_F(NativeStackGuard, DeepListsArePrintedAndComparedToError195AndFreedWithout)
    {
        const std::string build = "make \"x \"a make \"y \"a "
                                  "repeat 200000 [make \"x (list :x) make \"y (list :y)] ";
        EXPECT_EQ(errorOfLine(build + "show :x"), erStackOverflow);
        EXPECT_EQ(errorOfLine(build + "ignore equalp :x :y"), erStackOverflow);
        EXPECT_EQ(errorOfLine(build + "make \"x 0 make \"y 0"), 0);
    }

} // namespace
} // namespace velmora
