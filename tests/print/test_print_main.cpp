#include "print_tests.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto run : {RunClueLayoutTests, RunPrintHeadTests, RunPuzzlePageTests, RunQtPagePrinterTests})
        failed += run(argc, argv);
    return failed;
}
