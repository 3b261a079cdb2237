#include "core/ListVectors.h"

#include "core/DrawingListPoints.h"
#include "core/ListOperationRows.h"
#include "values/Angles.h"
#include "values/Arithmetic.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/Random.h"
#include "values/ValueFactory.h"
#include "values/ValueRef.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

namespace {

    using ElementOp = tlogonumber* (*)(tlogoobject*, tlogoobject*);
    using UnaryOp = tlogonumber* (*)(tlogoobject*);

    tLogoList* list(tlogoobject* value) { return static_cast<tLogoList*>(value); }

    ElementOp elementOp(VectorOp op)
    {
        switch (op) {
        case VectorOp::Add:
            return add;
        case VectorOp::Subtract:
            return subtract;
        case VectorOp::Multiply:
            return multiply;
        case VectorOp::Divide:
            break;
        }
        return divide;
    }

    bool scales(VectorOp op) { return op == VectorOp::Multiply || op == VectorOp::Divide; }

    bool isPointList(tlogoobject* value)
    {
        return value->isList() && !value->isEmpty() && list(value)->first()->isList();
    }

    bool isPlanarVector(tlogoobject* value)
    {
        return isNumericList(value) && list(value)->count() == 2;
    }

    // Element by element with a list of the same length; `mismatch` names the error otherwise.
    tLogoList* elementWise(ElementOp op, tLogoList* left, tlogoobject* right, errorConst mismatch)
    {
        const std::vector<tlogoobject*> xs = numericElements(left);
        if (!isNumericList(right) || list(right)->count() != static_cast<int32_t>(xs.size()))
            throw eLogoException(mismatch, right);
        ListBuilder result;
        size_t i = 0;
        for (tlogoobject* y : elements(list(right)))
            result.append(op(xs[i++], y));
        return result.finish();
    }

    // Each element with one value (the value on the right of the operation).
    tLogoList* eachWith(ElementOp op, tLogoList* left, tlogoobject* right)
    {
        ListBuilder result;
        for (tlogoobject* x : numericElements(left))
            result.append(op(x, right));
        return result.finish();
    }

    // A list with a number or a list of the same length, whichever `right` is.
    tLogoList* combine(ElementOp op, tLogoList* left, tlogoobject* right, errorConst mismatch)
    {
        return right->isList() ? elementWise(op, left, right, mismatch) : eachWith(op, left, right);
    }

    template <typename PerPoint> tLogoList* overPoints(tLogoList* points, PerPoint perPoint)
    {
        ListBuilder result;
        for (tlogoobject* point : elements(points))
            result.append(ValueRef(perPoint(requireList(point))).get());
        return result.finish();
    }

    tLogoList* plainVectorArithmetic(VectorOp op, tLogoList* left, tlogoobject* right)
    {
        if (!scales(op))
            return elementWise(elementOp(op), left, right, erBadStructure);
        if (!right->isList() && !right->isNumber())
            throw eLogoException(erShortList, right);
        return combine(elementOp(op), left, right, erShortList);
    }

} // namespace

tLogoList* vectorArithmetic(VectorOp op, tlogoobject* left, tlogoobject* right)
{
    if (isPointList(left)) {
        if (!isPlanarVector(right) && !(scales(op) && right->isNumber()))
            throw eLogoException(erBadStructure, right);
        return overPoints(
            list(left), [&](tLogoList* point) { return plainVectorArithmetic(op, point, right); });
    }
    if (isPointList(right) && isPlanarVector(left))
        return overPoints(list(right),
            [&](tLogoList* point) { return plainVectorArithmetic(op, list(left), point); });
    return plainVectorArithmetic(op, requireList(left), right);
}

tLogoList* scalarWithVector(VectorOp op, tlogoobject* number, tlogoobject* vector)
{
    ListBuilder result;
    for (tlogoobject* x : numericElements(requireList(vector)))
        result.append(elementOp(op)(number, x));
    return result.finish();
}

tlogoobject* vectorAccumulate(VectorOp op, std::span<tlogoobject* const> inputs)
{
    ValueRef total(inputs.front());
    for (tlogoobject* input : inputs.subspan(1))
        total = ValueRef(vectorArithmetic(op, total.get(), input));
    return handOver(total.leak());
}

namespace {

    // 0 .. n-1 for positive n, the negative of 0 .. -n-1 for negative n.
    int32_t randomBelow(int64_t n)
    {
        if (n > 0)
            return randomInRange(0, static_cast<int32_t>(n - 1));
        if (n < 0)
            return -randomInRange(0, static_cast<int32_t>(-n - 1));
        return 0;
    }

    tlogonumber* randomElement(tlogoobject* a) { return makeInteger(randomBelow(a->asInteger())); }
    tlogonumber* truncatedElement(tlogoobject* a) { return makeNumber(std::trunc(a->asReal())); }
    tlogonumber* roundedElement(tlogoobject* a) { return makeNumber(std::round(a->asReal())); }

    tlogoobject* eachElement(tlogoobject* self, UnaryOp op)
    {
        ListBuilder result;
        for (tlogoobject* x : numericElements(list(self)))
            result.append(op(x));
        return result.finish();
    }

    template <VectorOp Op> tlogoobject* primArithmetic(tlogoobject* self, tlogoobject* other)
    {
        return vectorArithmetic(Op, self, other);
    }

    template <ElementOp Op> tlogoobject* primIntegerArithmetic(tlogoobject* self, tlogoobject* x)
    {
        return combine(Op, list(self), x, erBadStructure);
    }

    template <UnaryOp Op> tlogoobject* primEach(tlogoobject* self) { return eachElement(self, Op); }

    // The length of the vector, summed in units of its largest coordinate so that the squares
    // neither overflow nor vanish; error 44 when the length lies beyond the extended range.
    tlogoobject* primAbs(tlogoobject* self)
    {
        const std::vector<tlogoobject*> coordinates = numericElements(list(self));
        LogoReal largest = 0;
        for (tlogoobject* x : coordinates)
            largest = std::max(largest, std::fabs(x->asReal()));
        if (largest == 0)
            return makeReal(0);
        LogoReal squares = 0;
        for (tlogoobject* x : coordinates)
            squares += (x->asReal() / largest) * (x->asReal() / largest);
        return makeReal(finiteReal(largest * std::sqrt(squares), self));
    }

    struct Planar {
        LogoReal x, y;
    };

    // A 2-element numeric vector; error 10 naming the value otherwise.
    Planar planar(tlogoobject* value)
    {
        if (!isPlanarVector(value))
            throw eLogoException(erBadStructure, value);
        return { list(value)->first()->asReal(), list(value)->rest()->first()->asReal() };
    }

    // [x y]; coordinates without fraction become integers.
    tLogoList* pointOf(LogoReal x, LogoReal y)
    {
        ListBuilder point;
        point.append(makeNumber(x));
        point.append(makeNumber(y));
        return point.finish();
    }

    constexpr LogoReal degreesPerRadian = 180 / std::numbers::pi_v<LogoReal>;

    // The same direction with its larger coordinate 1 or -1, so that products of coordinates
    // neither overflow nor vanish.
    Planar scaled(Planar v)
    {
        const LogoReal largest = std::max(std::fabs(v.x), std::fabs(v.y));
        return largest > 0 ? Planar { v.x / largest, v.y / largest } : v;
    }

    // The unsigned angle between the two vectors, 0 to 180 degrees.
    tlogoobject* primVectorAngle(tlogoobject* self, tlogoobject* other)
    {
        const Planar a = scaled(planar(self)), b = scaled(planar(other));
        const LogoReal cross = a.x * b.y - a.y * b.x, dot = a.x * b.x + a.y * b.y;
        return makeReal(std::atan2(std::fabs(cross), dot) * degreesPerRadian);
    }

    // Clockwise, as headings turn: [0 1] rotated by 90 is [1 0]. Error 44 when a coordinate of
    // the result lies beyond the extended range.
    tLogoList* rotated(tlogoobject* vector, Planar turn)
    {
        const Planar v = planar(vector);
        const LogoReal x = finiteReal(v.x * turn.x + v.y * turn.y, vector),
                       y = finiteReal(v.y * turn.x - v.x * turn.y, vector);
        // A coordinate that is only rounding noise of the other is zero. Scaled before adding, so
        // that the noise of the largest coordinates is no infinity.
        const LogoReal noise = std::fabs(x) * 1e-15L + std::fabs(y) * 1e-15L;
        return pointOf(std::fabs(x) < noise ? 0 : x, std::fabs(y) < noise ? 0 : y);
    }

    tlogoobject* primRotate(tlogoobject* self, tlogoobject* angle)
    {
        if (!angle->isNumber())
            throw eLogoException(erBadStructure, angle);
        const CosineAndSine angleTurn = cosineAndSineOfDegrees(angle->asReal());
        const Planar turn { angleTurn.cosine, angleTurn.sine };
        if (isPointList(self))
            return overPoints(list(self), [&](tLogoList* point) { return rotated(point, turn); });
        return rotated(self, turn);
    }

    struct Rectangle {
        int64_t x1, y1, x2, y2;
    };

    // Two points [[x1 y1] [x2 y2]] or a point and a size [x1 y1 w h]; error 10 otherwise.
    Rectangle rectangle(tLogoList* form)
    {
        if (form->isEmpty())
            throw eLogoException(erEmptyList, form);
        const std::vector<tlogoobject*> parts = elementsOf(form);
        if (parts.size() == 2 && isPlanarVector(parts[0]) && isPlanarVector(parts[1])) {
            const Planar a = planar(parts[0]), b = planar(parts[1]);
            return { std::llround(a.x), std::llround(a.y), std::llround(b.x), std::llround(b.y) };
        }
        if (parts.size() != 4 || !isNumericList(form))
            throw eLogoException(erBadStructure, form);
        const int64_t x = parts[0]->asInteger(), y = parts[1]->asInteger();
        return { x, y, x + parts[2]->asInteger(), y + parts[3]->asInteger() };
    }

    tlogoobject* primRandomPos(tlogoobject* self)
    {
        const Rectangle area = rectangle(list(self));
        const int64_t x = area.x1 + randomBelow(area.x2 - area.x1);
        const int64_t y = area.y1 - randomBelow(area.y2 - area.y1);
        return pointOf(static_cast<LogoReal>(x), static_cast<LogoReal>(y));
    }

    template <PointForm Form> tlogoobject* primDrawingPoints(tlogoobject* self)
    {
        return drawingListPoints(self, Form);
    }

} // namespace

std::span<const PrimitiveRow> listVectorRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<1>("+", primArithmetic<VectorOp::Add>),
        classOperation<1>("-", primArithmetic<VectorOp::Subtract>),
        classOperation<1>("difference", primArithmetic<VectorOp::Subtract>),
        classOperation<1>("*", primArithmetic<VectorOp::Multiply>),
        classOperation<1>("/", primArithmetic<VectorOp::Divide>),
        classOperation<1>("quotient", primArithmetic<VectorOp::Divide>),
        classOperation<1>("div", primIntegerArithmetic<flooredQuotient>),
        classOperation<1>("mod", primIntegerArithmetic<flooredRemainder>),
        classOperation<0>("random", primEach<randomElement>),
        classOperation<0>("int", primEach<truncatedElement>),
        classOperation<0>("round", primEach<roundedElement>),
        classOperation<0>("abs", primAbs),
        classOperation<1>("vectorangle", primVectorAngle),
        classOperation<1>("rotate", primRotate),
        classOperation<0>("randompos", primRandomPos),
        classOperation<0>("topoints", primDrawingPoints<PointForm::Points>),
        classOperation<0>("tovectors", primDrawingPoints<PointForm::Vectors>),
        classOperation<0>("spline", splinePoints),
    };
    return rows;
}

} // namespace velmora
