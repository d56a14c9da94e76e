#include "output/print/print_copies.h"

#include <algorithm>

namespace qm {

PrintJobs planPrintJobs(int copies, int copiesOneJobCanMake)
{
    copies = std::max(copies, 1);
    if (copies <= copiesOneJobCanMake) return PrintJobs{1, copies};
    return PrintJobs{copies, 1};
}

}  // namespace qm
