// DrawingItem: one item of a compiled drawing list, and the style a drawing list starts from.
//
// Positions are in the drawing's own units with y pointing down, relative to where the drawing is
// rendered and turned with it: (0, 0) is the drawing position at the start, heading 0 points up.
// Every coordinate is rounded to 0.01.
#pragma once

#include "core/ColourTables.h"
#include "core/FontRecord.h"
#include "values/LogoObject.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace velmora {

enum class DrawingItemType : uint8_t {
    Polygon = 2, // a closed point list, filled with the fill brush and outlined with the pen
    Line = 3, // an open point list drawn with the pen
    PenColour = 4, // sets the pen colour of the items after it
    Fill = 5, // sets the fill colour and pattern
    PenWidth = 7,
    PenPattern = 8,
    Ellipse = 10, // an ellipse outline or arc: its record and its sampled points
    FilledEllipse = 12, // a filled ellipse or pie
    Dot = 13, // a dot of a size at one point
    Font = 20, // sets the label font
    Label = 21, // a text at one point, turned by a heading
    LabelMoving = 22, // the same, the drawing going on from the end of the text
};

struct DrawingPoint {
    LogoReal x;
    LogoReal y;

    bool operator==(const DrawingPoint&) const = default;
};

struct EllipseRecord {
    DrawingPoint centre;
    LogoReal radiusX;
    LogoReal radiusY;
    LogoReal heading; // the drawing heading the ellipse was turned by
    bool full; // the whole ellipse, not an arc or a pie
};

struct FillStyle {
    Colour colour;
    int32_t pattern; // fill pattern 0 .. 7

    bool operator==(const FillStyle&) const = default;
};

struct DrawingItem {
    DrawingItemType type;
    std::vector<DrawingPoint> points; // the figure's points; one for dots and labels
    std::string text; // a label's text
    // Colour (pen colour), int32_t (pen width, pen pattern, dot size), FillStyle, FontRecord,
    // EllipseRecord, LogoReal (a label's heading).
    std::variant<std::monostate, Colour, int32_t, FillStyle, FontRecord, EllipseRecord, LogoReal>
        payload;
};

// The pen, brush and font a drawing list starts with.
struct DrawingStyle {
    Colour penColour = 0;
    int32_t penWidth = 1;
    int32_t penPattern = 0;
    FillStyle fill { 0, 0 };
    FontRecord font;
};

} // namespace velmora
