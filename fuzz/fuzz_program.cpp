// Runs random Logo programs in the console runner's engine: every one must end in its results and
// numbered Logo errors, never in a crash, a hang, a leak or undefined behaviour (fuzz/README.md).
//
// Each input becomes a program (ProgramWriter.h) that runs on a thread with a Logo process's stack
// as the console's command line runs it: the lines become commands (CommandLines.h), a definition
// is defined and any other line run, and an error is formatted as the console's error line before
// the next command runs. The thread holds the interpreter lock throughout, as the one process
// there is.
//
// A run is bounded: the yield hook counts the yield points (the start of every instruction-list
// run) and, after `yieldBudget` of them or once the heap has grown by `heapBudget`, ends the run
// with the terminate exception, as a stop request ends a process. Every run uses the same main
// object, emptied after it, and what the engine keeps for the whole program (options, clipboard,
// input stream, key buffer, the random source) is reset before it, so that a run depends on its
// input alone.
//
// Checked after every command: no exception but a Logo error or the terminate exception leaves
// it, and the interpreter state is back at the top level. After every run: no procedure call is
// still counted as running.
//
// Left out: the primitives that start processes ("launch", "forever", "every" and "after") are
// erased from the workspace, since a run is one thread; waits that need a process ("wait") or a
// key ("key", "readkey", "readchar") end in their errors, as anywhere without them.
#include "ProgramWriter.h"
#include "RunThread.h"

#include "core/Clipboard.h"
#include "core/EngineStartup.h"
#include "core/KeyBuffer.h"
#include "core/MainObj.h"
#include "core/Options.h"
#include "core/TextInputStream.h"
#include "interpreter/Compiler.h"
#include "interpreter/Evaluator.h"
#include "interpreter/LogoLocaltab.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/SystemCodes.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "localization/NameTranslation.h"
#include "processes/InterpreterLock.h"
#include "startup/CommandLines.h"
#include "startup/ConsoleCommander.h"
#include "values/Random.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"

#include <sanitizer/allocator_interface.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using namespace velmora;
using namespace velmora::fuzzing;

constexpr int64_t yieldBudget = 10000;
constexpr size_t heapBudget = size_t(64) << 20;
// Smaller than a process's stack: under the sanitizer every frame that an error passes on its way
// out of a deep recursion clears the poisoning of the whole stack in use, so unwinding costs the
// square of the depth. The native stack guard ends deep nesting with error 195 the same way at
// any depth, here after some thousands of nested runs.
constexpr size_t runStackSize = size_t(16) << 20;

// Names every run finds defined: a procedure that outputs its input, one that stops, and
// variables holding a number, a nested list and a word.
constexpr std::string_view prelude[] = { "to f :a", "output :a", "end", "to g", "stop", "end",
    "make \"x 1", "make \"y [1 [2 3] 4]", "make \"z \"abc" };

constexpr std::string_view processStarters[] = { "launch", "forever", "every", "after" };

struct Budget {
    int64_t yieldsLeft = 0;
    size_t heapLimit = 0;
    bool spent() const { return yieldsLeft < 0; }
};
Budget budget;

void spendYield(InterpreterState&)
{
    if (--budget.yieldsLeft < 0 || __sanitizer_get_current_allocated_bytes() > budget.heapLimit) {
        budget.yieldsLeft = -1;
        throw eTerminateException();
    }
}

[[noreturn]] void broken(const char* what)
{
    std::fprintf(stderr, "fuzz_program: %s\n", what);
    std::abort();
}

// Formats every error as the console would, and drops it with the printed text.
class DiscardingCommander final : public Icommander {
public:
    void reportError(const eLogoException& error) override
    {
        if (errorLine(error).empty())
            broken("an empty error line");
    }
    void printText(std::string_view) override { }
};

// Puts back what the engine keeps between runs. Under the lock with an active state.
void resetProcessWideState()
{
    resetOptions(OptionsReset::EngineStart);
    memoryClipboard().clear();
    memoryKeyBuffer().reset();
    TextInputStream::current().reset();
    seedRandom(0);
}

// The main object of every run, held for good: the primitives that start processes are erased
// from it.
tMainLogoObject* newWorkspace()
{
    auto* main = new tMainLogoObject;
    addRef(main);
    for (std::string_view name : processStarters)
        for (const std::string& spelling : languageDictionary().synonyms(name))
            main->ownTable->tryErase(NameCodes::instance().intern(spelling));
    return main;
}

// Takes back what a run defined in the workspace, which is cheaper than a new main object, and
// checks that no call of a procedure is still counted as running.
void emptyWorkspace(tMainLogoObject& main)
{
    main.ownTable->forEachInOrder([](tTabDesc* desc) {
        if (desc->isProcedure() && static_cast<tProcDesc*>(desc)->running != 0)
            broken("a procedure still counted as running");
    });
    main.ownTable->eraseAll();
    main.globals().eraseAll();
    main.eventTable().eraseAll();
    main.clearObjects();
    main.closeRedirection();
    main.timers().resize(1);
}

void checkTopLevel(const InterpreterState& state, const tlogoobject* main)
{
    if (state.depth != 0 || state.runNesting != 1)
        broken("nested runs left at the top level");
    if (state.localTable->frameDepth() != 1)
        broken("local frames left at the top level");
    if (!state.askStack.empty() || state.currentObject != main)
        broken("an ask left at the top level");
    if (!state.catchTags.empty())
        broken("catch tags left at the top level");
    if (state.repeatCounter != 0)
        broken("a loop counter left at the top level");
    if (!InterpreterLock::heldByThisThread())
        broken("the interpreter lock lost");
}

// Runs a line as the evaluator's runText does, but without cutting the value stack back after
// it, so that what the line leaves there shows. An "output" or "stop" that reaches the top level
// leaves the results of the commands it left on the stack, for the top level to cut back.
void runLine(InterpreterState& state, std::string_view text)
{
    const ValueRef list(readList(text));
    evaluator::runList(state, compile(list.get(), CompileMode::Instructions));
    if (!state.stopFlag && state.valueStack.height() != 0)
        broken("values left on the stack");
}

// One command as the console's command line runs it, with a process's top-level handling.
void runCommand(InterpreterState& state, const Command& command)
{
    state.valueStack.cutBackTo(0);
    try {
        if (command.kind == Command::Kind::Define)
            defineFromText(state.currentObject, command.text);
        else
            runLine(state, command.text);
        if (state.stopFlag && state.outputValue)
            throw eLogoException::withName(erWrongPlace, SystemCodes::instance().output);
    } catch (const eTerminateException&) {
    } catch (const eLogoException& error) {
        state.commander->reportError(error);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "fuzz_program: escaped: %s\n", error.what());
        std::abort();
    }
    state.stopFlag = 0;
    state.pendingCall = nullptr;
    release(takeFromHolder(state.outputValue));
}

void runLines(InterpreterState& state, const tlogoobject* main, const auto& lines)
{
    CommandLines commands;
    const auto run = [&](const Command& command) {
        runCommand(state, command);
        checkTopLevel(state, main);
    };
    for (const auto& line : lines) {
        if (budget.spent())
            return;
        if (std::optional<Command> command = commands.take(line))
            run(*command);
    }
    if (std::optional<Command> command = commands.finish())
        run(*command);
}

DiscardingCommander commander;
std::optional<RunThread> runThread;
// Touched on the run thread only, and never destroyed: at exit the engine's own tables may be gone.
tMainLogoObject* workspace = nullptr;

void runProgram(const std::vector<std::string>& program)
{
    HeldLock lock;
    tMainLogoObject& main = *workspace;
    {
        InterpreterState state(&main, &main.globals());
        state.commander = &commander;
        state.yieldHook = spendYield;
        InterpreterState::Activation activation(state);
        resetProcessWideState();
        budget = { yieldBudget, __sanitizer_get_current_allocated_bytes() + heapBudget };
        runLines(state, &main, prelude);
        runLines(state, &main, program);
        emptyWorkspace(main);
    }
}

std::optional<ProgramVocabulary> vocabulary;
// Set by FUZZ_PROGRAM_PRINT=1: each program is written to standard error before it runs, which
// turns a crashing input back into the Logo text of its reproducer.
bool printPrograms = false;

void print(const std::vector<std::string>& program)
{
    for (const std::string& line : program)
        std::fprintf(stderr, "%s\n", line.c_str());
    std::fprintf(stderr, "----\n");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startEngine();
    const char* printSetting = std::getenv("FUZZ_PROGRAM_PRINT");
    printPrograms = printSetting && std::string_view(printSetting) == "1";
    languageDictionary().setMessageSink([](const std::string&) {});
    setTranslationMessageSink([](const std::string&) {});
    runThread.emplace(runStackSize);
    runThread->run([] {
        HeldLock lock;
        workspace = newWorkspace();
        InterpreterState state(workspace, &workspace->globals());
        InterpreterState::Activation activation(state);
        vocabulary.emplace(workspace);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> program = ProgramWriter(*vocabulary, { data, size }).program();
    if (printPrograms)
        print(program);
    runThread->run([&program] { runProgram(program); });
    return 0;
}
