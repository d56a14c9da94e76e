#include "common/ui/font_choice_dialog.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {
namespace {

// Qt's chooser heads each column (an edit over a list) with one label, the buddy of one of them:
// the label names every edit and list of its column for a screen reader.
void nameColumnsByTheirLabels(QWidget& chooser)
{
    auto* grid = qobject_cast<QGridLayout*>(chooser.layout());
    if (!grid) return;
    const auto columnOf = [grid](QWidget* widget) {
        int row = 0, column = -1, rows = 0, columns = 0;
        if (const int index = grid->indexOf(widget); index >= 0)
            grid->getItemPosition(index, &row, &column, &rows, &columns);
        return column;
    };
    const auto isEditOrList = [](QWidget* widget) {
        return qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractItemView*>(widget);
    };
    for (QLabel* label : chooser.findChildren<QLabel*>()) {
        const int column = columnOf(label);
        if (!isEditOrList(label->buddy()) || column < 0) continue;
        QString name = label->text();
        name.remove('&');
        for (QWidget* control : chooser.findChildren<QWidget*>())
            if (isEditOrList(control) && columnOf(control) == column && control->accessibleName().isEmpty())
                control->setAccessibleName(name);
    }
}

}  // namespace

FontChoiceDialog::FontChoiceDialog(const FontRequest& request, QWidget* parent)
    : QDialog(parent),
      m_color(request.initial.color.isValid() ? request.initial.color : QColor(Qt::black))
{
    setWindowTitle(request.title.isEmpty() ? QString("Font") : request.title);

    // Qt's chooser, embedded as a plain widget without its own buttons.
    m_fonts = new QFontDialog(request.initial.font, this);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);
    nameColumnsByTheirLabels(*m_fonts);
    m_requestedFamily = request.initial.font.family();
    m_shownFamily = m_fonts->currentFont().family();

    m_colorButton = new QPushButton("C&olor...", this);
    connect(m_colorButton, &QPushButton::clicked, this, &FontChoiceDialog::pickColor);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel("Color:", this));
    colorRow->addWidget(m_colorButton);
    colorRow->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    showColor();
}

FontChoice FontChoiceDialog::choice() const
{
    QFont font = m_fonts->currentFont();
    if (font.family() == m_shownFamily) font.setFamily(m_requestedFamily);
    return FontChoice{font, m_color};
}

void FontChoiceDialog::pickColor()
{
    const QColor chosen = QColorDialog::getColor(m_color, this, "Color");
    if (!chosen.isValid()) return;
    m_color = chosen;
    showColor();
}

void FontChoiceDialog::showColor()
{
    QPixmap swatch(24, 14);
    swatch.fill(m_color);
    m_colorButton->setIcon(QIcon(swatch));
    m_colorButton->setIconSize(swatch.size());
}

}  // namespace qm
