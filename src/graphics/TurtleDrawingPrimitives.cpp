#include "graphics/TurtleDrawingPrimitives.h"

#include "core/DrawingList.h"
#include "core/MainVariables.h"
#include "graphics/DrawingRenderer.h"
#include "graphics/LabelText.h"
#include "graphics/ScanlineFill.h"
#include "graphics/SurfaceDrawing.h"
#include "graphics/Turtle.h"
#include "graphics/TurtlePatterns.h"
#include "graphics/TurtlePropertyCodes.h"
#include "interpreter/Registration.h"
#include "localization/LanguageDictionary.h"
#include "objects/MultiObject.h"
#include "objects/PropertyRegistration.h"
#include "values/Angles.h"
#include "values/ListHelpers.h"
#include "values/LogoNumber.h"
#include "values/ValueFactory.h"

#include <QPen>

#include <string_view>

namespace velmora {

namespace {

    tTurtle& turtle() { return tTurtle::current(); }

    // The properties that "label2" changes by moving the turtle, worth saving again.
    constexpr int32_t moved[] = { turtleProperty::position, turtleProperty::absolutePosition,
        turtleProperty::xCor, turtleProperty::yCor };

    QPointF pixelPosition(const tTurtle& t)
    {
        return QPointF(double(t.position().x), double(t.position().y));
    }

    // Compiles the list with the turtle's pen, brush and font and draws it at the turtle. The
    // compilation may let other processes run, so the turtle is found again after it.
    void drawList(tLogoList* list)
    {
        tDrawingList drawing;
        drawing.compile(list, drawingStyleOf(turtle()));
        tTurtle& t = turtle();
        DrawingRenderer renderer(drawing);
        const Ink ink = t.ink();
        const DrawingPlacement placement { pixelPosition(t), { 1, 1 }, double(t.heading()) };
        drawOnSurface(t.surface(), t.drawingClip(), ink,
            [&](QPainter& painter) { return renderer.render(painter, placement, ink); });
    }

    tlogoobject* primDrawList(tlogoobject*, tlogoobject* list)
    {
        drawList(requireList(list));
        return nullptr;
    }

    // The one-command drawing list [command input], the command in the language's words.
    template <const std::string_view& Command>
    tlogoobject* primDrawCommand(tlogoobject*, tlogoobject* input)
    {
        ListBuilder list;
        list.append(makeWord(languageDictionary().firstDictionaryWord(Command)));
        list.append(input);
        const ValueRef drawing(list.finish());
        drawList(static_cast<tLogoList*>(drawing.get()));
        return nullptr;
    }

    constexpr std::string_view polygonCommand = "polygon";
    constexpr std::string_view outlineCommand = "outline";
    constexpr std::string_view splineCommand = "drawspline";
    constexpr std::string_view ellipseCommand = "ellipse";
    constexpr std::string_view filledEllipseCommand = "filledellipse";

    // The circle's box runs from half the diameter before the turtle to half after it, each edge
    // rounded to a pixel; the pen draws inside it.
    template <bool Filled> tlogoobject* primCircle(tlogoobject*, tlogoobject* diameter)
    {
        tTurtle& t = turtle();
        const double half = double(diameter->asReal()) / 2;
        const QPointF at = pixelPosition(t);
        const QRect box(QPoint(roundToPixel(at.x() - half), roundToPixel(at.y() - half)),
            QPoint(roundToPixel(at.x() + half) - 1, roundToPixel(at.y() + half) - 1));
        const Ink ink = t.ink();
        const TurtlePen& pen = t.pen();
        drawOnSurface(t.surface(), t.drawingClip(), ink, [&](QPainter& painter) {
            const Qt::PenStyle style = qtPenStyle(pen.style);
            painter.setPen(QPen(QColor(ink.pen(pen.colour)), pen.width, style,
                style == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin));
            painter.setBrush(Filled ? QBrush(QColor(ink.brush(t.fillColour())), t.fillStyle())
                                    : QBrush(Qt::NoBrush));
            painter.drawEllipse(outlinePath(box, pen.width, pen.style));
            const int reach = pen.width / 2 + 1;
            return box.adjusted(-reach, -reach, reach, reach);
        });
        return nullptr;
    }

    // "label2" then goes, without drawing, to where the text ends.
    template <bool Moving> tlogoobject* primLabel(tlogoobject*, tlogoobject* text)
    {
        tTurtle& t = turtle();
        const LabelText label(text->printForm(false), t.labelFont());
        const Ink ink = t.ink();
        const QPointF at = pixelPosition(t);
        const double heading = double(t.heading());
        drawOnSurface(t.surface(), t.drawingClip(), ink, [&](QPainter& painter) {
            return label.draw(
                painter, at, heading, QColor(ink.pen(t.pen().colour)), QColor(ink.background));
        });
        if (Moving) {
            declarePropertiesChanged(t, moved);
            const LabelEnd end = label.end();
            const CosineAndSine turn = cosineAndSineOfDegrees(t.heading());
            t.moveTo({ t.position().x + end.along * turn.cosine - end.down * turn.sine,
                         t.position().y + end.along * turn.sine + end.down * turn.cosine },
                { t.rangeStyle(), false });
        }
        return nullptr;
    }

    // [width height ascent leading] of the text in the label font.
    tlogoobject* primTextSize(tlogoobject*, tlogoobject* text)
    {
        const LabelText label(text->printForm(false), turtle().labelFont());
        const QSize extent = label.extent();
        ListBuilder size;
        size.append(makeInteger(extent.width()));
        size.append(makeInteger(extent.height()));
        size.append(makeInteger(label.ascent()));
        size.append(makeInteger(label.leading()));
        return size.finish();
    }

    // The two inputs as one font list: the face and the settings.
    tlogoobject* primSetLabelFont(tlogoobject*, tlogoobject* face, tlogoobject* settings)
    {
        tTurtle& t = turtle();
        ListBuilder font;
        font.append(face);
        font.append(settings);
        const ValueRef list(font.finish());
        t.setLabelFont(fontFromValue(list.get(), t.labelFont()));
        return nullptr;
    }

    // "fillmode" 1 fills up to the pen's colour; anything else but 0 counts as 0.
    FillBoundary fillBoundary()
    {
        tlogoobject* mode = mainObjectVariable("fillmode");
        return mode && mode->isNumber() && mode->asReal() == 1 ? FillBoundary::BorderColour
                                                               : FillBoundary::SameColour;
    }

    tlogoobject* primFill(tlogoobject*)
    {
        tTurtle& t = turtle();
        Surface& surface = t.surface();
        const FillArea area { fillBoundary(), t.pen().colour, t.drawingClip() };
        const FillPaint paint { t.fillColour(), t.fillStyle(), t.pen().mode == PenMode::Reverse };
        QRect changed;
        {
            std::lock_guard hold(surface.lock());
            changed = floodFill(surface.bitmap(), t.position().rounded(), area, paint);
        }
        if (!changed.isEmpty())
            surface.invalidate(changed);
        return nullptr;
    }

    tlogoobject* primStamp(tlogoobject*)
    {
        turtle().stamp();
        return nullptr;
    }

    constexpr PrimitiveRow rows[] = {
        fixed<1>("drawlist", etFun, primDrawList),
        fixed<1>("polygon", etFun, primDrawCommand<polygonCommand>),
        fixed<1>("outline", etFun, primDrawCommand<outlineCommand>),
        fixed<1>("drawspline", etFun, primDrawCommand<splineCommand>),
        fixed<1>("ellipse", etFun, primDrawCommand<ellipseCommand>),
        fixed<1>("filledellipse", etFun, primDrawCommand<filledEllipseCommand>),
        fixed<1>("circle", etFun, primCircle<false>),
        fixed<1>("filledcircle", etFun, primCircle<true>),
        fixed<1>("label", etFun, primLabel<false>),
        fixed<1>("label2", etFun, primLabel<true>),
        fixed<1>("textsize", etFun, primTextSize),
        fixed<2>("settt", etFun, primSetLabelFont),
        fixed<0>("fill", etFun, primFill),
        fixed<0>("stamp", etFun, primStamp),
    };

} // namespace

DrawingStyle drawingStyleOf(const tTurtle& t)
{
    return { .penColour = t.pen().colour & 0xFFFFFF,
        .penWidth = t.pen().width,
        .penPattern = penPatternOf(t.pen().style),
        .fill = { t.fillColour() & 0xFFFFFF, fillPatternOf(t.fillStyle()) },
        .font = t.labelFont() };
}

void registerTurtleDrawingPrimitives(tmultiobject& prototype)
{
    registerPrimitives(prototype.procTable(), &prototype, rows);
}

} // namespace velmora
