// LabelText: text written on a surface by "label", "label2" and drawing lists, in a turtle's label
// font (core/FontRecord.h).
//
// The text is split into lines at line breaks (a carriage return and line feed count once). The
// first line's top-left corner, or its baseline's start when the font says so, lies at the
// label's point; each further line is one line height further down. The whole turns clockwise
// with the heading about that point, so at heading 90 the text runs downwards. Sizes are points
// at 96 dots per inch; size 0 is the face's own height, 12 points. Text is drawn without
// antialiasing, so that it is one colour and "penreverse" inverts exactly what it marks.
#pragma once

#include "core/FontRecord.h"
#include "core/LabelMeasure.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRect>

#include <optional>
#include <string_view>

namespace velmora {

QFont labelFont(const FontRecord& font);

class LabelText {
public:
    LabelText(std::string_view text, const FontRecord& font);

    // Draws in the painter's composition mode; an opaque label sits on `background`. Gives the
    // pixels it may have marked.
    QRect draw(
        QPainter& painter, QPointF at, double heading, QColor colour, QColor background) const;
    // The pixels the label covers, the bounding box of its turned lines.
    QRect area(QPointF at, double heading) const;
    // Where the last line ends, at heading 0.
    LabelEnd end() const;
    // The pixels the lines take at heading 0: as wide as the widest, from the first's top to the
    // last's bottom.
    QSize extent() const;
    int ascent() const { return m_ascent; }
    int leading() const { return m_lineHeight - m_height; }

private:
    // Line i's top-left corner, from the label's point at heading 0.
    QPointF lineCorner(int line) const;

    FontRecord m_record;
    QFont m_font;
    QStringList m_lines;
    int m_lineHeight;
    int m_ascent;
    int m_height;
};

// The measure of labels for drawing lists' "label2", with the fonts of the window layers.
class QtLabelMeasure final : public IlabelMeasure {
public:
    LabelEnd labelEnd(const FontRecord& font, std::string_view text) const override;
};

} // namespace velmora
