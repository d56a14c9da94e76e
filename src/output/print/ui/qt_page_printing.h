// The printing of pages on the program's printer through Qt.
#pragma once

#include "output/print/ui/page_printing.h"
#include "output/print/ui/print_queue.h"

class QPrinter;

namespace qm {

class QtPagePrinting final : public PagePrinting {
public:
    // printer: the program's printer as Printer Setup left it; queue: where its jobs wait.
    explicit QtPagePrinting(QPrinter& printer, const PrintQueue& queue = cupsPrintQueue())
        : m_printer(printer),
          m_queue(queue)
    {
    }

    bool printerInstalled() const override;
    // While a job is being made, and afterwards while the print queue still holds a job this
    // program sent to the printer.
    bool busy() const override;
    int copiesOneJobCanMake() const override;
    bool print(const PageFile& page, int copies) override;

private:
    QPrinter& m_printer;
    const PrintQueue& m_queue;
    // Guards against a second job started from events handled while the first is being made.
    bool m_printing = false;
    bool m_sentJob = false;
};

}  // namespace qm
