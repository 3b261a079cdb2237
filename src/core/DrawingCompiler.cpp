#include "core/DrawingCompiler.h"

#include "core/Colours.h"
#include "core/DrawingCommands.h"
#include "core/EllipseArc.h"
#include "core/LabelMeasure.h"
#include "core/PatternNumbers.h"
#include "core/RandomInputs.h"
#include "core/RoundedPath.h"
#include "core/SplineSmoothing.h"
#include "interpreter/InterpreterState.h"
#include "values/Angles.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/LogoNumber.h"
#include "values/Random.h"

#include <cmath>
#include <limits>
#include <optional>

namespace velmora {

namespace {

    constexpr int32_t maximumRepeat = 10000;
    constexpr int32_t largestPointSize = 100; // of "point any"

    enum class FrameKind : uint8_t { List, Polygon, Spline, Repeat };

    // A list being read: where reading goes on, and for a repeat the list and the rounds left.
    struct Frame {
        tLogoList* cursor;
        tLogoList* body;
        int32_t remaining;
        FrameKind kind;
    };

    enum class MotionForm : uint8_t { Undecided, Numbers, Commands };

    bool exhausted(const Frame& frame) { return !frame.cursor || frame.cursor->isEmpty(); }

    tlogoobject* take(Frame& frame)
    {
        tlogoobject* element = frame.cursor->first();
        frame.cursor = frame.cursor->rest();
        return element;
    }

    tlogoobject* peek(const Frame& frame)
    {
        return exhausted(frame) ? nullptr : frame.cursor->first();
    }

    LogoReal normalizedHeading(LogoReal heading)
    {
        heading = std::fmod(heading, LogoReal(360));
        return heading < 0 ? heading + 360 : heading;
    }

    // When a list grows past the limit, its last point takes the place of the one at the limit.
    void limitPoints(std::vector<DrawingPoint>& points)
    {
        if (points.size() <= maximumLinePoints)
            return;
        const DrawingPoint last = points.back();
        points.resize(maximumLinePoints);
        points.back() = last;
    }

    class Compiler {
    public:
        explicit Compiler(const DrawingStyle& style)
            : m_style(style)
        {
        }

        std::vector<DrawingItem> run(tLogoList* list)
        {
            m_frames.push_back({ list, list, 1, FrameKind::List });
            while (!m_frames.empty()) {
                Frame& top = m_frames.back();
                if (exhausted(top)) {
                    finishFrame();
                    continue;
                }
                tlogoobject* element = take(top);
                if (!element->isWord())
                    throw eLogoException(erExpectWord, element);
                if (element->isNumber())
                    numericForm(element);
                else
                    command(element);
            }
            endLine();
            return std::move(m_items);
        }

    private:
        // The list's reading.

        void finishFrame()
        {
            Frame& top = m_frames.back();
            if (top.kind == FrameKind::Repeat && --top.remaining > 0) {
                top.cursor = top.body;
                yieldToOthers();
                return;
            }
            const FrameKind kind = top.kind;
            m_frames.pop_back();
            if (kind == FrameKind::Polygon)
                leaveFigure(m_polygonDepth);
            if (kind == FrameKind::Spline)
                leaveFigure(m_splineDepth);
        }

        // Nested repeats can run for a very long time: each round is a yield point, where other
        // processes take their turns and a process told to stop ends.
        static void yieldToOthers()
        {
            InterpreterState* state = InterpreterState::current();
            if (state && state->yieldHook)
                state->yieldHook(*state);
        }

        // Leaving the outermost figure ends its line, as the figure's.
        void leaveFigure(int32_t& depth)
        {
            if (depth == 1)
                endLine();
            --depth;
        }

        void enterFigure(int32_t& depth, FrameKind kind, tLogoList* body)
        {
            if (depth++ == 0)
                endLine();
            m_frames.push_back({ body, body, 1, kind });
        }

        void repeat(tlogoobject* count, tLogoList* body)
        {
            const int32_t rounds = count->intInRange(0, maximumRepeat);
            if (rounds > 0)
                m_frames.push_back({ body, body, rounds, FrameKind::Repeat });
        }

        // The next element of the list being read: the input of the command `m_word`, error
        // `missing` naming the command when the list ends.
        tlogoobject* input(errorConst missing)
        {
            Frame& top = m_frames.back();
            if (exhausted(top))
                throw eLogoException(missing, m_word);
            return take(top);
        }

        tLogoList* listInput(errorConst missing) { return requireList(input(missing)); }

        void useForm(MotionForm form, tlogoobject* element)
        {
            if (m_form == MotionForm::Undecided) {
                m_form = form;
                m_formWord = element;
            } else if (m_form != form) {
                if (form == MotionForm::Numbers)
                    throw eLogoException(erDrawingMissingComm, m_formWord);
                throw eLogoException(erDrawingComm, element);
            }
        }

        // A number followed by a list repeats it; otherwise it moves forward, and a second number
        // turns right.
        void numericForm(tlogoobject* number)
        {
            useForm(MotionForm::Numbers, number);
            tlogoobject* next = peek(m_frames.back());
            if (next && next->isList()) {
                repeat(number, static_cast<tLogoList*>(take(m_frames.back())));
                return;
            }
            forward(number->asReal());
            if (next && next->isNumber())
                turn(take(m_frames.back())->asReal());
        }

        void command(tlogoobject* word)
        {
            const std::optional<DrawingCommand> found = m_words.commandNamed(word->nameCode());
            if (!found)
                throw eLogoException(erDrawingComm, word);
            m_word = word;
            try {
                if (isMotionCommand(*found))
                    useForm(MotionForm::Commands, word);
                run(*found);
            } catch (eLogoException& error) {
                error.recordFailingName(word->text());
                throw;
            }
        }

        void run(DrawingCommand command)
        {
            switch (command) {
            case DrawingCommand::PenUp:
            case DrawingCommand::PenDown:
                endLine();
                m_penDown = command == DrawingCommand::PenDown;
                break;
            case DrawingCommand::Polygon:
                enterFigure(m_polygonDepth, FrameKind::Polygon, listInput(erDrawingMissingList));
                break;
            case DrawingCommand::Spline:
                enterFigure(m_splineDepth, FrameKind::Spline, listInput(erDrawingMissingList));
                break;
            case DrawingCommand::Repeat: {
                tlogoobject* count = input(erDrawingMissingNumber);
                repeat(count, listInput(erDrawingMissingList));
                break;
            }
            case DrawingCommand::PenColour:
                endLine();
                m_style.penColour = asColour(input(erDrawingMissingColor));
                break;
            case DrawingCommand::FillColour:
                endLine();
                m_style.fill.colour = asColour(input(erDrawingMissingColor));
                break;
            case DrawingCommand::FillPattern:
                endLine();
                m_style.fill.pattern = fillPatternNumber(input(erDrawingMissingFP));
                break;
            case DrawingCommand::PenWidth:
                endLine();
                m_style.penWidth = penWidth(input(erDrawingMissingNumber));
                break;
            case DrawingCommand::PenPattern:
                endLine();
                m_style.penPattern = penPatternNumber(input(erDrawingMissingPP));
                break;
            case DrawingCommand::Circle:
            case DrawingCommand::FilledCircle: {
                const LogoReal diameter = input(erDrawingMissingNumber)->asReal();
                ellipse({ m_position, diameter, diameter, m_heading },
                    command == DrawingCommand::FilledCircle);
                break;
            }
            case DrawingCommand::Ellipse:
            case DrawingCommand::FilledEllipse:
                ellipse(ellipseInput(), command == DrawingCommand::FilledEllipse);
                break;
            case DrawingCommand::Dot:
                dot(m_style.penWidth);
                break;
            case DrawingCommand::Point:
                dot(pointSize(input(erDrawingMissingNumber)));
                break;
            case DrawingCommand::Position:
                moveTo(positionInput());
                break;
            case DrawingCommand::Heading:
                m_heading = normalizedHeading(
                    numberOrRandom(input(erDrawingMissingNumber), AnyQuantity::Angle));
                break;
            case DrawingCommand::Outline:
            case DrawingCommand::Vectors:
                pointLine(listInput(erDrawingMissingPoints), command == DrawingCommand::Vectors);
                break;
            case DrawingCommand::Font:
                m_style.font = fontFromValue(listInput(erDrawingMissingFont), m_style.font);
                break;
            case DrawingCommand::Label:
            case DrawingCommand::LabelMoving:
                label(input(erDrawingMissingText)->printForm(false),
                    command == DrawingCommand::LabelMoving);
                break;
            case DrawingCommand::Forward:
            case DrawingCommand::Back: {
                const LogoReal distance
                    = numberOrRandom(input(erDrawingMissingNumber), AnyQuantity::Forward);
                forward(command == DrawingCommand::Forward ? distance : -distance);
                break;
            }
            case DrawingCommand::Right:
                turn(numberOrRandom(input(erDrawingMissingNumber), AnyQuantity::Right));
                break;
            case DrawingCommand::Left:
                turn(-numberOrRandom(input(erDrawingMissingNumber), AnyQuantity::Left));
                break;
            }
        }

        // Inputs.

        static int32_t penWidth(tlogoobject* width)
        {
            if (width->isAnyWord())
                return randomAnyValue(AnyQuantity::PenWidth);
            return realInRange(width->asReal(), 0, std::numeric_limits<int32_t>::max(), width);
        }

        static int32_t pointSize(tlogoobject* size)
        {
            if (size->isAnyWord())
                return randomInRange(1, largestPointSize);
            return std::max(1, roundedInteger(size->asReal(), size));
        }

        // [x y] with y up, as a position with y down.
        DrawingPoint positionInput()
        {
            tlogoobject* position = input(erDrawingMissingNumber2);
            if (!position->isList() || static_cast<tLogoList*>(position)->count() != 2)
                throw eLogoException(erExpectList2, position);
            auto* pair = static_cast<tLogoList*>(position);
            return { pair->first()->asReal(), -pair->rest()->first()->asReal() };
        }

        // [w h] or [w h from to].
        EllipseArc ellipseInput()
        {
            tLogoList* form = listInput(erDrawingMissingNumber2);
            const std::vector<tlogoobject*> numbers = elementsOf(form);
            if (numbers.size() != 2 && numbers.size() != 4)
                throw eLogoException(erBadStructure, form);
            EllipseArc arc { m_position, numbers[0]->asReal(), numbers[1]->asReal(), m_heading };
            if (numbers.size() == 4) {
                arc.from = numbers[2]->asReal();
                arc.to = numbers[3]->asReal();
            }
            return arc;
        }

        // Moving and drawing.

        void forward(LogoReal distance)
        {
            const CosineAndSine direction = cosineAndSineOfDegrees(m_heading);
            moveTo({ m_position.x + distance * direction.sine,
                m_position.y - distance * direction.cosine });
        }

        void turn(LogoReal angle) { m_heading = normalizedHeading(m_heading + angle); }

        void moveTo(DrawingPoint target)
        {
            if (m_penDown) {
                if (m_line.empty()) {
                    emitStyles();
                    m_line.add(m_position);
                }
                m_line.add(target);
            }
            m_position = target;
        }

        void endLine()
        {
            std::vector<DrawingPoint> points = m_line.take();
            if (points.size() < 2)
                return;
            if (m_splineDepth > 0) {
                points = smoothedSpline(points);
                limitPoints(points);
            }
            const bool polygon = m_polygonDepth > 0;
            if (polygon && points.back() != points.front())
                points.push_back(points.front());
            m_items.push_back({ polygon ? DrawingItemType::Polygon : DrawingItemType::Line,
                std::move(points), {}, {} });
        }

        // Points relative to the drawing position ("outline") or each to the one before
        // ("drawvectors"); the first point and any after an empty list are reached without
        // drawing. The drawing position and pen are as they were afterwards.
        void pointLine(tLogoList* points, bool chained)
        {
            endLine();
            const DrawingPoint start = m_position;
            const bool penDown = m_penDown;
            DrawingPoint previous = start;
            bool lifted = true;
            for (tlogoobject* element : elementsOf(points)) {
                auto* pair = element->isList() ? static_cast<tLogoList*>(element) : nullptr;
                if (pair && pair->isEmpty()) {
                    lifted = true;
                    continue;
                }
                if (!pair || pair->count() != 2)
                    throw eLogoException(erDrawingWrongPoints, m_word);
                const DrawingPoint base = chained ? previous : start;
                const DrawingPoint target { base.x + pair->first()->asReal(),
                    base.y - pair->rest()->first()->asReal() };
                if (lifted) {
                    endLine();
                    m_position = target;
                } else {
                    m_penDown = true;
                    moveTo(target);
                }
                lifted = false;
                previous = target;
            }
            endLine();
            m_position = start;
            m_penDown = penDown;
        }

        void ellipse(const EllipseArc& arc, bool filled)
        {
            endLine();
            emitStyles();
            const EllipseRecord record = ellipseRecord(arc);
            const bool pie = filled && !record.full;
            RoundedPath path(maximumLinePoints);
            if (pie)
                path.add(arc.centre);
            for (const DrawingPoint& point : ellipsePoints(arc))
                path.add(point);
            if (pie)
                path.add(arc.centre);
            m_items.push_back({ filled ? DrawingItemType::FilledEllipse : DrawingItemType::Ellipse,
                path.take(), {}, record });
        }

        void dot(int32_t size)
        {
            endLine();
            emitStyles();
            m_items.push_back({ DrawingItemType::Dot, { roundedPosition() }, {}, size });
        }

        // "label2" goes on from the end of the text, turned with the heading.
        void label(std::string text, bool moving)
        {
            endLine();
            emitStyles();
            emitIfChanged(m_emittedFont, m_style.font, DrawingItemType::Font);
            const LabelEnd end
                = moving ? labelMeasureService().get().labelEnd(m_style.font, text) : LabelEnd {};
            m_items.push_back({ moving ? DrawingItemType::LabelMoving : DrawingItemType::Label,
                { roundedPosition() }, std::move(text), m_heading });
            const CosineAndSine turn = cosineAndSineOfDegrees(m_heading);
            m_position.x += end.along * turn.cosine - end.down * turn.sine;
            m_position.y += end.along * turn.sine + end.down * turn.cosine;
        }

        DrawingPoint roundedPosition() const
        {
            return { roundedToHundredths(m_position.x), roundedToHundredths(m_position.y) };
        }

        // Style items, each only when it differs from the one emitted last.

        void emitStyles()
        {
            emitIfChanged(m_emittedPenColour, m_style.penColour, DrawingItemType::PenColour);
            emitIfChanged(m_emittedFill, m_style.fill, DrawingItemType::Fill);
            emitIfChanged(m_emittedPenWidth, m_style.penWidth, DrawingItemType::PenWidth);
            emitIfChanged(m_emittedPenPattern, m_style.penPattern, DrawingItemType::PenPattern);
        }

        template <typename Value>
        void emitIfChanged(std::optional<Value>& emitted, const Value& value, DrawingItemType type)
        {
            if (emitted == value)
                return;
            emitted = value;
            m_items.push_back({ type, {}, {}, value });
        }

        const DrawingCommandWords m_words;
        DrawingStyle m_style; // as the list has set it so far
        std::vector<Frame> m_frames;
        std::vector<DrawingItem> m_items;
        RoundedPath m_line { maximumLinePoints };
        DrawingPoint m_position { 0, 0 }; // y down
        LogoReal m_heading = 0;
        bool m_penDown = true;
        int32_t m_polygonDepth = 0;
        int32_t m_splineDepth = 0;
        MotionForm m_form = MotionForm::Undecided;
        tlogoobject* m_formWord = nullptr; // the element that decided the form
        tlogoobject* m_word = nullptr; // the command being run
        std::optional<Colour> m_emittedPenColour;
        std::optional<FillStyle> m_emittedFill;
        std::optional<int32_t> m_emittedPenWidth;
        std::optional<int32_t> m_emittedPenPattern;
        std::optional<FontRecord> m_emittedFont;
    };

} // namespace

std::vector<DrawingItem> compileDrawingList(tLogoList* list, const DrawingStyle& style)
{
    return Compiler(style).run(list);
}

} // namespace velmora
