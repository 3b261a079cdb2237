// The arithmetic of a turtle's heading: degrees with 0 pointing up (north) and growing
// clockwise, always kept in [0, 360); and the two ways a heading meets a position, the point a
// forward move aims at and the heading that points at a given point.
//
// All positions are pane pixels with y growing downwards (PixelRange.h).
#pragma once

#include "graphics/PixelRange.h"

namespace velmora {

// The heading brought into [0, 360). Any size of turn takes the same time; a heading that is not
// a finite number becomes 0, so that it cannot poison every later move.
LogoReal normalizedHeading(LogoReal degrees);

// Where a move of `distance` along `heading` from `from` ends (negative: backwards).
PixelPoint forwardTarget(const PixelPoint& from, LogoReal heading, LogoReal distance);

// The heading from `from` to `target`, in [0, 360); 0 when the two coincide.
LogoReal headingTowards(const PixelPoint& from, const PixelPoint& target);

} // namespace velmora
