// Where the program looks for its help file, gridly.hlp.
#pragma once

#include <string>
#include <vector>

// The places to try, in order: beside the program (a build, or a copy kept
// with it), then the data folder of an installed program (for the default
// layout <prefix>/share/gridly beside <prefix>/bin). programFolder is the
// folder of the running program, UTF-8.
std::vector<std::string> HelpFilePlaces(const std::string &programFolder);
