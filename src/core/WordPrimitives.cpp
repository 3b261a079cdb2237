#include "core/WordPrimitives.h"

#include "core/ArithmeticPrimitives.h"
#include "core/GenericOperations.h"
#include "core/LogicPrimitives.h"
#include "core/StackInputs.h"
#include "interpreter/Registration.h"
#include "localization/LanguageDictionary.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // Words by their text, other values by their print form without outer brackets.
    tlogoobject* primWord(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        // Reserved up front, so that growing a long word by a character copies it once.
        size_t length = 0;
        for (tlogoobject* input : StackInputs(stack, count))
            if (input->isWord())
                length += input->text().size();
        std::string text;
        text.reserve(length);
        for (tlogoobject* input : StackInputs(stack, count)) {
            if (input->isWord())
                text += input->text();
            else
                input->appendPrintForm(text, false);
        }
        return makeWord(std::move(text));
    }

    // The first of the language's "any" words.
    tlogoobject* primAny(tlogoobject*)
    {
        return makeWord(languageDictionary().firstWord("dict", "any"));
    }

    bool primIsEmpty(tlogoobject*, tlogoobject* x) { return x->isEmpty(); }
    bool primIsWord(tlogoobject*, tlogoobject* x) { return x->isWord(); }
    bool primIsNumber(tlogoobject*, tlogoobject* x) { return x->isNumber(); }
    bool primIsList(tlogoobject*, tlogoobject* x) { return x->isList(); }

    tlogoobject* primParse(tlogoobject*, tlogoobject* x) { return readList(x->printForm(false)); }
    tlogoobject* primParseLines(tlogoobject*, tlogoobject* x)
    {
        return readLines(x->printForm(false));
    }

    std::vector<PrimitiveRow> wordPrimitiveRows()
    {
        return {
            variable("word", etFun, 2, primWord),
            fixed<0>("any", etFun, primAny),
            predicate<1>("empty?", etFun, primIsEmpty),
            predicate<1>("word?", etFun, primIsWord),
            predicate<1>("number?", etFun, primIsNumber),
            predicate<1>("list?", etFun, primIsList),
            fixed<1>("parse", etFun, primParse),
            fixed<1>("parselines", etFun, primParseLines),
        };
    }

} // namespace

void registerWordAndArithmeticPrimitives(tLogoTab& table, tlogoobject* owner)
{
    for (const auto& family : { genericOperationRows(), wordPrimitiveRows(),
             arithmeticPrimitiveRows(), logicPrimitiveRows() })
        registerPrimitives(table, owner, family);
}

} // namespace velmora
