#include "output/gui/page_painter.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>

#include "common/gui/qt_color.h"
#include "common/gui/qt_text.h"
#include "output/gui/page_font.h"

namespace qm {
namespace {

QPointF toQt(PagePoint point) { return {point.x, point.y}; }
QRectF toQt(const PageBox& box) { return QRectF(QPointF(box.left, box.top), QPointF(box.right, box.bottom)); }
QColor toQt(Color color) { return toQColor(static_cast<std::int32_t>(color)); }

// The angle of the point on the ellipse's own circle (the parameter Qt's arcs take), seen from
// the box centre along the ray through point, counter-clockwise as the page shows it (y down).
double arcAngle(const QRectF& box, PagePoint point)
{
    const double dx = (point.x - box.center().x()) / (box.width() / 2);
    const double dy = (point.y - box.center().y()) / (box.height() / 2);
    return std::atan2(-dy, dx) * 180 / std::numbers::pi;
}

// The state of the page as it is played: a painter in inches, and what the operations set.
class PagePlayer {
public:
    PagePlayer(QPainter& painter, double pixelsPerInch)
        : m_painter(painter),
          m_lineWidth(std::max(1.0 / kPagePixelsPerInch, 1 / pixelsPerInch))
    {
    }

    void operator()(const SetFontOp& op)
    {
        m_font = op.font;
        m_face = referenceFont(op.font);
        m_faceMetrics.emplace(m_face);
    }
    void operator()(const SetTextBackgroundOp& op) { m_textBackground = op.mode; }
    void operator()(const TextOp& op);
    void operator()(const SetPenOp& op) { m_penColor = toQt(op.color); }
    void operator()(const SetBrushOp& op) { m_brushColor = toQt(op.color); }
    void operator()(const SetBrushStyleOp& op) { m_brushStyle = op.style; }
    void operator()(const MoveToOp& op) { m_current = toQt(op.to); }
    void operator()(const LineToOp& op)
    {
        m_painter.setPen(pen());
        m_painter.drawLine(QLineF(m_current, toQt(op.to)));
        m_current = toQt(op.to);
    }
    void operator()(const ArcOp& op);
    void operator()(const EllipseOp& op)
    {
        m_painter.setPen(pen());
        m_painter.setBrush(brush());
        m_painter.drawEllipse(toQt(op.box));
    }
    void operator()(const FillRectangleOp& op) { m_painter.fillRect(toQt(op.box), brush()); }
    void operator()(const BitmapOp& op);

private:
    QPen pen() const { return QPen(m_penColor, m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
    QBrush brush() const { return m_brushStyle == BrushStyle::Solid ? QBrush(m_brushColor) : QBrush(); }

    QPainter& m_painter;
    double m_lineWidth;  // inches
    QColor m_penColor = Qt::black;
    QColor m_brushColor = Qt::white;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    TextBackground m_textBackground = TextBackground::Opaque;
    QPointF m_current;
    FontSpec m_font;
    QFont m_face = referenceFont(FontSpec{});
    std::optional<QFontMetricsF> m_faceMetrics;
    std::map<std::string, QImage> m_pictures;  // each file loaded once, tiles share it
};

// Laid out at the reference size and scaled into inches about the baseline start, as measured.
void PagePlayer::operator()(const TextOp& op)
{
    if (!m_faceMetrics) operator()(SetFontOp{m_font});
    const QString text = toQString(op.text);
    m_painter.save();
    m_painter.translate(toQt(op.at));
    const double scale = inchesPerReferencePixel(m_font);
    m_painter.scale(scale, scale);
    if (m_textBackground == TextBackground::Opaque) {
        const double ascent = m_faceMetrics->ascent();
        const QRectF cell(0, -ascent, m_faceMetrics->horizontalAdvance(text), ascent + m_faceMetrics->descent());
        m_painter.fillRect(cell, m_brushColor);
    }
    m_painter.setFont(m_face);
    m_painter.setPen(toQt(m_font.FontColor));
    m_painter.drawText(QPointF(0, 0), text);
    m_painter.restore();
}

// Counter-clockwise from the ray through the start point to the ray through the end point; the
// same ray twice is the whole ellipse, as the Windows Arc call draws it.
void PagePlayer::operator()(const ArcOp& op)
{
    const QRectF box = toQt(op.box).normalized();
    if (!(box.width() > 0 && box.height() > 0)) return;
    const double start = arcAngle(box, op.start);
    double sweep = std::fmod(arcAngle(box, op.end) - start, 360.0);
    if (sweep <= 0) sweep += 360;
    QPainterPath path;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
    m_painter.strokePath(path, pen());
}

// A file that does not load draws nothing.
void PagePlayer::operator()(const BitmapOp& op)
{
    auto found = m_pictures.find(op.path);
    if (found == m_pictures.end())
        found = m_pictures.emplace(op.path, QImage(QFile::decodeName(QByteArray::fromStdString(op.path)))).first;
    if (!found->second.isNull()) m_painter.drawImage(toQt(op.box), found->second);
}

}  // namespace

void paintPage(QPainter& painter, const PageFile& page, double pixelsPerInch)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(pixelsPerInch, pixelsPerInch);
    const QRectF sheet(0, 0, page.size.width, page.size.height);
    painter.setClipRect(sheet, Qt::IntersectClip);
    painter.fillRect(sheet, Qt::white);
    PagePlayer player(painter, pixelsPerInch);
    for (const PageOperation& operation : page.operations) std::visit(player, operation);
    painter.restore();
}

}  // namespace qm
