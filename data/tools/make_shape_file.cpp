// Builds the starter shape file from text pictures: make_shape_file OUTPUT PICTURE...
// The shapes are stored in the order of the pictures given.
#include <cstdio>
#include <filesystem>

#include "common/binary_file.h"
#include "layout/shape_file.h"
#include "layout/shape_picture.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT PICTURE...\n", argv[0]);
        return 1;
    }
    const std::filesystem::path output = argv[1];
    std::filesystem::path temporary = output;
    temporary += ".part";
    std::filesystem::remove(temporary);
    qm::ShapeFile shapes(temporary);
    for (int i = 2; i < argc; ++i) {
        auto text = qm::readWholeFile(argv[i]);
        if (!text) {
            std::fprintf(stderr, "%s\n", text.failure().describe().c_str());
            return 1;
        }
        auto shape = qm::parseShapePicture(*text, argv[i]);
        if (!shape) {
            std::fprintf(stderr, "%s\n", shape.failure().describe().c_str());
            return 1;
        }
        if (auto added = shapes.AppendRecord(*shape); !added) {
            std::fprintf(stderr, "%s\n", added.failure().describe().c_str());
            return 1;
        }
    }
    std::filesystem::rename(temporary, output);
    return 0;
}
