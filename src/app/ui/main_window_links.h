// The windows and start-up steps other parts of the program contribute to the main window.
// Each is a named entry point: the main window does its own part of a command, then hands
// over here. A link that is empty leaves its menu item and tool button disabled.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QString>

#include "collection/puzzle_record.h"

namespace qm {

class TMainWin;

// Which spelling dictionaries (American .. Swedish, Dictionary values 1..8) and thesauri
// (American, British, Thesaurus values 1..2) are installed.
struct LanguageAvailability {
    std::array<bool, 8> dictionaries{};
    std::array<bool, 2> thesauri{};
};

enum class DictionaryList { Include, Exclude };

struct MainWindowLinks {
    // The word list editor over a copy of TMainWin::workingCopy(), with the caption of its mode.
    // It stores the puzzle itself and sets the reselect request; the link takes the copy back
    // and calls TMainWin::ListPuzzles().
    std::function<void(TMainWin&, const QString& caption)> editPuzzle;
    // The print options, with a copy of the puzzle of their own.
    std::function<void(TMainWin&, std::unique_ptr<PuzzleRecord> puzzle)> printOptions;
    std::function<void(TMainWin&)> pageLayouts;   // the page layout list in management mode
    std::function<void(TMainWin&)> puzzleShapes;  // the shape list
    std::function<void(TMainWin&)> importPuzzles;
    std::function<void(TMainWin&)> exportPuzzles;
    std::function<void(TMainWin&)> pdfBook;  // the whole collection as one PDF book
    std::function<void(TMainWin&)> webPuzzles;  // the whole collection as pages to play in a browser
    std::function<void(TMainWin&)> jpegCompression;
    std::function<void(TMainWin&)> internationalCharacters;
    std::function<void(TMainWin&, DictionaryList list)> dictionaryMaintenance;

    // Start-up: finds the installed languages and settles the Dictionary and Thesaurus
    // settings and the personal word list names.
    std::function<LanguageAvailability(TMainWin&)> settleLanguages;
    // Start-up: offers to convert the files of the previous version.
    std::function<void(TMainWin&)> offerConversion;
};

// The links of the program as built: every window that exists is connected here.
MainWindowLinks programLinks();

}  // namespace qm
