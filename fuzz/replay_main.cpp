// Runs a fuzz target over files instead of libFuzzer's search: every file in
// the folders given (the seeds and the crash inputs kept under
// fuzz/crashes/<target>), so that CTest replays each of them on every run.
// A broken rule aborts; a missing folder is skipped.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    namespace fs = std::filesystem;
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i]))
            continue;
        std::set<fs::path> files;
        for (const fs::directory_entry &entry : fs::directory_iterator(argv[i]))
            if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
                files.insert(entry.path());
        for (const fs::path &file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            std::cout << "replay " << file.string() << '\n' << std::flush;
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::cout << replayed << " passed, 0 failed\n";
    return replayed > 0 ? 0 : 1;
}
