#include "app/program_command_line.h"

#include "app/program_version.h"

namespace qm {
namespace {

ProgramCommandLine refused(const std::string& reason)
{
    return {ProgramCommandLine::Action::Refuse, std::nullopt,
            "quillmaze: " + reason + "\nTry 'quillmaze --help' for more information.\n"};
}

}  // namespace

std::string programHelpText()
{
    return "Usage: quillmaze [FILE]\n"
           "Makes word-search puzzles: word lists with clues, puzzle shapes, page layouts, printing and exports.\n"
           "\n"
           "FILE is a puzzle collection (.QZ3) to open, as File > Open does, or a puzzle shape (.LAY) or\n"
           "page layout (.PAG) to add to the program's shapes or layouts.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "\n"
           "The settings (QMAZE3.INI) and the collections live in the working folder: QUILLMAZE_HOME when\n"
           "set, else ~/Quillmaze, made on the first start with the sample collection SAMPLE.QZ3. An\n"
           "installed program keeps the shapes, page layouts and word lists in $XDG_DATA_HOME/quillmaze\n"
           "(~/.local/share/quillmaze). Qt's own options, such as -platform, are accepted too.\n"
           "See quillmaze(1).\n";
}

ProgramCommandLine readProgramCommandLine(const std::vector<std::string>& arguments)
{
    bool options = true;
    for (const std::string& argument : arguments) {
        if (argument == "--") break;
        if (argument == "--help" || argument == "-h") return {ProgramCommandLine::Action::Help, {}, programHelpText()};
        if (argument == "--version") return {ProgramCommandLine::Action::Version, {}, programVersionText() + "\n"};
    }
    ProgramCommandLine line;
    for (const std::string& argument : arguments) {
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if (options && argument.size() > 1 && argument.front() == '-') return refused("unknown option " + argument);
        if (argument.empty()) return refused("an empty file name");
        if (line.file) return refused("only one file can be opened at a time");
        line.file = argument;
    }
    return line;
}

}  // namespace qm
