#include "controls/ScreenPointPrimitives.h"

#include "controls/PageObject.h"
#include "controls/PaneObject.h"
#include "graphics/PointLists.h"
#include "graphics/RectangleInputs.h"
#include "interpreter/Registration.h"
#include "processes/MainThreadCall.h"
#include "values/ValueFactory.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPointer>

#include <functional>
#include <optional>

namespace velmora {

namespace {

    QPointer<QWidget> windowOf(SurfaceOwner& owner)
    {
        if (auto* pane = dynamic_cast<tlogopane*>(&owner))
            return pane->window();
        auto* page = dynamic_cast<tlogopage*>(&owner);
        return page ? page->window() : nullptr;
    }

    // Asks the window of the surface the commands act on, in the window thread; error 79 once
    // the window has gone.
    template <typename Answer>
    Answer askWindow(const std::function<Answer(QWidget& window)>& question)
    {
        const QPointer<QWidget> window = windowOf(currentSurfaceOwner());
        std::optional<Answer> answer;
        MainThreadCaller::current().call([&] {
            if (window)
                answer = question(*window);
        });
        if (!answer)
            throw eLogoException(erInitGraphic);
        return *answer;
    }

    const Surface& surface() { return currentSurfaceOwner().surface(); }

    tlogoobject* primToScreen(tlogoobject*, tlogoobject* point)
    {
        const QPoint pixel = surface().toPixel(pointFromList(point));
        return pointList(
            askWindow<QPoint>([pixel](QWidget& window) { return window.mapToGlobal(pixel); }));
    }

    tlogoobject* primToObject(tlogoobject*, tlogoobject* point)
    {
        const QPointF screen = pointFromList(point);
        return pointList(surface().toCartesian(askWindow<QPointF>(
            [screen](QWidget& window) { return window.mapFromGlobal(screen); })));
    }

    // The pixel in the window of the page, which differs from the surface's own on a pane.
    tlogoobject* primWindowsPosition(tlogoobject*, tlogoobject* point)
    {
        const QPoint pixel = surface().toPixel(pointFromList(point));
        const QPointer<QWidget> page = currentPage().window();
        return pointList(askWindow<QPoint>(
            [pixel, page](QWidget& window) { return page ? window.mapTo(page, pixel) : pixel; }));
    }

    // The buttons down, as bits: 1 the left, 2 the right, 4 the middle one.
    int32_t buttonBits(Qt::MouseButtons buttons)
    {
        return (buttons.testFlag(Qt::LeftButton) ? 1 : 0)
            | (buttons.testFlag(Qt::RightButton) ? 2 : 0)
            | (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
    }

    struct MouseState {
        QPoint at; // in the window's pixels
        int32_t buttons;
    };

    // [[x y] buttons]: where the pointer is, in the surface's cartesian coordinates, and the
    // buttons down.
    tlogoobject* primMouseState(tlogoobject*)
    {
        const MouseState state = askWindow<MouseState>([](QWidget& window) {
            return MouseState { window.mapFromGlobal(QCursor::pos()),
                buttonBits(QGuiApplication::mouseButtons()) };
        });
        ListBuilder list;
        list.append(ValueRef(pointList(surface().toCartesian(state.at))).get());
        list.append(ValueRef(makeInteger(state.buttons)).get());
        return list.finish();
    }

    tlogoobject* primSetMousePosition(tlogoobject*, tlogoobject* point)
    {
        const QPoint pixel = surface().toPixel(pointFromList(point));
        askWindow<bool>([pixel](QWidget& window) {
            QCursor::setPos(window.mapToGlobal(pixel));
            return true;
        });
        return nullptr;
    }

    constexpr PrimitiveRow rows[] = {
        fixed<1>("toscreen", etFun, primToScreen),
        fixed<1>("toobject", etFun, primToObject),
        fixed<1>(".windowspos", etFun, primWindowsPosition),
        fixed<0>("mousestate", etFun, primMouseState),
        fixed<1>("setmousepos", etFun, primSetMousePosition),
        fixed<1>(".setmousepos", etFun, primSetMousePosition),
    };

} // namespace

void registerScreenPointPrimitives(tmultiobject& surfaceClass)
{
    registerPrimitives(surfaceClass.procTable(), &surfaceClass, rows);
}

} // namespace velmora
