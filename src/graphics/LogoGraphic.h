// tLogoGraphic: the shape a turtle shows and how: the default shape, a bitmap shape (an image) or
// a vector shape (drawing lists, one for each animation step), the frame and animation step
// shown, whether the frame follows the heading (or the drawing turns with it), the scale, the
// colour replaced by the pen's, and the animation switches.
//
// This is the turtle's own record, kept under the interpreter lock; the window and animation
// threads see it through the copy the turtle hands them (ShownShape).
#pragma once

#include "core/DrawingList.h"
#include "graphics/ImageInfo.h"
#include "graphics/LogoFrame.h"
#include "values/LogoObject.h"
#include "values/ValueRef.h"

#include <QPointF>
#include <QRgb>

#include <memory>
#include <optional>
#include <vector>

namespace velmora {

class tLogoImage;

class tLogoGraphic {
public:
    // A bitmap shape. The step starts again; so does the frame when the image is shown by
    // heading, when the frame followed the heading, or when it lies beyond the new frames.
    void setImage(tLogoImage* image);
    // A vector shape: the drawing lists compiled from `source`, one for each step. It turns with
    // the heading unless frames are chosen by hand ("frameMode").
    void setDrawings(tlogoobject* source, std::vector<std::shared_ptr<const tDrawingList>> steps);
    // The default shape.
    void setDefault();
    bool hasImage() const { return !m_frames.empty(); }
    bool hasDrawings() const { return !m_drawings.empty(); }
    const std::vector<std::shared_ptr<const tDrawingList>>& drawings() const { return m_drawings; }
    // The image or the drawing list given, or none for the default shape.
    tlogoobject* shapeValue() const { return m_shape.get(); }
    const std::vector<FrameRef>& frames() const { return m_frames; }
    const ImageInfo& info() const { return m_info; }

    // Whether the frame follows the heading, or the drawing turns with it.
    bool headingMode() const { return m_headingMode; }
    // "frameMode": frames chosen by hand; a vector shape set later keeps it.
    bool frameMode() const { return m_frameMode; }
    void setFrameMode(bool byHand)
    {
        m_frameMode = byHand;
        m_headingMode = !byHand;
    }
    // In heading mode, picks the frame that shows that heading.
    void followHeading(double heading);
    // From 0. Chosen by hand, modulo the frame count; the step starts again when it lies
    // beyond the new frame. Nothing happens in heading mode.
    int frameIndex() const { return m_frame; }
    void selectFrame(int64_t index);
    // From 0, modulo the steps of the current frame; nothing with fewer than two.
    int stepIndex() const { return m_step; }
    void selectStep(int64_t index);
    // The animation thread showed another step.
    void setStep(int step) { m_step = step; }
    int stepCount() const;
    // The frame shown now, or none for the default shape.
    FrameRef currentFrame() const;

    QPointF scale() const { return m_scale; }
    void setScale(QPointF scale) { m_scale = scale; }
    // The colour drawn in the pen's colour, or none.
    std::optional<QRgb> tint() const { return m_tint; }
    void setTint(std::optional<QRgb> colour) { m_tint = colour; }

    bool animation() const { return m_animation; }
    void setAnimation(bool on) { m_animation = on; }
    double delayScale() const { return m_delayScale; }
    void setDelayScale(double factor) { m_delayScale = factor; }
    bool transparentClick() const { return m_transparentClick; }
    void setTransparentClick(bool passes) { m_transparentClick = passes; }

private:
    ValueRef m_shape;
    std::vector<FrameRef> m_frames;
    std::vector<std::shared_ptr<const tDrawingList>> m_drawings;
    ImageInfo m_info;
    bool m_headingMode = true;
    bool m_frameMode = false;
    int m_frame = 0;
    int m_step = 0;
    QPointF m_scale { 1, 1 };
    std::optional<QRgb> m_tint;
    bool m_animation = false;
    double m_delayScale = 1;
    bool m_transparentClick = false;
};

// The frame of `count` frames that shows the heading, the first showing `zeroAngle`.
int frameForHeading(double heading, double zeroAngle, int count);

} // namespace velmora
