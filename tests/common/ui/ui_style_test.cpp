#include "common/ui/ui_style.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/gui/qt_color.h"
#include "common/user_font_settings.h"

namespace qm {
namespace {

QFont designFont(int pixels)
{
    QFont font("Arial");
    font.setPixelSize(pixels);
    return font;
}

// A dialog laid out in design units, as every dialog of the program is.
struct DesignedDialog {
    QDialog dialog;
    QLabel* label = new QLabel("Category", &dialog);
    QGroupBox* group = new QGroupBox("Options", &dialog);
    QCheckBox* insideGroup = new QCheckBox("Shrink", group);
    QPushButton* button = new QPushButton("&Ok", &dialog);

    DesignedDialog()
    {
        dialog.setFont(designFont(17));
        dialog.setFixedSize(632, 413);
        label->setGeometry(24, 80, 238, 17);
        group->setGeometry(10, 101, 99, 33);
        insideGroup->setGeometry(3, 7, 51, 19);
        button->setGeometry(125, 376, 80, 21);
        button->setFont(designFont(12));
    }
};

TEST(UiStyle, ScalesEdgesAndFontsFromTheDesign)
{
    DesignedDialog d;
    scaleFromDesign(d.dialog, 1.25);
    EXPECT_EQ(d.dialog.size(), QSize(790, 516));  // 413 * 1.25 = 516.25
    // Edges scale, so 10 + 99 = 109 maps to 136 and the width follows from the edges.
    EXPECT_EQ(d.group->geometry(), QRect(13, 126, 123, 42));
    EXPECT_EQ(d.insideGroup->geometry(), QRect(4, 9, 64, 24));
    EXPECT_EQ(d.label->geometry(), QRect(30, 100, 298, 21));
    EXPECT_EQ(d.button->font().pixelSize(), 15);
    EXPECT_EQ(d.label->font().pixelSize(), 21);
    EXPECT_EQ(d.dialog.font().pixelSize(), 21);
}

TEST(UiStyle, RepeatedScalingDoesNotDrift)
{
    DesignedDialog d;
    for (double scale : {1.6, 1.25, 2.0, 1.6, 1.25}) scaleFromDesign(d.dialog, scale);
    scaleFromDesign(d.dialog, 1.0);
    EXPECT_EQ(d.dialog.size(), QSize(632, 413));
    EXPECT_EQ(d.label->geometry(), QRect(24, 80, 238, 17));
    EXPECT_EQ(d.insideGroup->geometry(), QRect(3, 7, 51, 19));
    EXPECT_EQ(d.button->geometry(), QRect(125, 376, 80, 21));
    EXPECT_EQ(d.button->font().pixelSize(), 12);
}

TEST(UiStyle, ControlsInALayoutOnlyGetScaledFonts)
{
    QDialog dialog;
    dialog.setFont(designFont(10));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel("In a layout");
    layout->addWidget(label);
    dialog.adjustSize();
    const QRect before = label->geometry();
    scaleFromDesign(dialog, 2.0);
    EXPECT_EQ(label->geometry(), before);  // the layout places it when it next runs
    EXPECT_EQ(label->font().pixelSize(), 20);
}

TEST(UiStyle, APartWithADesignOfItsOwnIsScaledOnce)
{
    // A window whose client area is scaled from its own design, as the main window's is.
    QDialog window;
    window.setFont(designFont(12));
    auto* layout = new QVBoxLayout(&window);
    auto* client = new QWidget;
    client->setFont(designFont(17));
    client->setFixedSize(200, 100);
    layout->addWidget(client);
    auto* label = new QLabel("Category", client);
    label->setGeometry(10, 10, 100, 20);
    for (const double scale : {2.0, 1.6}) {
        scaleFromDesign(*client, scale);
        scaleFromDesign(window, scale);
    }
    EXPECT_EQ(client->font().pixelSize(), 27);  // 17 x 1.6
    EXPECT_EQ(label->font().pixelSize(), 27);
    EXPECT_EQ(window.font().pixelSize(), 19);
}

TEST(UiStyle, PointSizedFontsScaleToo)
{
    QDialog dialog;
    auto* label = new QLabel("x", &dialog);
    QFont font("Arial");
    font.setPointSizeF(8.0);
    label->setFont(font);
    scaleFromDesign(dialog, 1.6);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12.8);
}

TEST(UiStyle, UserFontsGoToControlsByKind)
{
    QDialog dialog;
    dialog.setFont(designFont(17));
    auto* label = new QLabel("label", &dialog);
    auto* check = new QCheckBox("check", &dialog);
    auto* radio = new QRadioButton("radio", &dialog);
    auto* list = new QListWidget(&dialog);
    auto* group = new QGroupBox("group", &dialog);
    auto* grid = new QTableWidget(2, 2, &dialog);
    auto* edit = new QLineEdit(&dialog);
    auto* masked = new QLineEdit(&dialog);
    masked->setInputMask("99");
    auto* combo = new QComboBox(&dialog);
    auto* button = new QPushButton("button", &dialog);
    auto* tool = new QToolButton(&dialog);
    auto* kept = new QLabel("sample", &dialog);
    keepDesignFont(*kept);

    UiStyle style;
    style.labelFont = UserFont{"Label Face", true, false, QColor(200, 0, 0)};
    style.editFont = UserFont{"Edit Face", false, true, QColor(0, 150, 0)};
    style.buttonFont = UserFont{"Button Face", true, true, QColor(0, 0, 250)};
    scaleFromDesign(dialog, 1.0);
    applyUserFonts(dialog, style);

    struct Expected {
        QWidget* widget;
        const char* family;
        bool bold;
        bool italic;
        QPalette::ColorRole colorRole;
        QColor color;  // invalid: the colour stays the palette's own
    };
    const QColor untouched;
    const Expected cases[] = {
        {label, "Label Face", true, false, QPalette::WindowText, QColor(200, 0, 0)},
        {check, "Label Face", true, false, QPalette::WindowText, QColor(200, 0, 0)},
        {radio, "Label Face", true, false, QPalette::WindowText, QColor(200, 0, 0)},
        {list, "Label Face", true, false, QPalette::Text, untouched},
        {group, "Label Face", true, false, QPalette::WindowText, untouched},
        {grid, "Edit Face", false, true, QPalette::Text, QColor(0, 150, 0)},
        {edit, "Edit Face", false, true, QPalette::Text, QColor(0, 150, 0)},
        {masked, "Edit Face", false, true, QPalette::Text, untouched},
        {combo, "Edit Face", false, true, QPalette::Text, QColor(0, 150, 0)},
        {button, "Button Face", true, true, QPalette::ButtonText, untouched},
        {tool, "Arial", false, false, QPalette::ButtonText, untouched},
        {kept, "Arial", false, false, QPalette::WindowText, untouched},
    };
    const QPalette plain = dialog.palette();
    for (const Expected& c : cases) {
        SCOPED_TRACE(c.widget->metaObject()->className());
        EXPECT_EQ(c.widget->font().family(), c.family);
        EXPECT_EQ(c.widget->font().bold(), c.bold);
        EXPECT_EQ(c.widget->font().italic(), c.italic);
        EXPECT_EQ(c.widget->font().pixelSize(), 17);  // the size stays the scaled design size
        const QColor expected = c.color.isValid() ? c.color : plain.color(c.colorRole);
        EXPECT_EQ(c.widget->palette().color(c.colorRole), expected);
    }
}

TEST(UiStyle, RescalingKeepsTheUserFontsWhenAppliedAgain)
{
    DesignedDialog d;
    UiStyle style;
    style.labelFont.name = "Label Face";
    style.scale = 1.6;
    applyDialogStyle(d.dialog, style);
    style.scale = 1.0;
    applyDialogStyle(d.dialog, style);
    EXPECT_EQ(d.label->font().family(), "Label Face");
    EXPECT_EQ(d.label->font().pixelSize(), 17);
}

TEST(UiStyle, ScaledPositionsForDrawnText)
{
    UiStyle style;
    style.scale = 1.6;
    EXPECT_EQ(style.scaled(QPoint(10, 25)), QPoint(16, 40));
    EXPECT_EQ(style.scaled(7), 11);  // 11.2
    EXPECT_EQ(style.scaled(QRect(10, 10, 5, 5)), QRect(16, 16, 8, 8));
    EXPECT_EQ(style.scaled(QPointF(1.5, 2.0)), QPointF(2.4, 3.2));
}

TEST(UiStyle, CentresOnTheScreenAndNeverAboveIt)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.resize(200, 100);
    centreOnScreen(window);
    EXPECT_EQ(window.pos(), QPoint(area.left() + (area.width() - 200) / 2, area.top() + (area.height() - 100) / 2));
    centreOnScreen(window, 10);
    EXPECT_EQ(window.y(), area.top() + (area.height() - 100) / 2 - 10);
    window.resize(200, area.height() + 50);
    centreOnScreen(window, 10);
    EXPECT_EQ(window.y(), area.top());
}

TEST(UiStyle, UserFontsRoundTripThroughTheSettings)
{
    UiFontSettings stored;
    stored.FontName = "Liberation Serif";
    stored.Bold = true;
    stored.Italic = false;
    stored.Color = 0x00FF8001;  // blue FF, green 80, red 01
    const UserFont font = userFontFrom(stored);
    EXPECT_EQ(font.name, "Liberation Serif");
    EXPECT_TRUE(font.bold);
    EXPECT_EQ(font.color, QColor(0x01, 0x80, 0xFF));
    UiFontSettings back;
    storeUserFont(font, back);
    EXPECT_EQ(back.FontName, stored.FontName);
    EXPECT_EQ(back.Bold, stored.Bold);
    EXPECT_EQ(back.Italic, stored.Italic);
    EXPECT_EQ(back.Color, stored.Color);

    const UserFont chosen = userFontOf(fontChoiceOf(font));
    EXPECT_EQ(chosen, font);
}

TEST(QtColor, ColorRefsKeepRedInTheLowByte)
{
    EXPECT_EQ(toQColor(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(toColorRef(QColor(0x12, 0x34, 0x56)), 0x00563412);
    // A system colour of the writing platform has no fixed value here.
    EXPECT_FALSE(toQColor(static_cast<std::int32_t>(0x80000008u)).isValid());
    EXPECT_EQ(toColorRef(QColor()), 0);
}

}  // namespace
}  // namespace qm
