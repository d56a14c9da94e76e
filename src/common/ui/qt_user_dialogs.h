// The real dialogs behind UserDialogs: Qt message boxes, file, font, colour and print dialogs.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "common/ui/user_dialogs.h"

namespace qm {

class QtUserDialogs : public UserDialogs {
public:
    // Dialogs open over the active window, or over fallbackParent when no window is active.
    explicit QtUserDialogs(QWidget* fallbackParent = nullptr) : m_fallbackParent(fallbackParent) {}

    void setFallbackParent(QWidget* parent) { m_fallbackParent = parent; }

    MessageButton showMessage(const MessageRequest& request) override;
    std::optional<QString> chooseFile(const FileRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontRequest& request) override;
    std::optional<QColor> chooseColor(const ColorRequest& request) override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    QWidget* dialogParent() const;

    QPointer<QWidget> m_fallbackParent;
};

// Qt's name filters for a filter in the form "Description (*.X)|*.X|All files (*.*)|*.*".
// "*.*" means every file, as it does in that form.
QStringList qtNameFilters(const QString& filter);

}  // namespace qm
