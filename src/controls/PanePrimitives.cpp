#include "controls/PanePrimitives.h"

#include "controls/PaneObject.h"
#include "controls/WindowPrimitives.h"
#include "interpreter/InterpreterState.h"
#include "interpreter/Registration.h"
#include "objects/PropertyRegistration.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // The pane commands belong to the pane itself, not to the turtles on it: error 86 otherwise.
    tlogopane& runningPane()
    {
        InterpreterState* state = InterpreterState::current();
        auto* pane = state ? dynamic_cast<tlogopane*>(state->currentObject) : nullptr;
        if (!pane)
            throw eLogoException(erInitPane);
        return *pane;
    }

    template <tlogopane::StackEnd End> tlogoobject* primMoveTo(tlogoobject*)
    {
        runningPane().moveTo(End);
        return nullptr;
    }

    tlogoobject* primStartMove(tlogoobject*)
    {
        runningPane().graphicPart().startUserMove();
        return nullptr;
    }

    // Dragging a pane by its own process is not offered yet: the command is accepted from a pane
    // and changes nothing.
    tlogoobject* primStartDrag(tlogoobject*)
    {
        runningPane();
        return nullptr;
    }

    // A class made from the panes has the property too, but no window: error 79.
    tlogopane& paneOf(tmultiobject& object)
    {
        auto* pane = dynamic_cast<tlogopane*>(&object);
        if (!pane)
            throw eLogoException(erInitGraphic);
        return *pane;
    }

    tlogoobject* getAutoDrag(tmultiobject& object) { return makeBool(paneOf(object).autoDrag); }

    void setAutoDrag(tmultiobject& object, tlogoobject* value)
    {
        paneOf(object).autoDrag = value->asBool();
    }

    constexpr int32_t autoDragCode = 64;

    constexpr PrimitiveRow rows[] = {
        fixed<0>("toFront", etFun, primMoveTo<tlogopane::StackEnd::Front>),
        fixed<0>("toBack", etFun, primMoveTo<tlogopane::StackEnd::Back>),
        fixed<0>("startMove", etFun, primStartMove),
        fixed<0>("startDrag", etFun, primStartDrag),
    };

} // namespace

void registerPanePrimitives(tmultiobject& paneClass)
{
    registerSurfacePrimitives(paneClass);
    registerPrimitives(paneClass.procTable(), &paneClass, rows);
    registerMethodProperty(paneClass,
        { .code = autoDragCode, .getter = getAutoDrag, .setter = setAutoDrag },
        PropertyBinding::Instances);
}

} // namespace velmora
