#include "output/play/ui/play_page_export.h"

#include "common/random_source.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "output/play/play_messages.h"
#include "output/play/play_page.h"
#include "output/play/play_page_file.h"

namespace qm {

bool runPlayPageExport(PlayPageExportContext& context)
{
    const ExchangeFileDialog dialog{PlayMessages::PageCaption, "Web Page (*.html)|*.html", "html"};
    const auto chosen = chooseExportFile(context.dialogs, dialog, context.html.LastPlayPageFile);
    if (!chosen) return false;
    RunRandom random;
    const PlayPage page = ComposePlayPage(context.puzzle, context.print, random.source());
    return reportCommandOutcome(context.dialogs,
                                SavePlayPage(page, PlayPageOptions{context.html.PlayShowAnswers}, *chosen));
}

}  // namespace qm
