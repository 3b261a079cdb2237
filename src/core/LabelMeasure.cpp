#include "core/LabelMeasure.h"

namespace velmora {

namespace {

    class FontlessMeasure final : public IlabelMeasure {
    public:
        LabelEnd labelEnd(const FontRecord&, std::string_view) const override { return {}; }
    };

} // namespace

PlatformService<IlabelMeasure>& labelMeasureService()
{
    // Never destroyed, so that a process ending while the program exits still finds it.
    static auto* fontless = new FontlessMeasure;
    static auto* service = new PlatformService<IlabelMeasure>(*fontless);
    return *service;
}

} // namespace velmora
