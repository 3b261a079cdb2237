#include "objects/AskTable.h"

#include "interpreter/AskStack.h"
#include "interpreter/InterpreterState.h"
#include "interpreter/ProcDesc.h"
#include "localization/NameCodes.h"
#include "objects/MultiObject.h"

#include <vector>

namespace velmora {

namespace {

    NameCode askObjectCode() { return NameCodes::instance().intern("@askobj"); }

    // tGrObjectProcDesc: a command of a prototype, called for every object of the who list.
    class tGrObjectProcDesc : public tProcDesc {
    public:
        explicit tGrObjectProcDesc(tProcDesc& command)
            : tProcDesc(command.name, command.defpar, command.varpar != 0,
                static_cast<ElementTypes>(command.funtype))
            , m_command(command)
        {
            flags = command.flags;
        }

        void call(int32_t inputCount, CallForm form, CallRoute) override
        {
            InterpreterState& state = *InterpreterState::current();
            if (tlogoobject* only = onlyObject(state)) {
                AskScope scope(state, only);
                m_command.call(inputCount, form, CallRoute::Evaluator);
                return;
            }
            std::vector<ValueRef> inputs(static_cast<size_t>(inputCount));
            for (auto input = inputs.rbegin(); input != inputs.rend(); ++input)
                *input = state.valueStack.pop();
            const InterpreterState::WhoList who
                = state.whoList ? *state.whoList : InterpreterState::WhoList {};
            ValueRef first;
            bool answered = false;
            for (tlogoobject* object : who) {
                if (!object)
                    continue;
                {
                    AskScope scope(state, object);
                    for (const ValueRef& input : inputs)
                        state.valueStack.push(input.get());
                    m_command.call(inputCount, form, CallRoute::Evaluator);
                    ValueRef result = state.valueStack.pop();
                    if (!answered)
                        first = std::move(result);
                    answered = true;
                }
                if (state.stopFlag)
                    break;
            }
            state.valueStack.push(first.get());
        }

    private:
        // A who list of one object, the usual case, calls it with the inputs where they are.
        static tlogoobject* onlyObject(const InterpreterState& state)
        {
            return state.whoList && state.whoList->size() == 1 ? state.whoList->front() : nullptr;
        }

        tProcDesc& m_command;
    };

} // namespace

tAskObject::tAskObject(tmultiobject& prototype)
    : tlogoobject(ValueKind::Object)
    , m_table(prototype)
{
}

tProcDesc* tAskObject::AskTab::findForWhoList(NameCode name)
{
    if (tProcDesc* known = findProc(name))
        return known;
    tProcDesc* command = m_prototype.tryProc(name);
    if (!command || !(command->flags & builtin))
        return nullptr;
    auto* broadcast = new tGrObjectProcDesc(*command);
    broadcast->whoListTable = this;
    registerDesc(broadcast);
    return broadcast;
}

void giveAskTable(tmultiobject& prototype)
{
    ValueRef askObject(new tAskObject(prototype));
    prototype.varTable().setVarMarked(askObjectCode(), askObject.get());
}

tLogoTab* askTableOf(tlogoobject* object)
{
    auto* multiObject = dynamic_cast<tmultiobject*>(object);
    tLogoVarDesc* variable = multiObject ? multiObject->findVariable(askObjectCode()) : nullptr;
    auto* askObject = variable ? dynamic_cast<tAskObject*>(variable->value()) : nullptr;
    return askObject ? &askObject->table() : nullptr;
}

} // namespace velmora
