#include "faults_tests.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    int failed = 0;
    for (const auto run : {RunDamagedFileTests, RunSaveFaultTests, RunConfigFaultTests, RunEntryBoxTests})
        failed += run(argc, argv);
    return failed;
}
