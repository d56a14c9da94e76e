#include "common/ui/ui_style.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTextEdit>

#include "common/gui/qt_color.h"
#include "common/ui/scaled_style.h"
#include "common/user_font_settings.h"

namespace qm {
namespace {

constexpr const char* kKeepDesignFontProperty = "qmKeepDesignFont";
constexpr const char* kMenuDesignFontProperty = "qmMenuDesignFont";

int scaledValue(int designValue, double scale) { return static_cast<int>(std::lround(designValue * scale)); }

// Edges are scaled, not sizes, so that controls that touch in the design still touch.
QRect scaledRect(const QRect& design, double scale)
{
    const int left = scaledValue(design.left(), scale);
    const int top = scaledValue(design.top(), scale);
    const int right = scaledValue(design.left() + design.width(), scale);
    const int bottom = scaledValue(design.top() + design.height(), scale);
    return QRect(left, top, right - left, bottom - top);
}

// Containers whose children are placed by the window's own design rather than by a widget's
// internal code (as the parts of a combo box or a scroll area are).
bool isPlainContainer(const QWidget& widget)
{
    const QMetaObject* type = widget.metaObject();
    return qobject_cast<const QGroupBox*>(&widget) || type == &QFrame::staticMetaObject ||
           type == &QWidget::staticMetaObject;
}

struct DesignedControl {
    QPointer<QWidget> widget;
    QRect geometry;
    bool placedByDesign = false;  // false: a layout places it
    QFont font;
};

// The design of one window, kept as a hidden child of it.
class DesignRecord : public QObject {
public:
    static constexpr const char* kName = "qmDesignRecord";

    explicit DesignRecord(QWidget& window) : QObject(&window)
    {
        setObjectName(kName);
        m_size = window.size();
        m_fixedSize = window.minimumSize() == window.maximumSize();
        m_font = window.font();
        collect(window);
        collectMenus(window, MenuFont::AsItIs);
    }

    static DesignRecord& of(QWidget& window)
    {
        if (auto* record = window.findChild<DesignRecord*>(kName, Qt::FindDirectChildrenOnly)) return *record;
        return *new DesignRecord(window);
    }

    void restoreScaled(QWidget& window, double scale)
    {
        collectMenus(window, MenuFont::Platform);
        window.setFont(scaledFont(m_font, scale));
        if (!window.layout()) {
            const QSize size(scaledValue(m_size.width(), scale), scaledValue(m_size.height(), scale));
            if (m_fixedSize)
                window.setFixedSize(size);
            else
                window.resize(size);
        }
        for (const DesignedControl& control : m_controls) {
            if (!control.widget) continue;
            control.widget->setFont(scaledFont(control.font, scale));
            if (control.placedByDesign) control.widget->setGeometry(scaledRect(control.geometry, scale));
        }
    }

    template <typename Visit>
    void forEachControl(Visit visit) const
    {
        for (const DesignedControl& control : m_controls)
            if (control.widget) visit(*control.widget);
    }

private:
    void collect(QWidget& container)
    {
        const bool byLayout = container.layout() != nullptr;
        for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            // A part scaled from a design of its own (the main window's client area) keeps it.
            if (child->isWindow() || child->findChild<DesignRecord*>(kName, Qt::FindDirectChildrenOnly)) continue;
            m_controls.push_back(DesignedControl{child, child->geometry(), !byLayout, child->font()});
            if (isPlainContainer(*child)) collect(*child);
        }
    }

    // A menu is a window of its own, which takes no font from the window it belongs to: the
    // menus of the window (of its menu bar, its pop-up menus, those of its tool bars) are
    // recorded for their fonts only. A menu made after the design was recorded (a bar makes one
    // for what does not fit it) has the platform's menu font for its design.
    enum class MenuFont { AsItIs, Platform };
    void collectMenus(QWidget& window, MenuFont design)
    {
        for (QMenu* menu : window.findChildren<QMenu*>()) {
            if (isRecorded(*menu) || !belongsTo(*menu, window)) continue;
            // Kept with the menu: the tool bar of a window's client area is recorded by both.
            if (!menu->property(kMenuDesignFontProperty).isValid())
                menu->setProperty(kMenuDesignFontProperty,
                                  design == MenuFont::AsItIs ? menu->font() : QApplication::font(menu));
            m_controls.push_back(
                DesignedControl{menu, {}, false, menu->property(kMenuDesignFontProperty).value<QFont>()});
        }
    }

    // Not a menu of a dialog of its own inside the window.
    static bool belongsTo(const QWidget& menu, const QWidget& window)
    {
        const QWidget* owner = menu.parentWidget();
        while (owner && owner != &window && (!owner->isWindow() || owner->windowType() == Qt::Popup))
            owner = owner->parentWidget();
        return owner == &window;
    }

    bool isRecorded(const QWidget& widget) const
    {
        return std::any_of(m_controls.begin(), m_controls.end(),
                           [&widget](const DesignedControl& control) { return control.widget == &widget; });
    }

    QSize m_size;
    bool m_fixedSize = false;
    QFont m_font;
    std::vector<DesignedControl> m_controls;
};

void setTextColor(QWidget& widget, const QColor& color, std::initializer_list<QPalette::ColorRole> roles)
{
    if (!color.isValid()) return;
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : roles) palette.setColor(role, color);
    widget.setPalette(palette);
}

void applyFontFace(QWidget& widget, const UserFont& userFont)
{
    QFont font = widget.font();
    font.setFamily(userFont.name);
    font.setBold(userFont.bold);
    font.setItalic(userFont.italic);
    widget.setFont(font);
}

void applyUserFont(QWidget& widget, const UiStyle& style)
{
    if (widget.property(kKeepDesignFontProperty).toBool()) return;
    switch (controlKindOf(widget)) {
    case ControlKind::Other:
        return;
    case ControlKind::LabelText:
        applyFontFace(widget, style.labelFont);
        setTextColor(widget, style.labelFont.color, {QPalette::WindowText});
        return;
    case ControlKind::ListOrGroup:
        applyFontFace(widget, style.labelFont);
        return;
    case ControlKind::EditText:
        applyFontFace(widget, style.editFont);
        setTextColor(widget, style.editFont.color, {QPalette::Text, QPalette::ButtonText});
        return;
    case ControlKind::MaskedEdit:
        applyFontFace(widget, style.editFont);
        return;
    case ControlKind::PushButton:
        applyFontFace(widget, style.buttonFont);
        return;
    }
}

}  // namespace

UserFont userFontFrom(const UiFontSettings& settings)
{
    return UserFont{QString::fromStdString(settings.FontName), settings.Bold, settings.Italic,
                    toQColor(settings.Color)};
}

void storeUserFont(const UserFont& font, UiFontSettings& settings)
{
    settings.FontName = font.name.toStdString();
    settings.Bold = font.bold;
    settings.Italic = font.italic;
    settings.Color = toColorRef(font.color);
}

FontChoice fontChoiceOf(const UserFont& font)
{
    QFont qfont(font.name);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return FontChoice{qfont, font.color.isValid() ? font.color : QColor(Qt::black)};
}

UserFont userFontOf(const FontChoice& choice)
{
    return UserFont{choice.font.family(), choice.font.bold(), choice.font.italic(), choice.color};
}

QFont scaledFont(QFont font, double scale)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, scaledValue(font.pixelSize(), scale)));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

int UiStyle::scaled(int designValue) const { return scaledValue(designValue, scale); }
QPoint UiStyle::scaled(QPoint designPoint) const { return QPoint(scaled(designPoint.x()), scaled(designPoint.y())); }
QPointF UiStyle::scaled(QPointF designPoint) const { return designPoint * scale; }
QRect UiStyle::scaled(QRect designRect) const { return scaledRect(designRect, scale); }

ControlKind controlKindOf(const QWidget& widget)
{
    // Order matters: a grid is an item view too, and a masked edit a line edit.
    if (qobject_cast<const QLabel*>(&widget) || qobject_cast<const QCheckBox*>(&widget) ||
        qobject_cast<const QRadioButton*>(&widget))
        return ControlKind::LabelText;
    if (qobject_cast<const QTableView*>(&widget)) return ControlKind::EditText;
    if (qobject_cast<const QAbstractItemView*>(&widget) || qobject_cast<const QGroupBox*>(&widget))
        return ControlKind::ListOrGroup;
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return edit->inputMask().isEmpty() ? ControlKind::EditText : ControlKind::MaskedEdit;
    if (qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget) ||
        qobject_cast<const QTextEdit*>(&widget) || qobject_cast<const QPlainTextEdit*>(&widget))
        return ControlKind::EditText;
    if (qobject_cast<const QPushButton*>(&widget)) return ControlKind::PushButton;
    return ControlKind::Other;
}

void keepDesignFont(QWidget& widget) { widget.setProperty(kKeepDesignFontProperty, true); }

void scaleFromDesign(QWidget& window, double scale)
{
    DesignRecord::of(window).restoreScaled(window, scale);
    applyScaledStyle(window, scale);
}

void applyUserFonts(QWidget& window, const UiStyle& style)
{
    DesignRecord::of(window).forEachControl([&style](QWidget& control) { applyUserFont(control, style); });
}

void centreOnScreen(QWidget& window, int topOffset)
{
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize frame = window.isVisible() ? window.frameGeometry().size() : window.size();
    const int left = area.left() + (area.width() - frame.width()) / 2;
    const int top = std::max(area.top(), area.top() + (area.height() - frame.height()) / 2 - topOffset);
    window.move(left, top);
}

void applyDialogStyle(QWidget& dialog, const UiStyle& style)
{
    scaleFromDesign(dialog, style.scale);
    applyUserFonts(dialog, style);
    centreOnScreen(dialog);
}

StyledDialog::StyledDialog(const UiStyle& style, QWidget* parent) : QDialog(parent), m_style(style) {}

void StyledDialog::showEvent(QShowEvent* event)
{
    applyDialogStyle(*this, m_style);
    QDialog::showEvent(event);
}

}  // namespace qm
