// The test classes of test_grid, run in turn by test_grid_main.cpp.
#pragma once

#include <QObject>

#include <memory>

std::unique_ptr<QObject> NewGridOpsTests();
std::unique_ptr<QObject> NewSearchTests();
std::unique_ptr<QObject> NewGeneratorTests();
std::unique_ptr<QObject> NewGridSizeTests();
