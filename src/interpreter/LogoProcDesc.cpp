#include "interpreter/LogoProcDesc.h"

#include "interpreter/Compiler.h"
#include "interpreter/ErrorLine.h"
#include "interpreter/Evaluator.h"
#include "interpreter/InterpreterState.h"
#include "interpreter/LogoLocaltab.h"
#include "interpreter/ProcedureDefinition.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    std::string otherWord(std::string_view key)
    {
        return languageDictionary().firstWord("other", key);
    }

    // Line n (from 1) of a CR LF text; empty when there is none.
    std::string lineOf(std::string_view text, int32_t n)
    {
        size_t start = 0;
        for (int32_t i = 1; i < n; ++i) {
            start = text.find("\r\n", start);
            if (start == std::string_view::npos)
                return {};
            start += 2;
        }
        if (n < 1 || start >= text.size())
            return {};
        return std::string(text.substr(start, text.find("\r\n", start) - start));
    }

    // Restores what a call changed in the process state, on every way out.
    class CallScope {
    public:
        CallScope(InterpreterState& state, int32_t& running, CallRoute route)
            : m_state(state)
            , m_running(running)
            , m_testFlag(state.testFlag)
            , m_callLevel(state.callLevel)
            , m_runNesting(state.runNesting)
        {
            state.callLevel = state.foundLevel;
            state.runNesting = route == CallRoute::Apply ? 1 : 0;
            ++running;
        }
        ~CallScope()
        {
            --m_running;
            m_state.callLevel = m_callLevel;
            m_state.runNesting = m_runNesting;
        }
        CallScope(const CallScope&) = delete;
        CallScope& operator=(const CallScope&) = delete;
        TestResult savedTestFlag() const { return m_testFlag; }

    private:
        InterpreterState& m_state;
        int32_t& m_running;
        TestResult m_testFlag;
        int32_t m_callLevel;
        int32_t m_runNesting;
    };

    // Closes the call's frame and restores the test flag unless a tail call continues in it.
    class FrameScope {
    public:
        FrameScope(InterpreterState& state, TestResult savedTestFlag, bool owned)
            : m_state(state)
            , m_testFlag(savedTestFlag)
            , m_owned(owned)
        {
        }
        ~FrameScope()
        {
            if (!m_owned || m_state.pendingCall)
                return;
            m_state.localTable->closeFrame();
            m_state.testFlag = m_testFlag;
        }
        FrameScope(const FrameScope&) = delete;
        FrameScope& operator=(const FrameScope&) = delete;

    private:
        InterpreterState& m_state;
        TestResult m_testFlag;
        bool m_owned;
    };

} // namespace

tLogoProcDesc::tLogoProcDesc(NameCode name, int32_t defpar, bool varpar, tLogoList* body,
    std::vector<NameCode> inputNames, std::string sourceText)
    : tProcDesc(name, defpar, varpar, etFun)
    , m_body(body)
    , m_inputNames(std::move(inputNames))
    , m_sourceText(std::move(sourceText))
{
    addRef(m_body);
    tailCallable = 1;
    isUserEntry = 1;
}

tLogoProcDesc::~tLogoProcDesc() { release(m_body); }

void tLogoProcDesc::bindInputs(CallRoute route)
{
    InterpreterState& state = *InterpreterState::current();
    tLogoLocaltab& locals = *state.localTable;
    const bool ownFrame = route != CallRoute::TailCall;
    if (ownFrame)
        locals.openFrame();
    for (size_t i = m_inputNames.size(); i-- > 0;) {
        tlogoobject* value = state.valueStack.popOwned();
        if (ownFrame)
            locals.bindOwned(m_inputNames[i], value);
        else
            locals.rebindOwned(m_inputNames[i], value);
    }
}

void tLogoProcDesc::call(int32_t inputCount, CallForm, CallRoute route)
{
    InterpreterState& state = *InterpreterState::current();
    prepareInputs(inputCount);
    bindInputs(route);
    CallScope scope(state, running, route);
    FrameScope frame(state, scope.savedTestFlag(), route != CallRoute::TailCall);
    tLogoStack& stack = state.valueStack;
    const int32_t height = stack.height();
    try {
        runBody();
    } catch (eOutputException& output) {
        stack.cutBackTo(height);
        stack.push(output.value.get());
        return;
    } catch (eLogoException& error) {
        state.pendingCall = nullptr;
        recordPlace(error);
        throw;
    }
    if (!state.stopFlag) {
        stack.push(nullptr);
    } else if (state.pendingCall) {
        // The chain's tail-call loop restores the flag the first call of the chain saved.
        if (route != CallRoute::TailCall)
            state.savedTestFlag = scope.savedTestFlag();
    } else {
        stack.cutBackTo(height);
        stack.push(state.outputValue);
        release(takeFromHolder(state.outputValue));
        state.stopFlag = 0;
    }
}

void tLogoProcDesc::runBody()
{
    evaluator::runList(*InterpreterState::current(), compile(m_body, CompileMode::Lines));
}

void tLogoProcDesc::recordPlace(eLogoException& error)
{
    if (!error.procName.empty())
        return;
    const int32_t element = failingElementNumber(compile(m_body, CompileMode::Lines), error);
    const std::string listing = bodyListing();
    const int32_t line = element < 1 ? 0 : locateElement(listing, element);
    error.recordPlace(nameText(), table ? table->owner : nullptr, line, ipProc);
    error.lineText = lineOf(listing, line);
}

std::string tLogoProcDesc::bodyListing() { return bodyText(valueText()); }

bool tLogoProcDesc::mayRedefine(bool whileRunning)
{
    (void)whileRunning;
    return running == 0;
}

std::string tLogoProcDesc::valueText()
{
    if (!m_sourceText.empty())
        return m_sourceText;
    std::string text = otherWord("to");
    text.append(1, ' ').append(nameText()).append(titleInputs()).append("\r\n");
    for (tlogoobject* line : elements(m_body)) {
        text.append(1, ' ');
        line->appendSourceForm(text, false);
        text.append("\r\n");
    }
    return text.append(otherWord("end"));
}

tlogoobject* tLogoProcDesc::definitionList()
{
    ValueRef inputs(inputList());
    return makeListCell(inputs.get(), m_body);
}

tLogoProcDescF::tLogoProcDescF(
    NameCode name, std::vector<NameCode> inputNames, tLogoList* body, std::string sourceText)
    : tLogoProcDesc(name, 0, false, body, std::move(inputNames), std::move(sourceText))
{
    defpar = static_cast<int32_t>(this->inputNames().size());
}

void tLogoProcDescF::prepareInputs(int32_t inputCount)
{
    if (inputCount < defpar)
        throw eLogoException::withPrimitive(erNotEnoughInputs, name);
    if (inputCount > defpar)
        throw eLogoException::withPrimitive(erTooManyInputs, name);
}

std::string tLogoProcDescF::titleInputs() const
{
    std::string text;
    for (NameCode input : inputNames())
        text.append(" :").append(NameCodes::instance().nameOf(input));
    return text;
}

tlogoobject* tLogoProcDescF::inputList() const
{
    ListBuilder inputs;
    for (NameCode input : inputNames())
        inputs.append(makeWord(NameCodes::instance().nameOf(input)));
    return inputs.finish();
}

tLogoProcDescV::tLogoProcDescV(
    NameCode name, NameCode input, int32_t defaultCount, tLogoList* body, std::string sourceText)
    : tLogoProcDesc(name, defaultCount, true, body, { input }, std::move(sourceText))
{
}

// All the actual inputs become one list, the procedure's single input.
void tLogoProcDescV::prepareInputs(int32_t inputCount)
{
    tLogoStack& stack = InterpreterState::current()->valueStack;
    ListBuilder inputs;
    for (int32_t i = inputCount - 1; i >= 0; --i)
        inputs.append(stack.lookAt(i));
    ValueRef list(inputs.finish());
    stack.drop(inputCount);
    stack.push(list.get());
}

std::string tLogoProcDescV::titleInputs() const
{
    return " :" + NameCodes::instance().nameOf(inputNames()[0]) + " [" + std::to_string(defpar)
        + "]";
}

tlogoobject* tLogoProcDescV::inputList() const
{
    ListBuilder count;
    count.append(makeInteger(defpar));
    ValueRef countList(count.finish());
    ListBuilder inputs;
    inputs.append(makeWord(NameCodes::instance().nameOf(inputNames()[0])));
    inputs.append(countList.get());
    return inputs.finish();
}

} // namespace velmora
