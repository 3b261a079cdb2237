#include "graphics/TurtleGlide.h"

#include "core/DrawingListPoints.h"
#include "core/ElapsedTime.h"
#include "core/ParamWords.h"
#include "graphics/Turtle.h"
#include "graphics/TurtleHeading.h"
#include "interpreter/CodeArray.h"
#include "interpreter/Compiler.h"
#include "interpreter/Evaluator.h"
#include "interpreter/InterpreterState.h"
#include "interpreter/Registration.h"
#include "objects/MultiObject.h"
#include "processes/lThread.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace velmora {

namespace {

    // How the glide goes: the length of a step, and after each whole step either a pause in the
    // units of "wait" or an instruction list; an empty list does neither.
    struct GlideSettings {
        LogoReal step = 5;
        int64_t pause = 30;
        ValueRef todo;
    };

    LogoReal numberSetting(tlogoobject* value)
    {
        if (!value->isNumber())
            throw eLogoException(erExpectNumber, value);
        return std::abs(value->asReal());
    }

    GlideSettings settingsOf(tlogoobject* parameters)
    {
        const std::vector<tlogoobject*> items = elementsOf(requireList(parameters));
        GlideSettings settings;
        for (size_t index = 0; index < items.size(); index += 2) {
            tlogoobject* name = items[index];
            if (!name->isWord())
                throw eLogoException(erExpectWord, name);
            if (index + 1 == items.size())
                throw eLogoException(erBadStructure, name);
            tlogoobject* value = items[index + 1];
            if (isParamWord("step", name)) {
                settings.step = numberSetting(value);
                if (settings.step == 0)
                    settings.step = 1;
            } else if (isParamWord("wait", name))
                settings.pause = static_cast<int64_t>(numberSetting(value));
            else if (isParamWord("todo", name)) {
                if (!value->isList())
                    throw eLogoException(erExpectList, value);
                settings.todo = value;
            } else
                throw eLogoException(erBadStructure, name);
        }
        return settings;
    }

    // After each whole step: the instruction list, or the pause; a list that is empty does
    // neither, and the process only gives others their turn.
    void afterStep(const GlideSettings& settings)
    {
        InterpreterState& state = *InterpreterState::current();
        if (tlogoobject* todo = settings.todo.get()) {
            if (todo->isEmpty()) {
                if (state.yieldHook)
                    state.yieldHook(state);
                return;
            }
            const CodeRef code(compile(todo, CompileMode::Instructions));
            evaluator::runList(state, code.get());
        } else if (tLogoprocess* self = tLogoprocess::current()) {
            self->sleep(toMilliseconds(settings.pause));
        }
    }

    // The vector [dx dy] of the path, read in the turtle's frame at the start (dx to its right,
    // dy ahead), as a move east and north.
    std::optional<PixelPoint> displacement(tlogoobject* vector, LogoReal startHeading)
    {
        if (vector->isEmpty())
            return std::nullopt;
        const std::vector<tlogoobject*> parts = elementsOf(static_cast<tLogoList*>(vector));
        const LogoReal dx = parts[0]->asReal();
        const LogoReal dy = parts[1]->asReal();
        const LogoReal radians = startHeading * std::numbers::pi_v<LogoReal> / 180;
        const LogoReal east = dx * std::cos(radians) + dy * std::sin(radians);
        const LogoReal north = dy * std::cos(radians) - dx * std::sin(radians);
        return PixelPoint { east, north };
    }

    // The path's vectors are travelled with the pen as it was, the first with the pen up, and so
    // is one that follows a gap in the path. A step cut short at the end of a vector goes on
    // along the next, so the steps keep their length around corners.
    tlogoobject* primGlide(tlogoobject*, tlogoobject* path, tlogoobject* parameters)
    {
        const GlideSettings settings = settingsOf(parameters);
        const ValueRef vectors(drawingListPoints(path, PointForm::Vectors));
        const LogoReal startHeading = tTurtle::current().heading();
        const PenMode savedPen = tTurtle::current().pen().mode;
        tTurtle::current().setPenMode(PenMode::Up);
        LogoReal shortfall = 0;
        InterpreterState& state = *InterpreterState::current();
        for (tlogoobject* vector : elements(static_cast<tLogoList*>(vectors.get()))) {
            const std::optional<PixelPoint> move = displacement(vector, startHeading);
            if (!move) {
                tTurtle::current().setPenMode(PenMode::Up);
                continue;
            }
            LogoReal left = std::hypot(move->x, move->y);
            if (left > 0)
                tTurtle::current().setHeading(headingTowards({ 0, 0 }, { move->x, -move->y }));
            while (left > 0 && !state.stopFlag) {
                const LogoReal piece = std::min(left, shortfall > 0 ? shortfall : settings.step);
                tTurtle::current().forward(piece);
                left -= piece;
                shortfall = (shortfall > 0 ? shortfall : settings.step) - piece;
                if (shortfall <= 0) {
                    shortfall = 0;
                    afterStep(settings);
                }
            }
            tTurtle::current().setPenMode(savedPen);
        }
        return nullptr;
    }

    constexpr PrimitiveRow rows[] = {
        fixed<2>("glide", etFun, primGlide),
    };

} // namespace

void registerTurtleGlide(tmultiobject& prototype)
{
    registerPrimitives(prototype.procTable(), &prototype, rows);
}

} // namespace velmora
