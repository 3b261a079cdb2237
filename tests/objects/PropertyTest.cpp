// The property machinery below Logo's reach: registration under every spelling, prototypes and
// their instantiation, the do-not-save flags setters clear, the entries a key menu is read into,
// and the order in which a creation value is found.
#include "interpreter/TabDesc.h"
#include "localization/NameCodes.h"
#include "objects/ContainerObject.h"
#include "objects/CreationParameters.h"
#include "objects/KeyMenu.h"
#include "objects/PropertyRegistration.h"
#include "objects/PseudoVariables.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"
#include "values/ValueFixture.h"

#include <map>
#include <tuple>

namespace velmora {

namespace {

    constexpr int32_t colourCode = 14; // "colour", also spelled "color"
    constexpr int32_t backgroundCode = 15; // "bgcolour_text"
    constexpr int32_t alsoBackground[] = { backgroundCode };

    // The property values of the test, by object and code.
    std::map<std::pair<tmultiobject*, int32_t>, ValueRef> stored;

    template <int32_t Code> tlogoobject* storedValue(tmultiobject& object)
    {
        return stored[{ &object, Code }].get();
    }
    template <int32_t Code> void store(tmultiobject& object, tlogoobject* value)
    {
        stored[{ &object, Code }] = value;
    }
    tlogoobject* classWord(tmultiobject& object) { return makeWord(object.firstClass()->name()); }

    class PropertyTest : public ValueFixture {
    protected:
        ~PropertyTest() override { stored.clear(); }

        tcontainerobject& main() { return *static_cast<tcontainerobject*>(state().currentObject); }
        static NameCode code(const char* name) { return NameCodes::instance().intern(name); }

        tmultiobject* newClass(const char* parent, const char* name, const char* pairs = "")
        {
            ValueRef parentName(
                parent ? static_cast<tlogoobject*>(makeWord(parent)) : makeEmptyList());
            ValueRef className(makeWord(name));
            ValueRef pairList(readList(pairs)); // the text without its brackets
            return main().newClass(parentName.get(), className.get(), pairList.get());
        }

        tmultiobject* newInstance(const char* objectClass)
        {
            ValueRef className(makeWord(objectClass));
            return main().newObject(className.get(), nullptr, CreationForm::New);
        }

        static void registerColour(tmultiobject& owner, PropertyBinding binding)
        {
            registerMethodProperty(owner,
                { .code = colourCode,
                    .getter = storedValue<colourCode>,
                    .setter = store<colourCode>,
                    .alsoChanges = alsoBackground,
                    .flags = donotsaveperm },
                binding);
        }

        static tLogoVarDesc* variable(tmultiobject& object, const char* name)
        {
            return static_cast<tLogoVarDesc*>(object.varTable().find(code(name)));
        }

        static std::string text(tlogoobject* value) { return value ? value->printForm(true) : ""; }
    };

    TEST_F(PropertyTest, AClassRegistersAPropertyUnderEverySpellingForItsInstances)
    {
        tmultiobject* shape = newClass(nullptr, "shape");
        registerColour(*shape, PropertyBinding::Instances);
        for (const char* name : { "colour", "color" })
            EXPECT_TRUE(dynamic_cast<PropertyGetter*>(shape->ownTable->find(code(name)))) << name;
        for (const char* name : { "setcolour", "setcolor" })
            EXPECT_TRUE(dynamic_cast<tPseudoVarCommand*>(shape->ownTable->find(code(name))))
                << name;
        EXPECT_FALSE(shape->varTable().contains(code("colour")));

        tmultiobject* box = newInstance("shape");
        auto* pseudo = dynamic_cast<tPseudoVarDesc*>(variable(*box, "colour"));
        ASSERT_TRUE(pseudo);
        EXPECT_EQ(&pseudo->object(), box);
        EXPECT_EQ(pseudo->code(), colourCode);
        EXPECT_TRUE(pseudo->flags & donotsaveperm);
        box->setVariable(code("colour"), ValueRef(makeWord("red")).get(), VariableScope::Own);
        EXPECT_EQ(text(stored[{ box, colourCode }].get()), "red");
        EXPECT_EQ(text(box->varTable().tryValue(code("colour"))), "red");
    }

    TEST_F(PropertyTest, SettersClearTheDoNotSaveFlagsOfThePropertiesTheyChange)
    {
        tmultiobject* shape = newClass(nullptr, "shape");
        registerColour(*shape, PropertyBinding::Instances);
        registerMethodProperty(*shape,
            { .code = backgroundCode,
                .getter = storedValue<backgroundCode>,
                .setter = store<backgroundCode> },
            PropertyBinding::Instances);
        tmultiobject* box = newInstance("shape");
        ASSERT_TRUE(variable(*box, "colour") && variable(*box, "bgColour"));
        tLogoVarDesc& colour = *variable(*box, "colour");
        tLogoVarDesc& background = *variable(*box, "bgColour");
        ValueRef blue(makeWord("blue"));

        colour.flags |= donotsavenow;
        background.flags |= donotsavenow;
        background.assign(blue.get());
        EXPECT_TRUE(colour.flags & donotsavenow);
        EXPECT_FALSE(background.flags & donotsavenow);

        background.flags |= donotsavenow;
        colour.assign(blue.get());
        EXPECT_FALSE(colour.flags & donotsavenow);
        EXPECT_FALSE(background.flags & donotsavenow);
        EXPECT_TRUE(colour.flags & donotsaveperm);
    }

    TEST_F(PropertyTest, TheNearestClassPrototypeWinsAndRemovingAPropertyUncoversTheFarther)
    {
        tmultiobject* shape = newClass(nullptr, "shape");
        registerMethodProperty(*shape,
            { .code = colourCode, .getter = classWord, .setter = store<colourCode> },
            PropertyBinding::Instances);
        tmultiobject* square = newClass("shape", "square");
        registerMethodProperty(*square,
            { .code = colourCode, .getter = storedValue<colourCode>, .setter = store<colourCode> },
            PropertyBinding::Instances);
        stored[{ newInstance("square"), colourCode }] = makeWord("own");
        tmultiobject* first = stored.begin()->first.first;
        EXPECT_EQ(text(first->varTable().tryValue(code("colour"))), "own");

        removeProperty(*square, colourCode);
        for (const char* name : { "colour", "color", "setcolour", "setcolor" })
            EXPECT_FALSE(square->ownTable->contains(code(name))) << name;
        tmultiobject* second = newInstance("square");
        EXPECT_EQ(text(second->varTable().tryValue(code("colour"))), "square");
    }

    TEST_F(PropertyTest, AnObjectBoundPropertyIsTheObjectsOwnVariable)
    {
        tmultiobject* window = newClass(nullptr, "window");
        registerColour(*window, PropertyBinding::Object);
        auto* pseudo = dynamic_cast<tPseudoVarDesc*>(variable(*window, "colour"));
        ASSERT_TRUE(pseudo);
        EXPECT_EQ(&pseudo->object(), window);
        window->setVariable(code("colour"), ValueRef(makeWord("grey")).get(), VariableScope::Own);
        EXPECT_EQ(text(stored[{ window, colourCode }].get()), "grey");
        removeProperty(*window, colourCode);
        EXPECT_FALSE(window->varTable().contains(code("colour")));
    }

    struct KeyWordCase {
        const char* word;
        KeyMenuEntry entry; // without instructions
    };

    TEST_F(PropertyTest, KeyWordsAreReadIntoKeyNumbersShiftStatesAndCharacters)
    {
        const KeyWordCase cases[] = {
            { "a", { .character = 'a' } },
            { "off.x", { .release = true, .character = 'x' } },
            { "ctrl.s", { .character = 19 } },
            { "control.shift.s", { .shiftState = shiftBit, .character = 19 } },
            { "alt.b", { .shiftState = altBit, .character = 'B' } },
            { "shift.[", { .shiftState = shiftBit, .character = '[' } },
            { "ctrl.alt.f5", { .keyNumber = 63, .shiftState = ctrlBit | altBit } },
            { "off.shift.f12", { .release = true, .keyNumber = 70, .shiftState = shiftBit } },
            { "pgup", { .keyNumber = 73 } },
            { "escape", { .keyNumber = 87 } },
            { "space", { .character = ' ' } },
            { "\xB7keynames\xB7"
              "ctrl.a",
                { .character = 1 } },
        };
        for (const KeyWordCase& c : cases) {
            ListBuilder list;
            list.append(ValueRef(makeWord(c.word)).get());
            list.append(ValueRef(makeEmptyList()).get());
            ValueRef menu(list.finish());
            const KeyMenu read = KeyMenu::read(menu.get());
            ASSERT_EQ(read.entries().size(), 1u) << c.word;
            const KeyMenuEntry& entry = read.entries().front();
            EXPECT_EQ(std::tie(entry.release, entry.keyNumber, entry.shiftState, entry.character),
                std::tie(c.entry.release, c.entry.keyNumber, c.entry.shiftState, c.entry.character))
                << c.word;
        }
    }

    TEST_F(PropertyTest, EveryKeyWordBeforeAListRunsItAndALastListAloneCatchesEveryKey)
    {
        ValueRef menu(readList("a b [print 1] c [] [print 2]"));
        const KeyMenu read = KeyMenu::read(menu.get());
        ASSERT_EQ(read.entries().size(), 4u);
        EXPECT_EQ(text(read.entries()[0].instructions.get()), "[print 1]");
        EXPECT_EQ(read.entries()[1].instructions.get(), read.entries()[0].instructions.get());
        EXPECT_FALSE(read.entries()[2].instructions);
        EXPECT_TRUE(read.entries()[3].catchAll);
        EXPECT_EQ(text(read.entries()[3].instructions.get()), "[print 2]");
        EXPECT_EQ(read.list(), menu.get());
    }

    TEST_F(PropertyTest, ACreationValueComesFromTheLoaderThenInitListThenTheClass)
    {
        tmultiobject* shape = newClass(nullptr, "shape", "colour green");
        ValueRef loader(readList("color red size 3"));
        ValueRef pairs(readList("colour blue colour black hint x"));
        InitListScope initList(pairs.get());

        EXPECT_EQ(text(creationValue(colourCode, *shape, loader, initList).get()), "red");
        EXPECT_EQ(text(loader.get()), "[size 3]");
        EXPECT_EQ(text(creationValue(colourCode, *shape, loader, initList).get()), "blue");
        EXPECT_EQ(text(initList.remaining()), "[hint x]");
        EXPECT_EQ(text(creationValue(colourCode, *shape, loader, initList).get()), "green");
        EXPECT_FALSE(creationValue(backgroundCode, *shape, loader, initList));
    }

} // namespace

} // namespace velmora
