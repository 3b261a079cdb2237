// PrimitiveRow: how to make the descriptor of one primitive, for each of its spellings.
//
// A row names a primitive by its internal English name and carries everything its descriptor
// family needs (the handlers, the number of inputs, what a dispatcher dispatches on). Rows are
// constant data, tables of them compiled into the program: a name table keeps only where the rows
// offered to it lie and makes a row's descriptor when one of the row's spellings is first looked
// up. The row's own `make`, written by the helper that built the row, knows the family and so which
// kind of handler the row holds.
#pragma once

#include "interpreter/ValueOperationDescriptors.h"

#include <string_view>
#include <utility>
#include <variant>

namespace velmora {

template <ResultForm Form, size_t Arity>
using FixedHandler = typename FixedHandlerOf<Form, std::make_index_sequence<Arity>>::Type;

// Every kind of handler a row can hold: the fixed-input ones of each result form (a value-class
// operation's "self" takes the owner's place, so its handlers are of the same kinds) and the
// variable-input one.
using AnyHandler = std::variant<std::monostate, FixedHandler<ResultForm::Value, 0>,
    FixedHandler<ResultForm::Value, 1>, FixedHandler<ResultForm::Value, 2>,
    FixedHandler<ResultForm::Value, 3>, FixedHandler<ResultForm::Truth, 0>,
    FixedHandler<ResultForm::Truth, 1>, FixedHandler<ResultForm::Truth, 2>,
    FixedHandler<ResultForm::Integer, 0>, FixedHandler<ResultForm::Integer, 1>,
    tMainPasProcDesc::Handler>;

struct PrimitiveRow {
    using Make = tProcDesc* (*)(const PrimitiveRow& row, NameCode name, tlogoobject* owner);

    std::string_view name;
    Make make = nullptr;
    ElementTypes funtype = etFun;
    int32_t inputs = 0;
    DispatchOn on = DispatchOn::FirstInput;
    int32_t below = 0;
    AnyHandler handler = std::monostate {};
    AnyHandler secondHandler = std::monostate {};
    IntegerShortcut shortcut = nullptr;
};

// Where rows offered to a table rank against rows offered before and after them when they share
// a spelling: the last `Replaces` row wins, and a `FillsGaps` row only takes spellings that no
// `Replaces` row has.
enum class Precedence { Replaces, FillsGaps };

} // namespace velmora
