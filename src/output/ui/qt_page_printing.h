// The printing of pages on the program's printer through Qt.
#pragma once

#include "output/ui/page_printing.h"

class QPrinter;

namespace qm {

class QtPagePrinting final : public PagePrinting {
public:
    // printer: the program's printer as Printer Setup left it.
    explicit QtPagePrinting(QPrinter& printer) : m_printer(printer) {}

    bool printerInstalled() const override;
    bool busy() const override { return m_printing; }
    int copiesOneJobCanMake() const override;
    bool print(const PageFile& page, int copies) override;

private:
    QPrinter& m_printer;
    // A job is sent whole before print returns; this only guards against a second job started
    // from events handled while the first is being sent.
    bool m_printing = false;
};

}  // namespace qm
