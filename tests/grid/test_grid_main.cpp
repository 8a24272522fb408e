// One executable for the grid folder: every test class runs in turn and the
// exit code counts the failures of all of them. Test function names on the
// command line go only to the class that has them (classes with none of the
// named functions are skipped); every other argument goes to each class.
#include "grid_tests.h"

#include <QByteArray>
#include <QMetaObject>
#include <QTest>

#include <initializer_list>
#include <vector>

namespace {

bool HasTestFunction(const QObject &test, const char *arg)
{
    const QByteArray name = QByteArray(arg).split(':').first() + "()";
    return test.metaObject()->indexOfMethod(name.constData()) >= 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::unique_ptr<QObject>> tests;
    for (auto make : {NewGridOpsTests, NewSearchTests, NewGeneratorTests, NewGridSizeTests})
        tests.push_back(make());

    int failures = 0;
    for (const auto &test : tests) {
        std::vector<char *> args{argv[0]};
        bool namedAny = false, namedMine = false;
        for (int i = 1; i < argc; ++i) {
            bool named = false;
            for (const auto &other : tests)
                named = named || HasTestFunction(*other, argv[i]);
            namedAny = namedAny || named;
            if (!named || HasTestFunction(*test, argv[i])) {
                args.push_back(argv[i]);
                namedMine = namedMine || named;
            }
        }
        if (!namedAny || namedMine)
            failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failures;
}
