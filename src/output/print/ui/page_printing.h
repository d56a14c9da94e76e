// The printer as the preview uses it: whether one is installed, whether an earlier job is still
// being sent, how many copies one job can make, and jobs of a page. Windows hold a
// PagePrinting& so that tests can count jobs and copies without a printer.
#pragma once

#include "output/page/page_file.h"

namespace qm {

class PagePrinting {
public:
    virtual ~PagePrinting() = default;

    // False on a system with no printer installed.
    virtual bool printerInstalled() const = 0;
    // True while an earlier job is still being sent to the printer.
    virtual bool busy() const = 0;
    // How many copies of a page the printer makes in one job.
    virtual int copiesOneJobCanMake() const = 0;
    // One job of the page in that many copies, on the page's own sheet; false when the printer
    // could not take it.
    virtual bool print(const PageFile& page, int copies) = 0;
};

}  // namespace qm
