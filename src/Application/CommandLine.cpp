#include "CommandLine.h"

#include "Version.h"

#include <string_view>

namespace {
constexpr char kUsage[] = "Usage: tolvik [--help | --version]\n";
}

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    if (argc < 2)
        return std::nullopt;
    const std::string_view option = argv[1];
    if (argc == 2 && option == "--version") {
        out << "Tolvik " << kTolvikVersion << '\n';
        return 0;
    }
    if (argc == 2 && option == "--help") {
        out << kUsage
            << "A desktop journal for a beekeeper. It keeps Journal.db, table.xml and a copy of Lang in the\n"
               "working directory; the start script runs it in ${XDG_DATA_HOME:-~/.local/share}/tolvik.\n"
               "\n"
               "  --help     print this help and exit\n"
               "  --version  print the version and exit\n";
        return 0;
    }
    err << "tolvik: unknown option " << option << '\n' << kUsage;
    return 2;
}
