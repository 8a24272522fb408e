// The puzzle named on the command line at start-up.
//
// The program's first argument is taken as the path P: blanks trimmed,
// double quotes removed when they wrap it, and, when it does not start with
// "/", taken from the current folder. P is used when it has at least 8
// characters (bytes of its UTF-8) and ends in ".gly" exactly (".GLY" is not
// taken). fname is the part of P after its last "/" or "\" before the final
// ".gly" (all of P when there is none). When no file exists at P, fpath is ""
// while fname keeps the name; start-up then finds fpath too short and clears
// both.
#pragma once

#include <functional>
#include <string>
#include <string_view>

struct CommandLineFile {
    std::string fpath;  // "" = no usable file
    std::string fname;
};

// argument: the first command-line argument, "" when there is none;
// currentFolder: the folder the program was started in.
CommandLineFile CommandLinePath(std::string_view argument, std::string_view currentFolder,
                                const std::function<bool(const std::string &)> &fileExists);
