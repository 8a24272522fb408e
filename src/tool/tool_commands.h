// The commands of gridly-tool: the program's core from the command line.
// Each takes the arguments after its name, writes what it has to say to out
// and err, and returns the exit status. Output files are written whole, through
// a temporary file, or not at all.
#pragma once

#include <ostream>
#include <string>
#include <vector>

enum ExitStatus {
    EXIT_DONE = 0,
    EXIT_REFUSED = 1,  // a file could not be read, written or used
    EXIT_USAGE = 2,    // the command line was wrong
    EXIT_PARTIAL = 3,  // make --connected left words out; they are named
};

// export PUZZLE.gly OUT.ipuz [--answers] | OUT.puz [--answers] [--lossy] | OUT.pdf [--solution] | OUT.html
int RunExport(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// make WORDS.txt OUT.gly [--size auto|COLSxROWS] [--seed N]
//     [--connected [--max-size COLSxROWS] [--effort N] [--partial]]
int RunMake(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// check PUZZLE.gly
int RunCheck(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

// The text of --help.
std::string ToolUsage();
