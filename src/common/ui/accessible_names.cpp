#include "common/ui/accessible_names.h"

#include <QLabel>
#include <QToolBar>
#include <QToolButton>

namespace qm {

void labelControl(QLabel& label, QWidget& control)
{
    label.setBuddy(&control);
    QString name = label.text();
    name.replace("&&", QChar(0x1));
    name.remove('&');
    name.replace(QChar(0x1), '&');
    control.setAccessibleName(name.trimmed());
}

void nameToolBar(QToolBar& bar, const QString& name)
{
    bar.setAccessibleName(name);
    // Qt's own name for the button that shows what does not fit.
    if (auto* more = bar.findChild<QToolButton*>("qt_toolbar_ext_button")) more->setAccessibleName("More " + name);
}

}  // namespace qm
