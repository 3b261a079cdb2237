#include "core/ProcessPrimitives.h"

#include "core/ElapsedTime.h"
#include "interpreter/Evaluator.h"
#include "interpreter/LogoLocaltab.h"
#include "interpreter/Registration.h"
#include "localization/NameTranslation.h"
#include "processes/AllThreads.h"
#include "processes/CriticalSections.h"
#include "processes/InterpreterLock.h"
#include "processes/StopWake.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    // A new process starts as its creator runs now: same object, table, who list and commander,
    // and a copy of its local variables as they are at this moment.
    ProcessStart startFrom(
        InterpreterState& s, tlogoobject* list, ProcessKind kind, std::string name)
    {
        ProcessStart start;
        start.name = std::move(name);
        start.kind = kind;
        start.owner = s.currentObject;
        start.globals = s.globalVariables;
        start.table = s.currentTable;
        start.locals = s.localTable->copyScope();
        start.whoList = s.whoList;
        start.list = list;
        start.commander = s.commander;
        return start;
    }

    // The name value of a user process: the given one, or the list's printed form. Names are
    // words; "@" names belong to the system.
    tlogoobject* processNameValue(tlogoobject* list, tlogoobject* given)
    {
        if (!given)
            return makeWord(list->printForm(false));
        const std::string name = given->printForm(false);
        if (name.empty() || name[0] == '@')
            throw eLogoException(erBadValue, given);
        return given;
    }

    struct UserStart {
        int32_t minimumInputs;
        int32_t maximumInputs;
        bool timed;
    };

    // Splits the inputs of a process primitive: [interval] list [name].
    struct ProcessInputs {
        int64_t intervalMilliseconds = 0;
        tlogoobject* list = nullptr;
        ValueRef nameValue;
    };

    ProcessInputs processInputs(tLogoStack& stack, int32_t count, const UserStart& form)
    {
        if (count < form.minimumInputs)
            throw eLogoException(erNotEnoughInputs);
        if (count > form.maximumInputs)
            throw eLogoException(erTooManyInputs);
        ProcessInputs inputs;
        int32_t index = count - 1;
        if (form.timed)
            inputs.intervalMilliseconds = toMilliseconds(stack.lookAt(index--)->asInteger());
        inputs.list = stack.lookAt(index--);
        inputs.nameValue
            = processNameValue(inputs.list, index >= 0 ? stack.lookAt(index) : nullptr);
        return inputs;
    }

    template <typename Process, typename... Extra>
    void startUserProcess(const ProcessInputs& inputs, ProcessKind kind, Extra... extra)
    {
        InterpreterState& s = state();
        ProcessStart start = startFrom(s, inputs.list, kind, inputs.nameValue->printForm(false));
        tLogoprocess::launch(
            std::make_shared<Process>(std::move(start), inputs.nameValue.get(), extra...));
    }

    tlogoobject* primLaunch(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        startUserProcess<tLogouserProcess>(
            processInputs(stack, count, { 1, 2, false }), ProcessKind::Launch);
        return nullptr;
    }

    tlogoobject* primForever(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        startUserProcess<tLogoForeverProcess>(
            processInputs(stack, count, { 1, 2, false }), ProcessKind::Forever);
        return nullptr;
    }

    tlogoobject* primEvery(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        const ProcessInputs inputs = processInputs(stack, count, { 2, 3, true });
        startUserProcess<tLogoEveryProcess>(
            inputs, ProcessKind::Every, inputs.intervalMilliseconds);
        return nullptr;
    }

    tlogoobject* primAfter(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        const ProcessInputs inputs = processInputs(stack, count, { 2, 3, true });
        startUserProcess<tLogoAfterProcess>(
            inputs, ProcessKind::After, inputs.intervalMilliseconds);
        return nullptr;
    }

    tlogoobject* primCancel(tlogoobject*, tlogoobject* name)
    {
        const std::string normalized = normalize(name->printForm(false));
        if (tallthreads::instance().cancel(normalized, tLogoprocess::current()))
            throw eTerminateException();
        return nullptr;
    }

    tlogoobject* primStopMe(tlogoobject*) { throw eTerminateException(); }

    tlogoobject* primStopAll(tlogoobject*)
    {
        tLogoprocess* self = tLogoprocess::current();
        tallthreads::instance().stopAll(self, SpareProtected::Yes);
        if (self && !self->name().starts_with("%p%"))
            throw eTerminateException();
        return nullptr;
    }

    bool primDone(tlogoobject*, tlogoobject* name)
    {
        return !tallthreads::instance().exists(normalize(name->printForm(false)));
    }

    tlogoobject* primAllProcesses(tlogoobject*)
    {
        ListBuilder names;
        for (const auto& process : tallthreads::instance().processes())
            names.append(ValueRef(process->nameValue()).get());
        return names.finish();
    }

    tlogoobject* primProcessName(tlogoobject*)
    {
        tLogoprocess* self = tLogoprocess::current();
        return self ? self->nameValue() : makeWord("");
    }

    tlogoobject* primPauseAll(tlogoobject*)
    {
        tallthreads::instance().pauseAll();
        return nullptr;
    }

    tlogoobject* primResumeAll(tlogoobject*)
    {
        tallthreads::instance().resumeAll();
        return nullptr;
    }

    // Holds a named section for a scope; a process told to stop while waiting ends without
    // running anything.
    class SectionHold {
    public:
        explicit SectionHold(std::string_view name)
            : m_section(CriticalSections::instance().sectionOf(name))
        {
            tLogoprocess* self = tLogoprocess::current();
            bool acquired = false;
            {
                ReleasedLock released;
                StopWake wake(self, [] { CriticalSections::instance().wakeWaiters(); });
                acquired = CriticalSections::instance().acquire(
                    m_section, [self] { return self && self->stopRequested(); });
            }
            if (!acquired)
                throw eTerminateException();
        }
        ~SectionHold() { CriticalSections::instance().release(m_section); }
        SectionHold(const SectionHold&) = delete;
        SectionHold& operator=(const SectionHold&) = delete;

    private:
        size_t m_section;
    };

    tlogoobject* runCritical(tlogoobject*, tlogoobject* name, tlogoobject* list)
    {
        SectionHold hold(name->printForm(false));
        evaluator::runValue(state(), list);
        return nullptr;
    }

    tlogoobject* evaluateCritical(tlogoobject*, tlogoobject* name, tlogoobject* list)
    {
        SectionHold hold(name->printForm(false));
        return handOver(evaluator::evaluateValue(state(), list).leak());
    }

    tlogoobject* primWait(tlogoobject*, tlogoobject* duration)
    {
        tLogoprocess* self = tLogoprocess::current();
        if (!self)
            throw eLogoException(erInternWait0, duration);
        self->sleep(toMilliseconds(duration->asInteger()));
        return nullptr;
    }

} // namespace

void registerProcessPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        variable("launch", etFun, 1, primLaunch),
        variable("forever", etFun, 1, primForever),
        variable("every", etFun, 2, primEvery),
        variable("after", etFun, 2, primAfter),
        fixed<1>("cancel", etFun, primCancel),
        fixed<0>("stopme", etFun, primStopMe),
        fixed<0>("stopall", etFun, primStopAll),
        predicate<1>("done?", etFun, primDone),
        fixed<0>("allprocesses", etFun, primAllProcesses),
        fixed<0>("processname", etFun, primProcessName),
        fixed<0>("pauseall", etFun, primPauseAll),
        fixed<0>("resumeall", etFun, primResumeAll),
        commandOrOperation<2>("runcritical", etFun, runCritical, evaluateCritical),
        fixed<1>("wait", etFun, primWait),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
