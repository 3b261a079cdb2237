// SurfaceGraphicPart: the graphic part of a page, which turns the mouse input of its
// window into the object's events. A page stays where the main window puts it.
#pragma once

#include "objects/GraphicPart.h"

#include <QSize>

namespace velmora {

class SurfaceGraphicPart : public tLogoGrObject {
public:
    SurfaceGraphicPart(tmultiobject& owner, QSize size)
        : tLogoGrObject(owner)
        , m_size(size)
    {
    }

protected:
    ControlBounds bounds() const override { return { 0, 0, m_size.width(), m_size.height() }; }
    void setBounds(const ControlBounds&) override { }
    bool mayMove() const override { return false; }
    bool mayResize() const override { return false; }
    bool dragsItself() const override { return false; }
    bool acceptsTools() const override { return true; }
    // The window keeps the mouse while a button is down by itself.
    void captureMouse(bool, MouseCursor) override { }

private:
    const QSize m_size;
};

} // namespace velmora
