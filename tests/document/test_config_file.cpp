// gridly.cfg: the bytes written at exit and what start-up takes from them.
#include "document/config_file.h"
#include "document_tests.h"

#include <QTest>

namespace {

// Every path exists except those naming "missing".
bool Exists(const std::string &path)
{
    return path.find("missing") == std::string::npos;
}

// The values read as "gboxidx|validWord|mode|name|path", "-" for a value not read.
QString Described(const ConfigValues &v)
{
    const auto num = [](const std::optional<int> &n) { return n ? std::to_string(*n) : std::string("-"); };
    const auto text = [](const std::optional<std::string> &t) { return t ? *t : std::string("-"); };
    return QString::fromStdString(num(v.gboxidx) + "|" + num(v.validWord) + "|" + text(v.runmode) + "|" +
                                  text(v.fname) + "|" + text(v.fpath));
}

std::string Text(const std::string &text)
{
    return Int16(int(text.size())) + text;
}

// The fixed start of a file: colour, indicator, three zeros.
std::string Start(int gboxidx, int validWord)
{
    return Int16(gboxidx) + Int16(validWord) + std::string(6, '\0');
}

} // namespace

class TestConfigFile : public QObject {
    Q_OBJECT
private slots:
    void exitWritesSettingsThenLengthPrefixedTexts()
    {
        // Colour, indicator, three zeros, then mode, name and path each after its length.
        const std::string bytes = WriteConfigFile(3, 1, "Play", "a.gly", "/home/u/a.gly");
        QCOMPARE(bytes, Start(3, 1) + Int16(4) + "Play" + Int16(5) + "a.gly" + Int16(13) + "/home/u/a.gly");
    }

    void anExitWithNoFileStoresEmptyTexts()
    {
        // No file open: the name and path lengths are 0.
        QCOMPARE(WriteConfigFile(2, 0, "Design", "", ""), Start(2, 0) + Text("Design") + Int16(0) + Int16(0));
    }

    void namesAreStoredAsTheirUtf8Bytes()
    {
        // The lengths count the bytes of the UTF-8 path.
        const std::string name = "caf\xC3\xA9.gly";
        const std::string bytes = WriteConfigFile(0, 0, "Design", name, "/tmp/" + name);
        QCOMPARE(bytes.substr(18, 2), Int16(9));
        QCOMPARE(Described(ReadConfigFile(bytes, Exists)),
                 QString::fromUtf8("0|0|Design|café.gly|/tmp/café.gly"));
    }

    void startUpReadsWhatPassesEachTest_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("values");
        const auto row = [](const char *name, const std::string &bytes, const char *values) {
            QTest::newRow(name) << QByteArray::fromStdString(bytes) << QString(values);
        };
        const std::string full = WriteConfigFile(3, 0, "Design", "a.gly", "/home/u/a.gly");
        row("everything taken", full, "3|0|Design|a.gly|/home/u/a.gly");
        row("play mode", WriteConfigFile(1, 1, "Play", "a.gly", "/p/a.gly"), "1|1|Play|a.gly|/p/a.gly");
        row("colour 9 reads as 5", Start(9, 0) + Text("Design"), "5|0|Design|-|-");
        row("colour -1 reads as 5", Start(-1, 0) + Text("Design"), "5|0|Design|-|-");
        row("indicator 2 reads as 1", Start(0, 2) + Text("Design"), "0|1|Design|-|-");
        row("indicator -1 reads as 1", Start(0, -1) + Text("Design"), "0|1|Design|-|-");
        row("mode length 5 stops", Start(3, 0) + Int16(5) + "Desig" + Text("a.gly") + Text("/p/a.gly"),
            "3|0|-|-|-");
        row("mode length 3 stops", Start(3, 0) + Int16(3) + "Pla" + Text("a.gly"), "3|0|-|-|-");
        row("mode length 4 other than Play stops", Start(3, 0) + Text("Desi") + Text("a.gly"), "3|0|-|-|-");
        row("mode is case-sensitive", Start(3, 0) + Text("play") + Text("a.gly"), "3|0|-|-|-");
        row("name length 0 reads no name", WriteConfigFile(2, 1, "Design", "", ""), "2|1|Design|-|-");
        row("name length 4 stops", Start(0, 0) + Text("Play") + Text(".gly") + Text("/p/x.gly"), "0|0|Play|-|-");
        row("name length 99 taken", Start(0, 0) + Text("Play") + Text(std::string(95, 'n') + ".gly"),
            ("0|0|Play|" + std::string(95, 'n') + ".gly|-").c_str());
        row("name length 100 stops", Start(0, 0) + Text("Play") + Text(std::string(96, 'n') + ".gly"),
            "0|0|Play|-|-");
        row("name ending .GLY stops before the path", Start(0, 0) + Text("Play") + Text("a.GLY") + Text("/p/a.gly"),
            "0|0|Play|-|-");
        row("path length 7 not taken", Start(0, 0) + Text("Play") + Text("a.gly") + Text("/ab.gly"),
            "0|0|Play|a.gly|-");
        row("path length 8 taken", Start(0, 0) + Text("Play") + Text("a.gly") + Text("/abc.gly"),
            "0|0|Play|a.gly|/abc.gly");
        row("path length 200 taken", Start(0, 0) + Text("Play") + Text("a.gly") + Text(std::string(200, 'p')),
            ("0|0|Play|a.gly|" + std::string(200, 'p')).c_str());
        row("path length 201 not taken", Start(0, 0) + Text("Play") + Text("a.gly") + Text(std::string(201, 'p')),
            "0|0|Play|a.gly|-");
        row("path to a missing file not taken", WriteConfigFile(0, 0, "Play", "a.gly", "/p/missing/a.gly"),
            "0|0|Play|a.gly|-");
        row("empty file", "", "-|-|-|-|-");
        row("cut inside the colour", full.substr(0, 1), "-|-|-|-|-");
        row("cut after the colour", full.substr(0, 2), "3|-|-|-|-");
        row("cut inside the zeros", full.substr(0, 9), "3|0|-|-|-");
        row("cut inside the mode", full.substr(0, 14), "3|0|-|-|-");
        row("cut inside the name", full.substr(0, 22), "3|0|Design|-|-");
        row("cut inside the path", std::string(full, 0, full.size() - 1), "3|0|Design|a.gly|-");
    }
    void startUpReadsWhatPassesEachTest()
    {
        // Each value is taken only when it and every value before it pass their tests.
        QFETCH(QByteArray, bytes);
        QFETCH(QString, values);
        QCOMPARE(Described(ReadConfigFile(bytes.toStdString(), Exists)), values);
    }
};

int RunConfigFileTests(int argc, char **argv)
{
    TestConfigFile tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_config_file.moc"
