// FontRecord: the font a turtle writes its labels in, and its list form.
//
// The list form is [face [size weight style opaque baseline charset]]: size in points (0 .. 16384,
// 0 the face's own height), weight 0 .. 900 (600 or more is bold), style a sum of 1 italic,
// 2 underline and 4 strike-out, the opaque and baseline flags 0 or 1, and the character set
// 0 .. 255. A word sets only the face; an empty list is the default font; elements missing from
// the end of the inner list keep their values. It reads back in the same form, weight 700 or 400.
//
// Read and written under the interpreter lock, like every Logo value.
#pragma once

#include "values/LogoList.h"

#include <cstdint>
#include <string>

namespace velmora {

// Style bits of a font record.
enum FontStyleBit : uint8_t { fontBold = 1, fontItalic = 2, fontUnderline = 4, fontStrikeOut = 8 };
// Label flags of a font record.
enum LabelFlagBit : uint8_t { labelOpaque = 1, labelOnBaseline = 2 };

struct FontRecord {
    int32_t size = 0; // points; 0 for the face's own height
    uint8_t style = 0; // FontStyleBit
    uint8_t charset = 1;
    std::string face = "System"; // at most maximumFaceLength characters
    uint8_t labelFlags = 0; // LabelFlagBit: drawn on the background colour, placed by baseline

    static constexpr size_t maximumFaceLength = 31;
    bool operator==(const FontRecord&) const = default;
};

// The font a value in the list form makes of `current`. Error 6 when the inner part is no list,
// 26 for a number out of its bounds, 12 for no number.
FontRecord fontFromValue(tlogoobject* value, const FontRecord& current);
// The list form.
tLogoList* fontList(const FontRecord& font);

} // namespace velmora
