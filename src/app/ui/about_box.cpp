#include "app/ui/about_box.h"

#include <QLabel>
#include <QPushButton>

#include "app/collection_naming.h"
#include "app/program_version.h"
#include "app/ui/design_font.h"
#include "app/ui/program_icons.h"

namespace qm {

AboutBox::AboutBox(const UiStyle& style, QWidget* parent) : StyledDialog(style, parent)
{
    // Laid out in design units; the style scales it when shown.
    setWindowTitle("About");
    setFont(arialPixels(13));
    setFixedSize(360, 200);

    auto* icon = new QLabel(this);
    icon->setPixmap(applicationIcon().pixmap(48, 48));
    icon->setScaledContents(true);
    icon->setGeometry(20, 20, 48, 48);

    auto* title = new QLabel(kApplicationTitle, this);
    title->setFont(arialPixels(20, true));
    title->setGeometry(88, 20, 250, 26);
    keepDesignFont(*title);

    auto* version = new QLabel(QString("Version %1").arg(programVersion()), this);
    version->setGeometry(88, 50, 250, 18);

    auto* text = new QLabel("Word-search puzzles with clues, shapes and page layouts, for the classroom and for "
                            "print.",
                            this);
    text->setWordWrap(true);
    text->setGeometry(88, 78, 250, 54);

    auto* ok = new QPushButton("&Ok", this);
    ok->setDefault(true);
    ok->setGeometry(140, 154, 80, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace qm
