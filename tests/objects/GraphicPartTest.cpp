// The mouse behaviour of graphic objects, with the starting of handlers recorded instead of run:
// which input starts which handler, what is dropped or kept while one runs, and the user moving
// and resizing an object.
#include "objects/GraphicPart.h"
#include "localization/EventCodes.h"
#include "localization/NameCodes.h"
#include "objects/ActiveToolButton.h"
#include "objects/ContainerObject.h"
#include "values/ValueFactory.h"
#include "values/ValueFixture.h"

#include "RecordedHandlers.h"

#include <string>
#include <vector>

namespace velmora {

namespace {

    // A control whose handlers are recorded; the test ends each one when it likes.
    class RecordingControl : public tLogoGrObject {
    public:
        using tLogoGrObject::tLogoGrObject;

        ControlBounds box { 10, 20, 100, 50 };
        bool movable = true;
        bool resizable = true;
        bool isFrozen = false;
        bool selfDragging = false;
        bool takesTools = true;
        bool hasDoubleClickHandler = false;
        bool captured = false;

        RecordedHandlers handlers;
        std::vector<std::string>& started = handlers.started;

        void endHandler() { handlers.endOldest(); }

    protected:
        ControlBounds bounds() const override { return box; }
        void setBounds(const ControlBounds& bounds) override { box = bounds; }
        bool mayMove() const override { return movable; }
        bool mayResize() const override { return resizable; }
        bool frozen() const override { return isFrozen; }
        bool dragsItself() const override { return selfDragging; }
        bool acceptsTools() const override { return takesTools; }
        void captureMouse(bool capture, MouseCursor) override { captured = capture; }
        bool startEvent(NameCode event, EventNotification ended) override
        {
            return handlers.record(NameCodes::instance().nameOf(event), std::move(ended));
        }
        bool startDrag(EventNotification ended) override
        {
            return handlers.record("@drag", std::move(ended));
        }
        bool startToolAction(tmultiobject& tool, EventNotification ended) override
        {
            return handlers.record("@toolaction " + tool.name(), std::move(ended));
        }
        bool hasHandler(NameCode event) const override
        {
            return hasDoubleClickHandler
                && event == EventCodes::instance().eventCode("onDoubleClick");
        }
    };

    using Names = std::vector<std::string>;

    class GraphicPartTest : public ValueFixture {
    protected:
        GraphicPartTest()
            : control(*main().newClass(
                ValueRef(makeEmptyList()).get(), ValueRef(makeWord("ball")).get(), nullptr))
        {
        }

        tcontainerobject& main() { return *static_cast<tcontainerobject*>(state().currentObject); }

        static constexpr MouseKeys none {};
        static constexpr MouseKeys shift { true, false };
        static constexpr MouseKeys ctrl { false, true };

        RecordingControl control;
    };

    TEST_F(GraphicPartTest, InputWhileAHandlerRunsIsDroppedExceptTheLastButtonUp)
    {
        control.clicked();
        control.clicked();
        control.buttonDown(MouseButton::Left, { 5, 5 }, none);
        control.mouseMoved({ 6, 6 }, false);
        control.buttonUp(MouseButton::Right, { 7, 7 }, none);
        control.buttonUp(MouseButton::Middle, { 8, 8 }, none);
        EXPECT_EQ(control.started, Names({ "onClick" }));
        EXPECT_TRUE(control.eventRunning());
        control.endHandler();
        EXPECT_EQ(control.started, Names({ "onClick", "onMiddleUp" }));
        control.endHandler();
        EXPECT_FALSE(control.eventRunning());
        control.clicked();
        EXPECT_EQ(control.started.back(), "onClick");
    }

    TEST_F(GraphicPartTest, EnterAndLeaveWhileBusyCancelEachOther)
    {
        control.mouseMoved({ 1, 1 }, false);
        control.mouseEntered();
        control.mouseLeft();
        control.mouseLeft();
        control.mouseEntered();
        control.endHandler();
        EXPECT_EQ(control.started, Names({ "onMouseMove" }));
        EXPECT_FALSE(control.eventRunning());

        control.mouseMoved({ 1, 1 }, false);
        control.mouseLeft();
        control.endHandler();
        EXPECT_EQ(control.started, Names({ "onMouseMove", "onMouseMove", "onMouseLeave" }));
    }

    TEST_F(GraphicPartTest, PressesStartTheirButtonsHandlersAndRememberTheLeftPosition)
    {
        const struct {
            MouseButton button;
            bool doubleClick;
            bool doubleClickHandler;
            const char* event;
        } cases[] = {
            { MouseButton::Left, false, false, "onLeftDown" },
            { MouseButton::Right, false, false, "onRightDown" },
            { MouseButton::Middle, false, false, "onMiddleDown" },
            { MouseButton::Left, true, true, "onDoubleClick" },
            { MouseButton::Left, true, false, "onClick" },
        };
        for (const auto& press : cases) {
            control.hasDoubleClickHandler = press.doubleClickHandler;
            control.buttonDown(press.button, { 30, 40 }, none, press.doubleClick);
            EXPECT_EQ(control.started.back(), press.event);
            control.endHandler();
        }
        EXPECT_EQ(control.clickedPosition().x, 30);
        EXPECT_EQ(control.clickedPosition().y, 40);
    }

    TEST_F(GraphicPartTest, DraggingRunsOnDragOrTheObjectsOwnDragProcess)
    {
        control.buttonDown(MouseButton::Left, { 1, 1 }, none);
        control.endHandler();
        control.mouseMoved({ 2, 2 }, true);
        EXPECT_EQ(control.started.back(), "onDrag");
        control.endHandler();

        control.selfDragging = true;
        control.buttonDown(MouseButton::Left, { 1, 1 }, none);
        control.endHandler();
        control.mouseMoved({ 2, 2 }, true);
        EXPECT_EQ(control.started.back(), "@drag");
        control.endHandler();
        control.buttonUp(MouseButton::Left, { 2, 2 }, none);
        control.endHandler();
        control.mouseMoved({ 3, 3 }, true);
        EXPECT_EQ(control.started.back(), "onDrag");
        control.endHandler();
    }

    TEST_F(GraphicPartTest, AnActiveToolTakesTheLeftPressAndSwallowsItsClick)
    {
        tmultiobject* tool = main().newClass(
            ValueRef(makeEmptyList()).get(), ValueRef(makeWord("pencil")).get(), nullptr);
        setActiveToolButton(tool);
        control.buttonDown(MouseButton::Left, { 1, 1 }, none);
        control.endHandler();
        control.clicked();
        EXPECT_EQ(control.started, Names({ "@toolaction pencil" }));

        control.takesTools = false;
        control.buttonDown(MouseButton::Left, { 1, 1 }, none);
        EXPECT_EQ(control.started.back(), "onLeftDown");
        control.endHandler();

        main().eraseObject(ValueRef(makeWord("pencil")).get(), EraseMode::RefuseClasses);
        EXPECT_EQ(activeToolButton(), nullptr);
    }

    TEST_F(GraphicPartTest, ShiftRightMovesAndCtrlRightInTheGripResizes)
    {
        control.buttonDown(MouseButton::Right, { 5, 5 }, shift);
        EXPECT_TRUE(control.userMoving());
        EXPECT_TRUE(control.captured);
        control.clicked();
        control.mouseMoved({ 10 + 5 + 7, 20 + 5 - 3 }, false);
        control.buttonUp(MouseButton::Right, { 0, 0 }, none);
        EXPECT_FALSE(control.captured);
        EXPECT_EQ(control.box.left, 17);
        EXPECT_EQ(control.box.top, 17);

        // The grip of a 100 by 50 control is 10 by 8 pixels at its bottom-right corner.
        control.buttonDown(MouseButton::Right, { 95, 45 }, ctrl);
        control.mouseMoved({ 17 + 95 - 200, 17 + 45 + 5 }, false);
        control.buttonUp(MouseButton::Right, { 0, 0 }, none);
        EXPECT_EQ(control.box.width, 4);
        EXPECT_EQ(control.box.height, 55);
        EXPECT_TRUE(control.started.empty());

        control.buttonDown(MouseButton::Right, { 80, 45 }, ctrl);
        EXPECT_EQ(control.started, Names({ "onRightDown" }));
        control.endHandler();
        control.isFrozen = true;
        control.buttonDown(MouseButton::Right, { 5, 5 }, shift);
        EXPECT_FALSE(control.userMoving());
        EXPECT_EQ(control.started.back(), "onRightDown");
        control.endHandler();
    }

    TEST_F(GraphicPartTest, AHandlerEndingAfterItsObjectWentTouchesNothing)
    {
        EventNotification ended;
        {
            struct Keeper : RecordingControl {
                using RecordingControl::RecordingControl;
                EventNotification* keep = nullptr;
                bool startEvent(NameCode, EventNotification done) override
                {
                    *keep = std::move(done);
                    return true;
                }
            } gone(control.owner());
            gone.keep = &ended;
            gone.buttonDown(MouseButton::Left, { 1, 1 }, none);
            gone.buttonUp(MouseButton::Left, { 1, 1 }, none);
        }
        ended();
    }

} // namespace

} // namespace velmora
