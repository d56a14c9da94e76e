// What the shape list and the page layout list windows do alike with their list, its list box
// (ShapeBox) and its thumbnail: list, load, draw, and the Delete, Import and Export commands
// with their questions and messages. Each window keeps its controls, its buttons and what
// follows a command.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include <QListWidget>
#include <QPushButton>
#include <QRect>
#include <QString>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "common/ui/user_dialogs.h"
#include "layout/record_list.h"
#include "layout/ui/list_box_entries.h"
#include "layout/ui/record_thumbnail_widget.h"

namespace qm {

// A list command's button; the window places it.
inline QPushButton* makeListButton(QWidget& parent, const QString& text, const char* name)
{
    auto* button = new QPushButton(text, &parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// Both list windows stack their command buttons in a column of the same design, from the top.
inline QRect listButtonGeometry(int columnLeft, int position)
{
    constexpr int kTop = 12;
    constexpr int kStep = 33;
    constexpr QSize kSize(89, 25);
    return {QPoint(columnLeft, kTop + position * kStep), kSize};
}

// The commands both lists have, in their order on the window.
struct RecordListButtons {
    QPushButton* newButton = nullptr;
    QPushButton* modifyButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* exportButton = nullptr;

    std::array<QPushButton*, 6> inOrder() const
    {
        return {newButton, modifyButton, copyButton, deleteButton, importButton, exportButton};
    }
};

// Creates the buttons New, Modify, Copy, Delete, Import and Export as children of parent, with
// the texts in that order, each running its command of owner; the window places them.
template <class Owner>
RecordListButtons makeRecordListButtons(QWidget& parent, Owner* owner, const std::array<QString, 6>& texts,
                                        const std::array<void (Owner::*)(), 6>& commands)
{
    static constexpr const char* kNames[] = {"NewButton",    "ModifyButton", "CopyButton",
                                             "DeleteButton", "ImportButton", "ExportButton"};
    std::array<QPushButton*, 6> made{};
    for (std::size_t i = 0; i < made.size(); ++i) {
        made[i] = makeListButton(parent, texts[i], kNames[i]);
        QObject::connect(made[i], &QPushButton::clicked, owner, commands[i]);
    }
    return {made[0], made[1], made[2], made[3], made[4], made[5]};
}

template <class Kind>
class RecordListView {
public:
    using Record = typename Kind::Record;

    // How Delete ended.
    enum class Deleted { No, Failed, Yes };

    RecordListView(RecordList<Kind>& list, UserDialogs& dialogs) : m_list(list), m_dialogs(dialogs) {}

    // Creates the list box and then the thumbnail as children of parent; the window places
    // them and connects the list box.
    template <class Thumbnail>
    Thumbnail* create(QWidget& parent, const QString& listName, const char* thumbnailName,
                      const QString& thumbnailSpoken)
    {
        m_box = new QListWidget(&parent);
        m_box->setObjectName("ShapeBox");
        m_box->setAccessibleName(listName);
        auto* thumbnail = new Thumbnail(&parent);
        thumbnail->setObjectName(thumbnailName);
        thumbnail->setAccessibleName(thumbnailSpoken);
        m_thumbnail = thumbnail;
        return thumbnail;
    }

    QListWidget* box() const { return m_box; }

    // Puts the entries and the selection of the list into the list box.
    void showEntries() { showListEntries(*m_box, m_list.entries(), m_list.selectedPosition()); }

    // Rebuilds and shows the list; says the kind's NoneFound when it is empty.
    bool LoadInLayouts()
    {
        const bool found = m_list.LoadInLayouts();
        showEntries();
        if (!found) showRefusal(m_dialogs, Kind::Messages.NoneFound);
        return found;
    }

    // Loads the selected record, telling what went wrong; false without a selection or on a failure.
    bool LoadALayout() { return m_list.selectedEntry() && reportCommandStatus(m_dialogs, m_list.LoadALayout()); }

    void DrawTheBox()
    {
        if (m_list.empty())
            m_thumbnail->clear();
        else
            m_thumbnail->showRecord(m_list.current());
    }

    // The user chose the row of the list box.
    void selectRow() { m_list.select(m_box->currentRow()); }

    // Asks, then deletes the selected record.
    Deleted DeleteALayout()
    {
        if (!m_dialogs.askYesNo(Kind::Messages.DeleteCaption, toQString(m_list.deleteQuestion()))) return Deleted::No;
        const CommandOutcome outcome = m_list.DeleteALayout();
        // A delete that failed part way may have moved records already: the window lists again.
        if (!reportCommandOutcome(m_dialogs, outcome))
            return outcome.kind == CommandOutcome::Kind::Failed ? Deleted::Failed : Deleted::No;
        showEntries();
        if (m_list.empty()) showRefusal(m_dialogs, Kind::Messages.NoneFound);
        return Deleted::Yes;
    }

    // The kind's NoneSelected when nothing is selected; true then.
    bool refuseWithoutSelection()
    {
        if (m_list.selectedEntry()) return false;
        showRefusal(m_dialogs, Kind::Messages.NoneSelected);
        return true;
    }

    // Chooses a file and writes the selected record to it; afterDrawing runs between drawing
    // the record and saying it was exported.
    template <class AfterDrawing>
    void ExportLayout(const ExchangeFileDialog& dialog, std::string& lastFile, AfterDrawing afterDrawing)
    {
        if (refuseWithoutSelection()) return;
        const auto chosen = chooseExportFile(m_dialogs, dialog, lastFile);
        if (!chosen) return;
        const CommandOutcome outcome = m_list.ExportLayout(*chosen);
        DrawTheBox();
        afterDrawing();
        if (reportCommandOutcome(m_dialogs, outcome)) showRefusal(m_dialogs, Kind::Messages.Exported);
    }

    // Chooses a file and appends its record; true when it was, with the list shown.
    bool ImportLayout(const ExchangeFileDialog& dialog, std::string& lastFile)
    {
        const auto chosen = chooseImportFile(m_dialogs, dialog, lastFile);
        if (!chosen) return false;
        if (!reportCommandOutcome(m_dialogs, m_list.ImportLayout(*chosen))) return false;
        showEntries();
        return true;
    }

private:
    RecordList<Kind>& m_list;
    UserDialogs& m_dialogs;
    QListWidget* m_box = nullptr;
    TypedThumbnailWidget<Record>* m_thumbnail = nullptr;
};

}  // namespace qm
