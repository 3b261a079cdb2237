#include "core/PrintPrimitives.h"

#include "interpreter/Commander.h"
#include "interpreter/Registration.h"

namespace velmora {

namespace {

    enum class Brackets { Outer, None };

    // The inputs' print forms joined by `separator`.
    std::string printForms(
        tLogoStack& stack, int32_t count, Brackets brackets, std::string_view separator)
    {
        std::string text;
        for (int32_t i = count - 1; i >= 0; --i) {
            stack.lookAt(i)->appendPrintForm(text, brackets == Brackets::Outer);
            if (i > 0)
                text += separator;
        }
        return text;
    }

    void write(const std::string& text)
    {
        if (Icommander* commander = InterpreterState::current()->commander)
            commander->printText(text);
    }

    tlogoobject* primPrint(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        write(printForms(stack, count, Brackets::None, " ") + "\r\n");
        return nullptr;
    }

    tlogoobject* primShow(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        write(printForms(stack, count, Brackets::Outer, " ") + "\r\n");
        return nullptr;
    }

    tlogoobject* primType(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        write(printForms(stack, count, Brackets::None, ""));
        return nullptr;
    }

} // namespace

void registerPrintPrimitives(tLogoTab& table, tlogoobject* owner)
{
    const PrimitiveRow rows[] = {
        variable("print", etIfFun, 1, primPrint),
        variable("show", etIfFun, 1, primShow),
        variable("type", etIfFun, 1, primType),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
