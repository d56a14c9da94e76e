#include "output/page/gui/page_painter.h"

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
#include "output/page/gui/page_font.h"

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

// The state of the page as it is played. The painter is set up either for text, in the
// reference pixels of the current font, or for shapes, in inches with the pen, and switched only
// when an operation needs the other: pages hold long runs of each.
class PagePlayer {
public:
    PagePlayer(QPainter& painter, double pixelsPerInch)
        : m_painter(painter),
          m_inches(painter.worldTransform()),
          m_lineWidth(std::max(1.0 / kPagePixelsPerInch, 1 / pixelsPerInch))
    {
    }

    void operator()(const SetFontOp& op)
    {
        m_font = op.font;
        m_face = referenceFont(op.font);
        m_faceMetrics.emplace(m_face);
        leave(Space::Text);
    }
    void operator()(const SetTextBackgroundOp& op) { m_textBackground = op.mode; }
    void operator()(const TextOp& op);
    void operator()(const SetPenOp& op)
    {
        m_penColor = toQt(op.color);
        leave(Space::Shapes);
    }
    void operator()(const SetBrushOp& op) { m_brushColor = toQt(op.color); }
    void operator()(const SetBrushStyleOp& op) { m_brushStyle = op.style; }
    void operator()(const MoveToOp& op) { m_current = toQt(op.to); }
    void operator()(const LineToOp& op)
    {
        use(Space::Shapes);
        m_painter.drawLine(QLineF(m_current, toQt(op.to)));
        m_current = toQt(op.to);
    }
    void operator()(const ArcOp& op);
    void operator()(const EllipseOp& op);
    void operator()(const FillRectangleOp& op)
    {
        use(Space::Shapes);
        if (m_brushStyle == BrushStyle::Solid) m_painter.fillRect(toQt(op.box), m_brushColor);
    }
    void operator()(const BitmapOp& op);

private:
    enum class Space { None, Text, Shapes };

    // Text: the current font in its colour, scaled from its reference size about the sheet's
    // corner. Shapes: inches, the pen, no brush.
    void use(Space space)
    {
        if (m_space == space) return;
        m_space = space;
        if (space == Space::Text) {
            const double scale = inchesPerReferencePixel(m_font);
            m_painter.setWorldTransform(QTransform::fromScale(scale, scale) * m_inches);
            m_painter.setFont(m_face);
            m_painter.setPen(toQt(m_font.FontColor));
        } else {
            m_painter.setWorldTransform(m_inches);
            m_painter.setPen(QPen(m_penColor, m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
        m_painter.setBrush(Qt::NoBrush);
    }
    // What was set for the space no longer holds.
    void leave(Space space)
    {
        if (m_space == space) m_space = Space::None;
    }

    QPainter& m_painter;
    const QTransform m_inches;
    const double m_lineWidth;  // inches
    Space m_space = Space::None;
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

// Laid out at the reference size, as it was measured; an opaque background fills the text's
// cell, its width by the font's height.
void PagePlayer::operator()(const TextOp& op)
{
    if (m_font.Size <= 0) return;
    if (!m_faceMetrics) operator()(SetFontOp{m_font});
    use(Space::Text);
    const double scale = inchesPerReferencePixel(m_font);
    const QPointF baseline(op.at.x / scale, op.at.y / scale);
    const QString text = toQString(op.text);
    if (m_textBackground == TextBackground::Opaque) {
        const double ascent = m_faceMetrics->ascent();
        m_painter.fillRect(QRectF(baseline.x(), baseline.y() - ascent, m_faceMetrics->horizontalAdvance(text),
                                  ascent + m_faceMetrics->descent()),
                           m_brushColor);
    }
    m_painter.drawText(baseline, text);
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
    use(Space::Shapes);
    m_painter.drawPath(path);
}

// Outlined with the pen, filled with a solid brush.
void PagePlayer::operator()(const EllipseOp& op)
{
    use(Space::Shapes);
    if (m_brushStyle == BrushStyle::Solid) m_painter.setBrush(m_brushColor);
    m_painter.drawEllipse(toQt(op.box));
    m_painter.setBrush(Qt::NoBrush);
}

// A file that does not load draws nothing.
void PagePlayer::operator()(const BitmapOp& op)
{
    auto found = m_pictures.find(op.path);
    if (found == m_pictures.end())
        found = m_pictures.emplace(op.path, QImage(QFile::decodeName(QByteArray::fromStdString(op.path)))).first;
    use(Space::Shapes);
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
