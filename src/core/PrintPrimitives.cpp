#include "core/PrintPrimitives.h"

#include "core/Clipboard.h"
#include "core/MainObj.h"
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

    void write(tlogoobject* owner, const std::string& text)
    {
        static_cast<tMainLogoObject*>(owner)->writeOutput(text);
    }

    tlogoobject* primPrint(tlogoobject* owner, tLogoStack& stack, int32_t count, CallForm)
    {
        write(owner, printForms(stack, count, Brackets::None, " ") + "\r\n");
        return nullptr;
    }

    tlogoobject* primShow(tlogoobject* owner, tLogoStack& stack, int32_t count, CallForm)
    {
        write(owner, printForms(stack, count, Brackets::Outer, " ") + "\r\n");
        return nullptr;
    }

    tlogoobject* primType(tlogoobject* owner, tLogoStack& stack, int32_t count, CallForm)
    {
        write(owner, printForms(stack, count, Brackets::None, ""));
        return nullptr;
    }

    // Each input on a line of its own; a list gives a line per item.
    tlogoobject* primPrintLine(tlogoobject* owner, tLogoStack& stack, int32_t count, CallForm)
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
            write(owner, text);
        return nullptr;
    }

    // "printto": the clipboard's name opens a buffer that goes onto the clipboard when closed; the
    // empty list closes; any other name closes and is error 51.
    tlogoobject* primPrintTo(tlogoobject* owner, tlogoobject* destination)
    {
        auto* main = static_cast<tMainLogoObject*>(owner);
        if (destination->isList() && destination->isEmpty()) {
            main->closeRedirection();
            return nullptr;
        }
        if (!namesClipboard(destination)) {
            main->closeRedirection();
            throw eLogoException(erNoSave, destination);
        }
        main->redirectToClipboard();
        return nullptr;
    }

    // Text boxes come with the window layer: until then no name denotes one (error 53).
    tlogoobject* primPrintToTextBox(tlogoobject* owner, tlogoobject* textBox)
    {
        static_cast<tMainLogoObject*>(owner)->closeRedirection();
        if (textBox->isList() && textBox->isEmpty())
            return nullptr;
        throw eLogoException(erNoTextboxName, textBox);
    }

} // namespace

void registerPrintPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        variable("print", etIfFun, 1, primPrint),
        variable("show", etIfFun, 1, primShow),
        variable("type", etIfFun, 1, primType),
        variable("printline", etIfFun, 1, primPrintLine),
        fixed<1>("printto", etFun, primPrintTo),
        fixed<1>("printtotextbox", etFun, primPrintToTextBox),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
