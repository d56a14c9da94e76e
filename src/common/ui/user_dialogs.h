// The one way every window asks the user something: message boxes and the common dialogs
// (files, fonts, colours, printer set-up). Windows hold a UserDialogs& so that tests can put
// a scripted implementation in place of the real dialogs.
#pragma once

#include <optional>

#include <QColor>
#include <QFont>
#include <QString>

class QPrinter;

namespace qm {

struct Failure;

enum class MessageButton : unsigned {
    Ok = 1,
    Yes = 2,
    No = 4,
    Cancel = 8,
};

// A set of MessageButtons, e.g. MessageButton::Yes | MessageButton::No.
class MessageButtons {
public:
    constexpr MessageButtons() = default;
    constexpr MessageButtons(MessageButton button)
        : m_bits(static_cast<unsigned>(button)) {}  // NOLINT: implicit by design

    constexpr bool has(MessageButton button) const { return (m_bits & static_cast<unsigned>(button)) != 0; }
    constexpr MessageButtons operator|(MessageButton button) const
    {
        return fromBits(m_bits | static_cast<unsigned>(button));
    }
    constexpr bool operator==(const MessageButtons&) const = default;
    constexpr unsigned bits() const { return m_bits; }

private:
    static constexpr MessageButtons fromBits(unsigned bits)
    {
        MessageButtons buttons;
        buttons.m_bits = bits;
        return buttons;
    }
    unsigned m_bits = 0;
};

constexpr MessageButtons operator|(MessageButton a, MessageButton b) { return MessageButtons(a) | b; }

inline constexpr MessageButtons kYesNo = MessageButton::Yes | MessageButton::No;
inline constexpr MessageButtons kYesNoCancel = MessageButton::Yes | MessageButton::No | MessageButton::Cancel;
inline constexpr MessageButtons kOkCancel = MessageButton::Ok | MessageButton::Cancel;

enum class MessageIcon { None, Information, Question, Warning, Error };

struct MessageRequest {
    QString caption;
    QString text;
    MessageButtons buttons = MessageButton::Ok;
    MessageIcon icon = MessageIcon::None;
};

enum class FileDialogKind { Open, Save };

struct FileRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString title;
    // Pairs of description and patterns separated by "|", patterns by ";":
    // "QMAZE Files (*.QZ3)|*.QZ3|All files (*.*)|*.*". Patterns match in any letter case.
    QString filter;
    QString defaultExtension;      // without the dot; added to a typed name that has none
    QString initialFile;           // a file or a folder to start in; may be empty
    bool promptOverwrite = false;  // save: ask before replacing an existing file
    bool fileMustExist = false;    // open: only an existing file can be chosen
    bool folderMustExist = false;  // save: the chosen file's folder must exist
};

// A font as the font dialogs edit it: family, size and styles in the QFont, and the colour
// that the platform's font dialog offers beside them.
struct FontChoice {
    QFont font;
    QColor color = Qt::black;

    bool operator==(const FontChoice&) const = default;
};

struct FontRequest {
    QString title;
    FontChoice initial;
};

struct ColorRequest {
    QString title;
    QColor initial;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // Shows a modal message box and gives the button that closed it. Closing the box without a
    // button gives Cancel when offered, else No, else Ok.
    virtual MessageButton showMessage(const MessageRequest& request) = 0;
    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> chooseFile(const FileRequest& request) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontRequest& request) = 0;
    virtual std::optional<QColor> chooseColor(const ColorRequest& request) = 0;
    // The platform's printer set-up: printer, paper and orientation, kept in the printer.
    // False when cancelled; the printer is then unchanged.
    virtual bool setUpPrinter(QPrinter& printer) = 0;

    // Shortcuts for the common shapes of message.
    MessageButton message(const QString& caption, const QString& text, MessageButtons buttons = MessageButton::Ok,
                          MessageIcon icon = MessageIcon::None);
    // A refusal: caption "Error", one Ok button.
    void error(const QString& text);
    // A Yes/No question; true for Yes.
    bool askYesNo(const QString& caption, const QString& text, MessageIcon icon = MessageIcon::Question);
    // The input/output error report that ends an operation: names the file and the system's reason.
    void reportIoFailure(const Failure& failure);
};

}  // namespace qm
