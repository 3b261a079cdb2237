#include "core/DrawingCommands.h"

#include "localization/NameCodes.h"
#include "localization/NameTranslation.h"

#include <string_view>

namespace velmora {

namespace {

    struct CommandName {
        DrawingCommand command;
        std::string_view internalName;
    };

    constexpr CommandName commandNames[] = {
        { DrawingCommand::PenUp, "penup" },
        { DrawingCommand::PenDown, "pendown" },
        { DrawingCommand::Polygon, "polygon" },
        { DrawingCommand::PenColour, "set*penColour" },
        { DrawingCommand::FillColour, "set*fillColour" },
        { DrawingCommand::FillPattern, "set*fillPattern" },
        { DrawingCommand::PenWidth, "set*penWidth" },
        { DrawingCommand::PenPattern, "set*penPattern" },
        { DrawingCommand::Circle, "circle" },
        { DrawingCommand::Ellipse, "ellipse" },
        { DrawingCommand::FilledCircle, "filledcircle" },
        { DrawingCommand::FilledEllipse, "filledellipse" },
        { DrawingCommand::Dot, "dot" },
        { DrawingCommand::Point, "point" },
        { DrawingCommand::Position, "set*pos" },
        { DrawingCommand::Heading, "set*heading" },
        { DrawingCommand::Outline, "outline" },
        { DrawingCommand::Spline, "drawspline" },
        { DrawingCommand::Vectors, "drawvectors" },
        { DrawingCommand::Font, "set*font" },
        { DrawingCommand::Label, "label" },
        { DrawingCommand::LabelMoving, "label2" },
        { DrawingCommand::Forward, "forward" },
        { DrawingCommand::Back, "back" },
        { DrawingCommand::Right, "right" },
        { DrawingCommand::Left, "left" },
        { DrawingCommand::Repeat, "repeat" },
    };

} // namespace

bool isMotionCommand(DrawingCommand command) { return command >= DrawingCommand::Forward; }

DrawingCommandWords::DrawingCommandWords()
{
    for (const CommandName& row : commandNames)
        for (const NameCode code : codesOf(row.internalName))
            m_spellings.emplace_back(code, row.command);
}

std::optional<DrawingCommand> DrawingCommandWords::commandNamed(NameCode name) const
{
    for (const auto& [code, command] : m_spellings)
        if (code == name)
            return command;
    return std::nullopt;
}

} // namespace velmora
