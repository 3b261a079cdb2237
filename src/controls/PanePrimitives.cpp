#include "controls/PanePrimitives.h"

#include "controls/PaneObject.h"
#include "controls/WindowPrimitives.h"
#include "graphics/PointLists.h"
#include "graphics/SizeInput.h"
#include "graphics/TurtlePositions.h"
#include "interpreter/InterpreterState.h"
#include "interpreter/Registration.h"
#include "objects/PropertyRegistration.h"
#include "objects/PseudoVariables.h"
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

    tlogoobject* primStartDrag(tlogoobject*)
    {
        runningPane().graphicPart().startDragging();
        return nullptr;
    }

    // A class made from the panes has the properties too, but no window: error 79.
    tlogopane& paneOf(tmultiobject& object)
    {
        auto* pane = dynamic_cast<tlogopane*>(&object);
        if (!pane)
            throw eLogoException(erInitGraphic);
        return *pane;
    }

    // The pane's place: its top-left corner, in the page's pixels ("aPos") or as a point of the
    // page's cartesian coordinates ("pos"), and its size.
    tlogoobject* getAbsolutePosition(tmultiobject& object)
    {
        return pointList(paneOf(object).area().topLeft());
    }

    void setAbsolutePosition(tmultiobject& object, tlogoobject* value)
    {
        tlogopane& pane = paneOf(object);
        QRect area = pane.area();
        area.moveTopLeft(absolutePositionFromList(value, pane.pageSurface()).rounded());
        pane.setArea(area);
    }

    tlogoobject* getPosition(tmultiobject& object)
    {
        tlogopane& pane = paneOf(object);
        return pointList(pane.pageSurface().toCartesian(pane.area().topLeft()));
    }

    void setPosition(tmultiobject& object, tlogoobject* value)
    {
        tlogopane& pane = paneOf(object);
        QRect area = pane.area();
        area.moveTopLeft(positionFromList(value, pane.pageSurface()).rounded());
        pane.setArea(area);
    }

    tlogoobject* getSize(tmultiobject& object)
    {
        const QSize size = paneOf(object).area().size();
        return pointList(size.width(), size.height());
    }

    void setSize(tmultiobject& object, tlogoobject* value)
    {
        tlogopane& pane = paneOf(object);
        pane.setArea(QRect(pane.area().topLeft(), sizeFromList(value)));
    }

    tlogoobject* primSetPosition(tlogoobject*, tlogoobject* position)
    {
        setPosition(runningPane(), position);
        return nullptr;
    }

    tlogoobject* primSetAbsolutePosition(tlogoobject*, tlogoobject* position)
    {
        setAbsolutePosition(runningPane(), position);
        return nullptr;
    }

    // From the pane's top-left corner, y up as in the page's coordinates, so that the page's
    // mouse position less it is where the dragged pane's corner goes.
    tlogoobject* primClickedPosition(tlogoobject*)
    {
        const MousePoint clicked = runningPane().graphicPart().clickedPosition();
        return pointList(clicked.x, -clicked.y);
    }

    tlogoobject* getAutoDrag(tmultiobject& object) { return makeBool(paneOf(object).autoDrag); }

    void setAutoDrag(tmultiobject& object, tlogoobject* value)
    {
        paneOf(object).autoDrag = value->asBool();
    }

    constexpr int32_t absolutePositionCode = 1;
    constexpr int32_t positionCode = 4;
    constexpr int32_t sizeCode = 5;
    constexpr int32_t autoDragCode = 64;
    constexpr int32_t positionAlsoChanges[] = { absolutePositionCode };
    constexpr int32_t absolutePositionAlsoChanges[] = { positionCode };

    constexpr MethodProperty properties[] = {
        { .code = absolutePositionCode,
            .getter = getAbsolutePosition,
            .setter = setAbsolutePosition,
            .alsoChanges = absolutePositionAlsoChanges },
        { .code = positionCode,
            .getter = getPosition,
            .setter = setPosition,
            .alsoChanges = positionAlsoChanges,
            .flags = donotsaveperm },
        { .code = sizeCode, .getter = getSize, .setter = setSize },
        { .code = autoDragCode, .getter = getAutoDrag, .setter = setAutoDrag },
    };

    constexpr PrimitiveRow rows[] = {
        fixed<0>("toFront", etFun, primMoveTo<tlogopane::StackEnd::Front>),
        fixed<0>("toBack", etFun, primMoveTo<tlogopane::StackEnd::Back>),
        fixed<0>("startMove", etFun, primStartMove),
        fixed<0>("startDrag", etFun, primStartDrag),
        fixed<1>(".setpos", etFun, primSetPosition),
        fixed<1>(".setapos", etFun, primSetAbsolutePosition),
        fixed<0>("clickedpos", etFun, primClickedPosition),
    };

} // namespace

void registerPanePrimitives(tmultiobject& paneClass)
{
    registerSurfacePrimitives(paneClass);
    registerPrimitives(paneClass.procTable(), &paneClass, rows);
    for (const MethodProperty& property : properties)
        registerMethodProperty(paneClass, property, PropertyBinding::Instances);
}

} // namespace velmora
