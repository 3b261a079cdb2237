#include "graphics/LogoGraphic.h"

#include "graphics/LogoImage.h"

#include <cmath>

namespace velmora {

namespace {

    int wrapped(int64_t index, int count)
    {
        const int64_t rest = index % count;
        return static_cast<int>(rest < 0 ? rest + count : rest);
    }

} // namespace

int frameForHeading(double heading, double zeroAngle, int count)
{
    if (count < 2)
        return 0;
    const double sector = 360.0 / count;
    double angle = std::fmod(heading - zeroAngle + sector / 2, 360.0);
    if (angle < 0)
        angle += 360;
    return static_cast<int>(std::trunc(angle / sector)) % count;
}

void tLogoGraphic::setImage(tLogoImage* image)
{
    const bool byHeading = image->info().style == FrameStyle::Heading;
    m_shape = image;
    m_drawings.clear();
    m_frames = image->frames();
    m_info = image->info();
    m_step = 0;
    if (byHeading || m_headingMode || m_frame >= static_cast<int>(m_frames.size()))
        m_frame = 0;
    m_headingMode = byHeading;
}

void tLogoGraphic::setDrawings(
    tlogoobject* source, std::vector<std::shared_ptr<const tDrawingList>> steps)
{
    m_shape = source;
    m_frames.clear();
    m_info = {};
    m_drawings = std::move(steps);
    m_frame = m_step = 0;
    m_headingMode = !m_frameMode;
}

void tLogoGraphic::setDefault()
{
    m_shape = nullptr;
    m_frames.clear();
    m_drawings.clear();
    m_info = {};
    m_frame = m_step = 0;
}

void tLogoGraphic::followHeading(double heading)
{
    if (m_headingMode && hasImage())
        m_frame = frameForHeading(heading, m_info.zeroAngle, static_cast<int>(m_frames.size()));
}

void tLogoGraphic::selectFrame(int64_t index)
{
    if (m_headingMode || !hasImage())
        return;
    m_frame = wrapped(index, static_cast<int>(m_frames.size()));
    if (m_step >= stepCount())
        m_step = 0;
}

void tLogoGraphic::selectStep(int64_t index)
{
    const int steps = stepCount();
    if (steps >= 2)
        m_step = wrapped(index, steps);
}

int tLogoGraphic::stepCount() const
{
    if (hasDrawings())
        return static_cast<int>(m_drawings.size());
    return hasImage() ? static_cast<int>(m_frames[m_frame]->count()) : 0;
}

FrameRef tLogoGraphic::currentFrame() const { return hasImage() ? m_frames[m_frame] : nullptr; }

} // namespace velmora
