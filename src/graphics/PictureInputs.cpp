#include "graphics/PictureInputs.h"

#include "core/MainVariables.h"
#include "core/ParamWords.h"
#include "graphics/ImageLoading.h"
#include "graphics/LogoImage.h"
#include "graphics/RectangleInputs.h"
#include "graphics/SurfacePictures.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"

#include <cmath>
#include <vector>

namespace velmora {

namespace {

    PictureStyle styleOf(tlogoobject* word)
    {
        if (isParamWord("upperleft_putpicture", word))
            return PictureStyle::UpperLeft;
        if (isParamWord("center_putpicture", word))
            return PictureStyle::Centre;
        if (isParamWord("tile_putpicture", word))
            return PictureStyle::Tile;
        if (isParamWord("stretch_putpicture", word))
            return PictureStyle::Stretch;
        throw eLogoException(erExpectWord, word);
    }

    QPoint pixelOf(QPointF point) { return { roundToPixel(point.x()), roundToPixel(point.y()) }; }

    // A size of [width height], each at least 0: 0 reaches to the edge.
    QSize extentOf(tlogoobject* value)
    {
        const QPoint extent = pixelOf(pointFromList(value));
        if (extent.x() < 0 || extent.y() < 0)
            throw eLogoException(erBadStructure, value);
        return QSize(extent.x(), extent.y());
    }

    QPointF scaleOf(tlogoobject* value)
    {
        if (value->isList()) {
            const QPointF scale = pointFromList(value);
            return { std::abs(scale.x()), std::abs(scale.y()) };
        }
        const double scale = std::abs(double(value->asReal()));
        return { scale, scale };
    }

    // The rectangle as it is being read: a corner and a size whose 0 sides reach the edges.
    struct OpenArea {
        QPoint corner;
        QSize size { 0, 0 };

        void setRectangle(const QRect& rectangle)
        {
            corner = rectangle.topLeft();
            size = rectangle.size();
        }

        QRect closed(QSize background) const
        {
            const int width = size.width() > 0 ? size.width() : background.width() - corner.x();
            const int height = size.height() > 0 ? size.height() : background.height() - corner.y();
            return QRect(corner, QSize(width, height)).normalized();
        }
    };

    QSize scaledSize(const tLogoPicture& picture, QPointF scale)
    {
        return QSize(static_cast<int>(std::lround(picture.width() * scale.x())),
            static_cast<int>(std::lround(picture.height() * scale.y())));
    }

} // namespace

PicturePlacement picturePlacement(tlogoobject* options, const Surface& surface)
{
    const std::vector<tlogoobject*> items = elementsOf(requireList(options));
    PicturePlacement placement;
    if (items.empty()) {
        placement.area = surface.bounds();
        return placement;
    }
    placement.style = PictureStyle::UpperLeft;
    OpenArea area;
    for (size_t index = 0; index < items.size(); index += 2) {
        tlogoobject* keyword = items[index];
        if (index + 1 == items.size())
            throw eLogoException(erExpectWord, keyword);
        tlogoobject* value = items[index + 1];
        if (isParamWord("style_putpicture", keyword))
            placement.style = styleOf(value);
        else if (isParamWord("rect_putpicture", keyword))
            area.setRectangle(cartesianRectangleFromList(value, surface));
        else if (isParamWord("arect_putpicture", keyword))
            area.setRectangle(rectangleFromList(value).normalized());
        else if (isParamWord("pos_putpicture", keyword)) {
            if (!value->isList() || static_cast<tLogoList*>(value)->count() != 2)
                throw eLogoException(erExpectList2, value);
            area.corner = surface.toPixel(pointFromList(value));
        } else if (isParamWord("apos_putpicture", keyword))
            area.corner = pixelOf(pointFromList(value));
        else if (isParamWord("size_putpicture", keyword))
            area.size = extentOf(value);
        else if (isParamWord("scale_putpicture", keyword))
            placement.scale = scaleOf(value);
        else
            throw eLogoException(erExpectWord, keyword);
    }
    placement.area = area.closed(surface.size());
    return placement;
}

PictureRef pictureInput(tlogoobject* value)
{
    if (value->isImage()) {
        const auto* image = static_cast<const tLogoImage*>(value);
        if (image->count() > 0 && image->frames().front()->count() > 0)
            return image->frames().front()->pictures().front();
    } else if (value->isWord() && !value->isEmpty()) {
        const ImageContent content = loadImageContent(value->text(), ImageLoadMode::Full);
        if (!content.frames.empty() && content.frames.front()->count() > 0)
            return content.frames.front()->pictures().front();
    }
    throw eLogoException(erExpectImage, value);
}

int32_t captureModeSetting()
{
    tlogoobject* mode = mainObjectVariable("imode");
    if (mode && mode->isInteger() && mode->asInteger() >= 0 && mode->asInteger() <= 3)
        return static_cast<int32_t>(mode->asInteger());
    return 0;
}

void putPicture(Surface& surface, const tLogoPicture& picture, const PicturePlacement& placement)
{
    const QRect& area = placement.area;
    const QSize size = scaledSize(picture, placement.scale);
    switch (placement.style) {
    case PictureStyle::UpperLeft:
        drawPicture(surface, picture, QRect(area.topLeft(), size));
        break;
    case PictureStyle::Centre: {
        QRect target(QPoint(0, 0), size);
        target.moveCenter(area.center());
        drawPicture(surface, picture, target);
        break;
    }
    case PictureStyle::Tile:
        tilePicture(surface, picture, area, size);
        break;
    case PictureStyle::Stretch:
        drawPicture(surface, picture, area);
        break;
    }
}

} // namespace velmora
