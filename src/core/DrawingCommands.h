// DrawingCommand: the commands of the drawing-list language, and the words that name them.
//
// Commands are found by the words of the current language: the internal name of each is looked up
// in the dictionary, and the setters ("setpencolour", ...) are the setter names of the turtle's
// properties, so they have the same spellings and synonyms as those setters.
//
// Under the interpreter lock (the dictionary and the name codes).
#pragma once

#include "localization/NameCode.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {

enum class DrawingCommand : uint8_t {
    PenUp = 0,
    PenDown = 1,
    Polygon = 2,
    PenColour = 4,
    FillColour = 5,
    FillPattern = 6,
    PenWidth = 7,
    PenPattern = 8,
    Circle = 9,
    Ellipse = 10,
    FilledCircle = 11,
    FilledEllipse = 12,
    Dot = 13,
    Point = 14,
    Position = 15,
    Heading = 16,
    Outline = 17,
    Spline = 18,
    Vectors = 19,
    Font = 20,
    Label = 21,
    LabelMoving = 22,
    Forward = 23,
    Back = 24,
    Right = 25,
    Left = 26,
    Repeat = 27,
};

// The commands that move and turn by numbers, which the numeric form also does: a list uses
// either these or the numeric form.
bool isMotionCommand(DrawingCommand command);

// Every spelling of every command in the current language, looked up once for a compilation.
class DrawingCommandWords {
public:
    DrawingCommandWords();
    std::optional<DrawingCommand> commandNamed(NameCode name) const;

private:
    std::vector<std::pair<NameCode, DrawingCommand>> m_spellings;
};

} // namespace velmora
