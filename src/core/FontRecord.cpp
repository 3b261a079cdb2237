#include "core/FontRecord.h"

#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

#include <vector>

namespace velmora {

namespace {

    constexpr int32_t boldWeight = 600;

    std::string faceOf(tlogoobject* value)
    {
        std::string face = value->printForm(false);
        if (face.size() > FontRecord::maximumFaceLength)
            face.resize(FontRecord::maximumFaceLength);
        return face;
    }

    uint8_t withBit(uint8_t bits, uint8_t bit, bool set)
    {
        return set ? static_cast<uint8_t>(bits | bit) : static_cast<uint8_t>(bits & ~bit);
    }

    // The inner list [size weight style opaque baseline charset], as far as it goes.
    void readSettings(tLogoList* settings, FontRecord& font)
    {
        const std::vector<tlogoobject*> items = elementsOf(settings);
        const auto number
            = [&](size_t index, int32_t high) { return items[index]->intInRange(0, high); };
        if (items.size() > 0)
            font.size = number(0, 16384);
        if (items.size() > 1)
            font.style = withBit(font.style, fontBold, number(1, 900) >= boldWeight);
        if (items.size() > 2) {
            const int32_t style = number(2, 7);
            font.style = static_cast<uint8_t>((font.style & fontBold) | (style << 1));
        }
        if (items.size() > 3)
            font.labelFlags = withBit(font.labelFlags, labelOpaque, number(3, 1) == 1);
        if (items.size() > 4)
            font.labelFlags = withBit(font.labelFlags, labelOnBaseline, number(4, 1) == 1);
        if (items.size() > 5)
            font.charset = static_cast<uint8_t>(number(5, 255));
    }

} // namespace

FontRecord fontFromValue(tlogoobject* value, const FontRecord& current)
{
    if (!value->isList()) {
        FontRecord font = current;
        font.face = faceOf(value);
        return font;
    }
    auto* list = static_cast<tLogoList*>(value);
    if (list->isEmpty())
        return FontRecord {};
    FontRecord font = current;
    font.face = faceOf(list->first());
    if (list->rest() && !list->rest()->isEmpty())
        readSettings(requireList(list->rest()->first()), font);
    return font;
}

tLogoList* fontList(const FontRecord& font)
{
    ListBuilder settings;
    settings.append(makeInteger(font.size));
    settings.append(makeInteger(font.style & fontBold ? 700 : 400));
    settings.append(makeInteger(font.style >> 1));
    settings.append(makeInteger(font.labelFlags & labelOpaque ? 1 : 0));
    settings.append(makeInteger(font.labelFlags & labelOnBaseline ? 1 : 0));
    settings.append(makeInteger(font.charset));
    ListBuilder form;
    form.append(makeWord(font.face));
    form.append(settings.finish());
    return form.finish();
}

} // namespace velmora
