// How copies of a page go to the printer.
#pragma once

namespace qm {

struct PrintJobs {
    int jobs = 1;
    int copiesPerJob = 1;

    bool operator==(const PrintJobs&) const = default;
};

// One job of all the copies when the printer makes that many in one job, else one job per copy.
PrintJobs planPrintJobs(int copies, int copiesOneJobCanMake);

}  // namespace qm
