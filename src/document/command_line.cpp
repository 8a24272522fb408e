#include "document/command_line.h"

#include "document/blank_trim.h"

CommandLineFile CommandLinePath(std::string_view argument, std::string_view currentFolder,
                                const std::function<bool(const std::string &)> &fileExists)
{
    std::string_view given = TrimBlanks(argument);
    if (given.size() >= 2 && given.front() == '"' && given.back() == '"')
        given = given.substr(1, given.size() - 2);
    // A relative path is taken from where the program was started, so that the
    // path remembered at exit reopens the puzzle from any folder.
    std::string absolute(given);
    if (!given.empty() && !given.starts_with('/') && !currentFolder.empty())
        absolute = std::string(currentFolder) + (currentFolder.ends_with('/') ? "" : "/") + absolute;
    const std::string_view path = absolute;
    constexpr std::string_view extension = ".gly";
    if (path.size() < 8 || !path.ends_with(extension))
        return {};

    const std::size_t stem = path.size() - extension.size();
    const std::size_t slash = path.find_last_of("/\\", stem - 1);
    CommandLineFile file;
    file.fname = slash == std::string_view::npos ? std::string(path) : std::string(path.substr(slash + 1));
    if (fileExists(std::string(path)))
        file.fpath = path;
    return file;
}
