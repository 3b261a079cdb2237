#include "interpreter/Evaluator.h"

#include "interpreter/Compiler.h"
#include "interpreter/LogoLocaltab.h"
#include "interpreter/LogoVarTab.h"
#include "interpreter/PrimitiveDescriptors.h"
#include "interpreter/RestoreOnExit.h"
#include "interpreter/SystemCodes.h"
#include "interpreter/Variables.h"
#include "localization/EventCodes.h"
#include "values/LogoList.h"
#include "values/NativeStack.h"
#include "values/Reader.h"

#include <limits>

namespace velmora::evaluator {

namespace {

    struct Resolved {
        tProcDesc* desc;
        tlogoobject* object; // the object to run as, or none for the current one
        int32_t level;
    };

    // Keeps a code array alive while it runs, and counts the run in the depth counters.
    class RunScope {
    public:
        RunScope(InterpreterState& state, CodeArray* code)
            : m_state(state)
            , m_code(code)
        {
            if (state.yieldHook)
                state.yieldHook(state);
            if (state.depth > InterpreterState::maximumDepth)
                throw eLogoException(erStackOverflow);
            NativeStack::check();
            ++code->refCount;
            ++state.depth;
            ++state.runNesting;
        }
        ~RunScope()
        {
            --m_state.depth;
            --m_state.runNesting;
            releaseCodeArray(m_code);
        }
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;

    private:
        InterpreterState& m_state;
        CodeArray* m_code;
    };

    [[gnu::always_inline]] inline void comparison(InterpreterState& s, CodeRecord*& pc);
    void additive(InterpreterState& s, CodeRecord*& pc);

    // The procedure a name calls in `object`; a name that only denotes an instance calls its
    // "defaultaction", run as that instance.
    Resolved lookUp(tlogoobject* object, NameCode name)
    {
        Resolved result { nullptr, nullptr, 0 };
        if ((result.desc = object->tryProc(name, &result.level)))
            return result;
        if (tlogoobject* actor = object->defaultActor(name)) {
            const NameCode defaultAction = EventCodes::instance().defaultActionCode();
            if ((result.desc = actor->tryProc(defaultAction, &result.level))) {
                result.object = actor;
                return result;
            }
        }
        throw eLogoException::withName(erDoNotKnowHowTo, name);
    }

    // A command of the who list is kept with its stamp marked, so that the plain check in
    // `resolve` misses it and `resolveByLookup` checks it against the process's table as well.
    constexpr uint64_t throughWhoList = uint64_t(1) << 63;

    // Resolves the name at the cursor (a chain of object prefixes ends at the final name) and
    // advances past it.
    Resolved resolveUnchecked(InterpreterState& s, CodeRecord*& pc)
    {
        Resolved result { nullptr, nullptr, 0 };
        if (pc->kind == etUsualPrefix) {
            result.desc = s.currentObject->findNextProc(s.callLevel, pc->name, &result.level);
            ++pc;
            return result;
        }
        if (pc->kind == etObjectPrefixFun) {
            tlogoobject* target = s.currentObject;
            while (pc->kind == etObjectPrefixFun) {
                target = target->findObject(pc->name);
                if (!target)
                    throw eLogoException::withName(erNoObject, pc->name);
                ++pc;
            }
            result = lookUp(target, pc->name);
            if (!result.object)
                result.object = target;
            ++pc;
            return result;
        }
        if (s.currentTable && !s.currentObject->tryProc(pc->name)) {
            // A command of the who list's objects, whichever they are when it runs.
            if (tProcDesc* broadcast = s.currentTable->findForWhoList(pc->name)) {
                pc->resolved
                    = { broadcast, s.currentObject, ResolutionStamp::current() | throughWhoList };
                pc->resolvedLevel = 0;
                ++pc;
                return { broadcast, nullptr, 0 };
            }
        }
        result = lookUp(s.currentObject, pc->name);
        if (!result.object && result.level <= std::numeric_limits<int16_t>::max()) {
            pc->resolved = { result.desc, s.currentObject, ResolutionStamp::current() };
            pc->resolvedLevel = static_cast<int16_t>(result.level);
        }
        ++pc;
        return result;
    }

    [[gnu::noinline]] Resolved resolveByLookup(InterpreterState& s, CodeRecord*& pc)
    {
        const ResolvedName& cached = pc->resolved;
        if (cached.stamp == (ResolutionStamp::current() | throughWhoList)
            && cached.object == s.currentObject && cached.desc->whoListTable == s.currentTable) {
            ++pc;
            return { cached.desc, nullptr, 0 };
        }
        const NameCode name = pc->name;
        try {
            return resolveUnchecked(s, pc);
        } catch (eLogoException& error) {
            // A name that is not found is a yield point: a process told to stop because its
            // object was erased, which therefore knows no names any more, ends here instead of
            // reporting the first name it meets.
            if (error.code == erDoNotKnowHowTo && s.yieldHook)
                s.yieldHook(s);
            error.recordFailingName(name);
            throw;
        }
    }

    // A plain name resolved before for the same object, with no procedure table changed since,
    // resolves to the same descriptor. Prefixed names never keep a resolution, so the cached
    // object never matches them.
    Resolved resolve(InterpreterState& s, CodeRecord*& pc)
    {
        const ResolvedName& cached = pc->resolved;
        if (cached.object == s.currentObject && cached.stamp == ResolutionStamp::current()) {
            const Resolved found { cached.desc, nullptr, pc->resolvedLevel };
            ++pc;
            return found;
        }
        return resolveByLookup(s, pc);
    }

    void pushVariable(InterpreterState& s, NameCode name)
    {
        s.valueStack.push(readVariable(s, name));
    }

    // A constant or a variable that no operator follows, the commonest input, is pushed at once
    // instead of descending through every level of the expression grammar. The array always ends
    // with an end record, so the record after one is there to look at.
    bool pushedLoneOperand(InterpreterState& s, CodeRecord*& pc)
    {
        const uint8_t following = pc[1].kind;
        if (following == etAddOp || following == etMulOp || following == etRelOp)
            return false;
        if (pc->kind == etConst)
            s.valueStack.push(pc->constant);
        else if (pc->kind == etVariable)
            pushVariable(s, pc->name);
        else
            return false;
        ++pc;
        return true;
    }

    void input(InterpreterState& s, CodeRecord*& pc, tProcDesc* desc)
    {
        if (pushedLoneOperand(s, pc))
            return;
        // An input that is an expression may nest calls without any run between them.
        NativeStack::check();
        try {
            if (desc->funtype == etIfFun)
                comparison(s, pc);
            else
                additive(s, pc);
        } catch (eLogoException& error) {
            // The procedure that wanted the input is named by "did not output" errors.
            if (error.code == erDidNotReport)
                error.recordFailingName(desc->name);
            throw;
        }
    }

    // Whether a record can begin an input: anything but an infix operator, ")" and the end.
    bool startsOperand(uint8_t kind)
    {
        return kind != etRpar && kind != etEnd && kind != etAddOp && kind != etMulOp
            && kind != etRelOp;
    }

    // Evaluates the inputs of `desc` onto the stack and returns how many there are. `afterParen`
    // is the mark of the name record: a varpar procedure then takes inputs up to the ")".
    [[gnu::always_inline]] inline int32_t collectInputs(
        InterpreterState& s, CodeRecord*& pc, tProcDesc* desc, bool afterParen)
    {
        const int32_t base = s.valueStack.height();
        int32_t count = 0;
        if (desc->varpar && afterParen) {
            while (pc->kind != etRpar && pc->kind != etEnd
                && (desc->funtype == etIfFun || pc->kind != etRelOp)) {
                input(s, pc, desc);
                ++count;
                if (s.stopFlag)
                    break;
            }
        } else {
            for (; count < desc->defpar; ++count) {
                if (pc->kind == etEnd)
                    throw eLogoException::withPrimitive(erNotEnoughInputs, desc->name);
                input(s, pc, desc);
                if (s.stopFlag)
                    break;
            }
            // "(make "x 1 2)": what stands before the ")" beyond the inputs is refused before the
            // call can act on the inputs it did take.
            if (afterParen && !s.stopFlag && startsOperand(pc->kind))
                throw eLogoException::withPrimitive(erTooManyInputs, desc->name);
        }
        if (s.stopFlag)
            s.valueStack.cutBackTo(base);
        return count;
    }

    // Runs a command and reports whether it ended as calls ordinarily do, with its result entry
    // (none, or a value nobody asked for) on the stack; "output", "stop" and tail calls end
    // through the stop flag instead. Inlined, so that the common command path costs no extra call.
    [[gnu::always_inline]] inline bool commandAt(
        InterpreterState& s, const Resolved& target, int32_t inputCount, const CodeRecord* next)
    {
        tProcDesc* desc = target.desc;
        if (desc->procKind == ProcKind::Output) {
            s.valueStack.popInto(s.outputValue);
            s.stopFlag = 1;
            return false;
        }
        if (desc->procKind == ProcKind::Stop) {
            s.stopFlag = 1;
            return false;
        }
        if (next->kind == etEnd && s.runNesting == 1 && !target.object && desc->tailCallable) {
            s.pendingCall = desc;
            s.pendingLevel = target.level;
            s.pendingArgCount = inputCount;
            s.stopFlag = 1;
            return false;
        }
        s.foundLevel = target.level;
        try {
            RestoreOnExit<tlogoobject*> runningAs(s.currentObject);
            if (target.object)
                s.currentObject = target.object;
            desc->call(inputCount, CallForm::Command, CallRoute::Evaluator);
            if (s.stopFlag && s.pendingCall && target.object)
                runTailCallLoop(s);
        } catch (eLogoException& error) {
            error.recordFailingName(desc->name);
            throw;
        }
        if (s.stopFlag) {
            if (s.pendingCall)
                runTailCallLoop(s);
            if (s.stopFlag)
                return false;
        }
        return true;
    }

    [[gnu::always_inline]] inline void callCommandAt(
        InterpreterState& s, const Resolved& target, int32_t inputCount, const CodeRecord* next)
    {
        if (commandAt(s, target, inputCount, next))
            s.valueStack.popCommandResult();
    }

    // A procedure called for its value that ends in a call of a command leaves that call to its
    // caller, with its local frame still open: the chain runs, as the command it is, and closes
    // the frame; the procedure itself has still output nothing (error 33), unless a stop ends
    // the chain. Out of line: no procedure that outputs takes this path.
    [[gnu::cold, gnu::noinline]] void runChainOfOperation(InterpreterState& s, tProcDesc* desc)
    {
        runTailCallLoop(s);
        if (s.stopFlag)
            return;
        s.valueStack.popCommandResult();
        throw eLogoException::withName(erDidNotReport, desc->name);
    }

    void callOperationAt(InterpreterState& s, const Resolved& target, int32_t inputCount)
    {
        tProcDesc* desc = target.desc;
        if (desc->procKind != ProcKind::Ordinary)
            throw eLogoException::withPrimitive(erDidNotReport, desc->name);
        s.foundLevel = target.level;
        try {
            RestoreOnExit<tlogoobject*> runningAs(s.currentObject);
            if (target.object)
                s.currentObject = target.object;
            desc->call(inputCount, CallForm::Operation, CallRoute::Evaluator);
            if (s.stopFlag && s.pendingCall) {
                runChainOfOperation(s, desc);
                return;
            }
        } catch (eOutputException&) {
            throw eLogoException::withPrimitive(erDidNotReport, desc->name);
        } catch (eLogoException& error) {
            error.recordFailingName(desc->name);
            throw;
        }
        if (s.valueStack.peekTop())
            return;
        s.stopFlag = 0;
        s.valueStack.popAndRelease();
        throw eLogoException::withName(erDidNotReport, desc->name);
    }

    // The name at the cursor with its inputs, called as a command or as an operation.
    void callNamed(InterpreterState& s, CodeRecord*& pc, CallForm form)
    {
        const bool afterParen = pc->afterParen;
        const Resolved target = resolve(s, pc);
        const int32_t count = collectInputs(s, pc, target.desc, afterParen);
        if (s.stopFlag)
            return;
        if (form == CallForm::Command)
            callCommandAt(s, target, count, pc);
        else
            callOperationAt(s, target, count);
    }

    void operand(InterpreterState& s, CodeRecord*& pc)
    {
        switch (pc->kind) {
        case etUnknownOp:
        case etFun:
        case etIfFun:
        case etObjectPrefixFun:
        case etUsualPrefix:
            callNamed(s, pc, CallForm::Operation);
            return;
        case etAddOp: {
            // A sign in operand position: rewritten once, in the cached array, into a unary sign.
            const SystemCodes& codes = SystemCodes::instance();
            pc->name = pc->name == codes.minus ? codes.unaryMinus : codes.unaryPlus;
            pc->kind = etUnOp;
            pc->resolved = {};
            [[fallthrough]];
        }
        case etUnOp: {
            NativeStack::check();
            const Resolved target = resolve(s, pc);
            operand(s, pc);
            if (!s.stopFlag)
                callOperationAt(s, target, 1);
            return;
        }
        case etLpar:
            NativeStack::check();
            ++pc;
            comparison(s, pc);
            if (s.stopFlag)
                return;
            if (pc->kind != etRpar)
                throw eLogoException(erMissingRpar);
            ++pc;
            return;
        case etVariable:
            pushVariable(s, pc->name);
            ++pc;
            return;
        case etConst:
            s.valueStack.push(pc->constant);
            ++pc;
            return;
        default:
            throw eLogoException(erWrongSequence);
        }
    }

    // An infix operator at the cursor applied to the value on the stack and the next operand(s).
    template <void (*Right)(InterpreterState&, CodeRecord*&)>
    void infix(InterpreterState& s, CodeRecord*& pc)
    {
        const Resolved target = resolve(s, pc);
        Right(s, pc);
        if (!s.stopFlag)
            callOperationAt(s, target, 2);
    }

    void multiplicative(InterpreterState& s, CodeRecord*& pc)
    {
        operand(s, pc);
        while (!s.stopFlag && pc->kind == etMulOp)
            infix<operand>(s, pc);
    }

    void additive(InterpreterState& s, CodeRecord*& pc)
    {
        multiplicative(s, pc);
        while (!s.stopFlag && pc->kind == etAddOp)
            infix<multiplicative>(s, pc);
    }

    [[gnu::always_inline]] inline void comparison(InterpreterState& s, CodeRecord*& pc)
    {
        additive(s, pc);
        if (!s.stopFlag && pc->kind == etRelOp)
            infix<additive>(s, pc);
    }

    // A value standing as an instruction is an error, but only once its whole expression has been
    // evaluated: "1 / 0" is a division by zero before it is an unused value. Kept out of line, as
    // no correct program takes this path.
    [[gnu::cold, gnu::noinline]] void valueAsStatement(InterpreterState& s, CodeRecord*& pc)
    {
        comparison(s, pc);
        if (!s.stopFlag)
            s.valueStack.popCommandResult();
    }

    void statement(InterpreterState& s, CodeRecord*& pc)
    {
        switch (pc->kind) {
        case etUnknownOp:
        case etFun:
        case etIfFun:
        case etObjectPrefixFun:
        case etUsualPrefix:
            callNamed(s, pc, CallForm::Command);
            return;
        case etLpar:
            NativeStack::check();
            ++pc;
            statement(s, pc);
            if (s.stopFlag)
                return;
            if (pc->kind != etRpar)
                throw eLogoException(erMissingRpar);
            ++pc;
            return;
        case etVariable:
        case etConst:
            valueAsStatement(s, pc);
            return;
        default:
            throw eLogoException(erWrongSequence);
        }
    }

    // Whether the instruction that ended at the cursor is the list's last: nothing but the
    // closing parentheses of the ones it stands in follows it.
    bool endsList(const CodeRecord* pc, int32_t openParens)
    {
        for (; openParens > 0 && pc->kind == etRpar; --openParens)
            ++pc;
        return openParens == 0 && pc->kind == etEnd;
    }

    // As `statement`, except that the list's last instruction may leave a value on the stack: a
    // call ending the list runs as a command but keeps what it outputs, and an expression ending
    // it is evaluated. Reports whether a value was left.
    bool statementKeepingLastValue(InterpreterState& s, CodeRecord*& pc, int32_t openParens)
    {
        switch (pc->kind) {
        case etUnknownOp:
        case etFun:
        case etIfFun:
        case etObjectPrefixFun:
        case etUsualPrefix: {
            const bool afterParen = pc->afterParen;
            const Resolved target = resolve(s, pc);
            const int32_t count = collectInputs(s, pc, target.desc, afterParen);
            if (s.stopFlag || !commandAt(s, target, count, pc))
                return false;
            if (endsList(pc, openParens) && s.valueStack.peekTop())
                return true;
            s.valueStack.popCommandResult();
            return false;
        }
        case etLpar: {
            NativeStack::check();
            ++pc;
            const bool kept = statementKeepingLastValue(s, pc, openParens + 1);
            if (s.stopFlag)
                return false;
            if (pc->kind != etRpar)
                throw eLogoException(erMissingRpar);
            ++pc;
            return kept;
        }
        case etVariable:
        case etConst:
            comparison(s, pc);
            if (s.stopFlag)
                return false;
            if (endsList(pc, openParens))
                return true;
            s.valueStack.popCommandResult();
            return false;
        default:
            throw eLogoException(erWrongSequence);
        }
    }

    // Cuts the value stack back to its height at construction on every way out.
    class StackHeightGuard {
    public:
        explicit StackHeightGuard(tLogoStack& stack)
            : m_stack(stack)
            , m_height(stack.height())
        {
        }
        ~StackHeightGuard() { m_stack.cutBackTo(m_height); }
        StackHeightGuard(const StackHeightGuard&) = delete;
        StackHeightGuard& operator=(const StackHeightGuard&) = delete;

    private:
        tLogoStack& m_stack;
        int32_t m_height;
    };

    int32_t positionOf(CodeArray* code, const CodeRecord* pc)
    {
        return static_cast<int32_t>(pc - code->begin()) + 1;
    }

    // Runs the list's instructions through `step`, which reports whether the run ends there; an
    // error is told which instruction of the list it came from.
    template <typename Step> void runStatements(InterpreterState& s, CodeArray* code, Step step)
    {
        RunScope scope(s, code);
        CodeRecord* pc = code->begin();
        CodeRecord* statementStart = pc;
        try {
            while (pc->kind != etEnd) {
                statementStart = pc;
                if (step(pc))
                    return;
            }
        } catch (eLogoException& error) {
            error.appendPathPosition(positionOf(code, statementStart), code);
            throw;
        }
    }

} // namespace

void runList(InterpreterState& s, CodeArray* code)
{
    runStatements(s, code, [&s](CodeRecord*& pc) {
        statement(s, pc);
        return s.stopFlag != 0;
    });
}

ValueRef evaluateList(InterpreterState& s, CodeArray* code)
{
    RunScope scope(s, code);
    CodeRecord* pc = code->begin();
    try {
        comparison(s, pc);
        if (pc->kind != etEnd && !s.stopFlag)
            statement(s, pc);
    } catch (eLogoException& error) {
        error.appendPathPosition(1, code);
        throw;
    }
    return s.valueStack.pop();
}

ValueRef runListForValue(InterpreterState& s, CodeArray* code)
{
    ValueRef value;
    runStatements(s, code, [&s, &value](CodeRecord*& pc) {
        if (statementKeepingLastValue(s, pc, 0)) {
            value = s.valueStack.pop();
            return true;
        }
        return s.stopFlag != 0;
    });
    return value;
}

void runText(InterpreterState& s, std::string_view text)
{
    StackHeightGuard guard(s.valueStack);
    ValueRef list(readList(text));
    runList(s, compile(list.get(), CompileMode::Instructions));
}

void runValue(InterpreterState& s, tlogoobject* instructions)
{
    ValueRef keep(instructions);
    runList(s, compile(instructions, CompileMode::Instructions));
}

ValueRef evaluateValue(InterpreterState& s, tlogoobject* instructions)
{
    ValueRef keep(instructions);
    return evaluateList(s, compile(instructions, CompileMode::Instructions));
}

ValueRef runForValue(InterpreterState& s, tlogoobject* instructions)
{
    ValueRef keep(instructions);
    return runListForValue(s, compile(instructions, CompileMode::Instructions));
}

void callCommand(InterpreterState& s, tProcDesc* desc, int32_t inputCount)
{
    static CodeRecord notLast { .kind = etConst, .afterParen = 0, .name = 0, .constant = nullptr };
    callCommandAt(s, Resolved { desc, nullptr, 0 }, inputCount, &notLast);
}

// "output" and "stop" reached by this route leave the nearest user procedure by the output
// exception, which that procedure's call catches. Where no procedure runs (its frames are the only
// ones a process's local table opens beyond its first), nothing would catch it: they then end the
// running lines by the stop flag as they do standing there themselves, so that the top level
// reports an "output" as error 34 and accepts a "stop".
void applyAsCommand(InterpreterState& s, tProcDesc* desc, int32_t inputCount)
{
    if (desc->procKind != ProcKind::Ordinary && s.localTable->frameDepth() == 1) {
        callCommand(s, desc, inputCount);
        return;
    }
    try {
        desc->call(inputCount, CallForm::Command, CallRoute::Apply);
    } catch (eLogoException& error) {
        error.recordFailingName(desc->name);
        throw;
    }
    if (s.stopFlag && s.pendingCall)
        runTailCallLoop(s);
    s.valueStack.popCommandResult();
}

ValueRef applyForValue(InterpreterState& s, tProcDesc* desc, int32_t inputCount)
{
    if (desc->procKind != ProcKind::Ordinary)
        throw eLogoException::withPrimitive(erDidNotReport, desc->name);
    try {
        desc->call(inputCount, CallForm::Operation, CallRoute::Apply);
    } catch (eOutputException&) {
        throw eLogoException::withPrimitive(erDidNotReport, desc->name);
    } catch (eLogoException& error) {
        error.recordFailingName(desc->name);
        throw;
    }
    if (s.pendingCall || !s.valueStack.peekTop()) {
        s.stopFlag = 0;
        s.pendingCall = nullptr;
        s.valueStack.popAndRelease();
        throw eLogoException::withName(erDidNotReport, desc->name);
    }
    return s.valueStack.pop();
}

std::vector<ValueRef> evaluateEach(InterpreterState& s, tlogoobject* expressions)
{
    ValueRef keep(expressions);
    const CodeRef code(compile(expressions, CompileMode::Instructions));
    RunScope scope(s, code.get());
    std::vector<ValueRef> values;
    for (CodeRecord* pc = code.get()->begin(); pc->kind != etEnd;) {
        comparison(s, pc);
        values.push_back(s.valueStack.pop());
    }
    return values;
}

// The chain of tail calls shares the frame the first call opened; it is closed once, at the end,
// also when an error ends the chain.
void runTailCallLoop(InterpreterState& s)
{
    struct SharedFrame {
        InterpreterState& state;
        ~SharedFrame()
        {
            state.pendingCall = nullptr;
            state.localTable->closeFrame();
            state.testFlag = state.savedTestFlag;
        }
    } frame { s };
    do {
        tProcDesc* desc = s.pendingCall;
        s.pendingCall = nullptr;
        s.stopFlag = 0;
        s.foundLevel = s.pendingLevel;
        desc->call(s.pendingArgCount, CallForm::Command, CallRoute::TailCall);
    } while (s.stopFlag && s.pendingCall);
}

} // namespace velmora::evaluator
