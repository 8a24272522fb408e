#include "document/help_places.h"

#include <filesystem>

// The build defines where installing puts the data folder, relative to the
// program's folder.
#ifndef GRIDLY_DATA_FROM_PROGRAM
#define GRIDLY_DATA_FROM_PROGRAM "../share/gridly"
#endif

std::vector<std::string> HelpFilePlaces(const std::string &programFolder)
{
    const std::filesystem::path folder(programFolder);
    return {(folder / "gridly.hlp").string(),
            (folder / GRIDLY_DATA_FROM_PROGRAM / "gridly.hlp").lexically_normal().string()};
}
