#include "core/WorkspacePrimitives.h"

#include "core/ElapsedTime.h"
#include "interpreter/Registration.h"
#include "values/Random.h"
#include "values/ValueFactory.h"

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

    tlogoobject* primRandomize(tlogoobject*)
    {
        const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
        seedRandom(static_cast<uint64_t>(ticks));
        return nullptr;
    }

} // namespace

void registerWorkspacePrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<0>("date", etFun, primDate),
        fixed<0>("time", etFun, primTime),
        fixed<0>("randomize", etFun, primRandomize),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
