#include "document/command_line.h"

#include "document/blank_trim.h"

CommandLineFile CommandLinePath(std::string_view argument,
                                const std::function<bool(const std::string &)> &fileExists)
{
    std::string_view path = TrimBlanks(argument);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
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
