#include "layout/ui/shape_editor_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/field_focus_out.h"
#include "layout/ui/shape_grid_widget.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(617, 417);
constexpr int kDesignFontPixels = 13;
constexpr int kTitleLength = 30;
constexpr int kSizeFieldLength = 2;

QPushButton* pushButton(const QString& text, QRect design, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(design);
    button->setAutoDefault(false);
    return button;
}

QLabel* label(const QString& text, QRect design, QWidget* parent)
{
    auto* caption = new QLabel(text, parent);
    caption->setGeometry(design);
    return caption;
}

QLineEdit* lineEdit(const QString& name, int maxLength, QRect design, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setGeometry(design);
    return edit;
}

}  // namespace

TDoShapes::TDoShapes(UserDialogs& dialogs, const UiStyle& style, ShapeFile file, const ShapeEditorRequest& request,
                     QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_file(std::move(file)),
      m_editor(request.mode, request.start, request.recordIndex)
{
    setWindowTitle("Shape Creator");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);
    buildControls();
    m_title->setText(toQString(m_editor.shape().Name.view()));
    m_widthEdit->setText(QString::number(m_editor.shape().Width));
    m_heightEdit->setText(QString::number(m_editor.shape().Height));
    refresh();
}

QGroupBox* TDoShapes::group(const QString& title, QRect design)
{
    auto* box = new QGroupBox(title, this);
    box->setGeometry(design);
    return box;
}

void TDoShapes::buildControls()
{
    m_image = new ShapeGridWidget(m_editor, this);
    m_image->setObjectName("Img");
    m_image->setAccessibleName("Shape Grid");
    m_image->setGeometry(8, 8, 401, 401);
    connect(m_image, &ShapeGridWidget::leftClicked, this, &TDoShapes::TestForMatch);
    connect(m_image, &ShapeGridWidget::rightClicked, this, &TDoShapes::TestForMatchFill);

    QLabel* titleLabel = label("Title", {424, 8, 120, 17}, this);
    m_title = lineEdit("Title", kTitleLength, {424, 26, 185, 23}, this);
    titleLabel->setBuddy(m_title);
    QLabel* widthLabel = label("Width", {424, 58, 56, 17}, this);
    m_widthEdit = lineEdit("WidthEdit", kSizeFieldLength, {424, 76, 49, 23}, this);
    widthLabel->setBuddy(m_widthEdit);
    QLabel* heightLabel = label("Height", {488, 58, 56, 17}, this);
    m_heightEdit = lineEdit("HeightEdit", kSizeFieldLength, {488, 76, 49, 23}, this);
    heightLabel->setBuddy(m_heightEdit);
    for (QLineEdit* field : {m_widthEdit, m_heightEdit}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::returnPressed, this,
                [this, field] { field == m_widthEdit ? CheckWidth() : CheckHeight(); });
    }

    QGroupBox* shift = group("Shift Grid", {424, 110, 185, 108});
    struct Arrow {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
        ShiftDirection direction;
        QRect design;
    };
    const Arrow arrows[] = {
        {"UpButton", "Shift Up", QStyle::SP_ArrowUp, ShiftDirection::Up, {77, 20, 32, 26}},
        {"LeftButton", "Shift Left", QStyle::SP_ArrowLeft, ShiftDirection::Left, {37, 48, 32, 26}},
        {"RightButton", "Shift Right", QStyle::SP_ArrowRight, ShiftDirection::Right, {117, 48, 32, 26}},
        {"DownButton", "Shift Down", QStyle::SP_ArrowDown, ShiftDirection::Down, {77, 76, 32, 26}},
    };
    for (const Arrow& arrow : arrows) {
        QPushButton* button = pushButton(QString(), arrow.design, shift);
        button->setObjectName(arrow.name);
        button->setIcon(style()->standardIcon(arrow.icon));
        button->setToolTip(arrow.hint);
        button->setAccessibleName(arrow.hint);
        const ShiftDirection direction = arrow.direction;
        connect(button, &QPushButton::clicked, this, [this, direction] { ShiftClick(direction); });
    }

    QGroupBox* adjust = group("Adjust Grid", {424, 226, 185, 58});
    connect(pushButton("&Reverse", {10, 22, 78, 25}, adjust), &QPushButton::clicked, this, &TDoShapes::ReverseClick);
    m_undoButton = pushButton("&Undo", {97, 22, 78, 25}, adjust);
    connect(m_undoButton, &QPushButton::clicked, this, &TDoShapes::UndoClick);

    QGroupBox* notes = group("Notes", {424, 292, 185, 62});
    label("Left Click To Toggle", {12, 20, 165, 17}, notes);
    label("Right Click To Fill", {12, 38, 165, 17}, notes);

    m_saveButton = pushButton("&Save", {424, 384, 88, 25}, this);
    connect(m_saveButton, &QPushButton::clicked, this, &TDoShapes::SaveClick);
    m_cancelButton = pushButton("&Cancel", {521, 384, 88, 25}, this);
    connect(m_cancelButton, &QPushButton::clicked, this, &TDoShapes::reject);
}

void TDoShapes::refresh()
{
    m_undoButton->setEnabled(m_editor.undoEnabled());
    m_image->update();
}

std::optional<GridCell> TDoShapes::sameCell(QPoint press, QPoint release) const
{
    const int cell = m_image->cellSize();
    const auto first = m_editor.cellAt(press.x(), press.y(), cell);
    const auto second = m_editor.cellAt(release.x(), release.y(), cell);
    if (!first || first != second) return std::nullopt;
    return first;
}

void TDoShapes::TestForMatch(QPoint press, QPoint release)
{
    if (const auto cell = sameCell(press, release)) {
        m_editor.toggle(*cell);
        refresh();
    }
}

void TDoShapes::TestForMatchFill(QPoint press, QPoint release)
{
    if (const auto cell = sameCell(press, release)) {
        m_editor.fill(*cell);
        refresh();
    }
}

void TDoShapes::ShiftClick(ShiftDirection direction)
{
    m_editor.shift(direction);
    refresh();
}

void TDoShapes::ReverseClick()
{
    m_editor.reverse();
    refresh();
}

void TDoShapes::UndoClick()
{
    m_editor.undo();
    // The undone state may have another size than the fields show.
    m_widthEdit->setText(QString::number(m_editor.shape().Width));
    m_heightEdit->setText(QString::number(m_editor.shape().Height));
    refresh();
}

bool TDoShapes::checkSize(QLineEdit& field, ShapeEditor::SizeChange change, const Refusal& refusal)
{
    if (change == ShapeEditor::SizeChange::Refused) {
        // The box takes the focus from the field; that must not check the field again.
        m_checkingField = true;
        showRefusal(m_dialogs, refusal);
        m_checkingField = false;
        field.setFocus();
        field.selectAll();
        return false;
    }
    if (change == ShapeEditor::SizeChange::Changed) refresh();
    return true;
}

bool TDoShapes::CheckWidth()
{
    return checkSize(*m_widthEdit, m_editor.setWidthText(toRecordText(m_widthEdit->text())),
                     ShapeMessages::WidthOutOfRange);
}

bool TDoShapes::CheckHeight()
{
    return checkSize(*m_heightEdit, m_editor.setHeightText(toRecordText(m_heightEdit->text())),
                     ShapeMessages::HeightOutOfRange);
}

bool TDoShapes::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_checkingField && leavesFieldForCheck(*event, {m_cancelButton, m_saveButton})) {
        if (watched == m_widthEdit) CheckWidth();
        if (watched == m_heightEdit) CheckHeight();
    }
    return StyledDialog::eventFilter(watched, event);
}

void TDoShapes::SaveClick()
{
    const auto saved = m_editor.save(m_file, toRecordText(m_title->text()), toRecordText(m_widthEdit->text()),
                                     toRecordText(m_heightEdit->text()));
    if (!saved.ok()) {
        m_checkingField = true;
        reportCommandOutcome(m_dialogs, saved);
        m_checkingField = false;
        if (saved.value.refusedField != ShapeEditor::SizeField::None) {
            QLineEdit* field = saved.value.refusedField == ShapeEditor::SizeField::Height ? m_heightEdit : m_widthEdit;
            field->setFocus();
            field->selectAll();
        }
        refresh();
        return;
    }
    m_savedIndex = saved.value.index;
    accept();
}

std::optional<int> runShapeEditor(QWidget* parent, UserDialogs& dialogs, const UiStyle& style, const ShapeFile& file,
                                  const ShapeEditorRequest& request)
{
    TDoShapes editor(dialogs, style, file, request, parent);
    editor.exec();
    return editor.savedIndex();
}

}  // namespace qm
