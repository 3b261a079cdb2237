#include "graphics/TurtleShapeProperties.h"

#include "graphics/ImageLoading.h"
#include "graphics/LogoImage.h"
#include "graphics/PenInputs.h"
#include "graphics/PointLists.h"
#include "graphics/Turtle.h"
#include "graphics/TurtleDrawingPrimitives.h"
#include "graphics/TurtlePropertyCodes.h"
#include "interpreter/Registration.h"
#include "objects/MultiObject.h"
#include "objects/PropertyRegistration.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/LogoNumber.h"
#include "values/ValueFactory.h"

#include <cmath>

namespace velmora {

namespace {

    namespace property = turtleProperty;

    int64_t wholeNumber(tlogoobject* value) { return roundedInteger(value->asReal(), value); }

    tlogoobject* getShape(tmultiobject& object)
    {
        tlogoobject* shape = tTurtle::of(object).graphic().shapeValue();
        return shape ? shape : makeEmptyList();
    }

    // The steps of a vector shape: each element of a list of lists, or the one list, compiled as
    // a drawing list with the turtle's pen, brush and font. Compiling lets other processes run, so
    // the turtle is found again afterwards.
    std::vector<std::shared_ptr<const tDrawingList>> vectorSteps(tLogoList* shape)
    {
        std::vector<tlogoobject*> lists { shape };
        if (shape->first()->isList())
            lists = elementsOf(shape);
        std::vector<std::shared_ptr<const tDrawingList>> steps;
        for (tlogoobject* list : lists) {
            if (!list->isList())
                throw eLogoException(erBadStructure, list);
            auto drawing = std::make_shared<tDrawingList>();
            drawing->compile(static_cast<tLogoList*>(list), drawingStyleOf(tTurtle::current()));
            steps.push_back(std::move(drawing));
        }
        return steps;
    }

    // An image, the name of a picture file, a drawing list (or a list of them, the steps of an
    // animation), or [] for the default shape.
    void setShape(tmultiobject& object, tlogoobject* value)
    {
        ValueRef image;
        std::vector<std::shared_ptr<const tDrawingList>> steps;
        if (value->isImage())
            image = value;
        else if (value->isWord() && !value->isEmpty()) {
            ImageContent content = loadImageContent(value->text(), ImageLoadMode::Full);
            image = ValueRef(new tLogoImage(std::move(content.frames), content.info));
        } else if (value->isList() && !value->isEmpty())
            steps = vectorSteps(static_cast<tLogoList*>(value));
        else if (!value->isList())
            throw eLogoException(erExpectImage, value);
        tTurtle& turtle = tTurtle::of(object);
        turtle.changeShape(
            [&](tLogoGraphic& graphic) {
                if (image.get())
                    graphic.setImage(static_cast<tLogoImage*>(image.get()));
                else if (!steps.empty())
                    graphic.setDrawings(value, std::move(steps));
                else
                    graphic.setDefault();
                graphic.followHeading(static_cast<double>(turtle.heading()));
            },
            true);
    }

    tlogoobject* getFrameMode(tmultiobject& object)
    {
        return makeBool(!tTurtle::of(object).graphic().headingMode());
    }

    void setFrameMode(tmultiobject& object, tlogoobject* value)
    {
        tTurtle& turtle = tTurtle::of(object);
        const bool byHand = value->asBool();
        turtle.changeShape([&](tLogoGraphic& graphic) {
            graphic.setFrameMode(byHand);
            graphic.followHeading(static_cast<double>(turtle.heading()));
        });
    }

    tlogoobject* getFrame(tmultiobject& object)
    {
        return makeInteger(tTurtle::of(object).graphic().frameIndex() + 1);
    }

    void setFrame(tmultiobject& object, tlogoobject* value)
    {
        const int64_t index = wholeNumber(value) - 1;
        tTurtle::of(object).changeShape(
            [&](tLogoGraphic& graphic) { graphic.selectFrame(index); }, true);
    }

    tlogoobject* getFrameItem(tmultiobject& object)
    {
        return makeInteger(tTurtle::of(object).shownStep() + 1);
    }

    void setFrameItem(tmultiobject& object, tlogoobject* value)
    {
        tTurtle& turtle = tTurtle::of(object);
        const int64_t index = wholeNumber(value) - 1;
        const int shown = turtle.shownStep();
        turtle.changeShape(
            [&](tLogoGraphic& graphic) {
                graphic.setStep(shown);
                graphic.selectStep(index);
            },
            true);
    }

    tlogoobject* getShapeScale(tmultiobject& object)
    {
        const QPointF scale = tTurtle::of(object).graphic().scale();
        if (scale.x() == scale.y())
            return makeNumber(scale.x());
        return pointList(scale.x(), scale.y());
    }

    // A number, or [x y]; signs are dropped.
    void setShapeScale(tmultiobject& object, tlogoobject* value)
    {
        QPointF scale;
        if (value->isList()) {
            const std::vector<tlogoobject*> items = elementsOf(static_cast<tLogoList*>(value));
            if (items.size() != 2)
                throw eLogoException(erExpectList2, value);
            scale = { std::abs(double(items[0]->asReal())), std::abs(double(items[1]->asReal())) };
        } else {
            const double factor = std::abs(double(value->asReal()));
            scale = { factor, factor };
        }
        tTurtle::of(object).changeShape([&](tLogoGraphic& graphic) { graphic.setScale(scale); });
    }

    tlogoobject* getShapeColour(tmultiobject& object)
    {
        const std::optional<QRgb> tint = tTurtle::of(object).graphic().tint();
        return tint ? colourOutput(*tint) : makeEmptyList();
    }

    // [] ends the tint.
    void setShapeColour(tmultiobject& object, tlogoobject* value)
    {
        std::optional<QRgb> tint;
        if (!(value->isList() && value->isEmpty()))
            tint = colourInput(value);
        tTurtle::of(object).changeShape([&](tLogoGraphic& graphic) { graphic.setTint(tint); });
    }

    tlogoobject* getAnimation(tmultiobject& object)
    {
        return makeBool(tTurtle::of(object).graphic().animation());
    }

    void setAnimation(tmultiobject& object, tlogoobject* value)
    {
        tTurtle& turtle = tTurtle::of(object);
        const bool on = value->asBool();
        if (on == turtle.graphic().animation())
            return;
        const int shown = turtle.shownStep();
        turtle.changeShape(
            [&](tLogoGraphic& graphic) {
                graphic.setStep(shown);
                graphic.setAnimation(on);
            },
            true);
        if (!on)
            turtle.restartAnimation();
    }

    tlogoobject* getDelayScale(tmultiobject& object)
    {
        return makeNumber(tTurtle::of(object).graphic().delayScale());
    }

    void setDelayScale(tmultiobject& object, tlogoobject* value)
    {
        tTurtle& turtle = tTurtle::of(object);
        const double factor = std::abs(double(value->asReal()));
        turtle.changeShape([&](tLogoGraphic& graphic) { graphic.setDelayScale(factor); });
        if (turtle.graphic().animation())
            turtle.restartAnimation();
    }

    tlogoobject* getTransparentClick(tmultiobject& object)
    {
        return makeBool(tTurtle::of(object).graphic().transparentClick());
    }

    void setTransparentClick(tmultiobject& object, tlogoobject* value)
    {
        const bool passes = value->asBool();
        tTurtle::of(object).changeShape(
            [&](tLogoGraphic& graphic) { graphic.setTransparentClick(passes); });
    }

    // In the order that projects list them: the frame after the mode that decides it, the shape
    // after both.
    constexpr MethodProperty properties[] = {
        { .code = property::frameMode, .getter = getFrameMode, .setter = setFrameMode },
        { .code = property::frame, .getter = getFrame, .setter = setFrame },
        { .code = property::frameItem, .getter = getFrameItem, .setter = setFrameItem },
        { .code = property::transparentClick,
            .getter = getTransparentClick,
            .setter = setTransparentClick },
        { .code = property::shape, .getter = getShape, .setter = setShape },
        { .code = property::shapeScale, .getter = getShapeScale, .setter = setShapeScale },
        { .code = property::shapeColour, .getter = getShapeColour, .setter = setShapeColour },
        { .code = property::animation, .getter = getAnimation, .setter = setAnimation },
        { .code = property::delayScale, .getter = getDelayScale, .setter = setDelayScale },
    };

} // namespace

void registerTurtleShapeProperties(tmultiobject& prototype)
{
    for (const MethodProperty& property : properties)
        registerMethodProperty(prototype, property, PropertyBinding::Instances);
}

} // namespace velmora
