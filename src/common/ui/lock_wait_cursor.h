// How a window shows that a file operation waits for a lock another program holds: the busy
// cursor, for as long as the wait lasts.
#pragma once

#include "common/binary_file.h"

namespace qm {

LockWait busyCursorWhileLockWaits();

}  // namespace qm
