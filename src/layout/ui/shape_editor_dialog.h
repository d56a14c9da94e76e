// The shape editor TDoShapes ("Shape Creator"): draws one shape cell by cell and saves it to
// the shape file, appending (New, Copy) or overwriting the record it was opened from (Modify).
#pragma once

#include <optional>

#include <QPoint>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "layout/shape_editor.h"
#include "layout/shape_file.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace qm {

class ShapeGridWidget;

struct ShapeEditorRequest {
    ShapeEditMode mode = ShapeEditMode::New;
    ShapeRecord start;     // Copy and Modify: the shape to start from (Copy under its copy name)
    int recordIndex = -1;  // Modify: the record to overwrite
};

class TDoShapes : public StyledDialog {
    Q_OBJECT
public:
    TDoShapes(UserDialogs& dialogs, const UiStyle& style, ShapeFile file, const ShapeEditorRequest& request,
              QWidget* parent = nullptr);

    const ShapeEditor& editor() const { return m_editor; }
    // The record the editor wrote; nothing when it was cancelled.
    std::optional<int> savedIndex() const { return m_savedIndex; }

    // The commands of the window, also for tests.
    void TestForMatch(QPoint press, QPoint release);
    void TestForMatchFill(QPoint press, QPoint release);
    void ShiftClick(ShiftDirection direction);
    void ReverseClick();
    void UndoClick();
    void SaveClick();
    // Validation on leaving a size field; false when refused (the focus goes back to it).
    bool CheckWidth();
    bool CheckHeight();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QGroupBox* group(const QString& title, QRect design);
    // Redraws the grid and sets Undo as the editor says.
    void refresh();
    bool checkSize(QLineEdit& field, ShapeEditor::SizeChange change, const Refusal& refusal);
    std::optional<GridCell> sameCell(QPoint press, QPoint release) const;

    UserDialogs& m_dialogs;
    ShapeFile m_file;
    ShapeEditor m_editor;
    std::optional<int> m_savedIndex;
    bool m_checkingField = false;

    ShapeGridWidget* m_image = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_widthEdit = nullptr;
    QLineEdit* m_heightEdit = nullptr;
    QPushButton* m_undoButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

// Runs the editor modally; gives the record it saved, or nothing when it was cancelled.
std::optional<int> runShapeEditor(QWidget* parent, UserDialogs& dialogs, const UiStyle& style, const ShapeFile& file,
                                  const ShapeEditorRequest& request);

}  // namespace qm
