// The drawing-list compiler: a drawing list in its command language made into drawing items.
//
// The language: every element in command position is a word or a number (error 8 otherwise).
// Words are the commands of DrawingCommands, each followed by its input; a number starts the
// numeric form, where a number followed by a list repeats the list, a number alone moves forward
// and a second number after it turns right. A list uses the numeric form or the motion commands
// ("forward", "back", "right", "left", "repeat"), not both: a motion command after a number is
// error 93, a number after a motion command error 104. "polygon", "drawspline" and "repeat" run
// their lists on an explicit stack, so a deep list cannot exhaust the native one; a polygon inside
// a polygon, or a spline inside a spline, goes on with the outer figure.
//
// Lines: moves with the pen down add points to the current line; a line ends at "penup",
// "pendown", a style change, an ellipse, a dot, a label, the end of a polygon or spline list and
// the end of the list, and becomes an open line, a polygon (closed by its first point) or a
// smoothed spline. Before anything is drawn, the pen colour, fill, pen width and pen pattern are
// emitted as items, each only when it differs from the one emitted last; the font likewise before
// a label.
//
// An error carries the command word as the failing primitive. Under the interpreter lock, which
// each round of a repeat gives up when other processes wait for it: whatever the caller holds
// beyond the list itself must be found again afterwards.
#pragma once

#include "core/DrawingItem.h"
#include "values/LogoList.h"

#include <vector>

namespace velmora {

// The items the list draws, starting from `style`. Throws the list's first error.
std::vector<DrawingItem> compileDrawingList(tLogoList* list, const DrawingStyle& style);

} // namespace velmora
