// The fault tests: one test class, its tests defined by subject in the
// test_*.cpp files of this folder (its main at the end of test_damaged_files.cpp).
#pragma once

#include <QObject>

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    // Damaged puzzle files (test_damaged_files.cpp)
    void everyCutOrChangedByteIsRefusedOrOpensSoundly_data();
    void everyCutOrChangedByteIsRefusedOrOpensSoundly();
    void openThenSaveGivesTheSameBytes_data();
    void openThenSaveGivesTheSameBytes();

    // Saving under faults (test_save_faults.cpp)
    void windowSaveRefusedByTheFolderOrTheDiskKeepsTheOldFile_data();
    void windowSaveRefusedByTheFolderOrTheDiskKeepsTheOldFile();
    void fullDiskRefusesWhatDoesNotFitWithTheSystemsReason();
    void killedSaveLeavesTheOldOrTheNewFile_data();
    void killedSaveLeavesTheOldOrTheNewFile();

    // A damaged gridly.cfg and hostile text in the entry boxes (test_hostile_input.cpp)
    void damagedConfigurationKeepsTheValuesBeforeTheDamage_data();
    void damagedConfigurationKeepsTheValuesBeforeTheDamage();
    void randomConfigurationsStartWithWhatTheyHold();
    void hostileTextKeepsOnlyStorableCharacters_data();
    void hostileTextKeepsOnlyStorableCharacters();
};
