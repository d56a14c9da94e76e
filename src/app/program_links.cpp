#include "app/main_window_links.h"

namespace qm {

MainWindowLinks programLinks()
{
    MainWindowLinks links;
    // The word list editor, print options, shapes, page layouts, puzzle transfer, exports,
    // spelling, thesaurus and tips connect here as they are built.
    return links;
}

}  // namespace qm
