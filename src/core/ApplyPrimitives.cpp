#include "core/ApplyPrimitives.h"

#include "interpreter/Evaluator.h"
#include "interpreter/LogoProcDesc.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/Registration.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "values/ValueFactory.h"

#include <algorithm>
#include <array>
#include <optional>

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    // One nesting counter per primitive of the family, shared by all processes, so that the
    // temporary procedures of nested calls get different names.
    enum class Family { Apply, Map, Filter, Generate };
    constexpr std::array<std::string_view, 4> familyNames
        = { "apply", "map", "filter", "generate" };
    std::array<int32_t, 4> nestingCounters {};

    enum class Wanted { Nothing, Value };

    // The procedure a procedure input stands for. Definitions and templates become temporary
    // procedures of the current object, erased again when the scope ends.
    class ProcedureInput {
    public:
        ProcedureInput(Family family, tlogoobject* input, int32_t inputCount, Wanted wanted)
            : m_family(family)
            , m_object(state().currentObject)
        {
            ++nestingCounters[static_cast<size_t>(family)];
            if (input->isWord()) {
                m_desc = m_object->findProc(input->nameCode());
                return;
            }
            if (!input->isList())
                throw eLogoException(erExpectWord, input);
            if (input->isEmpty())
                throw eLogoException(erEmptyList, input);
            auto* list = static_cast<tLogoList*>(input);
            if (list->first()->isList())
                define("define", list);
            else
                defineTemplate(list, inputCount, wanted);
        }
        ~ProcedureInput()
        {
            if (m_temporaryName)
                m_object->ownTable->tryErase(m_temporaryName);
            --nestingCounters[static_cast<size_t>(m_family)];
        }
        ProcedureInput(const ProcedureInput&) = delete;
        ProcedureInput& operator=(const ProcedureInput&) = delete;

        tProcDesc* desc() const { return m_desc; }
        // Error 27 or 38 naming a fixed-input procedure called with another count.
        void checkInputCount(int32_t count) const
        {
            if (m_desc->varpar || m_desc->procKind != ProcKind::Ordinary)
                return;
            if (count < m_desc->defpar)
                throw eLogoException::withPrimitive(erNotEnoughInputs, m_desc->name);
            if (count > m_desc->defpar)
                throw eLogoException::withPrimitive(erTooManyInputs, m_desc->name);
        }
        // Error 15 unless the procedure takes exactly one input (or any number).
        void checkTakesOneInput(tlogoobject* input) const
        {
            if (!m_desc->varpar && m_desc->defpar != 1)
                throw eLogoException(erExpectBadProc, input);
        }

    private:
        void define(std::string_view kind, tLogoList* definition)
        {
            const std::string name
                = std::string(familyNames[static_cast<size_t>(m_family)])
                      .append(1, '.')
                      .append(kind)
                      .append(std::to_string(nestingCounters[static_cast<size_t>(m_family)]));
            const NameCode code = NameCodes::instance().intern(name);
            defineFromList(m_object, code, definition);
            m_temporaryName = code;
            m_desc = m_object->findProc(code);
        }

        // [template] with inputs "%" (one) or "%1".."%n", as a command or outputting its value.
        void defineTemplate(tLogoList* templateList, int32_t inputCount, Wanted wanted)
        {
            ListBuilder inputs;
            for (int32_t i = 1; i <= inputCount; ++i)
                inputs.append(
                    makeWord(std::string(1, '%').append(inputCount == 1 ? "" : std::to_string(i))));
            ValueRef line(templateList);
            if (wanted == Wanted::Value) {
                ValueRef output(makeWord(languageDictionary().firstDictionaryWord("output")));
                line = makeListCell(output.get(), templateList);
            }
            ValueRef inputList(inputs.finish());
            ValueRef body(makeListCell(line.get(), nullptr));
            ValueRef definition(makeListCell(inputList.get(), static_cast<tLogoList*>(body.get())));
            define("template", static_cast<tLogoList*>(definition.get()));
        }

        Family m_family;
        tlogoobject* m_object;
        tProcDesc* m_desc = nullptr;
        NameCode m_temporaryName = 0;
    };

    // Pushes the inputs and calls the procedure as a command or for its value.
    ValueRef callWith(
        const ProcedureInput& procedure, const std::vector<tlogoobject*>& inputs, Wanted wanted)
    {
        InterpreterState& s = state();
        for (tlogoobject* input : inputs)
            s.valueStack.push(input);
        const auto count = static_cast<int32_t>(inputs.size());
        if (wanted == Wanted::Value)
            return evaluator::applyForValue(s, procedure.desc(), count);
        evaluator::applyAsCommand(s, procedure.desc(), count);
        return {};
    }

    Wanted wantedBy(CallForm form)
    {
        return form == CallForm::Operation ? Wanted::Value : Wanted::Nothing;
    }

    tlogoobject* primApply(tlogoobject*, tLogoStack& stack, int32_t count, CallForm form)
    {
        if (count < 2)
            throw eLogoException(erNotEnoughInputs);
        if (count > 2)
            throw eLogoException(erTooManyInputs);
        tlogoobject* inputList = stack.lookAt(0);
        if (!inputList->isList())
            throw eLogoException(erExpectList, inputList);
        std::vector<tlogoobject*> inputs;
        for (tlogoobject* item : elements(static_cast<tLogoList*>(inputList)))
            inputs.push_back(item);
        const ProcedureInput procedure(
            Family::Apply, stack.lookAt(1), static_cast<int32_t>(inputs.size()), wantedBy(form));
        procedure.checkInputCount(static_cast<int32_t>(inputs.size()));
        return handOver(callWith(procedure, inputs, wantedBy(form)).leak());
    }

    // The items of a data input of "map": a list's elements or a word's characters.
    std::vector<ValueRef> itemsOf(tlogoobject* data)
    {
        std::vector<ValueRef> items;
        if (data->isList()) {
            for (tlogoobject* item : elements(static_cast<tLogoList*>(data)))
                items.emplace_back(item);
        } else if (data->isWord()) {
            for (char c : data->text())
                items.emplace_back(makeWord(std::string(1, c)));
        } else {
            throw eLogoException(erExpectList, data);
        }
        return items;
    }

    tlogoobject* primMap(tlogoobject*, tLogoStack& stack, int32_t count, CallForm form)
    {
        if (count < 2)
            throw eLogoException(erNotEnoughInputs);
        std::vector<std::vector<ValueRef>> data;
        for (int32_t i = count - 2; i >= 0; --i) {
            data.push_back(itemsOf(stack.lookAt(i)));
            if (data.back().size() != data.front().size())
                throw eLogoException(erBadStructure, stack.lookAt(i));
        }
        const Wanted wanted = wantedBy(form);
        const ProcedureInput procedure(
            Family::Map, stack.lookAt(count - 1), static_cast<int32_t>(data.size()), wanted);
        ListBuilder results;
        for (size_t item = 0; item < data.front().size(); ++item) {
            std::vector<tlogoobject*> inputs;
            for (const auto& items : data)
                inputs.push_back(items[item].get());
            ValueRef result = callWith(procedure, inputs, wanted);
            if (wanted == Wanted::Value)
                results.append(result.get());
        }
        return wanted == Wanted::Value ? results.finish() : nullptr;
    }

    tlogoobject* primFilter(tlogoobject*, tlogoobject* procedureInput, tlogoobject* list)
    {
        if (!list->isList())
            throw eLogoException(erBadStructure, list);
        const ProcedureInput procedure(Family::Filter, procedureInput, 1, Wanted::Value);
        procedure.checkTakesOneInput(procedureInput);
        ListBuilder kept;
        for (tlogoobject* item : elements(static_cast<tLogoList*>(list)))
            if (callWith(procedure, { item }, Wanted::Value)->asBool())
                kept.append(item);
        return kept.finish();
    }

    constexpr int32_t mostGenerated = 10000;

    tlogoobject* primGenerate(
        tlogoobject*, tlogoobject* countOrCondition, tlogoobject* step, tlogoobject* start)
    {
        const bool counted = countOrCondition->isNumber();
        int32_t remaining = counted ? std::max(0, countOrCondition->asInteger()) : 0;
        std::optional<ProcedureInput> condition;
        if (!counted) {
            condition.emplace(Family::Generate, countOrCondition, 1, Wanted::Value);
            condition->checkTakesOneInput(countOrCondition);
        }
        if (!step->isWord() && !step->isList())
            throw eLogoException(erExpectWord, step);
        std::optional<ProcedureInput> stepProcedure;
        if (!(step->isList() && step->isEmpty())) {
            stepProcedure.emplace(Family::Generate, step, 1, Wanted::Value);
            stepProcedure->checkTakesOneInput(step);
        }
        ListBuilder values;
        ValueRef current(start);
        for (int32_t produced = 0; produced < mostGenerated; ++produced) {
            if (counted ? remaining-- <= 0
                        : !callWith(*condition, { current.get() }, Wanted::Value)->asBool())
                break;
            values.append(current.get());
            if (stepProcedure)
                current = callWith(*stepProcedure, { current.get() }, Wanted::Value);
        }
        return values.finish();
    }

} // namespace

void registerApplyPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        variable("apply", etFun, 2, primApply),
        variable("map", etFun, 2, primMap),
        fixed<2>("filter", etFun, primFilter),
        fixed<3>("generate", etFun, primGenerate),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
