// PlainControl: a graphic part with no window behind it, fixed in place, whose mouse input starts
// the object's real handler processes. For tests and benches of events run as processes.
#pragma once

#include "objects/GraphicPart.h"

namespace velmora {

class PlainControl : public tLogoGrObject {
public:
    using tLogoGrObject::tLogoGrObject;

protected:
    ControlBounds bounds() const override { return { 0, 0, 10, 10 }; }
    void setBounds(const ControlBounds&) override { }
    bool mayMove() const override { return false; }
    bool mayResize() const override { return false; }
    bool frozen() const override { return false; }
    bool dragsItself() const override { return false; }
    bool acceptsTools() const override { return false; }
    void captureMouse(bool, MouseCursor) override { }
};

} // namespace velmora
