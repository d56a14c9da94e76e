#include "common/ui/qt_user_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "common/ui/font_choice_dialog.h"

namespace qm {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

struct ButtonPair {
    MessageButton ours;
    QMessageBox::StandardButton qt;
};
constexpr ButtonPair kButtons[] = {
    {MessageButton::Yes, QMessageBox::Yes},
    {MessageButton::No, QMessageBox::No},
    {MessageButton::Ok, QMessageBox::Ok},
    {MessageButton::Cancel, QMessageBox::Cancel},
};

// What closing a box without pressing a button means.
MessageButton escapeAnswer(MessageButtons buttons)
{
    if (buttons.has(MessageButton::Cancel)) return MessageButton::Cancel;
    if (buttons.has(MessageButton::No)) return MessageButton::No;
    return MessageButton::Ok;
}

QString patternsOf(const QString& windowsPatterns)
{
    QStringList patterns;
    for (const QString& pattern : windowsPatterns.split(';', Qt::SkipEmptyParts)) {
        const QString trimmedPattern = pattern.trimmed();
        patterns.append(trimmedPattern == "*.*" ? QString("*") : trimmedPattern);
    }
    return patterns.join(' ');
}

}  // namespace

QStringList qtNameFilters(const QString& filter)
{
    QStringList filters;
    const QStringList parts = filter.split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // Qt reads the patterns from the description's last parentheses: put ours there.
        if (description.endsWith(')') && description.contains('('))
            description = description.left(description.lastIndexOf('(')).trimmed();
        filters.append(QString("%1 (%2)").arg(description, patternsOf(parts[i + 1])));
    }
    return filters;
}

QWidget* QtUserDialogs::dialogParent() const
{
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return m_fallbackParent;
}

MessageButton QtUserDialogs::showMessage(const MessageRequest& request)
{
    QMessageBox box(qtIcon(request.icon), request.caption, request.text, QMessageBox::NoButton, dialogParent());
    QAbstractButton* firstButton = nullptr;
    for (const ButtonPair& pair : kButtons) {
        if (!request.buttons.has(pair.ours)) continue;
        QAbstractButton* button = box.addButton(pair.qt);
        if (!firstButton) firstButton = button;
    }
    if (!firstButton) firstButton = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(qobject_cast<QPushButton*>(firstButton));
    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const ButtonPair& pair : kButtons)
        if (pair.qt == pressed) return pair.ours;
    return escapeAnswer(request.buttons);
}

std::optional<QString> QtUserDialogs::chooseFile(const FileRequest& request)
{
    QFileDialog dialog(dialogParent(), request.title);
    // Our own dialog: the file name checks below must see every choice.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    dialog.setNameFilters(qtNameFilters(request.filter));
    // File names of other systems come in any letter case: "*.QZ3" must find "puzzles.qz3".
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialFile.isEmpty()) {
        const QFileInfo initial(request.initialFile);
        if (initial.isDir()) {
            dialog.setDirectory(initial.absoluteFilePath());
        } else {
            dialog.setDirectory(initial.absolutePath());
            dialog.selectFile(initial.fileName());
        }
    }
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString chosen = dialog.selectedFiles().constFirst();
        if (!request.folderMustExist || QFileInfo(chosen).absoluteDir().exists()) return chosen;
        QMessageBox::warning(&dialog, request.title,
                             QString("The folder of %1 does not exist.").arg(QFileInfo(chosen).fileName()));
    }
    return std::nullopt;
}

std::optional<FontChoice> QtUserDialogs::chooseFont(const FontRequest& request)
{
    FontChoiceDialog dialog(request, dialogParent());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

std::optional<QColor> QtUserDialogs::chooseColor(const ColorRequest& request)
{
    const QColor chosen = QColorDialog::getColor(request.initial, dialogParent(), request.title);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

bool QtUserDialogs::setUpPrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle("Printer Setup");
    // Set-up chooses the printer and its paper; what to print is asked when printing.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* accept = buttons->button(QDialogButtonBox::Ok)) accept->setText("OK");
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace qm
