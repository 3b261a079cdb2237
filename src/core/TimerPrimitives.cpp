#include "core/TimerPrimitives.h"

#include "core/ElapsedTime.h"
#include "core/MainObj.h"
#include "interpreter/Commander.h"
#include "interpreter/Registration.h"
#include "localization/NameComparison.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    tMainLogoObject& mainObject(tlogoobject* owner)
    {
        return *static_cast<tMainLogoObject*>(owner);
    }

    // The start of the timer the inputs name: the unnamed one, or a named one started now on
    // first use.
    int64_t& timerStart(tlogoobject* owner, tLogoStack& stack, int32_t count)
    {
        if (count > 1)
            throw eLogoException(erTooManyInputs);
        auto& timers = mainObject(owner).timers();
        if (count == 0)
            return timers.front().start;
        const std::string& name = stack.lookAt(0)->text();
        for (auto& timer : timers)
            if (!timer.name.empty() && currentNameComparison().equal(timer.name, name))
                return timer.start;
        timers.push_back({ name, nowMilliseconds() });
        return timers.back().start;
    }

    tlogoobject* primTimer(tlogoobject* owner, tLogoStack& stack, int32_t count, CallForm)
    {
        const int64_t elapsed = nowMilliseconds() - timerStart(owner, stack, count);
        return makeNumber(static_cast<LogoReal>(toElapsedUnits(elapsed)));
    }

    tlogoobject* primResetTimer(tlogoobject* owner, tLogoStack& stack, int32_t count, CallForm)
    {
        timerStart(owner, stack, count) = nowMilliseconds();
        return nullptr;
    }

    tlogoobject* primBye(tlogoobject*, tLogoStack&, int32_t, CallForm)
    {
        if (Icommander* commander = InterpreterState::current()->commander)
            commander->closeRequested();
        return nullptr;
    }

    // Programs are never started from the player: the inputs are discarded and 2 reported.
    tlogoobject* primRunProgram(tlogoobject*, tLogoStack&, int32_t, CallForm)
    {
        return makeInteger(2);
    }

} // namespace

void registerTimerPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        variable("timer", etFun, 0, primTimer),
        variable("resettimer", etFun, 0, primResetTimer),
        variable("bye", etFun, 0, primBye),
        variable("runprogram", etFun, 0, primRunProgram),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
