#include "core/WorkspacePrimitives.h"

#include "core/ElapsedTime.h"
#include "core/MainObj.h"
#include "interpreter/Registration.h"
#include "values/Random.h"
#include "values/ValueFactory.h"
#include "values/ValuePools.h"

#include <chrono>
#include <ctime>
#include <initializer_list>

namespace velmora {

namespace {

    struct LocalNow {
        std::tm calendar; // local date and time to the second
        int32_t milliseconds; // of the current second
    };

    LocalNow localNow()
    {
        using namespace std::chrono;
        const auto now = system_clock::now();
        const std::time_t seconds = system_clock::to_time_t(now);
        LocalNow result {};
        localtime_r(&seconds, &result.calendar);
        result.milliseconds = static_cast<int32_t>(
            duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
        return result;
    }

    tlogoobject* integerList(std::initializer_list<int32_t> numbers)
    {
        ListBuilder items;
        for (int32_t number : numbers)
            items.append(makeInteger(number));
        return items.finish();
    }

    // [year month day weekday], Sunday being weekday 0.
    tlogoobject* primDate(tlogoobject*)
    {
        const std::tm& date = localNow().calendar;
        return integerList({ date.tm_year + 1900, date.tm_mon + 1, date.tm_mday, date.tm_wday });
    }

    // The fraction rounds to the nearest elapsed-time unit but stays within its second.
    int32_t fractionOfSecond(int32_t milliseconds)
    {
        const int64_t units = toElapsedUnits(milliseconds);
        return static_cast<int32_t>(std::min<int64_t>(units, unitsPerSecond() - 1));
    }

    // [hours minutes seconds fraction], the fraction in elapsed-time units.
    tlogoobject* primTime(tlogoobject*)
    {
        const LocalNow now = localNow();
        const std::tm& time = now.calendar;
        return integerList(
            { time.tm_hour, time.tm_min, time.tm_sec, fractionOfSecond(now.milliseconds) });
    }

    // The local date or time as a word, in the given strftime format or the platform's own.
    tlogoobject* formatted(tLogoStack& stack, int32_t count, const char* platformFormat)
    {
        if (count > 1)
            throw eLogoException(erTooManyInputs);
        const std::string format = count == 1 ? stack.lookAt(0)->text() : platformFormat;
        const std::tm calendar = localNow().calendar;
        char text[256];
        const size_t length = std::strftime(text, sizeof text, format.c_str(), &calendar);
        return makeWord(std::string_view(text, length));
    }

    tlogoobject* primDateWord(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return formatted(stack, count, "%x");
    }

    tlogoobject* primTimeWord(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return formatted(stack, count, "%X");
    }

    tlogoobject* primRandomize(tlogoobject*)
    {
        const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
        seedRandom(static_cast<uint64_t>(ticks));
        return nullptr;
    }

    const ListCellPool& cells() { return ValuePools::instance().cells; }

    struct MemoryLine {
        std::string_view label;
        size_t (*count)();
    };

    // clang-format off
    constexpr MemoryLine memoryLines[] = {
        { "used listboxes=  ", [] { return cells().made() - cells().deleted() - cells().waiting(); } },
        { "allocated listboxes=  ", [] { return cells().made(); } },
        { "deallocated listboxes=  ", [] { return cells().deleted(); } },
        { "total listboxes=  ", [] { return cells().made() - cells().deleted(); } },
        { "free intboxes=      ", [] { return ValuePools::instance().integers.available(); } },
        { "free realboxes=     ", [] { return ValuePools::instance().reals.available(); } },
        { "free stringboxes=   ", [] { return ValuePools::instance().words.available(); } },
        { "free boolboxes=     ", [] { return ValuePools::instance().booleans.available(); } },
        { "active wordboxes =  ", [] { return ValuePools::instance().words.inUse(); } },
        { "stack=           ", [] {
            return static_cast<size_t>(InterpreterState::current()->valueStack.height()); } },
        // No image is held outside its value yet.
        { "used bitmaps=    ", [] { return size_t { 0 }; } },
    };
    // clang-format on

    tlogoobject* primMem(tlogoobject* owner)
    {
        std::string text;
        for (const MemoryLine& line : memoryLines)
            text += std::string(line.label) + std::to_string(line.count()) + "\r\n";
        static_cast<tMainLogoObject*>(owner)->writeOutput(text);
        return nullptr;
    }

} // namespace

void registerWorkspacePrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<0>("date", etFun, primDate),
        fixed<0>("time", etFun, primTime),
        variable("dateWord", etFun, 0, primDateWord),
        variable("timeWord", etFun, 0, primTimeWord),
        fixed<0>("randomize", etFun, primRandomize),
        fixed<0>(".mem", etFun, primMem),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
