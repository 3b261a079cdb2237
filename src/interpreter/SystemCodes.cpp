#include "interpreter/SystemCodes.h"

#include "localization/NameCodes.h"

namespace velmora {

SystemCodes& SystemCodes::mutableInstance()
{
    static SystemCodes codes;
    return codes;
}

void SystemCodes::intern()
{
    NameCodes& names = NameCodes::instance();
    SystemCodes& codes = mutableInstance();
    codes.plus = names.intern("+");
    codes.minus = names.intern("-");
    codes.unaryPlus = names.intern("<unary +>");
    codes.unaryMinus = names.intern("<unary ->");
    codes.output = names.intern("\xB7output");
    codes.stop = names.intern("\xB7stop");
}

} // namespace velmora
