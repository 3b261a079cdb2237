// IlabelMeasure: where a label's text ends, which only the window layers, with their fonts, can
// tell. A drawing list's "label2" goes on drawing from there.
//
// The engine's default knows no fonts and says every text ends where it starts; the window
// runner installs the measure of its fonts. Swapped only while no Logo process runs
// (processes/PlatformService.h); measured under the interpreter lock.
#pragma once

#include "core/FontRecord.h"
#include "processes/PlatformService.h"
#include "values/LogoObject.h"

#include <string_view>

namespace velmora {

// The end of the last line of a label, from the point the label is placed at, in pixels at
// heading 0: along the baseline to the right and down the lines.
struct LabelEnd {
    LogoReal along = 0;
    LogoReal down = 0;
};

class IlabelMeasure {
public:
    virtual ~IlabelMeasure() = default;
    virtual LabelEnd labelEnd(const FontRecord& font, std::string_view text) const = 0;
};

PlatformService<IlabelMeasure>& labelMeasureService();

} // namespace velmora
