#include "objects/ContainerPrimitives.h"

#include "interpreter/InterpreterState.h"
#include "interpreter/Registration.h"
#include "objects/ContainerObject.h"
#include "objects/RunningObject.h"
#include "values/LogoList.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    tcontainerobject& container(tlogoobject* owner)
    {
        return *static_cast<tcontainerobject*>(owner);
    }

    template <CreationForm Form>
    tlogoobject* primNew(tlogoobject* owner, tlogoobject* objectClass, tlogoobject* pairs)
    {
        container(owner).newObject(objectClass, pairs, Form);
        return nullptr;
    }

    // "(newobject class key value ...)": the inputs after the class are the pairs.
    tlogoobject* primNewObject(tlogoobject* owner, tLogoStack& stack, int32_t count, CallForm)
    {
        if (count < 1)
            throw eLogoException(erNotEnoughInputs);
        ListBuilder pairs;
        for (int32_t index = count - 2; index >= 0; --index)
            pairs.append(stack.lookAt(index));
        ValueRef pairList(pairs.finish());
        container(owner).newObject(stack.lookAt(count - 1), pairList.get(), CreationForm::New);
        return nullptr;
    }

    tlogoobject* primNewClass(
        tlogoobject* owner, tlogoobject* parent, tlogoobject* name, tlogoobject* pairs)
    {
        container(owner).newClass(parent, name, pairs);
        return nullptr;
    }

    void eraseNamed(tcontainerobject& from, tlogoobject* names)
    {
        if (!names->isList()) {
            from.eraseObject(names, EraseMode::RefuseClasses);
            return;
        }
        ValueRef held(names);
        for (tlogoobject* name : elements(static_cast<tLogoList*>(names)))
            from.eraseObject(name, EraseMode::RefuseClasses);
    }

    // Each input is a name or a list of names.
    tlogoobject* primEraseObject(tlogoobject* owner, tLogoStack& stack, int32_t count, CallForm)
    {
        for (int32_t index = count - 1; index >= 0; --index)
            eraseNamed(container(owner), stack.lookAt(index));
        endIfRunningObjectErased();
        return nullptr;
    }

    tlogoobject* primEraseComplete(tlogoobject* owner, tlogoobject* name)
    {
        container(owner).eraseObject(name, EraseMode::Complete);
        endIfRunningObjectErased();
        return nullptr;
    }

    tlogoobject* primMyName(tlogoobject*)
    {
        auto* self = dynamic_cast<tmultiobject*>(InterpreterState::current()->currentObject);
        if (!self)
            throw eLogoException(erNamedObject);
        return makeWord(self->name());
    }

} // namespace

void registerContainerPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<2>("new", etFun, primNew<CreationForm::New>),
        fixed<2>(".new", etFun, primNew<CreationForm::NewDot>),
        fixed<2>(".new.", etFun, primNew<CreationForm::NewDotDot>),
        variable("newobject", etFun, 1, primNewObject),
        fixed<3>("newclass", etFun, primNewClass),
        variable("eraseobject", etFun, 1, primEraseObject),
        fixed<1>("erasecomplete", etFun, primEraseComplete),
        fixed<0>("myname", etFun, primMyName),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
