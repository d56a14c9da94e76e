// The print system's queue, asked whether a job this program sent is still waiting there or
// being sent on to the printer.
#pragma once

#include <QString>

class QPrinter;

namespace qm {

class PrintQueue {
public:
    virtual ~PrintQueue() = default;
    // True while the queue of the printer holds a job of this user with the title that is
    // waiting or being processed. A printer that writes a file has no queue.
    virtual bool holdsUnfinishedJob(const QPrinter& printer, const QString& title) const = 0;
};

// The queue of CUPS, reached through its library when the system has it; without it, or without
// a running print server, no job is ever unfinished.
const PrintQueue& cupsPrintQueue();

}  // namespace qm
