// What a page rendering reports when it ends.
#pragma once

#include <algorithm>
#include <vector>

namespace qm {

struct RenderOutcome {
    bool WordsOverflow = false;
    bool CluesOverflow = false;
    std::vector<bool> TextOverflow;  // one per Text object drawn, in layout order
    bool BitmapMissing = false;      // a Bitmap object names a file that does not exist
    int PrintCount = 0;              // words listed and outlined
    bool Aborted = false;            // the user cancelled the report

    bool anyTextOverflow() const
    {
        return std::find(TextOverflow.begin(), TextOverflow.end(), true) != TextOverflow.end();
    }
};

}  // namespace qm
