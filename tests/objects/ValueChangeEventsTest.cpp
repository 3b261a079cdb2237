// Change events of value controls: one handler at a time, changes meanwhile coalesced into one
// more run, a remembered change before a remembered "changed".
#include "objects/ValueChangeEvents.h"
#include "localization/NameCodes.h"
#include "objects/ContainerObject.h"
#include "values/ValueFactory.h"
#include "values/ValueFixture.h"

#include "RecordedHandlers.h"

namespace velmora {

namespace {

    class RecordingValueControl : public ValueChangeEvents {
    public:
        using ValueChangeEvents::ValueChangeEvents;
        RecordedHandlers handlers;

    protected:
        bool startEvent(NameCode event, EventNotification ended) override
        {
            return handlers.record(NameCodes::instance().nameOf(event), std::move(ended));
        }
    };

    using Names = std::vector<std::string>;

    class ValueChangeEventsTest : public ValueFixture {
    protected:
        ValueChangeEventsTest()
            : control(*static_cast<tcontainerobject*>(state().currentObject)
                           ->newClass(ValueRef(makeEmptyList()).get(),
                               ValueRef(makeWord("slider")).get(), nullptr))
        {
        }

        RecordingValueControl control;
    };

    TEST_F(ValueChangeEventsTest, ChangesWhileBusyRunTheHandlerOnceMore)
    {
        control.valueChanged();
        control.valueChanged();
        control.valueChanged();
        EXPECT_EQ(control.handlers.started, Names({ "onChange" }));
        control.handlers.endOldest();
        EXPECT_EQ(control.handlers.started, Names({ "onChange", "onChange" }));
        EXPECT_TRUE(control.eventRunning());
        control.handlers.endOldest();
        EXPECT_FALSE(control.eventRunning());
    }

    TEST_F(ValueChangeEventsTest, ARememberedChangeRunsBeforeARememberedChanged)
    {
        control.valueChanged();
        control.changeFinished();
        control.valueChanged();
        control.handlers.endOldest();
        control.handlers.endOldest();
        control.handlers.endOldest();
        EXPECT_EQ(control.handlers.started, Names({ "onChange", "onChange", "onChanged" }));
        EXPECT_FALSE(control.eventRunning());
    }

} // namespace

} // namespace velmora
