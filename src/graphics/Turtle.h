// tTurtle: a turtle, the drawing object of a page or a pane. It has a position (in pixels of its
// surface, y down, held exactly so that many small steps add up), a heading (degrees clockwise
// from north), a pen, a fill brush and a visibility, draws into its surface's background as it
// moves and is painted over it with its shape (the default triangle, a bitmap or a vector shape,
// LogoGraphic), within its shape rectangle.
//
// The turtle's state belongs to the Logo processes (under the interpreter lock); what the window
// thread paints is a copy, changed under the surface's items lock.
#pragma once

#include "core/FontRecord.h"
#include "graphics/DrawingRenderer.h"
#include "graphics/Ink.h"
#include "graphics/LogoGraphic.h"
#include "graphics/PixelRange.h"
#include "graphics/ShownShape.h"
#include "graphics/Surface.h"
#include "graphics/TurtleMotion.h"
#include "graphics/TurtleOverlap.h"
#include "graphics/TurtlePen.h"
#include "objects/ControlObject.h"
#include "values/LogoObject.h"

#include <QColor>

#include <memory>
#include <optional>
#include <string>

namespace velmora {

class tTurtle : public tControlObject, public SurfaceItem {
public:
    tTurtle(tmultiobject* turtleClass, std::string name);
    ~tTurtle() override;

    std::string_view className() const override { return "turtle"; }

    // Joins the surface it draws on, at its start position.
    void placeOn(Surface& surface, PixelPoint start, LogoReal heading);
    // The turtle of the running process's current object; error 78 when that is no turtle.
    static tTurtle& current();
    // The object as a turtle, for the turtle's properties; error 78 for a class made from the
    // turtles or any other object that is no turtle on a surface.
    static tTurtle& of(tmultiobject& object);

    Surface& surface() const;
    // Erased turtles leave their surface.
    bool onSurface() const { return m_surface != nullptr; }
    PixelPoint position() const { return m_position; }
    // Cartesian coordinates, y up.
    LogoReal x() const;
    LogoReal y() const;
    LogoReal heading() const { return m_heading; }
    void setHeading(LogoReal heading);

    // How a move treats the edges and whether it draws.
    struct MoveRules {
        RangeStyle style;
        bool drawing = true;
        bool events = true; // raise "onBounce" and "onCollide"
    };
    // Moves to a pixel position under the turtle's own edge behaviour, drawing with the pen.
    void moveTo(PixelPoint target) { moveTo(target, { m_rangeStyle }); }
    void moveTo(PixelPoint target, MoveRules rules);
    void forward(LogoReal distance);
    // Back to the home position and heading, without drawing.
    void home();
    PixelPoint homePosition() const { return m_home; }
    LogoReal homeHeading() const { return m_homeHeading; }
    void setHome(PixelPoint position, LogoReal heading);

    RangeStyle rangeStyle() const { return m_rangeStyle; }
    // Unless the style is "window", the turtle is then brought inside the range.
    void setRange(RangeStyle style, std::optional<PixelRange> range);
    const std::optional<PixelRange>& range() const { return m_range; }

    const TurtlePen& pen() const { return m_pen; }
    void setPenMode(PenMode mode) { m_pen.mode = mode; }
    // The pen's colour is the fill colour too, until the fill colour is set on its own.
    void setPenColour(QRgb colour);
    void setPenWidth(int32_t width) { m_pen.width = width; }
    void setPenStyle(LineStyle style) { m_pen.style = style; }
    // The whole pen at once, its colour becoming the fill colour.
    void setPen(const TurtlePen& pen);
    QRgb fillColour() const { return m_fillColour; }
    void setFillColour(QRgb colour) { m_fillColour = colour; }
    Qt::BrushStyle fillStyle() const { return m_fillStyle; }
    void setFillStyle(Qt::BrushStyle style) { m_fillStyle = style; }

    // The font of labels.
    const FontRecord& labelFont() const { return m_labelFont; }
    void setLabelFont(FontRecord font) { m_labelFont = std::move(font); }

    // How the pen's mode marks the surface.
    Ink ink() const { return { m_pen.mode, m_surface->background() }; }
    // What the turtle draws is clipped to: its range, else its whole surface.
    QRect drawingClip() const;
    // A dot of `size` pixels across at the turtle, in the pen's colour and mode.
    void dot(int32_t size);
    // Paints the shape as it is now shown into the surface's background, in the pen's mode,
    // clipped to the range.
    void stamp();
    // The pixel of the surface under the turtle; the background colour off the surface.
    QRgb colourUnder() const;

    bool shown() const { return m_shown; }
    void setShown(bool shown);
    // Where the shape is painted, in surface pixels.
    QRect shapeRectangle() const;
    // Whether the turtle is shown with its shape over that pixel.
    bool covers(QPoint at) const;
    // Both shown on the same surface, their shapes overlapping; never with itself.
    bool overlaps(const tTurtle& other, OverlapTest test) const;
    // Painted over, or under, every other item of the surface.
    void toFront();
    void toBack();

    const std::string& hint() const { return m_hint; }
    void setHint(std::string hint) { m_hint = std::move(hint); }
    bool sensitive() const { return m_sensitive; }
    void setSensitive(bool sensitive) { m_sensitive = sensitive; }
    bool autoDrag() const { return m_autoDrag; }
    void setAutoDrag(bool autoDrag) { m_autoDrag = autoDrag; }
    const std::optional<PixelRange>& shownRange() const { return m_shownRange; }
    void setShownRange(std::optional<PixelRange> range) { m_shownRange = range; }

    // The shape and how it is shown. Change it only through `changeShape`, which shows the change.
    const tLogoGraphic& graphic() const { return m_graphic; }
    // Changes the shape's record and shows it; `stepChosen` when the change picks the animation
    // step, which the animation thread otherwise moves on.
    template <typename Change> void changeShape(Change&& change, bool stepChosen = false)
    {
        change(m_graphic);
        showState({}, stepChosen);
    }
    // The animation step shown now, from 0.
    int shownStep() const;
    // Animation stops and starts again from the step shown, with a new delay scale.
    void restartAnimation();

    void paint(QPainter& painter) const override;
    tLogoGrObject& graphicPart() const { return *m_graphicPart; }
    // Makes the turtle's graphic part take all the mouse input of its surface, or lets it go.
    void captureMouse(bool captured);
    // A shown turtle takes the mouse on its shape.
    std::shared_ptr<tLogoGrObject> mouseTargetAt(QPoint at) const override;
    void destroy() override;

private:
    // Where the turtle may go: its range, else its whole surface.
    PixelRange bounds() const;
    // Copies the painted state for the window thread and repaints where the shape was and is,
    // together with what the move drew.
    void showState(const QRect& drawn = {}, bool stepChosen = false);
    QRect shapeArea(QPoint centre) const;
    // The drawing list of a vector shape's current step, or none.
    const tDrawingList* currentDrawing() const;
    DrawingPlacement drawingPlacement(QPoint at) const;
    // "onCollide" when a sensitive, shown turtle comes to overlap another sensitive one.
    void raiseCollision();

    Surface* m_surface = nullptr;
    // Held here alone, so that the window's mouse input finds it gone once the turtle is.
    std::shared_ptr<tLogoGrObject> m_graphicPart;
    PixelPoint m_position { 0, 0 };
    LogoReal m_heading = 0;
    PixelPoint m_home { 0, 0 };
    LogoReal m_homeHeading = 0;
    RangeStyle m_rangeStyle = RangeStyle::Wrap;
    std::optional<PixelRange> m_range;
    TurtlePen m_pen;
    QRgb m_fillColour = qRgb(0, 0, 0); // the brush of filled figures
    Qt::BrushStyle m_fillStyle = Qt::SolidPattern;
    FontRecord m_labelFont;
    bool m_shown = true;
    bool m_sensitive = false; // takes part in collisions
    bool m_autoDrag = false; // the user may drag it with the mouse
    std::string m_hint; // the tooltip over the shape
    std::optional<PixelRange> m_shownRange; // where the shape may be seen; none for everywhere
    bool m_bouncedLast = false; // the last move reflected the turtle
    tLogoGraphic m_graphic;
    // What the window paints of a bitmap or vector shape; made when the turtle joins its surface.
    std::unique_ptr<ShownShape> m_shownShape;

    struct Painted {
        QPoint position; // the pixel the shape is centred on
        double heading = 0;
        QRgb colour = 0;
        bool shown = false;
        bool bitmap = false; // the shape is `m_shownShape` (bitmap or vector), not the default
    };
    Painted m_painted; // under the surface's items lock
};

} // namespace velmora
