#include "output/print/ui/print_queue.h"

#include <ctime>

#include <QLibrary>
#include <QPrinter>

namespace qm {
namespace {

// The public job record and calls of libcups 2 (cups/cups.h), which the program loads when it is
// there rather than needing it to build: every desktop with a printer has it.
struct CupsJob {
    int id;
    char* dest;
    char* title;
    char* user;
    char* format;
    int state;  // ipp_jstate_t
    int size;
    int priority;
    std::time_t completedTime;
    std::time_t creationTime;
    std::time_t processingTime;
};
using CupsGetJobs2 = int (*)(void* http, CupsJob** jobs, const char* name, int myJobs, int whichJobs);
using CupsFreeJobs = void (*)(int count, CupsJob* jobs);

constexpr int kWhichJobsActive = 0;        // CUPS_WHICHJOBS_ACTIVE: pending, held, processing, stopped
constexpr int kJobPending = 3;             // IPP_JSTATE_PENDING
constexpr int kJobProcessing = 5;          // IPP_JSTATE_PROCESSING
constexpr void* kDefaultServer = nullptr;  // CUPS_HTTP_DEFAULT

class CupsPrintQueue final : public PrintQueue {
public:
    CupsPrintQueue() : m_library("cups", 2)
    {
        m_getJobs = reinterpret_cast<CupsGetJobs2>(m_library.resolve("cupsGetJobs2"));
        m_freeJobs = reinterpret_cast<CupsFreeJobs>(m_library.resolve("cupsFreeJobs"));
    }

    bool holdsUnfinishedJob(const QPrinter& printer, const QString& title) const override
    {
        const bool toQueue = printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty();
        if (!toQueue || printer.printerName().isEmpty() || !m_getJobs || !m_freeJobs) return false;
        const QByteArray name = printer.printerName().toLocal8Bit();
        CupsJob* jobs = nullptr;
        const int count = m_getJobs(kDefaultServer, &jobs, name.constData(), 1, kWhichJobsActive);
        bool found = false;
        // A held or stopped job waits for the user or the printer, not for the spooler: it does
        // not keep the next page from being printed.
        for (int i = 0; i < count && !found; ++i)
            found = (jobs[i].state == kJobPending || jobs[i].state == kJobProcessing) && jobs[i].title &&
                    QString::fromUtf8(jobs[i].title) == title;
        if (count > 0) m_freeJobs(count, jobs);
        return found;
    }

private:
    QLibrary m_library;
    CupsGetJobs2 m_getJobs = nullptr;
    CupsFreeJobs m_freeJobs = nullptr;
};

}  // namespace

const PrintQueue& cupsPrintQueue()
{
    static const CupsPrintQueue queue;
    return queue;
}

}  // namespace qm
