// The look every window shares: the scale of the chosen screen size and the three user fonts.
//
// Windows and dialogs are laid out in design units (pixels at 96 dpi, at the 640 x 480 size),
// with absolute positions. When shown, a dialog calls applyDialogStyle(*this, style) once (or
// derives from StyledDialog, which does it): its geometry and fonts are scaled from the design
// recorded at the first call, the user fonts are applied by control kind, and it is centred on
// the screen. Text a window draws itself goes to style.scaled(designPosition).
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include "common/ui/user_dialogs.h"

namespace qm {

struct UiFontSettings;

// One of the user interface fonts: only these properties are applied to controls.
struct UserFont {
    QString name = "Arial";
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;  // invalid: the platform's usual text colour

    bool operator==(const UserFont&) const = default;
};

UserFont userFontFrom(const UiFontSettings& settings);
void storeUserFont(const UserFont& font, UiFontSettings& settings);
// What the font dialog starts from, and what its choice makes of a user font.
FontChoice fontChoiceOf(const UserFont& font);
UserFont userFontOf(const FontChoice& choice);

struct UiStyle {
    double scale = 1.0;   // rounded to two decimals
    UserFont labelFont;   // labels, check boxes, radio buttons, lists, group boxes
    UserFont editFont;    // edit boxes, combo boxes, grids
    UserFont buttonFont;  // push buttons

    int scaled(int designValue) const;
    QPoint scaled(QPoint designPoint) const;
    QPointF scaled(QPointF designPoint) const;
    QRect scaled(QRect designRect) const;
};

// A design font at the scale, in pixels or points as it is given.
QFont scaledFont(QFont font, double scale);

// Which user font a control gets, and whether its colour too.
enum class ControlKind {
    Other,        // keeps its design font
    LabelText,    // label, check box, radio button: Label Font with colour
    ListOrGroup,  // list box, group box: Label Font without colour
    EditText,     // edit box, combo box, grid: Edit Font with colour
    MaskedEdit,   // an edit box with an input mask: Edit Font without colour
    PushButton,   // Button Font without colour
};
ControlKind controlKindOf(const QWidget& widget);

// A control that keeps its design font whatever the user fonts are (a sample, a title).
void keepDesignFont(QWidget& widget);

// Puts every designed control of the window back to its recorded design geometry and font
// size, then multiplies both by scale, and gives the whole window the style of the scale (see
// scaled_style.h), so that check boxes, scroll bars, icons and menus grow with it. The design is
// recorded at the first call: the window itself, its child controls, the controls inside plain
// containers (group boxes, frames, plain widgets), and its menus (for their fonts). Controls
// placed by a layout keep their place and only get scaled fonts. A child scaled from a design of
// its own keeps it. Fonts go back to their design faces too: apply the user fonts afterwards.
void scaleFromDesign(QWidget& window, double scale);
// Applies the three user fonts to the designed controls by their kind, keeping the sizes.
void applyUserFonts(QWidget& window, const UiStyle& style);
// Centres the window on its screen; its top lies topOffset above the centred position, never
// above the screen.
void centreOnScreen(QWidget& window, int topOffset = 0);
// The one call a dialog makes when shown: scale from design, user fonts, centred.
void applyDialogStyle(QWidget& dialog, const UiStyle& style);

// A dialog that applies the style each time it is shown.
class StyledDialog : public QDialog {
public:
    explicit StyledDialog(const UiStyle& style, QWidget* parent = nullptr);

    const UiStyle& uiStyle() const { return m_style; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const UiStyle& m_style;
};

}  // namespace qm
