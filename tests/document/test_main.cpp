#include "document_tests.h"

int main(int argc, char **argv)
{
    int failed = 0;
    for (const auto run : {RunCommandLineTests, RunConfigFileTests, RunPuzzleFileTests, RunTextCodecTests})
        failed += run(argc, argv);
    return failed;
}
