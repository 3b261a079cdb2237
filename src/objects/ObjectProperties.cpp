#include "objects/ObjectProperties.h"

#include "interpreter/Registration.h"
#include "localization/PropertyRows.h"
#include "objects/PropertyRegistration.h"
#include "objects/RunningObject.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    constexpr int32_t keyMenuCode = 176;
    constexpr int32_t frozenCode = 178;

    tlogoobject* keyMenu(tmultiobject& object) { return object.keyMenu.list(); }

    void setKeyMenu(tmultiobject& object, tlogoobject* value)
    {
        object.keyMenu = KeyMenu::read(value);
    }

    tlogoobject* frozen(tmultiobject& object) { return makeBool(object.frozen); }

    void setFrozen(tmultiobject& object, tlogoobject* value) { object.frozen = value->asBool(); }

    // As the setter does it, so that the property is saved again.
    template <bool Frozen> tlogoobject* primFreeze(tlogoobject*)
    {
        tmultiobject& object = runningObject();
        const NameCode frozenName = PropertyRows::instance().row(frozenCode).mainCode;
        clearDoNotSave(object, { &frozenName, 1 });
        object.frozen = Frozen;
        return nullptr;
    }

    // An object inside a frozen container is frozen with it.
    bool primIsFrozen(tlogoobject*)
    {
        for (const tmultiobject* object = &runningObject(); object; object = object->place())
            if (object->frozen)
                return true;
        return false;
    }

} // namespace

void registerObjectProperties(tmultiobject& root)
{
    registerMethodProperty(root, { .code = keyMenuCode, .getter = keyMenu, .setter = setKeyMenu },
        PropertyBinding::Instances);
    registerMethodProperty(root, { .code = frozenCode, .getter = frozen, .setter = setFrozen },
        PropertyBinding::Instances);
    static constexpr PrimitiveRow rows[] = {
        fixed<0>("freezeme", etFun, primFreeze<true>),
        fixed<0>("unfreezeme", etFun, primFreeze<false>),
        predicate<0>("isfrozen?", etFun, primIsFrozen),
    };
    registerPrimitives(*root.ownTable, &root, rows);
}

} // namespace velmora
