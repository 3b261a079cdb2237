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

    // Calls `run` with the tag active and gives what it ended with: the value `run` gave, the
    // value thrown with the tag, or none (a caught error, a caught throw to the top level).
    template <typename Run> ValueRef runCaught(tlogoobject* tag, Run run)
    {
        InterpreterState& s = state();
        const std::string name = asciiLowered(tag->text());
        CatchScope scope(s, name);
        try {
            return run(s);
        } catch (const ethrow& thrown) {
            if (thrown.tag != name)
                throw;
            ValueRef value = thrown.datum;
            scope.caught();
            return value;
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
        return {};
    }

    tlogoobject* runCatch(tlogoobject*, tlogoobject* tag, tlogoobject* list)
    {
        runCaught(tag, [list](InterpreterState& s) {
            evaluator::runValue(s, list);
            return ValueRef();
        });
        return nullptr;
    }

    // Used for its value, the list runs as instructions whose last one may report the value, so
    // that "output catch "found [search :list]" lets a search command throw what it found. With
    // no value, neither reported nor thrown, the evaluator reports that "catch" did not output.
    tlogoobject* evaluateCatch(tlogoobject*, tlogoobject* tag, tlogoobject* list)
    {
        ValueRef value = runCaught(
            tag, [list](InterpreterState& s) { return evaluator::runForValue(s, list); });
        return handOver(value.leak());
    }

    // The value of "(throw tag value)" travels as the throw's datum.
    tlogoobject* primThrow(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        if (count < 1)
            throw eLogoException(erNotEnoughInputs);
        if (count > 2)
            throw eLogoException(erTooManyInputs);
        InterpreterState& s = state();
        tlogoobject* tag = stack.lookAt(count - 1);
        const std::string name = asciiLowered(tag->text());
        if (isTopLevelTag(name))
            throw eTerminateException(eTerminateException::Reason::ThrowToTopLevel);
        if (std::find(s.catchTags.begin(), s.catchTags.end(), name) == s.catchTags.end())
            throw eLogoException(erNoCatch, tag);
        ethrow thrown(name);
        if (count == 2)
            thrown.datum = stack.lookAt(0);
        throw thrown;
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
        commandOrOperation<2>("catch", etFun, runCatch, evaluateCatch),
        variable("throw", etFun, 1, primThrow),
        fixed<0>("error", etFun, primError),
        fixed<2>("throwerror", etFun, primThrowError),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
