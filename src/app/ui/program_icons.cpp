#include "app/ui/program_icons.h"

// The resources live in a static library: they must be registered by name before first use.
static void registerProgramResources() { Q_INIT_RESOURCE(quillmaze); }

namespace qm {
namespace {

void ensureResources()
{
    static const bool registered = (registerProgramResources(), true);
    (void)registered;
}

QIcon bundledIcon(const QString& name)
{
    ensureResources();
    QIcon icon;
    for (const char* size : {"24", "48"}) icon.addFile(QString(":/quillmaze/icons/%1-%2.png").arg(name, size));
    return icon;
}

}  // namespace

QIcon programIcon(const QString& themeName, const QString& ours)
{
    const QIcon fallback = bundledIcon(ours);
    return themeName.isEmpty() ? fallback : QIcon::fromTheme(themeName, fallback);
}

QIcon applicationIcon() { return bundledIcon("quillmaze"); }

QPixmap backgroundTile()
{
    ensureResources();
    return QPixmap(":/quillmaze/background.png");
}

}  // namespace qm
