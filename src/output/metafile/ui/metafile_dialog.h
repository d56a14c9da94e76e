// TDoMeta ("Metafile Creation"): writes the metafile of the page while the user waits, then
// says it is made and offers OK.
#pragma once

#include <filesystem>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "output/metafile/metafile_export.h"
#include "output/page/page_file.h"

class QLabel;
class QPushButton;

namespace qm {

class TDoMeta : public StyledDialog {
    Q_OBJECT
public:
    TDoMeta(UserDialogs& dialogs, const UiStyle& style, const PageFile& page, MetafileKind kind,
            std::filesystem::path path, QWidget* parent = nullptr);

    bool created() const { return m_created; }
    // Writes the file (queued when the window shows, so it is seen first). A failure is reported
    // with the file's name and closes the window.
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    UserDialogs& m_dialogs;
    const PageFile& m_page;
    MetafileKind m_kind;
    std::filesystem::path m_path;
    bool m_created = false;
    QLabel* m_label = nullptr;
    QPushButton* m_ok = nullptr;
};

// Writes the metafile under the window; true when it was created.
bool createMetafile(QWidget* parent, UserDialogs& dialogs, const UiStyle& style, const PageFile& page,
                    MetafileKind kind, const std::filesystem::path& path);

}  // namespace qm
