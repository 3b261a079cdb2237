#include "core/WordPrimitives.h"

#include "core/ArithmeticPrimitives.h"
#include "core/GenericOperations.h"
#include "core/LogicPrimitives.h"
#include "core/StackInputs.h"
#include "interpreter/Registration.h"
#include "localization/LanguageDictionary.h"
#include "values/CountLimit.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // Words by their text, other values by their print form without outer brackets.
    // The texts of the inputs from the first one on, in one string reserved up front, to follow
    // `before` characters. A word longer than a word may be is refused (error 43) before anything
    // is allocated, unless the print forms of lists make it so.
    std::string joinedText(const StackInputs& inputs, int32_t first, size_t before = 0)
    {
        size_t length = 0;
        for (int32_t i = first; i < inputs.size(); ++i)
            if (inputs[i]->isWord())
                length += inputs[i]->text().size();
        requireWordLength(before + length);
        std::string text;
        text.reserve(length);
        for (int32_t i = first; i < inputs.size(); ++i) {
            if (inputs[i]->isWord())
                text += inputs[i]->text();
            else
                inputs[i]->appendPrintForm(text, false);
        }
        return text;
    }

    tlogoobject* primWord(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        const StackInputs inputs(stack, count);
        // A long first word is grown through its shared buffer: building a word a piece at a
        // time then copies it once per doubling of its length, not at every step.
        if (!inputs.empty() && inputs[0]->kind() == ValueKind::String) {
            auto* first = static_cast<tLogoString*>(inputs[0]);
            if (first->growsInPlace()) {
                const std::string tail = joinedText(inputs, 1, first->length());
                return first->grownBy(tail);
            }
        }
        return makeWord(joinedText(inputs, 0));
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

    std::span<const PrimitiveRow> wordPrimitiveRows()
    {
        static constexpr PrimitiveRow rows[] = {
            variable("word", etFun, 2, primWord),
            fixed<0>("any", etFun, primAny),
            predicate<1>("empty?", etFun, primIsEmpty),
            predicate<1>("word?", etFun, primIsWord),
            predicate<1>("number?", etFun, primIsNumber),
            predicate<1>("list?", etFun, primIsList),
            fixed<1>("parse", etFun, primParse),
            fixed<1>("parselines", etFun, primParseLines),
        };
        return rows;
    }

} // namespace

void registerWordAndArithmeticPrimitives(tLogoTab& table, tlogoobject* owner)
{
    for (const auto& family : { genericOperationRows(), wordPrimitiveRows(),
             arithmeticPrimitiveRows(), logicPrimitiveRows() })
        registerPrimitives(table, owner, family);
}

} // namespace velmora
