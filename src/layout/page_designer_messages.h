// What the page layout designer and its object dialogs tell the user.
#pragma once

#include "common/refusal.h"

namespace qm::PageDesignerMessages {

inline const Refusal BitmapMissing{"A bitmap for this layout could not be located.", kWarningCaption};
inline const Refusal OddPaperSize{"Some printers do not support odd sized pages.  Printed results may vary.",
                                  kWarningCaption};
inline const Refusal NotABitmap{"The file selected is not a valid bitmap file.", kErrorCaption};
inline const Refusal InvalidLeft{"Invalid left position entered.", kErrorCaption};
inline const Refusal InvalidTop{"Invalid top position entered.", kErrorCaption};
inline const Refusal InvalidWidth{"Invalid width entered.", kErrorCaption};
inline const Refusal InvalidHeight{"Invalid height entered.", kErrorCaption};
inline const Refusal InvalidColumns{"Invalid columns entered.", kErrorCaption};
// Asked with Yes and No; Yes keeps the dialog open.
inline const Refusal OffPageQuestion{
    "The location you have specified will place the object off the page.  Do you wish abort your changes?",
    kWarningCaption};

}  // namespace qm::PageDesignerMessages
