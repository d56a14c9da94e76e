// What a page rendering drew: what did not fit, what was missing and how many words it listed.
#pragma once

#include <algorithm>
#include <vector>

namespace qm {

struct RenderedPage {
    bool WordsOverflow = false;
    bool CluesOverflow = false;
    std::vector<bool> TextOverflow;  // one per Text object drawn, in layout order
    bool BitmapMissing = false;      // a Bitmap object names a file that does not exist
    int PrintCount = 0;              // words listed and outlined

    bool anyTextOverflow() const
    {
        return std::find(TextOverflow.begin(), TextOverflow.end(), true) != TextOverflow.end();
    }
};

}  // namespace qm
