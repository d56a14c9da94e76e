#include "app/ui/tip_of_the_day_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "app/tips_of_the_day.h"
#include "app/ui/design_font.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(460, 244);
constexpr int kDesignFontPixels = 13;
constexpr int kDesignHeadingPixels = 18;
constexpr int kDesignIcon = 32;

}  // namespace

TipOfTheDayDialog::TipOfTheDayDialog(const UiStyle& style, std::vector<std::string> tips, std::size_t first,
                                     bool showTips, QWidget* parent)
    : StyledDialog(style, parent),
      m_tips(std::move(tips))
{
    if (m_tips.empty()) m_tips.emplace_back(kFallbackTip);
    // Laid out in design units; the style scales it when shown.
    setWindowTitle("Tip of the Day");
    setFont(arialPixels(kDesignFontPixels));
    setFixedSize(kDesignClientSize);

    // The tip stands on a white sheet, as a note would.
    auto* sheet = new QFrame(this);
    sheet->setFrameShape(QFrame::StyledPanel);
    sheet->setFrameShadow(QFrame::Sunken);
    sheet->setAutoFillBackground(true);
    QPalette white = sheet->palette();
    white.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(white);
    sheet->setGeometry(12, 12, 436, 180);

    auto* icon = new QLabel(sheet);
    icon->setPixmap(QWidget::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(kDesignIcon * 2));
    icon->setScaledContents(true);
    icon->setGeometry(14, 14, kDesignIcon, kDesignIcon);
    icon->setAccessibleName("Tip");

    auto* heading = new QLabel("Did you know...", sheet);
    heading->setFont(arialPixels(kDesignHeadingPixels, true));
    heading->setGeometry(60, 16, 360, 26);
    keepDesignFont(*heading);
    heading->setAccessibleName("Did you know");

    m_tip = new QLabel(sheet);
    m_tip->setObjectName("TipText");
    m_tip->setTextFormat(Qt::PlainText);
    m_tip->setWordWrap(true);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tip->setGeometry(60, 50, 360, 104);
    m_tip->setAccessibleName("Tip of the day");

    m_counter = new QLabel(sheet);
    m_counter->setObjectName("TipNumber");
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counter->setGeometry(280, 156, 140, 18);
    m_counter->setAccessibleName("Tip number");

    m_showTips = new QCheckBox("&Show Tips at Startup", this);
    m_showTips->setObjectName("ShowTips");
    m_showTips->setChecked(showTips);
    m_showTips->setGeometry(12, 208, 166, 22);
    m_showTips->setAccessibleName("Show Tips at Startup");

    auto* previous = new QPushButton("&Previous", this);
    previous->setObjectName("PreviousButton");
    previous->setGeometry(184, 206, 84, 25);
    previous->setAccessibleName("Previous tip");
    auto* next = new QPushButton("&Next", this);
    next->setObjectName("NextButton");
    next->setGeometry(274, 206, 84, 25);
    next->setAccessibleName("Next tip");
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("CloseButton");
    close->setGeometry(364, 206, 84, 25);
    close->setDefault(true);
    close->setAccessibleName("Close");
    connect(previous, &QPushButton::clicked, this, &TipOfTheDayDialog::PreviousClick);
    connect(next, &QPushButton::clicked, this, &TipOfTheDayDialog::NextClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    showTip(first < m_tips.size() ? first : 0);
    next->setFocus();
}

void TipOfTheDayDialog::NextClick() { showTip((m_shown + 1) % m_tips.size()); }

void TipOfTheDayDialog::PreviousClick() { showTip((m_shown + m_tips.size() - 1) % m_tips.size()); }

TipsOfTheDayChoice TipOfTheDayDialog::choice() const { return {m_showTips->isChecked(), m_shown}; }

QString TipOfTheDayDialog::shownText() const { return m_tip->text(); }

void TipOfTheDayDialog::showTip(std::size_t index)
{
    m_shown = index;
    m_tip->setText(QString::fromStdString(m_tips[index]));
    m_counter->setText(QString("Tip %1 of %2").arg(index + 1).arg(m_tips.size()));
}

TipsOfTheDayChoice runTipsOfTheDay(QWidget* parent, const UiStyle& style, std::vector<std::string> tips,
                                    std::size_t first, bool showTips)
{
    TipOfTheDayDialog dialog(style, std::move(tips), first, showTips, parent);
    dialog.exec();
    return dialog.choice();
}

}  // namespace qm
