#include "interpreter/Compiler.h"

#include "localization/DictionaryText.h"
#include "localization/LanguageWords.h"
#include "localization/NameCodes.h"
#include "values/Errors.h"
#include "values/LogoWord.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"
#include "values/ValueRef.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

    ElementTypes kindOfShortName(std::string_view name)
    {
        if (name.size() == 1) {
            switch (name[0]) {
            case '(':
                return etLpar;
            case ')':
                return etRpar;
            case '*':
            case '/':
                return etMulOp;
            case '+':
            case '-':
                return etAddOp;
            case '<':
            case '=':
            case '>':
                return etRelOp;
            default:
                return etUnknownOp;
            }
        }
        if (name == "<=" || name == ">=" || name == "<>")
            return etRelOp;
        return etUnknownOp;
    }

    class CodeBuilder {
    public:
        ~CodeBuilder()
        {
            for (CodeRecord& record : m_records)
                release(record.constant);
        }

        void addElement(tlogoobject* element)
        {
            // Booleans read from source are constants too: no procedure stands behind "true".
            if (!element->isWord() || element->isNumber()
                || element->kind() == ValueKind::Boolean) {
                addConstant(element);
                return;
            }
            const std::string& text = element->text();
            if (text.empty())
                return;
            if (text[0] == '"') {
                addConstant(makeLastingWord(text.substr(1)));
                return;
            }
            if (text[0] == ':') {
                addName(etVariable, NameCodes::instance().intern(std::string_view(text).substr(1)));
                return;
            }
            addNameWord(text);
        }

        CodeArray* finish()
        {
            m_records.push_back({ .kind = etEnd, .afterParen = 0, .name = 0, .constant = nullptr });
            auto* code = new CodeArray;
            code->count = static_cast<int32_t>(m_records.size());
            code->records = std::make_unique<CodeRecord[]>(m_records.size());
            std::copy(m_records.begin(), m_records.end(), code->records.get());
            m_records.clear();
            return code;
        }

    private:
        void addConstant(tlogoobject* value)
        {
            addRef(value);
            m_records.push_back({ .kind = etConst, .afterParen = 0, .name = 0, .constant = value });
        }

        void addName(ElementTypes kind, NameCode name)
        {
            uint8_t afterParen = 0;
            if (!m_records.empty()) {
                const CodeRecord& previous = m_records.back();
                afterParen = previous.kind == etLpar
                    || (previous.afterParen
                        && (previous.kind == etObjectPrefixFun || previous.kind == etUsualPrefix));
            }
            m_records.push_back(
                { .kind = kind, .afterParen = afterParen, .name = name, .constant = nullptr });
        }

        void addNameWord(std::string_view name)
        {
            NameCodes& codes = NameCodes::instance();
            if (name.size() < 3) {
                const ElementTypes kind = kindOfShortName(name);
                addName(kind, kind == etLpar || kind == etRpar ? 0 : codes.intern(name));
                return;
            }
            const std::string lower = asciiLowered(name);
            for (std::string_view prefix :
                { std::string_view(usualPrefix()), internalUsualPrefix }) {
                if (lower.starts_with(asciiLowered(prefix)) && name.size() > prefix.size()) {
                    addName(etUsualPrefix, codes.intern(name.substr(prefix.size())));
                    return;
                }
            }
            size_t apostrophe;
            while ((apostrophe = name.find('\'')) != std::string_view::npos) {
                const std::string_view object = name.substr(0, apostrophe);
                addName(etObjectPrefixFun,
                    object.empty() ? codes.intern(mainClassName()) : codes.intern(object));
                name.remove_prefix(apostrophe + 1);
            }
            addName(etUnknownOp, codes.intern(name));
        }

        static constexpr std::string_view internalUsualPrefix = "\xB7param\xB7usual'";
        std::vector<CodeRecord> m_records;
    };

} // namespace

CodeArray* compileList(tLogoList* list, CompileMode mode)
{
    CodeBuilder builder;
    switch (mode) {
    case CompileMode::Instructions:
        for (tlogoobject* element : elements(list))
            builder.addElement(element);
        break;
    case CompileMode::Lines:
        for (tlogoobject* line : elements(list)) {
            if (!line->isList()) {
                builder.addElement(line);
                continue;
            }
            for (tlogoobject* element : elements(static_cast<tLogoList*>(line)))
                builder.addElement(element);
        }
        break;
    case CompileMode::CaseClauses:
        builder.addElement(list);
        break;
    }
    return builder.finish();
}

CodeArray* compileWordText(const std::string& text, CompileMode mode)
{
    ValueRef list(readList(text));
    return compileList(static_cast<tLogoList*>(list.get()), mode);
}

CodeArray* compile(tlogoobject* value, CompileMode mode)
{
    if (value->kind() == ValueKind::List) {
        auto* list = static_cast<tLogoList*>(value);
        if (CodeArray* cached = cachedCode(list, mode))
            return cached;
        CodeArray* code = compileList(list, mode);
        list->codeCache().store(code, mode);
        return code;
    }
    if (!value->isWord())
        throw eLogoException(erExpectList, value);
    CodeCache& cache = static_cast<tLogoWord*>(value)->codeCache();
    if (CompiledCode* cached = cache.find(mode))
        return static_cast<CodeArray*>(cached);
    CodeArray* code = compileWordText(value->text(), mode);
    cache.store(code, mode);
    return code;
}

CodeArray::~CodeArray()
{
    for (int32_t i = 0; i < count; ++i)
        release(records[i].constant);
}

} // namespace velmora
