// The commands of the word list editor: Create, Save, Exit, the row commands, the word and clue
// text files, Use Clues, the generation settings and the hidden phrase.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/lock_wait_cursor.h"
#include "generate/chosen_puzzle_save.h"
#include "generate/generate_messages.h"
#include "generate/generation_settings.h"
#include "generate/ui/change_phrase_dialog.h"
#include "generate/ui/created_puzzle_dialog.h"
#include "generate/ui/generation_runner.h"
#include "generate/ui/word_export_dialog.h"
#include "generate/ui/word_import_dialog.h"
#include "generate/ui/word_list_window.h"
#include "generate/ui/words_clues_grid_widget.h"

namespace qm {

WordListForm TWordList::currentForm() const
{
    WordListForm form = m_settingsForm;
    form.Title = toRecordText(m_title->text());
    form.Category = toRecordText(m_category->currentText());
    form.BonusQuestion = toRecordText(m_bonusQuest->text());
    form.AttemptsText = toRecordText(m_attempts->text());
    form.Rows = m_grid->rows();
    return form;
}

int TWordList::GetWordCount() const { return qm::GetWordCount(currentForm()); }

bool TWordList::PuzzleChanged()
{
    SetValues(currentForm(), *m_context.working.record);
    return m_reference && qm::PuzzleChanged(*m_reference, *m_context.working.record);
}

void TWordList::storeSettings() { storeFormSettings(m_settingsForm, m_context.settings); }

void TWordList::directionClicked(Direction direction, bool allowed)
{
    m_settingsForm.Directions[directionCode(direction) - 1] = allowed;
    storeSettings();
}

void TWordList::speedButtonClicked(Direction direction)
{
    const int index = directionCode(direction) - 1;
    const bool allowed = !m_settingsForm.Directions[index];
    m_directionBoxes[index]->setChecked(allowed);
    directionClicked(direction, allowed);
}

void TWordList::focusField(const FormFocus& focus)
{
    switch (focus.focus) {
    case FormField::Title:
        m_title->setFocus();
        break;
    case FormField::Category:
        m_category->setFocus();
        break;
    case FormField::WordsGrid:
        m_grid->setFocus();
        break;
    case FormField::WordCell:
        m_grid->focusCell(focus.row, WordsCluesGrid::WordColumn);
        break;
    case FormField::ClueCell:
        m_grid->focusCell(focus.row, WordsCluesGrid::ClueColumn);
        break;
    case FormField::Attempts:
        m_attempts->setFocus();
        m_attempts->selectAll();
        break;
    case FormField::None:
    case FormField::HiddenPhrase:
        break;
    }
}

void TWordList::refuse(const Refusal& refusal, const FormFocus& focus)
{
    showRefusal(m_context.dialogs, refusal);
    focusField(focus);
}

void TWordList::CreateItClick()
{
    if (m_modify) return;
    const WordListForm form = currentForm();
    const Outcome<CheckedCreate> checked = CheckCreate(form, m_context.currentShape);
    if (!checked.ok()) {
        refuse(checked.refusal, checked.value);
        return;
    }
    m_context.settings.Generation.Attempts = checked.value.attempts;
    PuzzleRecord& working = *m_context.working.record;
    PrepareCreate(form, m_context.currentShape, working);

    const auto screen = m_screens.screenOf(GetBadList(m_context.programDirectory));
    const Outcome<GenerationRun> run =
        runGeneration(this, m_context.style, working, m_context.currentShape, m_context.settings.Generation, *screen,
                      m_context.candidates, m_context.random);
    // Four empty places leave nothing to choose: say why instead of opening the chooser.
    if (const Outcome<FormFocus> screened = CheckScreenedRun(form, run.value); !screened.ok()) {
        refuse(screened.refusal, screened.value);
        return;
    }

    CreatedPuzzleContext chooser{
        m_context.dialogs,        m_context.style, m_context.candidates, m_context.working,
        m_context.collectionPath, *screen,         m_context.random,     m_context.settings.AvoidSecondReadings};
    if (const auto stored = runCreatedPuzzle(this, chooser)) {
        m_storedIndex = stored;
        closeForm();
    }
}

bool TWordList::SaveIt()
{
    CollectionFile collection(m_context.collectionPath, busyCursorWhileLockWaits());
    const Outcome<int> stored = StoreWorkingCopy(m_context.working, collection);
    if (stored.ok()) m_storedIndex = stored.value;
    reportCommandOutcome(m_context.dialogs, stored);
    // After a failure part way the edits stay on the screen, so they can be saved again.
    return stored.kind != Ending::Kind::Failed;
}

void TWordList::SaveClick()
{
    if (!m_modify) return;
    const WordListForm form = currentForm();
    if (const Outcome<FormFocus> check = CheckSave(form); !check.ok()) {
        refuse(check.refusal, check.value);
        return;
    }
    SetValues(form, *m_context.working.record);
    if (SaveIt()) closeForm();
}

void TWordList::CancelClick()
{
    // A new puzzle exists only once the chooser has stored it: leaving asks nothing.
    // A changed phrase is a change too, though the comparison of the record leaves it out.
    const bool changed = m_modify && (PuzzleChanged() || m_phraseChanged);
    if (changed) {
        const Refusal& question = GenerateMessages::ModifiedQuestion;
        const MessageButton answer = m_context.dialogs.message(toQString(question.caption), toQString(question.message),
                                                               kYesNoCancel, MessageIcon::Warning);
        if (answer == MessageButton::Cancel) return;
        // Yes stores without the title and category checks of Save.
        if (answer == MessageButton::Yes && !SaveIt()) return;
    }
    closeForm();
}

void TWordList::reject() { CancelClick(); }

void TWordList::closeForm() { StyledDialog::reject(); }

void TWordList::DeleteClueClick()
{
    const int row = m_grid->selectedRow();
    if (row == 0) return;
    WordListForm form = currentForm();
    deleteRow(form, row);
    m_grid->setRows(form.Rows);
    m_grid->setFocus();
}

void TWordList::DeleteAllClueClick()
{
    WordListForm form = currentForm();
    if (const Outcome<FormFocus> check = CheckDeleteAll(form); !check.ok()) {
        refuse(check.refusal, check.value);
        return;
    }
    const Refusal& question = GenerateMessages::DeleteAllQuestion;
    if (!m_context.dialogs.askYesNo(toQString(question.caption), toQString(question.message), MessageIcon::Warning))
        return;
    clearAllWords(form);
    m_grid->setRows(form.Rows);
}

void TWordList::ImportClueClick()
{
    if (m_modify) return;
    if (const auto rows = runWordImport(this, m_context.dialogs, m_context.style, m_context.settings, m_grid->rows()))
        m_grid->setRows(*rows);
}

void TWordList::ExportClueClick()
{
    runWordExport(this, m_context.dialogs, m_context.style, m_context.settings, m_grid->rows());
}

void TWordList::UseCluesClick(bool useClues)
{
    m_useClues->setChecked(useClues);
    WordListForm form = currentForm();
    AdjustWordClues(form, *m_context.working.record, useClues);
    m_settingsForm.UseClues = useClues;
    storeSettings();
    m_grid->setRows(form.Rows);
    m_grid->showClues(useClues);
    placeForClues(useClues);
    refreshLexiconButtons();
}

void TWordList::ChangePhraseClick()
{
    if (!m_modify) return;
    PuzzleRecord& working = *m_context.working.record;
    const auto screen = m_screens.screenOf(GetBadList(m_context.programDirectory));
    TChangeThePhrase dialog(m_context.dialogs, m_context.style, working, *screen, m_context.random, this);
    dialog.exec();
    if (!dialog.changed()) return;
    working.HiddenPhraseUsed = dialog.hiddenPhraseUsed();
    working.FillLetters = dialog.fillLetters();
    m_phraseChanged = true;
}

}  // namespace qm
