// The commands of the print options.
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "common/gui/qt_color.h"
#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "output/page/object_font.h"
#include "output/page/ui/report_status_window.h"
#include "output/print/font_menu.h"
#include "output/print/print_messages.h"
#include "output/print/print_options.h"
#include "output/print/ui/bonus_question_dialog.h"
#include "output/print/ui/preview_window.h"
#include "output/print/ui/print_options_window.h"

namespace qm {
namespace {

FontChoice fontChoiceOf(const FontSpec& stored)
{
    QFont font(toQString(stored.Name));
    font.setPointSize(stored.Size);
    font.setBold(stored.Bold);
    font.setItalic(stored.Italic);
    font.setUnderline(stored.Underline);
    font.setStrikeOut(stored.StrikeOut);
    return FontChoice{font, toQColor(static_cast<std::int32_t>(stored.FontColor))};
}

FontSpec fontSpecOf(const FontChoice& choice, int previousSize)
{
    FontSpec stored;
    stored.Name = toRecordText(choice.font.family());
    // A font dialog that gives a pixel size leaves the point size unknown.
    stored.Size = choice.font.pointSize() > 0 ? choice.font.pointSize() : previousSize;
    stored.FontColor = static_cast<Color>(toColorRef(choice.color));
    stored.Bold = choice.font.bold();
    stored.Italic = choice.font.italic();
    stored.Underline = choice.font.underline();
    stored.StrikeOut = choice.font.strikeOut();
    return stored;
}

}  // namespace

void TMyReport::InitPageLay()
{
    ApplyLayoutOptions(m_context.settings.Print, m_puzzle->Layout);
    showLayoutOptions();
    fillFontMenu();
}

void TMyReport::ViewButtonClick()
{
    if (!validColumnCount(m_context.settings.Print.NumColumns)) {
        showRefusal(m_context.dialogs, PrintMessages::InvalidColumns);
        m_numColumns->setFocus();
        return;
    }
    RunRandom random(m_context.random);
    const ReportJob job{*m_puzzle, m_context.settings.Print, m_context.metrics, random.source()};
    PreviewContext preview{m_context.dialogs,     m_context.style,    m_context.settings, m_context.html,
                           m_context.exportFiles, m_context.printing, *m_puzzle};
    previewReport(this, preview, job);
}

void TMyReport::previewOnLayout(QWidget* parent, const PageLayoutRecord& layout)
{
    PuzzleRecord copy = *m_puzzle;
    copy.Layout = layout;
    PrintOptions options = m_context.settings.Print;
    ApplyLayoutOptions(options, copy.Layout);
    RunRandom random(m_context.random);
    const ReportJob job{copy, options, m_context.metrics, random.source()};
    PreviewContext preview{m_context.dialogs,
                           m_context.style,
                           m_context.settings,
                           m_context.html,
                           m_context.exportFiles,
                           m_context.printing,
                           copy};
    previewReport(parent, preview, job);
}

void TMyReport::ChangePageLayoutClick()
{
    const LayoutPreview preview = [this](QWidget* parent, const PageLayoutRecord& layout) {
        previewOnLayout(parent, layout);
    };
    if (const auto chosen = m_context.chooseLayout(this, m_puzzle->Layout, preview)) {
        m_puzzle->Layout = *chosen;
        DrawPageBox();
    }
    InitPageLay();
}

void TMyReport::ChangeFontsClick()
{
    m_fontMenu->popup(m_changePageLayout->mapToGlobal(QPoint(0, m_changePageLayout->height())));
}

void TMyReport::ChooseObjectFont(int object)
{
    if (object < 0 || object >= usedObjectCount(m_puzzle->Layout)) return;
    PageObject& chosen = m_puzzle->Layout.Objects[static_cast<std::size_t>(object)];
    const FontSpec current = objectFont(chosen);
    const QString title = toQString(chosen.Name.text() + " Font");
    const auto font = m_context.dialogs.chooseFont(FontRequest{title, fontChoiceOf(current)});
    if (font) setObjectFont(chosen, fontSpecOf(*font, current.Size));
}

void TMyReport::ChangeBonusClick()
{
    if (const auto question = askBonusQuestion(this, m_context.style, m_puzzle->BonusQuestion.text()))
        m_puzzle->BonusQuestion.assign(*question);
}

void TMyReport::PrinterSetupClick() { m_context.dialogs.setUpPrinter(m_context.printer); }

void TMyReport::HelpClick()
{
    if (m_context.showHelp) m_context.showHelp("Report Window");
}

void runPrintOptions(QWidget* parent, PrintOptionsContext& context, std::unique_ptr<PuzzleRecord> puzzle)
{
    TMyReport options(context, std::move(puzzle), parent);
    options.exec();
}

}  // namespace qm
