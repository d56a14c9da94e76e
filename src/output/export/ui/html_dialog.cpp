#include "output/export/ui/html_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "output/export/gui/page_exports.h"
#include "output/export/html_export.h"
#include "output/export/ui/picture_width_dialog.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(600, 468);
constexpr int kDesignFontPixels = 13;
constexpr int kHeadingFontPixels = 20;
constexpr int kBlockTextLimit = 1000;
const char* const kFontSizes[] = {"8 pt", "10 pt", "12 pt", "14 pt", "18 pt", "24 pt", "36 pt"};

QCheckBox* addCheckBox(QWidget* parent, const QString& text, const QString& name, QRect design, bool& field)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(design);
    box->setChecked(field);
    // The value holds as soon as it is clicked.
    QObject::connect(box, &QCheckBox::toggled, parent, [&field](bool on) { field = on; });
    return box;
}

}  // namespace

TMyHtml::TMyHtml(HtmlExportContext& context, QWidget* parent) : StyledDialog(context.style, parent), m_context(context)
{
    setWindowTitle("HTML Creation");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    auto* heading = new QLabel("Create A Web Page", this);
    QFont headingFont = font;
    headingFont.setPixelSize(kHeadingFontPixels);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(12, 6, 576, 28);
    keepDesignFont(*heading);

    HtmlSettings& html = m_context.html;
    addBlock(html.FirstHeader, "First Header Lines", "Head1", 38);
    addBlock(html.SecondHeader, "Second Header Lines", "Head2", 102);
    addCheckBox(this, "Horizontal Line", "HorzUpper", {12, 166, 160, 20}, html.HorizontalUpper);
    auto* picture = new QFrame(this);
    picture->setFrameStyle(QFrame::Box | QFrame::Plain);
    picture->setGeometry(12, 188, 576, 40);
    auto* pictureLabel = new QLabel("Puzzle will go here", this);
    pictureLabel->setAlignment(Qt::AlignCenter);
    pictureLabel->setGeometry(14, 198, 572, 20);
    addCheckBox(this, "Horizontal Line", "HorzLower", {12, 232, 160, 20}, html.HorizontalLower);
    addBlock(html.FirstFooter, "First Footer Lines", "Foot1", 256);
    addBlock(html.SecondFooter, "Second Footer Lines", "Foot2", 320);

    auto* titleLabel = new QLabel("Web Page Title", this);
    titleLabel->setGeometry(12, 394, 100, 17);
    m_webTitle = new QLineEdit(QString::fromStdString(html.WebTitle), this);
    m_webTitle->setObjectName("WebTitle");
    m_webTitle->setMaxLength(static_cast<int>(kWebTitleLimit));
    m_webTitle->setGeometry(116, 391, 472, 23);
    titleLabel->setBuddy(m_webTitle);

    auto* save = new QPushButton("&Save HTML", this);
    save->setObjectName("SaveButton");
    save->setGeometry(200, 430, 96, 25);
    save->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(304, 430, 96, 25);
    connect(save, &QPushButton::clicked, this, &TMyHtml::SaveHtmlClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TMyHtml::addBlock(HtmlHeading& block, const QString& caption, const char* name, int top)
{
    auto* label = new QLabel(caption, this);
    label->setGeometry(12, top, 200, 17);
    auto* memo = new QPlainTextEdit(withMemoLineBreaks(QString::fromStdString(block.Text)), this);
    memo->setObjectName(name);
    memo->setGeometry(12, top + 18, 340, 44);
    label->setBuddy(memo);
    m_memos.emplace_back(memo, &block);

    const QString prefix(name);
    addCheckBox(this, "Bold", prefix + "Bold", {364, top + 18, 60, 20}, block.Bold);
    addCheckBox(this, "Italic", prefix + "Italic", {428, top + 18, 64, 20}, block.Italic);
    addCheckBox(this, "Center", prefix + "Center", {496, top + 18, 80, 20}, block.Center);
    auto* sizeLabel = new QLabel("Font Size", this);
    sizeLabel->setGeometry(364, top + 43, 64, 17);
    auto* size = new QComboBox(this);
    size->setObjectName(prefix + "Size");
    for (const char* item : kFontSizes) size->addItem(item);
    size->setCurrentIndex(std::clamp(block.Font, 1, size->count()) - 1);
    size->setGeometry(428, top + 40, 88, 22);
    sizeLabel->setBuddy(size);
    connect(size, &QComboBox::currentIndexChanged, this, [&block](int index) { block.Font = index + 1; });
}

void TMyHtml::takeTexts()
{
    for (const auto& [memo, block] : m_memos) {
        const QString text = memo->toPlainText().left(kBlockTextLimit);
        block->Text = withRecordLineBreaks(text).toStdString();
    }
    m_context.html.WebTitle = m_webTitle->text().toStdString();
}

void TMyHtml::SaveHtmlClick()
{
    ReportSettings& reports = m_context.reports;
    const auto width = askPictureWidth(this, m_context.dialogs, m_context.style, PictureKind::Jpeg, reports.PixelWidth);
    if (!width) return;
    reports.PixelWidth = *width;

    const auto chosen = chooseExportFile(m_context.dialogs, {"Save HTML Document", "html (*.htm)|*.htm", "htm"},
                                         m_context.lastHtmlFile);
    if (!chosen) return;

    takeTexts();
    const CommandOutcome written = ExportHtmlPage(m_context.page, m_context.html, pictureSettingsOf(reports), *chosen);
    if (reportCommandOutcome(m_context.dialogs, written)) accept();
}

bool runHtmlExport(QWidget* parent, HtmlExportContext& context)
{
    TMyHtml dialog(context, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace qm
