#include "app/program_version.h"

#include "app/collection_naming.h"

namespace qm {

const char* programVersion() { return QM_VERSION; }

std::string programVersionText() { return std::string(kApplicationTitle) + " " + programVersion(); }

}  // namespace qm
