#include "graphics/TurtlePrimitives.h"

#include "core/Colours.h"
#include "graphics/RandomInputs.h"
#include "graphics/Turtle.h"
#include "graphics/TurtleHeading.h"
#include "graphics/TurtlePositions.h"
#include "graphics/TurtleRanges.h"
#include "interpreter/InterpreterState.h"
#include "interpreter/Registration.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameTranslation.h"
#include "objects/MultiObject.h"
#include "objects/PropertyRegistration.h"
#include "values/ListHelpers.h"
#include "values/LogoNumber.h"
#include "values/ValueFactory.h"

#include <array>

namespace velmora {

namespace {

    tTurtle& turtle() { return tTurtle::current(); }

    tlogoobject* cartesianList(LogoReal x, LogoReal y)
    {
        ListBuilder point;
        point.append(ValueRef(makeNumber(x)).get());
        point.append(ValueRef(makeNumber(y)).get());
        return point.finish();
    }

    // A keyword given in the language's words: the index of the internal name it is a spelling
    // of, or the error.
    template <size_t N>
    size_t keywordIndex(
        tlogoobject* word, const std::array<std::string_view, N>& keys, errorConst unknown)
    {
        if (word->isWord())
            for (size_t index = 0; index < N; ++index)
                for (NameCode code : codesOf(keys[index]))
                    if (code == word->nameCode())
                        return index;
        throw eLogoException(unknown, word);
    }

    constexpr std::array<std::string_view, 4> penModeKeys { "penup", "pendown", "penreverse",
        "penerase" };
    constexpr std::array<std::string_view, 4> rangeStyleKeys { "wrap", "window", "fence",
        "bounce" };

    tlogoobject* keywordWord(std::string_view key)
    {
        return makeWord(languageDictionary().firstDictionaryWord(key));
    }

    // Movement.

    tlogoobject* primForward(tlogoobject*, tlogoobject* distance)
    {
        turtle().forward(numberOrRandom(distance, AnyQuantity::Forward));
        return nullptr;
    }

    tlogoobject* primBack(tlogoobject*, tlogoobject* distance)
    {
        turtle().forward(-numberOrRandom(distance, AnyQuantity::Forward));
        return nullptr;
    }

    tlogoobject* primLeft(tlogoobject*, tlogoobject* angle)
    {
        tTurtle& t = turtle();
        t.setHeading(t.heading() - numberOrRandom(angle, AnyQuantity::Left));
        return nullptr;
    }

    tlogoobject* primRight(tlogoobject*, tlogoobject* angle)
    {
        tTurtle& t = turtle();
        t.setHeading(t.heading() + numberOrRandom(angle, AnyQuantity::Right));
        return nullptr;
    }

    tlogoobject* primSetXY(tlogoobject*, tlogoobject* x, tlogoobject* y)
    {
        tTurtle& t = turtle();
        t.moveTo(positionFromCoordinates(x, y, t.surface()));
        return nullptr;
    }

    tlogoobject* primHome(tlogoobject*)
    {
        turtle().home();
        return nullptr;
    }

    // The heading from the turtle to a point, or to the turtle a word names (error 71 for a name
    // of no turtle).
    tlogoobject* primTowards(tlogoobject*, tlogoobject* target)
    {
        tTurtle& t = turtle();
        PixelPoint point;
        if (target->isWord()) {
            auto* other = dynamic_cast<tTurtle*>(t.findObject(target->nameCode()));
            if (!other || &other->surface() != &t.surface())
                throw eLogoException(erTurtleUnknown, target);
            point = other->position();
        } else {
            point = positionFromList(target, t.surface());
        }
        return makeNumber(headingTowards(t.position(), point));
    }

    // Pen and visibility.

    template <PenMode Mode> tlogoobject* primPen(tlogoobject*)
    {
        turtle().setPenMode(Mode);
        return nullptr;
    }

    template <bool Shown> tlogoobject* primShow(tlogoobject*)
    {
        turtle().setShown(Shown);
        return nullptr;
    }

    bool primIsShown(tlogoobject*) { return turtle().shown(); }

    // "wrap" and "window": the range (none without an input), and the edge behaviour.
    template <RangeStyle Style>
    tlogoobject* primRangeStyle(tlogoobject*, tLogoStack& stack, int32_t inputCount, CallForm)
    {
        if (inputCount > 1)
            throw eLogoException(erTooManyInputs);
        ValueRef range = inputCount == 1 ? stack.pop() : ValueRef();
        tTurtle& t = turtle();
        t.setRange(Style, range ? rangeFromList(range.get(), t.surface()) : std::nullopt);
        return nullptr;
    }

    // Properties.

    tlogoobject* getPosition(tmultiobject& object)
    {
        auto& t = static_cast<tTurtle&>(object);
        return cartesianList(t.x(), t.y());
    }

    void setPosition(tmultiobject& object, tlogoobject* value)
    {
        auto& t = static_cast<tTurtle&>(object);
        t.moveTo(positionFromList(value, t.surface()));
    }

    tlogoobject* getX(tmultiobject& object)
    {
        return makeNumber(static_cast<tTurtle&>(object).x());
    }

    void setX(tmultiobject& object, tlogoobject* value)
    {
        auto& t = static_cast<tTurtle&>(object);
        t.moveTo({ t.surface().origin().x() + value->asReal(), t.position().y });
    }

    tlogoobject* getY(tmultiobject& object)
    {
        return makeNumber(static_cast<tTurtle&>(object).y());
    }

    void setY(tmultiobject& object, tlogoobject* value)
    {
        auto& t = static_cast<tTurtle&>(object);
        t.moveTo({ t.position().x, t.surface().origin().y() - value->asReal() });
    }

    tlogoobject* getHeading(tmultiobject& object)
    {
        return makeNumber(static_cast<tTurtle&>(object).heading());
    }

    void setHeading(tmultiobject& object, tlogoobject* value)
    {
        static_cast<tTurtle&>(object).setHeading(numberOrRandom(value, AnyQuantity::Angle));
    }

    tlogoobject* getShown(tmultiobject& object)
    {
        return makeBool(static_cast<tTurtle&>(object).shown());
    }

    void setShown(tmultiobject& object, tlogoobject* value)
    {
        static_cast<tTurtle&>(object).setShown(value->asBool());
    }

    tlogoobject* getPen(tmultiobject& object)
    {
        return keywordWord(
            penModeKeys[static_cast<size_t>(static_cast<tTurtle&>(object).penMode())]);
    }

    void setPen(tmultiobject& object, tlogoobject* value)
    {
        static_cast<tTurtle&>(object).setPenMode(
            static_cast<PenMode>(keywordIndex(value, penModeKeys, erExpectPen)));
    }

    tlogoobject* getPenColour(tmultiobject& object)
    {
        return colourValue(static_cast<tTurtle&>(object).penColour() & 0xFFFFFF);
    }

    void setPenColour(tmultiobject& object, tlogoobject* value)
    {
        static_cast<tTurtle&>(object).setPenColour(qRgb(0, 0, 0) | asColour(value));
    }

    tlogoobject* getPenWidth(tmultiobject& object)
    {
        return makeInteger(static_cast<tTurtle&>(object).penWidth());
    }

    void setPenWidth(tmultiobject& object, tlogoobject* value)
    {
        const LogoReal width = numberOrRandom(value, AnyQuantity::PenWidth);
        static_cast<tTurtle&>(object).setPenWidth(std::max(1, roundedInteger(width, value)));
    }

    tlogoobject* getRangeStyle(tmultiobject& object)
    {
        auto& t = static_cast<tTurtle&>(object);
        return keywordWord(rangeStyleKeys[static_cast<size_t>(t.rangeStyle())]);
    }

    // An empty input means "wrap".
    void setRangeStyle(tmultiobject& object, tlogoobject* value)
    {
        auto& t = static_cast<tTurtle&>(object);
        const auto style = value->isEmpty()
            ? RangeStyle::Wrap
            : static_cast<RangeStyle>(keywordIndex(value, rangeStyleKeys, erBadValue));
        t.setRange(style, t.range());
    }

    tlogoobject* getRange(tmultiobject& object)
    {
        auto& t = static_cast<tTurtle&>(object);
        return rangeToList(t.range(), t.surface());
    }

    void setRange(tmultiobject& object, tlogoobject* value)
    {
        auto& t = static_cast<tTurtle&>(object);
        t.setRange(t.rangeStyle(), rangeFromList(value, t.surface()));
    }

    tlogoobject* getHomeState(tmultiobject& object)
    {
        auto& t = static_cast<tTurtle&>(object);
        const PixelPoint home = t.homePosition();
        ListBuilder state;
        state.append(ValueRef(
            cartesianList(home.x - t.surface().origin().x(), t.surface().origin().y() - home.y))
                         .get());
        state.append(ValueRef(makeNumber(t.homeHeading())).get());
        return state.finish();
    }

    // [position heading], or "any" for a random home.
    void setHomeState(tmultiobject& object, tlogoobject* value)
    {
        auto& t = static_cast<tTurtle&>(object);
        if (value->isAnyWord()) {
            t.setHome(positionFromList(value, t.surface()), randomAnyValue(AnyQuantity::Angle));
            return;
        }
        if (!value->isList())
            throw eLogoException(erExpectList, value);
        const std::vector<tlogoobject*> items = elementsOf(static_cast<tLogoList*>(value));
        if (items.size() != 2)
            throw eLogoException(erBadStructure, value);
        t.setHome(
            positionFromList(items[0], t.surface()), numberOrRandom(items[1], AnyQuantity::Angle));
    }

    constexpr int32_t positionChanges[] = { 1, 42, 43 };

    constexpr MethodProperty properties[] = {
        { .code = 40, .getter = getHeading, .setter = setHeading },
        { .code = 41, .getter = getHomeState, .setter = setHomeState },
        { .code = 4,
            .getter = getPosition,
            .setter = setPosition,
            .alsoChanges = positionChanges,
            .flags = donotsaveperm },
        { .code = 42, .getter = getX, .setter = setX, .flags = donotsaveperm },
        { .code = 43, .getter = getY, .setter = setY, .flags = donotsaveperm },
        { .code = 10, .getter = getShown, .setter = setShown },
        { .code = 46, .getter = getPen, .setter = setPen },
        { .code = 47, .getter = getPenColour, .setter = setPenColour },
        { .code = 48, .getter = getPenWidth, .setter = setPenWidth },
        { .code = 50, .getter = getRangeStyle, .setter = setRangeStyle },
        { .code = 51, .getter = getRange, .setter = setRange },
    };

    constexpr PrimitiveRow rows[] = {
        fixed<1>("forward", etFun, primForward),
        fixed<1>("back", etFun, primBack),
        fixed<1>("left", etFun, primLeft),
        fixed<1>("right", etFun, primRight),
        fixed<2>("setxy", etFun, primSetXY),
        fixed<0>("home", etFun, primHome),
        fixed<1>("towards", etFun, primTowards),
        fixed<0>("penup", etFun, primPen<PenMode::Up>),
        fixed<0>("pendown", etFun, primPen<PenMode::Down>),
        fixed<0>("penreverse", etFun, primPen<PenMode::Reverse>),
        fixed<0>("penerase", etFun, primPen<PenMode::Erase>),
        fixed<0>("showturtle", etFun, primShow<true>),
        fixed<0>("showme", etFun, primShow<true>),
        fixed<0>("hideturtle", etFun, primShow<false>),
        fixed<0>("hideme", etFun, primShow<false>),
        predicate<0>("shown?", etFun, primIsShown),
        variable("wrap", etFun, 0, primRangeStyle<RangeStyle::Wrap>),
        variable("window", etFun, 0, primRangeStyle<RangeStyle::Window>),
    };

} // namespace

void registerTurtlePrimitives(tmultiobject& prototype)
{
    for (const MethodProperty& property : properties)
        registerMethodProperty(prototype, property, PropertyBinding::Instances);
    registerPrimitives(prototype.procTable(), &prototype, rows);
}

} // namespace velmora
