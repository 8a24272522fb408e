// gridly-tool: exports, making a puzzle from a word list, checking a file.
// It needs no display; only the PDF export draws, off screen.
#include "tool/tool_commands.h"

#include <iostream>

int main(int argc, char *argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string &arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << ToolUsage();
            return EXIT_DONE;
        }
    }
    if (args.empty()) {
        std::cerr << ToolUsage();
        return EXIT_USAGE;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "export")
        return RunExport(args, std::cout, std::cerr);
    if (command == "make")
        return RunMake(args, std::cout, std::cerr);
    if (command == "check")
        return RunCheck(args, std::cout, std::cerr);
    std::cerr << "gridly-tool: unknown command \"" << command << "\"; see gridly-tool --help\n";
    return EXIT_USAGE;
}
