#include "interpreter/ProcedureDefinition.h"

#include "interpreter/LogoProcDesc.h"
#include "interpreter/LogoTab.h"
#include "localization/DictionaryText.h"
#include "localization/LanguageDictionary.h"
#include "localization/LanguageWords.h"
#include "localization/NameCodes.h"
#include "values/Errors.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // Every CR not followed by LF gets its LF.
    std::string withCrLf(std::string_view text)
    {
        std::string result;
        for (size_t i = 0; i < text.size(); ++i) {
            result += text[i];
            if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
                result += '\n';
        }
        return result;
    }

    // The text without its final "end" word, ending in CR LF.
    std::string withoutEnd(std::string_view text)
    {
        const std::string_view body = trimmed(text);
        const size_t lastBreak = body.find_last_of(" \n");
        const std::string_view last
            = lastBreak == std::string_view::npos ? body : body.substr(lastBreak + 1);
        if (lastBreak != std::string_view::npos
            && languageDictionary().isSynonymInSection("other", "end", last))
            return std::string(trimmed(body.substr(0, lastBreak))) + "\r\n";
        return std::string(body) + "\r\n";
    }

    // "to name :a :b" → [:a :b] inputs; "to name :inputs [3]" stays as it is.
    tLogoList* inputsOfTitle(tLogoList* title)
    {
        ListBuilder inputs;
        tLogoList* rest = title->rest() ? title->rest()->rest() : nullptr;
        for (tlogoobject* element : elements(rest)) {
            if (element->isWord() && !element->isNumber() && element->text().starts_with(":"))
                inputs.append(makeWord(element->text().substr(1)));
            else
                inputs.append(element);
        }
        return inputs.finish();
    }

    bool isVariableInputForm(tLogoList* inputs)
    {
        if (inputs->count() != 2)
            return false;
        tlogoobject* word = inputs->first();
        tlogoobject* count = inputs->rest()->first();
        return word->isWord() && !word->isEmpty() && count->isList() && !count->isEmpty()
            && static_cast<tLogoList*>(count)->first()->isNumber();
    }

    void checkDefinition(tlogoobject* definition)
    {
        if (!definition->isList())
            throw eLogoException(erExpectList, definition);
        if (definition->isEmpty())
            throw eLogoException(erEmptyList, definition);
        for (tlogoobject* element : elements(static_cast<tLogoList*>(definition)))
            if (!element->isList())
                throw eLogoException(erBadStructure, definition);
    }

    tLogoProcDesc* makeProcedure(
        NameCode name, tLogoList* inputs, tLogoList* body, std::string sourceText)
    {
        NameCodes& codes = NameCodes::instance();
        if (isVariableInputForm(inputs)) {
            tlogoobject* countList = inputs->rest()->first();
            const int32_t count = static_cast<tLogoList*>(countList)->first()->intInRange(0, 255);
            return new tLogoProcDescV(
                name, inputs->first()->nameCode(), count, body, std::move(sourceText));
        }
        std::vector<NameCode> names;
        for (tlogoobject* input : elements(inputs)) {
            const std::string& text = input->text();
            if (text.empty())
                throw eLogoException(erEmptyWord, input);
            names.push_back(codes.intern(text[0] == ':' ? text.substr(1) : text));
        }
        return new tLogoProcDescF(name, std::move(names), body, std::move(sourceText));
    }

} // namespace

std::string bodyText(std::string_view text)
{
    std::string result;
    size_t start = text.find("\r\n");
    if (start == std::string_view::npos)
        return result;
    for (start += 2; start < text.size();) {
        size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] != ';')
            result.append(line).append("\r\n");
        start = end + 2;
    }
    return result;
}

bool isAcceptableProcedureName(tlogoobject* name)
{
    if (!name->isWord() || name->isEmpty() || name->isNumber())
        return false;
    const std::string& text = name->text();
    if (text[0] == '"' || text[0] == ':')
        return false;
    for (char c : text)
        if (static_cast<uint8_t>(c) < 33)
            return false;
    // A procedure named like a truth value could never be called ("true" reads as the value), and
    // one named "to" or "end" would take the words that open and close a definition.
    const LanguageDictionary& dictionary = languageDictionary();
    return !isTrueWord(text) && !isFalseWord(text)
        && !dictionary.isSynonymInSection("other", "to", text)
        && !dictionary.isSynonymInSection("other", "end", text);
}

void defineFromList(
    tlogoobject* object, NameCode name, tlogoobject* definition, std::string sourceText)
{
    tLogoTab& table = *object->ownTable;
    uint8_t keptFlags = 0;
    if (tTabDesc* existing = table.find(name)) {
        const bool running
            = existing->isProcedure() && static_cast<tProcDesc*>(existing)->running > 0;
        if (!existing->mayRedefine(running))
            throw eLogoException::withName(
                running ? erRedefineUsedProc : erRedefinePrimitiveProc, name);
        keptFlags = existing->flags & (donotsaveperm | userMarkA | userMarkB);
    }
    checkDefinition(definition);
    ValueRef nameWord(makeWord(NameCodes::instance().nameOf(name)));
    if (!isAcceptableProcedureName(nameWord.get()))
        throw eLogoException(erBadProcName, nameWord.get());
    auto* list = static_cast<tLogoList*>(definition);
    auto* inputs = static_cast<tLogoList*>(list->first());
    tLogoList* body = list->rest() ? list->rest() : nullptr;
    ValueRef emptyBody;
    if (!body) {
        emptyBody = makeEmptyList();
        body = static_cast<tLogoList*>(emptyBody.get());
    }
    tLogoProcDesc* procedure = makeProcedure(name, inputs, body, std::move(sourceText));
    procedure->flags |= keptFlags;
    table.registerDesc(procedure);
}

void defineFromText(tlogoobject* object, std::string_view text, DefineMode mode)
{
    const std::string source = withCrLf(text);
    const std::string definition = withoutEnd(source);
    const size_t titleEnd = definition.find("\r\n");
    ValueRef title(readList(std::string_view(definition).substr(0, titleEnd)));
    auto* titleList = static_cast<tLogoList*>(title.get());
    if (titleList->isEmpty()
        || !languageDictionary().isSynonymInSection("other", "to", titleList->first()->text()))
        throw eLogoException(erMissingTO);
    if (!titleList->rest() || !titleList->rest()->first()->isWord())
        throw eLogoException(erMissingToName);
    tlogoobject* nameWord = titleList->rest()->first();
    if (!isAcceptableProcedureName(nameWord))
        throw eLogoException(erBadProcName, nameWord);
    if (mode == DefineMode::CheckOnly)
        return;
    const NameCode name = nameWord->nameCode();
    tTabDesc* existing = object->ownTable->find(name);
    if (existing && existing->isUserEntry && existing->valueText() == source)
        return;
    ValueRef inputs(inputsOfTitle(titleList));
    ValueRef body(readList(bodyText(definition)));
    ValueRef bodyLine(makeListCell(body.get(), nullptr));
    ValueRef whole(makeListCell(inputs.get(), static_cast<tLogoList*>(bodyLine.get())));
    defineFromList(object, name, whole.get(), source);
}

} // namespace velmora
