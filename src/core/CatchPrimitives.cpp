#include "core/CatchPrimitives.h"

#include "interpreter/ErrorText.h"
#include "interpreter/Evaluator.h"
#include "interpreter/Registration.h"
#include "localization/DictionaryText.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "values/ValueFactory.h"

#include <algorithm>

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    bool isErrorTag(std::string_view tag)
    {
        return languageDictionary().isSynonymInSection("other", "error", tag);
    }

    bool isTopLevelTag(std::string_view tag)
    {
        return languageDictionary().isSynonym("toplevel", tag);
    }

    // The tag is active while its "catch" runs; the value stack is cut back when it catches.
    class CatchScope {
    public:
        CatchScope(InterpreterState& s, std::string tag)
            : m_state(s)
            , m_height(s.valueStack.height())
        {
            s.catchTags.push_back(std::move(tag));
        }
        ~CatchScope() { m_state.catchTags.pop_back(); }
        CatchScope(const CatchScope&) = delete;
        CatchScope& operator=(const CatchScope&) = delete;

        void caught()
        {
            m_state.valueStack.cutBackTo(m_height);
            m_state.stopFlag = 0;
            m_state.pendingCall = nullptr;
        }

    private:
        InterpreterState& m_state;
        int32_t m_height;
    };

    void recordLastError(InterpreterState& s, const eLogoException& error)
    {
        LastError& record = s.lastError;
        record.caught = true;
        record.code = error.code;
        record.message = errorMessage(error);
        record.procName = error.procName;
        record.line = error.procName.empty() ? 0 : error.line;
        record.lineText = error.lineText;
        record.value = error.datum;
        if (!record.value && error.datumCode)
            record.value = makeWord(NameCodes::instance().nameOf(error.datumCode));
    }

    tlogoobject* primCatch(tlogoobject*, tlogoobject* tag, tlogoobject* list)
    {
        InterpreterState& s = state();
        const std::string name = asciiLowered(tag->text());
        CatchScope scope(s, name);
        try {
            evaluator::runValue(s, list);
        } catch (const ethrow& thrown) {
            if (thrown.tag != name)
                throw;
            scope.caught();
        } catch (const eLogoException& error) {
            if (!isErrorTag(name))
                throw;
            recordLastError(s, error);
            scope.caught();
        } catch (const eTerminateException& stop) {
            if (stop.reason != eTerminateException::Reason::ThrowToTopLevel || !isTopLevelTag(name))
                throw;
            scope.caught();
        }
        return nullptr;
    }

    tlogoobject* primThrow(tlogoobject*, tlogoobject* tag)
    {
        InterpreterState& s = state();
        const std::string name = asciiLowered(tag->text());
        if (isTopLevelTag(name))
            throw eTerminateException(eTerminateException::Reason::ThrowToTopLevel);
        if (std::find(s.catchTags.begin(), s.catchTags.end(), name) == s.catchTags.end())
            throw eLogoException(erNoCatch, tag);
        throw ethrow(name);
    }

    tlogoobject* wordOrEmptyList(const std::string& text)
    {
        return text.empty() ? static_cast<tlogoobject*>(makeEmptyList()) : makeWord(text);
    }

    // [number message procedure line linetext value], once; then the empty list until the next
    // error is caught.
    tlogoobject* primError(tlogoobject*)
    {
        LastError& record = state().lastError;
        if (!record.caught)
            return makeEmptyList();
        std::string message = record.message;
        for (size_t at; (at = message.find("\r\n")) != std::string::npos;)
            message.erase(at + 1, 1);
        ListBuilder items;
        items.append(makeInteger(record.code));
        items.append(makeWord(message));
        items.append(wordOrEmptyList(record.procName));
        items.append(makeInteger(record.line));
        items.append(wordOrEmptyList(record.lineText));
        items.append(record.value ? record.value.get() : makeEmptyList());
        record = LastError {};
        return items.finish();
    }

    tlogoobject* primThrowError(tlogoobject*, tlogoobject* message, tlogoobject* value)
    {
        throw eLogoException::user(message->printForm(false), value);
    }

} // namespace

void registerCatchPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<2>("catch", etFun, primCatch),
        fixed<1>("throw", etFun, primThrow),
        fixed<0>("error", etFun, primError),
        fixed<2>("throwerror", etFun, primThrowError),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
