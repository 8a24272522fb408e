// The puzzle path taken from the command line at start-up.
#include "document/command_line.h"
#include "document_tests.h"

#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void startUpTakesAPuzzlePathFromItsArgument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("fpath");
        QTest::addColumn<QString>("fname");
        QTest::newRow("no argument") << "" << "" << "";
        QTest::newRow("in double quotes") << "\"/home/u/puz.gly\"" << "/home/u/puz.gly" << "puz.gly";
        QTest::newRow("without quotes") << "/home/u/puz.gly" << "/home/u/puz.gly" << "puz.gly";
        QTest::newRow("blanks around") << "  \"/home/u/puz.gly\" " << "/home/u/puz.gly" << "puz.gly";
        QTest::newRow("only an opening quote") << "\"/home/u/puz.gly" << "\"/home/u/puz.gly" << "puz.gly";
        QTest::newRow("extension in capitals") << "/home/u/puz.GLY" << "" << "";
        QTest::newRow("other extension") << "/home/u/puz.txt" << "" << "";
        QTest::newRow("7 characters") << "\"/ab.gly\"" << "" << "";
        QTest::newRow("8 characters") << "\"/abc.gly\"" << "/abc.gly" << "abc.gly";
        QTest::newRow("backslash folders") << "C:\\dir\\x.gly" << "C:\\dir\\x.gly" << "x.gly";
        QTest::newRow("no folder") << "puzzle.gly" << "puzzle.gly" << "puzzle.gly";
        QTest::newRow("slash just before .gly") << "/home/u/.gly" << "/home/u/.gly" << ".gly";
        QTest::newRow("missing file keeps the name") << "/home/missing/puz.gly" << "" << "puz.gly";
    }
    void startUpTakesAPuzzlePathFromItsArgument()
    {
        // A path of 8 or more characters ending in ".gly" is taken when its file exists.
        QFETCH(QString, argument);
        QFETCH(QString, fpath);
        QFETCH(QString, fname);
        const auto exists = [](const std::string &path) { return path.find("missing") == std::string::npos; };
        const CommandLineFile file = CommandLinePath(argument.toStdString(), exists);
        QCOMPARE(QString::fromStdString(file.fpath), fpath);
        QCOMPARE(QString::fromStdString(file.fname), fname);
    }
};

int RunCommandLineTests(int argc, char **argv)
{
    TestCommandLine tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_command_line.moc"
