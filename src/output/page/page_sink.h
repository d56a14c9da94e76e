// Where a run of pages goes as each is made, so a document of any length holds only the page in
// hand: a PDF file, or a test's list.
#pragma once

#include "common/result.h"
#include "output/page/page_file.h"

namespace qm {

class PageSink {
public:
    virtual ~PageSink() = default;
    virtual Status addPage(const PageFile& page) = 0;
};

// A file of pages that is put in place only when finished: dropped unfinished, it leaves the
// old file (or none) behind.
class PageDocument : public PageSink {
public:
    virtual Status finish() = 0;
};

}  // namespace qm
