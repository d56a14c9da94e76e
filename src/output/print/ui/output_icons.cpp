#include "output/print/ui/output_icons.h"

// The resources live in a static library: they must be registered by name before first use.
static void registerOutputResources() { Q_INIT_RESOURCE(output_icons); }

namespace qm {

QIcon outputIcon(const QString& name)
{
    static const bool registered = (registerOutputResources(), true);
    (void)registered;
    QIcon icon;
    for (const char* size : {"24", "48"}) icon.addFile(QString(":/output/icons/%1-%2.png").arg(name, size));
    return icon;
}

}  // namespace qm
