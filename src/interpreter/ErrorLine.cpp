#include "interpreter/ErrorLine.h"

#include "interpreter/Compiler.h"
#include "values/LogoList.h"
#include "values/NativeStack.h"

namespace velmora {

namespace {

    // Every word, number and "[" of a list's text, nested lists included.
    int32_t elementsIn(tLogoList* list)
    {
        NativeStack::check();
        int32_t count = 0;
        for (tlogoobject* element : elements(list)) {
            ++count;
            if (element->isList())
                count += elementsIn(static_cast<tLogoList*>(element));
        }
        return count;
    }

    // The elements of the text a record was compiled from. An object prefix belongs to the word
    // of the name that follows it.
    int32_t elementsOf(const CodeRecord& record)
    {
        switch (record.kind) {
        case etObjectPrefixFun:
        case etEnd:
            return 0;
        case etConst:
            return record.constant->isList()
                ? 1 + elementsIn(static_cast<tLogoList*>(record.constant))
                : 1;
        default:
            return 1;
        }
    }

    // The record of the statement starting at `start` that holds the list whose compiled array
    // is `inner`, or none.
    const CodeRecord* constantListRunAs(const CodeArray* code, int32_t start, const void* inner)
    {
        for (int32_t i = start; i < code->count; ++i) {
            const CodeRecord& record = code->records[i];
            if (record.kind == etConst && record.constant->isList()
                && cachedCode(static_cast<tLogoList*>(record.constant), CompileMode::Instructions)
                    == inner)
                return &record;
        }
        return nullptr;
    }

} // namespace

int32_t failingElementNumber(CodeArray* body, const eLogoException& error)
{
    const auto& path = error.path;
    size_t level = path.size();
    while (level > 0 && error.pathCodes[level - 1] != body)
        --level;
    if (level == 0)
        return 0;
    --level;
    int32_t element = 0;
    const CodeArray* code = body;
    for (;;) {
        const int32_t start = path[level] - 1;
        for (int32_t i = 0; i < start; ++i)
            element += elementsOf(code->records[i]);
        const CodeRecord* list
            = level > 0 ? constantListRunAs(code, start, error.pathCodes[level - 1]) : nullptr;
        if (!list)
            return element + 1;
        for (const CodeRecord* record = code->records.get() + start; record != list; ++record)
            element += elementsOf(*record);
        element += 1; // the list's "["
        code = cachedCode(static_cast<tLogoList*>(list->constant), CompileMode::Instructions);
        --level;
    }
}

} // namespace velmora
