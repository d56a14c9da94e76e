// The settings the shape lists and the page layout lists and designer read.
#pragma once

#include <string>

namespace qm {

struct ShapeSettings {
    int LastShape = 1;  // the shape the word list editor last used
    std::string LastImportShapeFile;
    std::string LastExportShapeFile;
};

struct PageLayoutSettings {
    int Zoom = 2;
    int DesignerWindowLeft = 0;
    int DesignerWindowTop = 0;
    int DesignerWindowWidth = 640;
    int DesignerWindowHeight = 480;
    int DefaultPage = 0;  // record of QZFPAGE.DAT that new puzzles get
    std::string LastImportLayoutFile;
    std::string LastExportLayoutFile;
};

}  // namespace qm
