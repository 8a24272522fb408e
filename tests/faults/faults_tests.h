// The test classes of the fault folder, run one after another by one
// executable; each returns the number of its failed tests.
#pragma once

int RunDamagedFileTests(int argc, char **argv);
int RunSaveFaultTests(int argc, char **argv);
int RunConfigFaultTests(int argc, char **argv);
int RunEntryBoxTests(int argc, char **argv);
