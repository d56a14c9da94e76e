#include "common/ui/scaled_style.h"

#include <cmath>
#include <map>

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QWidget>

#include "common/ui/ui_style.h"

namespace qm {
namespace {

constexpr const char* kStyleScaleProperty = "qmStyleScale";

int percentOf(double scale) { return static_cast<int>(std::lround(scale * 100)); }

class ScaledStyle final : public QProxyStyle {
public:
    ScaledStyle(QStyle* base, double scale) : QProxyStyle(base), m_scale(scale) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        // The base style works some sizes out from others it asks this style for: only the
        // outermost question is scaled, or those would be scaled twice.
        const bool outermost = m_depth == 0;
        ++m_depth;
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        --m_depth;
        if (!outermost || !scalesWithTheWindow(metric) || size <= 0) return size;
        return scaled(size);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        const QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        // The platform style pads the items of a menu bar by a fixed margin: it grows too.
        if (type == CT_MenuBarItem) return contents + (size - contents) * m_scale;
        return size;
    }

    // The platform style gives the arrow parts of combo boxes and spin boxes fixed sizes: they
    // are laid out as on the control at the first size and scaled up.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        if (m_depth > 0) return QProxyStyle::subControlRect(control, option, part, widget);
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option); combo && control == CC_ComboBox)
            return atFirstSize(control, *combo, part, widget);
        if (const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option); spin && control == CC_SpinBox)
            return atFirstSize(control, *spin, part, widget);
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    int layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2, Qt::Orientation orientation,
                      const QStyleOption* option, const QWidget* widget) const override
    {
        const int spacing = QProxyStyle::layoutSpacing(control1, control2, orientation, option, widget);
        return spacing > 0 ? scaled(spacing) : spacing;
    }

private:
    // Sizes the base style measures from the control's own geometry, which is scaled already.
    static bool scalesWithTheWindow(PixelMetric metric)
    {
        return metric != PM_SliderSpaceAvailable && metric != PM_SliderTickmarkOffset;
    }

    template <typename Option>
    QRect atFirstSize(ComplexControl control, Option option, SubControl part, const QWidget* widget) const
    {
        const QRect shown = option.rect;
        option.rect = QRect(shown.topLeft(), shown.size() / m_scale);
        ++m_depth;  // the sizes the base style asks for are at the first size too
        const QRect first = QProxyStyle::subControlRect(control, &option, part, widget);
        --m_depth;
        const auto along = [this](int origin, int offset) {
            return origin + static_cast<int>(std::lround(offset * m_scale));
        };
        const int left = along(shown.left(), first.left() - shown.left());
        const int top = along(shown.top(), first.top() - shown.top());
        const int right = along(shown.left(), first.left() + first.width() - shown.left());
        const int bottom = along(shown.top(), first.top() + first.height() - shown.top());
        return QRect(left, top, right - left, bottom - top);
    }

    int scaled(int size) const { return std::max(1, static_cast<int>(std::lround(size * m_scale))); }

    double m_scale;
    mutable int m_depth = 0;
};

// Widgets that share their parent's style: controls and the popups they open (menus, the lists
// of combo boxes), not the dialogs that have a window of their own.
bool sharesParentStyle(const QWidget& widget) { return !widget.isWindow() || widget.windowType() == Qt::Popup; }

void setScaledStyle(QWidget& widget, double scale)
{
    if (styleScaleOf(widget) == scale && (scale == 1.0 || widget.testAttribute(Qt::WA_SetStyle))) return;
    widget.setStyle(scaledStyle(scale));
    widget.setProperty(kStyleScaleProperty, scale);
}

void setScaledStyleOfTree(QWidget& widget, double scale)
{
    setScaledStyle(widget, scale);
    for (QObject* child : widget.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && sharesParentStyle(*control)) setScaledStyleOfTree(*control, scale);
    }
}

// Gives a widget created inside a scaled window after the window was styled (the editor of a
// table cell, a list popped up later) the style of its parent, before it first shows.
class StyleFollower final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Polish || !watched->isWidgetType()) return false;
        auto& widget = *static_cast<QWidget*>(watched);
        const QWidget* parent = widget.parentWidget();
        if (parent && !widget.testAttribute(Qt::WA_SetStyle) && sharesParentStyle(widget)) {
            const double scale = styleScaleOf(*parent);
            if (scale != 1.0) {
                setScaledStyle(widget, scale);
                // A menu takes no font from its window: a late one gets the platform's at the scale.
                if (qobject_cast<QMenu*>(&widget)) widget.setFont(scaledFont(QApplication::font(&widget), scale));
            }
        }
        return false;
    }
};

void followScaledStyles()
{
    static bool installed = false;
    if (installed || !qApp) return;
    qApp->installEventFilter(new StyleFollower(qApp));
    installed = true;
}

}  // namespace

QStyle* scaledStyle(double scale)
{
    const int percent = percentOf(scale);
    if (percent == 100 || percent <= 0) return nullptr;
    static std::map<int, QStyle*> styles;
    QStyle*& style = styles[percent];
    if (!style) {
        style = new ScaledStyle(QStyleFactory::create(QApplication::style()->name()), percent / 100.0);
        style->setParent(qApp);
    }
    return style;
}

void applyScaledStyle(QWidget& window, double scale)
{
    const double rounded = percentOf(scale) / 100.0;
    setScaledStyleOfTree(window, rounded);
    if (rounded != 1.0) followScaledStyles();
}

double styleScaleOf(const QWidget& widget)
{
    const QVariant scale = widget.property(kStyleScaleProperty);
    return scale.isValid() ? scale.toDouble() : 1.0;
}

}  // namespace qm
