#include "controls/BackgroundPrimitives.h"

#include "controls/PageObject.h"
#include "graphics/BackgroundDrawing.h"
#include "graphics/BackgroundFiles.h"
#include "graphics/PenInputs.h"
#include "graphics/PointLists.h"
#include "graphics/RandomDots.h"
#include "graphics/RectangleInputs.h"
#include "graphics/TurtlePatterns.h"
#include "graphics/UndoBuffer.h"
#include "interpreter/Registration.h"
#include "objects/MultiObject.h"
#include "values/Errors.h"
#include "values/LogoList.h"
#include "values/Random.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    Surface& currentSurface() { return currentSurfaceOwner().surface(); }

    QPoint pixelOf(QPointF point) { return { roundToPixel(point.x()), roundToPixel(point.y()) }; }

    // Drawing.

    tlogoobject* primLine(tlogoobject*, tlogoobject* rectangle)
    {
        const RectangleCorners corners = rectangleFromList(rectangle);
        drawBackgroundLine(currentSurface(), corners.first, corners.second);
        return nullptr;
    }

    // Counts and radii are bounded, so that a slip of the keyboard cannot fill the memory or make
    // the program draw for hours; past a million dots a circle is solid anyway.
    constexpr int32_t mostDots = 1'000'000;
    constexpr int32_t widestRadius = 32000;

    tlogoobject* primDots(
        tlogoobject*, tlogoobject* centre, tlogoobject* count, tlogoobject* radius)
    {
        const QPoint middle = pixelOf(pointFromList(centre));
        const std::vector<QPoint> places = randomDotPlaces(middle, count->intInRange(0, mostDots),
            radius->intInRange(-widestRadius, widestRadius));
        drawBackgroundDots(currentSurface(), places);
        return nullptr;
    }

    template <ShapeFill Fill> tlogoobject* primRectangle(tlogoobject*, tlogoobject* rectangle)
    {
        drawBackgroundRectangle(currentSurface(), rectangleFromList(rectangle).normalized(), Fill);
        return nullptr;
    }

    template <ShapeFill Fill> tlogoobject* primEllipse(tlogoobject*, tlogoobject* rectangle)
    {
        drawBackgroundEllipse(currentSurface(), rectangleFromList(rectangle).normalized(), Fill);
        return nullptr;
    }

    tlogoobject* primEllipseArc(tlogoobject*, tlogoobject* box, tlogoobject* ends)
    {
        const RectangleCorners arc = rectangleFromList(ends);
        drawBackgroundArc(
            currentSurface(), rectangleFromList(box).normalized(), arc.first, arc.second);
        return nullptr;
    }

    tlogoobject* primFill(tlogoobject*, tlogoobject* point)
    {
        if (!point->isList() || static_cast<tLogoList*>(point)->count() != 2)
            throw eLogoException(erExpectList2, point);
        auto* list = static_cast<tLogoList*>(point);
        const QPointF pixel(list->first()->asReal(), list->rest()->first()->asReal());
        fillBackgroundRegion(currentSurface(), pixelOf(pixel));
        return nullptr;
    }

    // The tool the user then draws on the background with.
    template <SurfaceTool Tool> tlogoobject* primTool(tlogoobject*)
    {
        currentSurface().setTool(Tool);
        return nullptr;
    }

    // The background pen and the origin.

    tlogoobject* primLineColour(tlogoobject*)
    {
        return colourOutput(currentSurface().backgroundPen().colour);
    }

    tlogoobject* primSetLineColour(tlogoobject*, tlogoobject* colour)
    {
        currentSurface().backgroundPen().colour = colourInput(colour);
        return nullptr;
    }

    tlogoobject* primLineWidth(tlogoobject*)
    {
        return makeInteger(currentSurface().backgroundPen().width);
    }

    // As a turtle's pen: "any" is a random width, and nothing is thinner than one pixel.
    tlogoobject* primSetLineWidth(tlogoobject*, tlogoobject* width)
    {
        currentSurface().backgroundPen().width = penWidthInput(width);
        return nullptr;
    }

    tlogoobject* primLinePattern(tlogoobject*)
    {
        return makeInteger(penPatternOf(currentSurface().backgroundPen().style));
    }

    // "any" picks a pattern that draws something.
    tlogoobject* primSetLinePattern(tlogoobject*, tlogoobject* pattern)
    {
        int32_t number = 0;
        if (pattern->isAnyWord())
            number = randomInRange(0, lastPenPattern - 1);
        else
            number = pattern->intInRange(0, lastPenPattern);
        currentSurface().backgroundPen().style = lineStyleOf(number);
        return nullptr;
    }

    tlogoobject* primOrigin(tlogoobject*) { return pointList(currentSurface().origin()); }

    // Turtles keep their pixels, so their cartesian positions move with the origin.
    tlogoobject* primSetOrigin(tlogoobject*, tlogoobject* origin)
    {
        currentSurface().setOrigin(pixelOf(pointFromList(origin)));
        return nullptr;
    }

    // Points.

    tlogoobject* primToCartesian(tlogoobject*, tlogoobject* pixel)
    {
        return pointList(currentSurface().toCartesian(pointFromList(pixel)));
    }

    tlogoobject* primToAbsolute(tlogoobject*, tlogoobject* cartesian)
    {
        return pointList(currentSurface().toPixel(pointFromList(cartesian)));
    }

    // Undo and files.

    tlogoobject* primSaveForUndo(tlogoobject*)
    {
        UndoBuffer::instance().save(currentSurface());
        return nullptr;
    }

    tlogoobject* primUndoDrawing(tlogoobject*)
    {
        UndoBuffer::instance().undo();
        return nullptr;
    }

    tlogoobject* primSavePicture(tlogoobject*, tlogoobject* fileName)
    {
        saveBackground(currentSurface(), fileName->text());
        return nullptr;
    }

    tlogoobject* primLoadPicture(tlogoobject*, tlogoobject* fileName)
    {
        loadBackground(currentSurface(), fileName->text());
        return nullptr;
    }

    constexpr PrimitiveRow surfaceRows[] = {
        fixed<1>("bgline", etFun, primLine),
        fixed<3>("bgdots", etFun, primDots),
        fixed<1>("bgrectangle", etFun, primRectangle<ShapeFill::Outline>),
        fixed<1>("bgfilledrectangle", etFun, primRectangle<ShapeFill::Filled>),
        fixed<1>("bgellipse", etFun, primEllipse<ShapeFill::Outline>),
        fixed<1>("bgfilledellipse", etFun, primEllipse<ShapeFill::Filled>),
        fixed<2>("bgellipsearc", etFun, primEllipseArc),
        fixed<1>("bgfill", etFun, primFill),
        fixed<0>("bgfreehand", etFun, primTool<SurfaceTool::Freehand>),
        fixed<0>("bgspray", etFun, primTool<SurfaceTool::Spray>),
        fixed<0>("bgflexibleline", etFun, primTool<SurfaceTool::FlexibleLine>),
        fixed<0>("bgflexiblerectangle", etFun, primTool<SurfaceTool::FlexibleRectangle>),
        fixed<0>(
            "bgflexiblefilledrectangle", etFun, primTool<SurfaceTool::FlexibleFilledRectangle>),
        fixed<0>("bgflexibleellipse", etFun, primTool<SurfaceTool::FlexibleEllipse>),
        fixed<0>("bgflexiblefilledellipse", etFun, primTool<SurfaceTool::FlexibleFilledEllipse>),
        fixed<0>("*bgLineColour", etFun, primLineColour),
        fixed<1>("set*bgLineColour", etFun, primSetLineColour),
        fixed<0>("*bgLineWidth", etFun, primLineWidth),
        fixed<1>("set*bgLineWidth", etFun, primSetLineWidth),
        fixed<0>("*bgLinePattern", etFun, primLinePattern),
        fixed<1>("set*bgLinePattern", etFun, primSetLinePattern),
        fixed<0>("*origin", etFun, primOrigin),
        fixed<1>("set*origin", etFun, primSetOrigin),
        fixed<1>("tocartesian", etFun, primToCartesian),
        fixed<1>("toabsolute", etFun, primToAbsolute),
        fixed<0>("saveforundo", etFun, primSaveForUndo),
        fixed<1>("savebgpicture", etFun, primSavePicture),
        fixed<1>("loadbgpicture", etFun, primLoadPicture),
    };

    constexpr PrimitiveRow windowRows[] = {
        fixed<0>("undodrawing", etFun, primUndoDrawing),
    };

} // namespace

void registerBackgroundPrimitives(tmultiobject& surfaceClass)
{
    registerPrimitives(surfaceClass.procTable(), &surfaceClass, surfaceRows);
}

void registerWindowBackgroundPrimitives(tmultiobject& windowClass)
{
    registerPrimitives(windowClass.procTable(), &windowClass, windowRows);
}

} // namespace velmora
