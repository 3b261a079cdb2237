// The text operations of every word: "count", "first", "last", "butfirst", "butlast", the
// "member" family, "fput", "lput", "reverse", "shuffle", "pick", "char", "ascii" and "foreach".
// Numbers and booleans act on their text. Searches ignore letter case through the upper-casing
// of the language's code page.
#include "core/WordOperations.h"

#include "core/ClassOperationRows.h"
#include "core/ForEachScope.h"
#include "core/NumberOperations.h"
#include "interpreter/ClassTables.h"
#include "interpreter/Compiler.h"
#include "interpreter/Evaluator.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameComparison.h"
#include "values/CountLimit.h"
#include "values/Random.h"
#include "values/Strictness.h"
#include "values/ValueFactory.h"

#include <algorithm>

namespace velmora {

namespace {

    // What "first", "last", "butfirst" and "butlast" give for the empty word: error 5 at the
    // highest strictness level, else the word itself.
    tlogoobject* emptyWordAnswer(tlogoobject* self)
    {
        if (strictLevel() >= 2)
            throw eLogoException(erEmptyWord, self);
        return self;
    }

    int32_t primCount(tlogoobject* self) { return static_cast<int32_t>(self->text().size()); }

    tlogoobject* primFirst(tlogoobject* self)
    {
        const std::string& text = self->text();
        return text.empty() ? emptyWordAnswer(self) : makeWord(text.substr(0, 1));
    }

    tlogoobject* primLast(tlogoobject* self)
    {
        const std::string& text = self->text();
        return text.empty() ? emptyWordAnswer(self) : makeWord(text.substr(text.size() - 1));
    }

    tlogoobject* primButFirst(tlogoobject* self)
    {
        const std::string& text = self->text();
        return text.empty() ? emptyWordAnswer(self) : makeWord(text.substr(1));
    }

    tlogoobject* primButLast(tlogoobject* self)
    {
        const std::string& text = self->text();
        return text.empty() ? emptyWordAnswer(self) : makeWord(text.substr(0, text.size() - 1));
    }

    // The upper-casing of the language's code page, which the searches of the "member" family
    // apply to both texts.
    const NameComparison& upperCasing()
    {
        static const NameComparison byCodePage[] = {
            NameComparison::caseInsensitive(CodePage::Windows1250),
            NameComparison::caseInsensitive(CodePage::Windows1252),
            NameComparison::caseInsensitive(CodePage::Windows1257),
        };
        const CodePage codePage = codePageOfLanguage(languageDictionary().currentLanguage());
        return byCodePage[static_cast<size_t>(codePage)];
    }

    // Where x's text first occurs in the text from `start` on, ignoring case; npos when nowhere.
    size_t findIgnoringCase(const std::string& text, tlogoobject* x, size_t start = 0)
    {
        const NameComparison& casing = upperCasing();
        return casing.folded(text).find(casing.folded(x->text()), start);
    }

    bool primIsMember(tlogoobject* self, tlogoobject* x)
    {
        return findIgnoringCase(self->text(), x) != std::string::npos;
    }

    int32_t primMember(tlogoobject* self, tlogoobject* x)
    {
        const size_t position = findIgnoringCase(self->text(), x);
        return position == std::string::npos ? 0 : static_cast<int32_t>(position) + 1;
    }

    tlogoobject* primFromMember(tlogoobject* self, tlogoobject* x)
    {
        const size_t position = findIgnoringCase(self->text(), x);
        return makeWord(
            position == std::string::npos ? std::string() : self->text().substr(position));
    }

    // Each occurrence removed; the next search starts where the last removal was made, so
    // occurrences that a removal brings together are found too.
    tlogoobject* primButMember(tlogoobject* self, tlogoobject* x)
    {
        std::string text = self->text();
        const size_t length = x->text().size();
        if (length == 0)
            return makeWord(text);
        for (size_t at = 0; (at = findIgnoringCase(text, x, at)) != std::string::npos;)
            text.erase(at, length);
        return makeWord(text);
    }

    // x must be a word (error 8).
    tlogoobject* primFput(tlogoobject* self, tlogoobject* x)
    {
        return makeWord(concatenated(x->text(), self->text()));
    }

    tlogoobject* primLput(tlogoobject* self, tlogoobject* x)
    {
        return makeWord(concatenated(self->text(), x->text()));
    }

    tlogoobject* primReverse(tlogoobject* self)
    {
        return makeWord(std::string(self->text().rbegin(), self->text().rend()));
    }

    // Fisher-Yates: every order is equally likely.
    tlogoobject* primShuffle(tlogoobject* self)
    {
        std::string text = self->text();
        if (text.size() < 2)
            return self;
        for (int32_t i = static_cast<int32_t>(text.size()) - 1; i > 0; --i)
            std::swap(text[static_cast<size_t>(i)], text[static_cast<size_t>(randomInRange(0, i))]);
        return makeWord(text);
    }

    tlogoobject* primPick(tlogoobject* self)
    {
        const std::string& text = self->text();
        if (text.empty()) {
            if (strictLevel() > 0)
                throw eLogoException(erEmptyWord, self);
            return self;
        }
        const int32_t last = static_cast<int32_t>(text.size()) - 1;
        return makeWord(text.substr(static_cast<size_t>(randomInRange(0, last)), 1));
    }

    tlogoobject* primChar(tlogoobject* self)
    {
        return makeWord(std::string(1, static_cast<char>(self->intInRange(0, 255))));
    }

    // The empty word has no first character: error 5 with a strictness level above 0, else 0.
    int32_t primAscii(tlogoobject* self)
    {
        const std::string& text = self->text();
        if (!text.empty())
            return static_cast<unsigned char>(text[0]);
        if (strictLevel() > 0)
            throw eLogoException(erEmptyWord, self);
        return 0;
    }

    tlogoobject* primForEach(tlogoobject* self, tlogoobject* name, tlogoobject* instructions)
    {
        InterpreterState& state = *InterpreterState::current();
        const std::string text = self->text();
        const CodeRef code(compile(instructions, CompileMode::Instructions));
        ForEachScope scope(state, name->nameCode());
        for (char character : text) {
            scope.next(ValueRef(makeWord(std::string(1, character))).get());
            evaluator::runList(state, code.get());
            if (state.stopFlag)
                break;
        }
        return nullptr;
    }

} // namespace

std::span<const PrimitiveRow> wordTextRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<0, ResultForm::Integer>("count", primCount),
        classOperation<0>("first", primFirst),
        classOperation<0>("last", primLast),
        classOperation<0>("butfirst", primButFirst),
        classOperation<0>("butlast", primButLast),
        classOperation<1, ResultForm::Truth>("member?", primIsMember),
        classOperation<1, ResultForm::Integer>("member", primMember),
        classOperation<1>("frommember", primFromMember),
        classOperation<1>("butmember", primButMember),
        classOperation<1>("fput", primFput),
        classOperation<1>("lput", primLput),
        classOperation<0>("reverse", primReverse),
        classOperation<0>("shuffle", primShuffle),
        classOperation<0>("pick", primPick),
        classOperation<0>("char", primChar),
        classOperation<0, ResultForm::Integer>("ascii", primAscii),
        classOperation<2>("foreach", primForEach),
    };
    return rows;
}

void registerWordAndNumberOperations(ClassTables& tables)
{
    const std::span<const PrimitiveRow> shared[]
        = { wordTextRows(), wordPositionRows(), numberRows() };
    const struct {
        tLogoTab& table;
        std::span<const PrimitiveRow> ownRows;
    } classes[] = {
        { tables.words, textWordNumberRows() },
        { tables.integers, integerRows() },
        { tables.reals, {} }, // reals differ from integers only in their conversions
        { tables.booleans, booleanRows() },
    };
    for (size_t i = 0; i < std::size(classes); ++i) {
        for (std::span<const PrimitiveRow> family : shared)
            registerPrimitives(classes[i].table, nullptr, family);
        for (size_t earlier = 0; earlier <= i; ++earlier)
            registerPrimitives(classes[i].table, nullptr, classes[earlier].ownRows);
    }
}

} // namespace velmora
