#include "common/ui/font_choice_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

FontChoiceDialog::FontChoiceDialog(const FontRequest& request, QWidget* parent)
    : QDialog(parent),
      m_color(request.initial.color.isValid() ? request.initial.color : QColor(Qt::black))
{
    setWindowTitle(request.title.isEmpty() ? QString("Font") : request.title);

    // Qt's chooser, embedded as a plain widget without its own buttons.
    m_fonts = new QFontDialog(request.initial.font, this);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);
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
