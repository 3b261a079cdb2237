#include "objects/ActiveToolButton.h"

namespace velmora {

namespace {
    tmultiobject* s_activeTool = nullptr;
}

tmultiobject* activeToolButton() { return s_activeTool; }

void setActiveToolButton(tmultiobject* tool) { s_activeTool = tool; }

} // namespace velmora
