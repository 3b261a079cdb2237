#include "graphics/TurtlePrimitives.h"

#include "core/FontRecord.h"
#include "core/RandomInputs.h"
#include "graphics/PenInputs.h"
#include "graphics/PointLists.h"
#include "graphics/Turtle.h"
#include "graphics/TurtleHeading.h"
#include "graphics/TurtlePatterns.h"
#include "graphics/TurtlePositions.h"
#include "graphics/TurtlePropertyCodes.h"
#include "graphics/TurtleRanges.h"
#include "graphics/TurtleWords.h"
#include "interpreter/InterpreterState.h"
#include "interpreter/Registration.h"
#include "localization/LanguageDictionary.h"
#include "objects/GraphicPart.h"
#include "objects/MultiObject.h"
#include "objects/PropertyRegistration.h"
#include "values/ListHelpers.h"
#include "values/LogoNumber.h"
#include "values/Random.h"
#include "values/ValueFactory.h"

#include <array>
#include <span>

namespace velmora {

namespace {

    namespace property = turtleProperty;

    tTurtle& turtle() { return tTurtle::current(); }

    // The properties that commands change besides those they set: declared changed, they are
    // worth saving again.
    constexpr int32_t moved[]
        = { property::position, property::absolutePosition, property::xCor, property::yCor };
    constexpr int32_t movedAbsolutely[] = { property::position, property::absolutePosition };
    constexpr int32_t turned[] = { property::heading, property::frame };
    constexpr int32_t movedHome[] = { property::position, property::absolutePosition,
        property::xCor, property::yCor, property::heading, property::frame };
    constexpr int32_t penChanged[] = { property::pen };
    constexpr int32_t penStateChanged[]
        = { property::pen, property::penColour, property::penWidth, property::penPattern };
    constexpr int32_t rangeChanged[]
        = { property::range, property::rangeStyle, property::shownRange };

    tTurtle& turtleChanging(std::span<const int32_t> properties)
    {
        tTurtle& t = turtle();
        declarePropertiesChanged(t, properties);
        return t;
    }

    tlogoobject* keywordWord(std::string_view key)
    {
        return makeWord(languageDictionary().firstDictionaryWord(key));
    }

    // Error 22 for a word of no pen mode.
    PenMode penModeInput(tlogoobject* word)
    {
        if (const std::optional<PenMode> mode = penModeNamed(word))
            return *mode;
        throw eLogoException(erExpectPen, word);
    }

    // Movement.

    tlogoobject* primForward(tlogoobject*, tlogoobject* distance)
    {
        turtleChanging(moved).forward(numberOrRandom(distance, AnyQuantity::Forward));
        return nullptr;
    }

    tlogoobject* primBack(tlogoobject*, tlogoobject* distance)
    {
        turtleChanging(moved).forward(-numberOrRandom(distance, AnyQuantity::Forward));
        return nullptr;
    }

    tlogoobject* primLeft(tlogoobject*, tlogoobject* angle)
    {
        tTurtle& t = turtleChanging(turned);
        t.setHeading(t.heading() - numberOrRandom(angle, AnyQuantity::Left));
        return nullptr;
    }

    tlogoobject* primRight(tlogoobject*, tlogoobject* angle)
    {
        tTurtle& t = turtleChanging(turned);
        t.setHeading(t.heading() + numberOrRandom(angle, AnyQuantity::Right));
        return nullptr;
    }

    tlogoobject* primSetXY(tlogoobject*, tlogoobject* x, tlogoobject* y)
    {
        tTurtle& t = turtleChanging(moved);
        t.moveTo(positionFromCoordinates(x, y, t.surface()));
        return nullptr;
    }

    // With the pen, but never wrapping or bouncing: the turtle goes straight to the position.
    tlogoobject* primSetPosition(tlogoobject*, tlogoobject* position)
    {
        tTurtle& t = turtleChanging(moved);
        const RangeStyle style
            = t.rangeStyle() == RangeStyle::Window ? RangeStyle::Window : RangeStyle::Fence;
        t.moveTo(positionFromList(position, t.surface()), { style });
        return nullptr;
    }

    // Without drawing, and anywhere: the pixel position is taken as it is.
    tlogoobject* primSetAbsolutePosition(tlogoobject*, tlogoobject* position)
    {
        tTurtle& t = turtleChanging(movedAbsolutely);
        t.moveTo(absolutePositionFromList(position, t.surface()), { RangeStyle::Window, false });
        return nullptr;
    }

    tlogoobject* primHome(tlogoobject*)
    {
        turtleChanging(movedHome).home();
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
        turtleChanging(penChanged).setPenMode(Mode);
        return nullptr;
    }

    tlogoobject* primPenState(tlogoobject*)
    {
        const TurtlePen& current = turtle().pen();
        ListBuilder state;
        state.append(penModeWord(current.mode));
        state.append(colourOutput(current.colour));
        state.append(makeInteger(current.width));
        state.append(makeInteger(penPatternOf(current.style)));
        return state.finish();
    }

    // [mode colour width pattern]. Every item is read before any is set, so that a bad one
    // leaves the pen as it was.
    tlogoobject* primSetPenState(tlogoobject*, tlogoobject* state)
    {
        tTurtle& t = turtleChanging(penStateChanged);
        const std::vector<tlogoobject*> items = elementsOf(requireList(state));
        if (items.size() != 4)
            throw eLogoException(erBadStructure, state);
        t.setPen({ .mode = penModeInput(items[0]),
            .colour = colourInput(items[1]),
            .width = penWidthInput(items[2]),
            .style = penPatternInput(items[3]) });
        return nullptr;
    }

    // [x y heading mode shown shape]; the default shape is [].
    tlogoobject* primTurtleState(tlogoobject*)
    {
        tTurtle& t = turtle();
        ListBuilder state;
        state.append(makeNumber(t.x()));
        state.append(makeNumber(t.y()));
        state.append(makeNumber(t.heading()));
        state.append(penModeWord(t.pen().mode));
        state.append(keywordWord(t.shown() ? "st" : "ht"));
        tlogoobject* shape = t.graphic().shapeValue();
        state.append(shape ? shape : makeEmptyList());
        return state.finish();
    }

    tlogoobject* primDot(tlogoobject*)
    {
        tTurtle& t = turtle();
        t.dot(t.pen().width);
        return nullptr;
    }

    // "any" is a size of 1 to 100 pixels.
    tlogoobject* primPoint(tlogoobject*, tlogoobject* size)
    {
        const int32_t pixels = size->isAnyWord()
            ? randomInRange(1, 100)
            : std::max(1, roundedInteger(size->asReal(), size));
        turtle().dot(pixels);
        return nullptr;
    }

    tlogoobject* primDotColour(tlogoobject*) { return colourOutput(turtle().colourUnder()); }

    // Where the mouse is over the turtle's surface.
    tlogoobject* primMousePosition(tlogoobject*)
    {
        const tTurtle& t = turtle();
        return pointList(t.surface().toCartesian(t.surface().mousePosition()));
    }

    // Where the last press on the turtle hit, from its hot spot, y up.
    tlogoobject* primClickedPosition(tlogoobject*)
    {
        const tTurtle& t = turtle();
        const MousePoint clicked = t.graphicPart().clickedPosition();
        const QRect shape = t.shapeRectangle();
        const QPoint hotSpot = t.position().rounded();
        return pointList(
            shape.left() + clicked.x - hotSpot.x(), hotSpot.y() - shape.top() - clicked.y);
    }

    tlogoobject* primStartMove(tlogoobject*)
    {
        turtle().graphicPart().startUserMove();
        return nullptr;
    }

    tlogoobject* primStartDrag(tlogoobject*)
    {
        turtle().graphicPart().startDragging();
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
        tTurtle& t = turtleChanging(rangeChanged);
        const std::optional<PixelRange> pixels
            = range ? rangeFromList(range.get(), t.surface()) : std::nullopt;
        t.setShownRange(pixels);
        t.setRange(Style, pixels);
        return nullptr;
    }

    // Properties.

    tlogoobject* getPosition(tmultiobject& object)
    {
        auto& t = tTurtle::of(object);
        return pointList(t.x(), t.y());
    }

    tlogoobject* getAbsolutePosition(tmultiobject& object)
    {
        const PixelPoint at = tTurtle::of(object).position();
        return pointList(at.x, at.y);
    }

    void setAbsolutePosition(tmultiobject& object, tlogoobject* value)
    {
        auto& t = tTurtle::of(object);
        t.moveTo(absolutePositionFromList(value, t.surface()));
    }

    void setPosition(tmultiobject& object, tlogoobject* value)
    {
        auto& t = tTurtle::of(object);
        t.moveTo(positionFromList(value, t.surface()));
    }

    tlogoobject* getX(tmultiobject& object) { return makeNumber(tTurtle::of(object).x()); }

    void setX(tmultiobject& object, tlogoobject* value)
    {
        auto& t = tTurtle::of(object);
        t.moveTo({ t.surface().origin().x() + value->asReal(), t.position().y });
    }

    tlogoobject* getY(tmultiobject& object) { return makeNumber(tTurtle::of(object).y()); }

    void setY(tmultiobject& object, tlogoobject* value)
    {
        auto& t = tTurtle::of(object);
        t.moveTo({ t.position().x, t.surface().origin().y() - value->asReal() });
    }

    tlogoobject* getHeading(tmultiobject& object)
    {
        return makeNumber(tTurtle::of(object).heading());
    }

    void setHeading(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setHeading(numberOrRandom(value, AnyQuantity::Angle));
    }

    tlogoobject* getShown(tmultiobject& object) { return makeBool(tTurtle::of(object).shown()); }

    void setShown(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setShown(value->asBool());
    }

    tlogoobject* getPen(tmultiobject& object)
    {
        return penModeWord(tTurtle::of(object).pen().mode);
    }

    void setPen(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setPenMode(penModeInput(value));
    }

    tlogoobject* getPenColour(tmultiobject& object)
    {
        return colourOutput(tTurtle::of(object).pen().colour);
    }

    void setPenColour(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setPenColour(colourInput(value));
    }

    tlogoobject* getPenWidth(tmultiobject& object)
    {
        return makeInteger(tTurtle::of(object).pen().width);
    }

    void setPenWidth(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setPenWidth(penWidthInput(value));
    }

    tlogoobject* getPenPattern(tmultiobject& object)
    {
        return makeInteger(penPatternOf(tTurtle::of(object).pen().style));
    }

    void setPenPattern(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setPenStyle(penPatternInput(value));
    }

    tlogoobject* getFillColour(tmultiobject& object)
    {
        return colourOutput(tTurtle::of(object).fillColour());
    }

    void setFillColour(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setFillColour(colourInput(value));
    }

    tlogoobject* getFillPattern(tmultiobject& object)
    {
        return makeInteger(fillPatternOf(tTurtle::of(object).fillStyle()));
    }

    void setFillPattern(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setFillStyle(fillPatternInput(value));
    }

    tlogoobject* getFont(tmultiobject& object) { return fontList(tTurtle::of(object).labelFont()); }

    void setFont(tmultiobject& object, tlogoobject* value)
    {
        auto& t = tTurtle::of(object);
        t.setLabelFont(fontFromValue(value, t.labelFont()));
    }

    tlogoobject* getRangeStyle(tmultiobject& object)
    {
        auto& t = tTurtle::of(object);
        return rangeStyleWord(t.rangeStyle());
    }

    // An empty input means "wrap".
    void setRangeStyle(tmultiobject& object, tlogoobject* value)
    {
        auto& t = tTurtle::of(object);
        std::optional<RangeStyle> style = RangeStyle::Wrap;
        if (!value->isEmpty())
            style = rangeStyleNamed(value);
        if (!style)
            throw eLogoException(erBadValue, value);
        t.setRange(*style, t.range());
    }

    tlogoobject* getRange(tmultiobject& object)
    {
        auto& t = tTurtle::of(object);
        return rangeToList(t.range(), t.surface());
    }

    void setRange(tmultiobject& object, tlogoobject* value)
    {
        auto& t = tTurtle::of(object);
        t.setRange(t.rangeStyle(), rangeFromList(value, t.surface()));
    }

    tlogoobject* getShownRange(tmultiobject& object)
    {
        auto& t = tTurtle::of(object);
        return rangeToList(t.shownRange(), t.surface());
    }

    void setShownRange(tmultiobject& object, tlogoobject* value)
    {
        auto& t = tTurtle::of(object);
        t.setShownRange(rangeFromList(value, t.surface()));
    }

    tlogoobject* getHint(tmultiobject& object) { return makeWord(tTurtle::of(object).hint()); }

    void setHint(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setHint(value->printForm(false));
    }

    tlogoobject* getSensitive(tmultiobject& object)
    {
        return makeBool(tTurtle::of(object).sensitive());
    }

    void setSensitive(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setSensitive(value->asBool());
    }

    tlogoobject* getAutoDrag(tmultiobject& object)
    {
        return makeBool(tTurtle::of(object).autoDrag());
    }

    void setAutoDrag(tmultiobject& object, tlogoobject* value)
    {
        tTurtle::of(object).setAutoDrag(value->asBool());
    }

    tlogoobject* getHomeState(tmultiobject& object)
    {
        auto& t = tTurtle::of(object);
        const PixelPoint home = cartesianOf(t.homePosition(), t.surface());
        ListBuilder state;
        state.append(ValueRef(pointList(home.x, home.y)).get());
        state.append(ValueRef(makeNumber(t.homeHeading())).get());
        return state.finish();
    }

    // [position heading], or "any" for a random home.
    void setHomeState(tmultiobject& object, tlogoobject* value)
    {
        auto& t = tTurtle::of(object);
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

    constexpr int32_t positionAlsoChanges[]
        = { property::absolutePosition, property::xCor, property::yCor };
    constexpr int32_t absolutePositionAlsoChanges[]
        = { property::position, property::xCor, property::yCor };
    constexpr int32_t coordinateAlsoChanges[] = { property::position, property::absolutePosition };
    constexpr int32_t headingAlsoChanges[] = { property::frame };
    constexpr int32_t penColourAlsoChanges[] = { property::fillColour };

    // In the order that projects list them.
    constexpr MethodProperty properties[] = {
        { .code = property::hint, .getter = getHint, .setter = setHint },
        { .code = property::heading,
            .getter = getHeading,
            .setter = setHeading,
            .alsoChanges = headingAlsoChanges },
        { .code = property::homeState, .getter = getHomeState, .setter = setHomeState },
        { .code = property::position,
            .getter = getPosition,
            .setter = setPosition,
            .alsoChanges = positionAlsoChanges,
            .flags = donotsaveperm },
        { .code = property::absolutePosition,
            .getter = getAbsolutePosition,
            .setter = setAbsolutePosition,
            .alsoChanges = absolutePositionAlsoChanges },
        { .code = property::xCor,
            .getter = getX,
            .setter = setX,
            .alsoChanges = coordinateAlsoChanges,
            .flags = donotsaveperm },
        { .code = property::yCor,
            .getter = getY,
            .setter = setY,
            .alsoChanges = coordinateAlsoChanges,
            .flags = donotsaveperm },
        { .code = property::shown, .getter = getShown, .setter = setShown },
        { .code = property::fillColour, .getter = getFillColour, .setter = setFillColour },
        { .code = property::fillPattern, .getter = getFillPattern, .setter = setFillPattern },
        { .code = property::pen, .getter = getPen, .setter = setPen },
        { .code = property::penColour,
            .getter = getPenColour,
            .setter = setPenColour,
            .alsoChanges = penColourAlsoChanges },
        { .code = property::penWidth, .getter = getPenWidth, .setter = setPenWidth },
        { .code = property::penPattern, .getter = getPenPattern, .setter = setPenPattern },
        { .code = property::font, .getter = getFont, .setter = setFont },
        { .code = property::rangeStyle, .getter = getRangeStyle, .setter = setRangeStyle },
        { .code = property::range, .getter = getRange, .setter = setRange },
        { .code = property::shownRange, .getter = getShownRange, .setter = setShownRange },
        { .code = property::sensitive, .getter = getSensitive, .setter = setSensitive },
        { .code = property::autoDrag, .getter = getAutoDrag, .setter = setAutoDrag },
    };

    constexpr PrimitiveRow rows[] = {
        fixed<1>("forward", etFun, primForward),
        fixed<1>("back", etFun, primBack),
        fixed<1>("left", etFun, primLeft),
        fixed<1>("right", etFun, primRight),
        fixed<2>("setxy", etFun, primSetXY),
        fixed<1>(".setpos", etFun, primSetPosition),
        fixed<1>(".setapos", etFun, primSetAbsolutePosition),
        fixed<0>("home", etFun, primHome),
        fixed<1>("towards", etFun, primTowards),
        fixed<0>("penup", etFun, primPen<PenMode::Up>),
        fixed<0>("pendown", etFun, primPen<PenMode::Down>),
        fixed<0>("penreverse", etFun, primPen<PenMode::Reverse>),
        fixed<0>("penerase", etFun, primPen<PenMode::Erase>),
        fixed<0>("penstate", etFun, primPenState),
        fixed<1>("setpenstate", etFun, primSetPenState),
        fixed<0>("turtlestate", etFun, primTurtleState),
        fixed<0>("dot", etFun, primDot),
        fixed<1>("point", etFun, primPoint),
        fixed<0>("dotcolor", etFun, primDotColour),
        fixed<0>("mousepos", etFun, primMousePosition),
        fixed<0>("clickedpos", etFun, primClickedPosition),
        fixed<0>("startMove", etFun, primStartMove),
        fixed<0>("startDrag", etFun, primStartDrag),
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
