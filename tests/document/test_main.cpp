#include "document_tests.h"

int main(int argc, char **argv)
{
    int failed = 0;
    for (const auto run : {RunCommandLineTests, RunCommandStateTests, RunConfigFileTests, RunPuzzleFileTests,
                           RunTextCodecTests, RunWordRulesTests})
        failed += run(argc, argv);
    return failed;
}
