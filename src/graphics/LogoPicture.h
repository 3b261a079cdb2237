// tLogoPicture: one step of an animated frame: a 24-bit bitmap, an optional 1-bit transparency
// mask, the hot spot that is placed on a turtle's position and how long the step is shown.
//
// Pictures are immutable and shared by reference between frames, images and the shapes that show
// them; every operation that "changes" one builds a new picture. They are held through
// `PictureRef` (an atomically counted pointer), because the window thread and the animation
// thread read the pictures of shapes without the interpreter lock.
//
// The mask is white where the picture is transparent; there the bitmap is black, so that drawing
// the mask with AND and then the bitmap with XOR leaves the background showing through. Every
// picture keeps that rule: the constructor blackens the bitmap under the mask's white.
#pragma once

#include <QImage>
#include <QPoint>

#include <cstdint>
#include <memory>

namespace velmora {

class tLogoPicture {
public:
    // `image` becomes RGB32 (a null image is a picture without bitmap); `mask` becomes 1-bit with
    // white transparent, and is dropped when it is not of the bitmap's size (or there is none).
    tLogoPicture(QImage image, QImage mask, QPoint hotSpot, int32_t delay);

    const QImage& image() const { return m_image; }
    // 1-bit, colour index 1 white (transparent), or null when the picture has none.
    const QImage& mask() const { return m_mask; }
    bool hasImage() const { return !m_image.isNull(); }
    bool hasMask() const { return !m_mask.isNull(); }
    QPoint hotSpot() const { return m_hotSpot; }
    // Milliseconds to show this step when animating; 0 for none.
    int32_t delay() const { return m_delay; }
    int32_t width() const { return m_image.width(); }
    int32_t height() const { return m_image.height(); }
    bool isTransparentAt(int x, int y) const;

private:
    QImage m_image;
    QImage m_mask;
    QPoint m_hotSpot;
    int32_t m_delay;
};

using PictureRef = std::shared_ptr<const tLogoPicture>;

PictureRef makePicture(QImage image, QImage mask, QPoint hotSpot, int32_t delay);
// The same bitmap and mask with another hot spot or delay.
PictureRef withHotSpot(const tLogoPicture& picture, QPoint hotSpot);
PictureRef withDelay(const tLogoPicture& picture, int32_t delay);

// An empty 1-bit mask of that size, every pixel opaque (black); set pixels transparent with
// `setTransparent`, which takes a pixel inside the mask.
QImage makeOpaqueMask(QSize size);
void setTransparent(QImage& mask, int x, int y);

} // namespace velmora
