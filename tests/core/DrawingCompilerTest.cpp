// The drawing-list compiler: the items each list compiles to, written out compactly (y down, as
// the items keep it), or the error it raises with the command it names.
#include "values/ValueFixture.h"

#include "core/DrawingCompiler.h"
#include "core/SplineSmoothing.h"
#include "values/Errors.h"
#include "values/Reader.h"

#include <cstdio>
#include <string>

namespace velmora {
namespace {

    std::string number(LogoReal value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.10g", static_cast<double>(value));
        return text;
    }

    std::string point(const DrawingPoint& at) { return number(at.x) + "," + number(at.y); }

    // All the points of short lists; the count and the two ends of long ones.
    std::string points(const std::vector<DrawingPoint>& list)
    {
        if (list.size() > 6)
            return std::to_string(list.size()) + " points " + point(list.front()) + " .. "
                + point(list.back());
        std::string text;
        for (const DrawingPoint& at : list) {
            if (!text.empty())
                text += ' ';
            text += point(at);
        }
        return text;
    }

    std::string hex(Colour colour)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%06x", colour);
        return text;
    }

    std::string describe(const DrawingItem& item)
    {
        switch (item.type) {
        case DrawingItemType::Polygon:
            return "polygon " + points(item.points);
        case DrawingItemType::Line:
            return "line " + points(item.points);
        case DrawingItemType::PenColour:
            return "colour " + hex(std::get<Colour>(item.payload));
        case DrawingItemType::Fill: {
            const FillStyle fill = std::get<FillStyle>(item.payload);
            return "fill " + hex(fill.colour) + "/" + std::to_string(fill.pattern);
        }
        case DrawingItemType::PenWidth:
            return "width " + std::to_string(std::get<int32_t>(item.payload));
        case DrawingItemType::PenPattern:
            return "pattern " + std::to_string(std::get<int32_t>(item.payload));
        case DrawingItemType::Ellipse:
        case DrawingItemType::FilledEllipse: {
            const EllipseRecord& record = std::get<EllipseRecord>(item.payload);
            return std::string(item.type == DrawingItemType::Ellipse ? "ellipse " : "filled ")
                + (record.full ? "full " : "arc ") + points(item.points);
        }
        case DrawingItemType::Dot:
            return "dot " + std::to_string(std::get<int32_t>(item.payload)) + " at "
                + point(item.points.front());
        case DrawingItemType::Font: {
            const FontRecord& font = std::get<FontRecord>(item.payload);
            return "font " + font.face + " " + std::to_string(font.size);
        }
        case DrawingItemType::Label:
        case DrawingItemType::LabelMoving:
            return "label " + item.text + " at " + point(item.points.front()) + " heading "
                + number(std::get<LogoReal>(item.payload));
        }
        return "?";
    }

    // The style items every list that draws starts with, for the default style.
    constexpr std::string_view defaults = "colour 000000; fill 000000/0; width 1; pattern 0; ";

    class DrawingCompilerTest : public ValueFixture {
    protected:
        std::string compiled(std::string_view source, const DrawingStyle& style = {})
        {
            const ValueRef list(readList(source));
            try {
                std::string text;
                for (const DrawingItem& item :
                    compileDrawingList(static_cast<tLogoList*>(list.get()), style)) {
                    if (!text.empty())
                        text += "; ";
                    text += describe(item);
                }
                return text;
            } catch (const eLogoException& error) {
                return "error " + std::to_string(error.code)
                    + (error.primName.empty() ? "" : " in " + error.primName);
            }
        }
    };

    TEST_F(DrawingCompilerTest, ListsCompileToTheirItems)
    {
        const struct {
            std::string_view source;
            std::string expected; // after the default style items, or those before a width
        } cases[] = {
            // Commands, the numeric form and repeats.
            { "forward 100 right 90 forward 100", "line 0,0 0,-100 100,-100" },
            { "100 90 100 90 100 90 100 90", "line 0,0 0,-100 100,-100 100,0 0,0" },
            { "repeat 4 [forward 50 right 90]", "line 0,0 0,-50 50,-50 50,0 0,0" },
            { "4 [50 90]", "line 0,0 0,-50 50,-50 50,0 0,0" },
            { "fd 10 bk 30 lt 90 fd 5", "line 0,0 0,-10 0,20 -5,20" },
            { "setpos [30 40] setheading 180 fd 10", "line 0,0 30,-40 30,-30" },
            { "rt 45 fd 10", "line 0,0 7.07,-7.07" },
            { "repeat 10000 [fd 1]", "line 9999 points 0,0 .. 0,-10000" },
            // Lines end at the pen, at style changes and at figures.
            { "fd 10 pu fd 10 pd fd 10", "line 0,0 0,-10; line 0,-20 0,-30" },
            { "fd 10 setpenwidth 2 fd 10", "line 0,0 0,-10; width 2; line 0,-10 0,-20" },
            { "polygon [fd 50 rt 90 fd 50]", "polygon 0,0 0,-50 50,-50 0,0" },
            { "drawspline [fd 10 rt 90 fd 10]", "line 21 points 0,0 .. 10,-10" },
            { "drawspline [fd 10 drawspline [rt 90 fd 10]] fd 5",
                "line 21 points 0,0 .. 10,-10; line 10,-10 15,-10" },
            { "polygon [fd 10 polygon [rt 90 fd 10] rt 90 fd 10]",
                "polygon 0,0 0,-10 10,-10 10,0 0,0" },
            { "fd 10 outline [[0 0] [10 0] [] [20 20] [30 20]] fd 5",
                "line 0,0 0,-10; line 0,-10 10,-10; line 20,-30 30,-30; line 0,-10 0,-15" },
            { "drawvectors [[10 0] [0 10] [] [5 5] [0 10]]",
                "line 10,0 10,-10; line 15,-15 15,-25" },
            // Ellipses: the whole one closes on its first point; an arc ends exactly at its end;
            // a pie has the centre at both ends.
            { "ellipse [100 50]", "ellipse full 31 points 0,-25 .. 0,-25" },
            { "ellipse [100 100 0 90]", "ellipse arc 9 points 0,-50 .. 50,0" },
            { "ellipse [100 100 90 0]", "ellipse arc 24 points 50,0 .. 0,-50" },
            { "filledellipse [100 100 0 90]", "filled arc 11 points 0,0 .. 0,0" },
            { "circle 20 filledcircle 20",
                "ellipse full 31 points 0,-10 .. 0,-10; "
                "filled full 31 points 0,-10 .. 0,-10" },
            // Dots and labels.
            { "setpenwidth 5 dot point 3 point 0",
                "width 5; pattern 0; dot 5 at 0,0; dot 3 at 0,0; dot 1 at 0,0" },
            { "setheading 90 label abc fd 10 label2 [d e]",
                "font System 0; label abc at 0,0 heading 90; line 0,0 10,0; "
                "label d e at 10,0 heading 90" },
        };
        for (const auto& c : cases) {
            const std::string_view before = c.expected.starts_with("width")
                ? defaults.substr(0, defaults.find("width"))
                : defaults;
            const std::string expected = std::string(before) + c.expected;
            EXPECT_EQ(compiled(c.source), expected) << c.source;
        }
    }

    TEST_F(DrawingCompilerTest, StyleItemsComeOnlyWhenTheyChange)
    {
        EXPECT_EQ(compiled("setpc [255 0 0] fd 10 setpc [255 0 0] fd 10"),
            "colour ff0000; fill 000000/0; width 1; pattern 0; line 0,0 0,-10; line 0,-10 0,-20");
        EXPECT_EQ(compiled("setfillcolor [0 0 255] setfillpattern 3 polygon [fd 10 rt 90 fd 10]"),
            "colour 000000; fill 0000ff/3; width 1; pattern 0; polygon 0,0 0,-10 10,-10 0,0");
        EXPECT_EQ(compiled("pu fd 10 pd"), "");
        DrawingStyle style;
        style.penColour = 0x00FF00;
        style.penWidth = 3;
        EXPECT_EQ(compiled("fd 10", style),
            "colour 00ff00; fill 000000/0; width 3; pattern 0; line 0,0 0,-10");
    }

    TEST_F(DrawingCompilerTest, FailuresNameTheirCommand)
    {
        const struct {
            std::string_view source;
            std::string_view expected;
        } cases[] = {
            { "[fd]", "error 8" },
            { "jump 10", "error 93" },
            { "4 [forward 50 right 90]", "error 93 in forward" },
            { "repeat 4 [50 90]", "error 104" },
            { "forward 10 100", "error 104" },
            { "polygon", "error 94 in polygon" },
            { "drawspline", "error 94 in drawspline" },
            { "repeat 3", "error 94 in repeat" },
            { "polygon 5", "error 6 in polygon" },
            { "outline", "error 95 in outline" },
            { "drawvectors 5", "error 6 in drawvectors" },
            { "outline [[1 2 3]]", "error 96 in outline" },
            { "drawvectors [5]", "error 96 in drawvectors" },
            { "setfont", "error 97 in setfont" },
            { "setfont abc", "error 6 in setfont" },
            { "label", "error 98 in label" },
            { "setpc", "error 99 in setpc" },
            { "setfillpattern", "error 100 in setfillpattern" },
            { "setpenpattern", "error 101 in setpenpattern" },
            { "setpenpattern 9", "error 26 in setpenpattern" },
            { "fd", "error 102 in fd" },
            { "fd [1]", "error 12 in fd" },
            { "repeat", "error 102 in repeat" },
            { "repeat 10001 [fd 1]", "error 26 in repeat" },
            { "ellipse", "error 103 in ellipse" },
            { "ellipse [1 2 3]", "error 10 in ellipse" },
            { "setpos", "error 103 in setpos" },
            { "setpos [1]", "error 13 in setpos" },
        };
        for (const auto& c : cases)
            EXPECT_EQ(compiled(c.source), c.expected) << c.source;
    }

    TEST_F(DrawingCompilerTest, ASplineThroughPointsPassesThroughEachOfThem)
    {
        const std::vector<DrawingPoint> open { { 0, 0 }, { 200, 0 }, { 200, 200 } };
        const std::vector<DrawingPoint> curve = smoothedSpline(open);
        EXPECT_EQ(curve.size(), 101u); // 50 steps along each long segment, and the end
        EXPECT_EQ(curve.front(), open[0]);
        EXPECT_EQ(curve[50], open[1]);
        EXPECT_EQ(curve.back(), open[2]);

        // Closed: the last point equals the first, so the curve goes round through every point
        // with tangents taken across the join.
        const std::vector<DrawingPoint> square { { 0, 0 }, { 10, 0 }, { 10, 10 }, { 0, 10 },
            { 0, 0 } };
        const std::vector<DrawingPoint> loop = smoothedSpline(square);
        EXPECT_EQ(loop.size(), 41u); // four segments of 10 steps, and the end
        EXPECT_EQ(loop.back(), square.front());
        EXPECT_LT(loop[5].y, 0); // bulging outwards between the first two corners
        EXPECT_EQ(smoothedSpline(std::vector<DrawingPoint> { { 1.234, 5 } }).size(), 1u);
        EXPECT_EQ(smoothedSpline(std::vector<DrawingPoint> { { 1.234, 5 } }).front().x, 1.23L);
    }

} // namespace
} // namespace velmora
