// The object model below the primitives: renaming in the container's table, chains that follow
// changes of parents, and what destroying a class leaves behind.
#include "localization/NameCodes.h"
#include "objects/ContainerObject.h"
#include "values/ValueFactory.h"
#include "values/ValueFixture.h"

#include <functional>

namespace velmora {

namespace {

    class ObjectModelTest : public ValueFixture {
    protected:
        tcontainerobject& main() { return *static_cast<tcontainerobject*>(state().currentObject); }

        NameCode code(const char* name) { return NameCodes::instance().intern(name); }

        tmultiobject* object(const char* name)
        {
            return dynamic_cast<tmultiobject*>(main().findObject(code(name)));
        }

        tmultiobject* newClass(const char* parent, const char* name, tlogoobject* pairs = nullptr)
        {
            ValueRef parentName(
                parent ? static_cast<tlogoobject*>(makeWord(parent)) : makeEmptyList());
            ValueRef className(makeWord(name));
            return main().newClass(parentName.get(), className.get(), pairs);
        }

        // [define'NAME [[]]]: a procedure without inputs or lines.
        ValueRef definingPair(const char* name)
        {
            ListBuilder definition;
            definition.append(ValueRef(makeEmptyList()).get());
            ListBuilder pairs;
            pairs.append(ValueRef(makeWord(std::string("define'") + name)).get());
            pairs.append(ValueRef(definition.finish()).get());
            return ValueRef(pairs.finish());
        }

        tmultiobject* newInstance(const char* objectClass)
        {
            ValueRef className(makeWord(objectClass));
            return main().newObject(className.get(), nullptr, CreationForm::New);
        }

        int errorOf(const std::function<void()>& action)
        {
            try {
                action();
            } catch (const eLogoException& error) {
                return static_cast<int>(error.code);
            }
            return 0;
        }
    };

    TEST_F(ObjectModelTest, RenamingMovesTheEntryAndRefusesATakenName)
    {
        newClass(nullptr, "animal");
        tmultiobject* first = newInstance("animal");
        tmultiobject* second = newInstance("animal");
        first->rename("rex");
        EXPECT_EQ(object("rex"), first);
        EXPECT_EQ(object("Object1"), nullptr);
        EXPECT_EQ(errorOf([&] { second->rename("rex"); }), 175);
        EXPECT_EQ(object("Object2"), second);
        EXPECT_EQ(errorOf([&] { second->rename(""); }), 139);
    }

    TEST_F(ObjectModelTest, ChainsFollowBehavioursAddedToAClass)
    {
        tmultiobject* animal = newClass(nullptr, "animal");
        tmultiobject* loud = newClass(nullptr, "loud", definingPair("shout").get());
        tmultiobject* rex = newInstance("animal");
        EXPECT_EQ(rex->tryProc(code("shout")), nullptr);
        animal->addBehaviour(loud);
        EXPECT_EQ(rex->tryProc(code("shout")), loud->tryProc(code("shout")));
        EXPECT_EQ(errorOf([&] { loud->addBehaviour(rex); }), 184);
        EXPECT_EQ(loud->parents().size(), 1u);
        animal->removeBehaviour(loud);
        EXPECT_EQ(rex->tryProc(code("shout")), nullptr);
    }

    TEST_F(ObjectModelTest, DestroyingAClassTakesItsInstancesAndSubclassesAlong)
    {
        newClass(nullptr, "animal");
        newClass("animal", "dog");
        newInstance("dog");
        tmultiobject* survivor = newClass(nullptr, "plant");
        ValueRef name(makeWord("animal"));
        EXPECT_EQ(errorOf([&] { main().eraseObject(name.get(), EraseMode::RefuseClasses); }), 113);
        main().eraseObject(name.get(), EraseMode::Complete);
        EXPECT_EQ(object("dog"), nullptr);
        EXPECT_EQ(object("Object1"), nullptr);
        EXPECT_EQ(main().findObject(NameCodes::instance().intern("#1")), survivor);
        EXPECT_EQ(object("plant"), survivor);
    }

    TEST_F(ObjectModelTest, ClearingTheObjectsFreesTheirNumberedNames)
    {
        // Instances of the main class: no class of theirs takes them along.
        const ValueRef mainClass(makeEmptyList());
        auto make = [&] { return main().newObject(mainClass.get(), nullptr, CreationForm::New); };
        for (int count = 0; count < 3; ++count)
            make();
        main().clearObjects();
        EXPECT_EQ(object("Object3"), nullptr);
        EXPECT_EQ(make()->name(), "Object1");
    }

} // namespace

} // namespace velmora
