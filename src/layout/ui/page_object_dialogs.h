// The small dialogs that edit one page object for the designer: size and location, border,
// fill, properties (the Puzzle's and every other kind's) and the text of a Text object. Each
// works on its own copy; the designer takes it back only when the dialog was accepted.
#pragma once

#include <optional>

#include <QString>

#include "collection/page_layout_record.h"
#include "common/refusal.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qm {

// What every object dialog shares: the copy it edits, "&Ok" and "&Cancel", the caption.
class ObjectDialog : public StyledDialog {
    Q_OBJECT
public:
    const PageObject& object() const { return m_object; }
    QPushButton* okButton() const { return m_okButton; }

protected:
    ObjectDialog(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, const QString& caption,
                 QSize designSize, QWidget* parent);
    // Checks the fields and takes them into the copy; false keeps the dialog open.
    virtual bool storeFields() = 0;
    // The message, then the focus back on the field.
    void refuse(const Refusal& refusal, QLineEdit& field);

    QLineEdit* lineEdit(const char* name, int maxLength, QRect design);
    QCheckBox* checkBox(const QString& text, const char* name, bool checked, QRect design);
    QLabel* label(const QString& text, QRect design);
    // A colour sample with a button that changes it through the colour dialog.
    struct ColorChoice {
        QLabel* swatch = nullptr;
        QPushButton* button = nullptr;
    };
    ColorChoice colorChoice(const QString& caption, const QString& buttonText, const char* name, std::int32_t& color,
                            QRect design);

    UserDialogs& m_dialogs;
    PageObject m_object;

private:
    void okClicked();
    QPushButton* m_okButton = nullptr;
};

// "Size & Location of ": the rectangle in the layout's unit.
struct SizeLocationPage {
    int pixelsPerUnit = 72;
    bool inches = true;
    int pixelWidth = 0;
    int pixelHeight = 0;
};
class TSizeLocation : public ObjectDialog {
    Q_OBJECT
public:
    TSizeLocation(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, const SizeLocationPage& page,
                  QWidget* parent = nullptr);

protected:
    bool storeFields() override;

private:
    SizeLocationPage m_page;
    QLineEdit* m_left = nullptr;
    QLineEdit* m_top = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
};

// "Border Info for ".
class TObjectBorders : public ObjectDialog {
    Q_OBJECT
public:
    TObjectBorders(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, QWidget* parent = nullptr);

protected:
    bool storeFields() override;

private:
    QLineEdit* m_width = nullptr;
};

// "Fill Info for ".
class TObjectFill : public ObjectDialog {
    Q_OBJECT
public:
    TObjectFill(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, QWidget* parent = nullptr);

protected:
    bool storeFields() override { return true; }
};

// "Properties for " every kind but the Puzzle; a Bitmap's first box tiles it.
class TObjectProp : public ObjectDialog {
    Q_OBJECT
public:
    TObjectProp(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, QWidget* parent = nullptr);

protected:
    bool storeFields() override;

private:
    QLineEdit* m_columns = nullptr;
};

// "Properties for " the Puzzle.
class TObjectProp2 : public ObjectDialog {
    Q_OBJECT
public:
    TObjectProp2(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, QWidget* parent = nullptr);

protected:
    bool storeFields() override;

private:
    void enableChoices();
    QCheckBox* m_transparent = nullptr;
    QCheckBox* m_useGrid = nullptr;
    QPushButton* m_backgroundButton = nullptr;
    QPushButton* m_lineButton = nullptr;
    QLineEdit* m_lineWidth = nullptr;
};

// "Text": the text of a Text object.
class TTextInput : public ObjectDialog {
    Q_OBJECT
public:
    TTextInput(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, QWidget* parent = nullptr);

protected:
    bool storeFields() override;

private:
    QPlainTextEdit* m_text = nullptr;
};

// Runs a dialog modally; the changed copy when it was accepted.
template <typename Dialog, typename... Extra>
std::optional<PageObject> runObjectDialog(QWidget* parent, UserDialogs& dialogs, const UiStyle& style,
                                          const PageObject& object, const Extra&... extra)
{
    Dialog dialog(dialogs, style, object, extra..., parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.object();
}

}  // namespace qm
