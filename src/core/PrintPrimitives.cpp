#include "core/PrintPrimitives.h"

#include "interpreter/Commander.h"
#include "interpreter/Registration.h"
#include "values/LogoList.h"

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

    // Each input on a line of its own; a list gives a line per item.
    tlogoobject* primPrintLine(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        std::string text;
        for (int32_t i = count - 1; i >= 0; --i) {
            tlogoobject* input = stack.lookAt(i);
            if (!input->isList()) {
                input->appendPrintForm(text, false);
                text += "\r\n";
                continue;
            }
            for (tlogoobject* item : elements(static_cast<tLogoList*>(input))) {
                item->appendPrintForm(text, false);
                text += "\r\n";
            }
        }
        if (!text.empty())
            write(text);
        return nullptr;
    }

} // namespace

void registerPrintPrimitives(tLogoTab& table, tlogoobject* owner)
{
    const PrimitiveRow rows[] = {
        variable("print", etIfFun, 1, primPrint),
        variable("show", etIfFun, 1, primShow),
        variable("type", etIfFun, 1, primType),
        variable("printline", etIfFun, 1, primPrintLine),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
