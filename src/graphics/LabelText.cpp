#include "graphics/LabelText.h"

#include "graphics/WidgetText.h"

#include <QFontMetrics>
#include <QPolygonF>
#include <QRegularExpression>
#include <QTransform>

#include <cmath>

namespace velmora {

namespace {

    constexpr double labelDotsPerInch = 96;
    constexpr int defaultPointSize = 12;

    QTransform turned(QPointF at, double heading)
    {
        QTransform transform;
        transform.translate(at.x(), at.y());
        transform.rotate(heading);
        return transform;
    }

} // namespace

QFont labelFont(const FontRecord& record)
{
    QFont font(widgetText(record.face));
    const int points = record.size > 0 ? record.size : defaultPointSize;
    font.setPixelSize(std::max(1, int(std::lround(points * labelDotsPerInch / 72))));
    font.setBold(record.style & fontBold);
    font.setItalic(record.style & fontItalic);
    font.setUnderline(record.style & fontUnderline);
    font.setStrikeOut(record.style & fontStrikeOut);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

LabelText::LabelText(std::string_view text, const FontRecord& font)
    : m_record(font)
    , m_font(labelFont(font))
    , m_lines(widgetText(text).split(QRegularExpression("\r\n|\r|\n")))
{
    const QFontMetrics metrics(m_font);
    m_lineHeight = metrics.lineSpacing();
    m_ascent = metrics.ascent();
    m_height = metrics.height();
}

QPointF LabelText::lineCorner(int line) const
{
    const double baselineShift = m_record.labelFlags & labelOnBaseline ? -m_ascent : 0;
    return QPointF(0, line * m_lineHeight + baselineShift);
}

QRect LabelText::draw(
    QPainter& painter, QPointF at, double heading, QColor colour, QColor background) const
{
    painter.save();
    painter.setTransform(turned(at, heading));
    painter.setFont(m_font);
    painter.setPen(colour);
    if (m_record.labelFlags & labelOpaque) {
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(background);
    }
    for (int line = 0; line < m_lines.size(); ++line)
        painter.drawText(lineCorner(line) + QPointF(0, m_ascent), m_lines[line]);
    painter.restore();
    return area(at, heading);
}

QRect LabelText::area(QPointF at, double heading) const
{
    const QFontMetrics metrics(m_font);
    const QTransform transform = turned(at, heading);
    QRectF covered;
    for (int line = 0; line < m_lines.size(); ++line) {
        const QRectF box(
            lineCorner(line), QSizeF(metrics.horizontalAdvance(m_lines[line]), m_height));
        covered |= transform.map(QPolygonF(box)).boundingRect();
    }
    return covered.toAlignedRect().adjusted(-1, -1, 1, 1);
}

LabelEnd LabelText::end() const
{
    const QFontMetrics metrics(m_font);
    const int last = static_cast<int>(m_lines.size()) - 1;
    return { LogoReal(metrics.horizontalAdvance(m_lines[last])), LogoReal(last * m_lineHeight) };
}

QSize LabelText::extent() const
{
    const QFontMetrics metrics(m_font);
    int width = 0;
    for (const QString& line : m_lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width, int(m_lines.size() - 1) * m_lineHeight + m_height);
}

LabelEnd QtLabelMeasure::labelEnd(const FontRecord& font, std::string_view text) const
{
    return LabelText(text, font).end();
}

} // namespace velmora
