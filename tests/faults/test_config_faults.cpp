// A damaged gridly.cfg: garbage at every offset, every cut, an empty file and
// a thousand random files each start the program with the defaults or with
// the values read before the damage, never a crash; and the file written at
// the following exit is complete.
#include "document/config_file.h"
#include "document/puzzle_file.h"
#include "document/puzzle_invariants.h"
#include "faults_tests.h"
#include "puzzle_builder.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QTest>

#include <random>

namespace {

constexpr int NAMED_COLOUR = 4;

// The puzzle the configuration names: two words, one of them out of the
// grid, so that a saved "Play" mode never applies, and its own grid colour,
// which replaces the configuration's when the puzzle opens.
class NamedPuzzle {
public:
    NamedPuzzle()
    {
        Puzzle p = MakePuzzle({{"CAT", 2, 2, "Acro"}, {"DOG"}});
        p.gboxidx = NAMED_COLOUR;
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(WritePuzzleFile(p)));
    }
    QString path() const { return m_folder.filePath(QStringLiteral("base.gly")); }

private:
    QTemporaryDir m_folder;
};

struct Settings {
    int gboxidx = 2;
    bool validWord = false;
    std::string fname;
    std::string fpath;

    bool operator==(const Settings &) const = default;
};

// The values a configuration carries, and what a start with them shows.
Settings Expected(const ConfigValues &values)
{
    Settings s;
    s.gboxidx = values.gboxidx.value_or(2);
    s.validWord = values.validWord.value_or(0) == 1;
    if (values.fpath) {
        s.gboxidx = NAMED_COLOUR;
        s.fname = *values.fname;
        s.fpath = *values.fpath;
    }
    return s;
}

ConfigValues Read(const std::string &bytes)
{
    return ReadConfigFile(bytes, [](const std::string &path) { return QFileInfo(QString::fromStdString(path)).isFile(); });
}

// Starts the window on the configuration bytes; "" when it shows the settings
// expected, opens the named puzzle exactly when its path was taken, keeps the
// puzzle sound, and writes a complete configuration at exit.
QString StartFault(const std::string &bytes, const Settings &expected)
{
    WindowFixture f;
    f.writeFile(QStringLiteral("gridly.cfg"), QByteArray::fromStdString(bytes));
    if (!f.start())
        return QStringLiteral("start-up ended the program");
    const Puzzle &p = f.puzzle();
    const Settings shown{p.gboxidx, f.control<QAbstractButton>(QStringLiteral("ck_valid_word"))->isChecked(), p.fname,
                         p.fpath};
    if (!(shown == expected))
        return QStringLiteral("started with colour %1, indicator %2, file '%3'")
            .arg(shown.gboxidx)
            .arg(shown.validWord)
            .arg(QString::fromStdString(shown.fpath));
    if (p.runmode != "Design" || p.changed || !f.desktop.messages.isEmpty())
        return QStringLiteral("start-up did more than read its settings");
    if (p.nwords != (expected.fpath.empty() ? 0 : 2))
        return QStringLiteral("%1 words opened").arg(p.nwords);
    if (const std::string broken = CheckInvariants(p); !broken.empty())
        return QString::fromStdString(broken);
    f.click(QStringLiteral("cb_exit"));
    const QByteArray written = f.readFile(QStringLiteral("gridly.cfg"));
    const std::string complete =
        WriteConfigFile(expected.gboxidx, expected.validWord ? 1 : 0, "Design", expected.fname, expected.fpath);
    if (written.toStdString() != complete)
        return QStringLiteral("the configuration written at exit is not the complete one");
    return {};
}

// The fields of a configuration in file order, with where each ends.
struct Field {
    std::size_t end;
    Settings withIt;  // the settings once this field has been read
};

std::vector<Field> Fields(const std::string &name, const std::string &path)
{
    const Settings colour{3, false, {}, {}};
    const Settings indicator{3, true, {}, {}};
    const Settings all{NAMED_COLOUR, true, name, path};
    std::size_t end = 0;
    std::vector<Field> fields;
    for (const auto &[size, settings] :
         std::initializer_list<std::pair<std::size_t, Settings>>{{2, colour}, {2, indicator}, {6, indicator},
                                                                 {2 + 4, indicator}, {2 + name.size(), indicator},
                                                                 {2 + path.size(), all}})
        fields.push_back({end += size, settings});
    return fields;
}

} // namespace

class TestConfigFaults : public QObject {
    Q_OBJECT
private slots:
    void startsWithEveryValueOfASoundFile()
    {
        // A sound file gives its indicator state and its puzzle, which brings its own colour.
        NamedPuzzle named;
        const std::string path = named.path().toStdString();
        const std::string bytes = WriteConfigFile(3, 1, "Play", "base.gly", path);
        const QString fault = StartFault(bytes, Settings{NAMED_COLOUR, true, "base.gly", path});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void everyCutKeepsTheFieldsReadBeforeIt()
    {
        // A file cut anywhere, down to an empty file, starts with the fields complete before the cut, else defaults.
        NamedPuzzle named;
        const std::string path = named.path().toStdString();
        const std::string bytes = WriteConfigFile(3, 1, "Play", "base.gly", path);
        const std::vector<Field> fields = Fields("base.gly", path);
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            Settings expected;
            for (const Field &field : fields)
                if (field.end <= size)
                    expected = field.withIt;
            const QString fault = StartFault(bytes.substr(0, size), expected);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("cut at %1: %2").arg(size).arg(fault)));
        }
    }

    void garbageAtEveryOffsetKeepsTheFieldsBeforeIt_data()
    {
        QTest::addColumn<char>("garbage");
        QTest::newRow("0x00") << char(0x00);
        QTest::newRow("0xFF") << char(0xFF);
        QTest::newRow("0x5A") << char(0x5A);
    }
    void garbageAtEveryOffsetKeepsTheFieldsBeforeIt()
    {
        // A garbage byte anywhere leaves the fields before it as written, and the program starts as the reader says.
        QFETCH(char, garbage);
        NamedPuzzle named;
        const std::string path = named.path().toStdString();
        const std::string sound = WriteConfigFile(3, 1, "Play", "base.gly", path);
        const std::size_t pathStart = sound.size() - path.size() - 2;  // its length, then its text
        for (std::size_t offset = 0; offset < sound.size(); ++offset) {
            std::string bytes = sound;
            bytes[offset] = garbage;
            const ConfigValues values = Read(bytes);
            if (bytes != sound) {
                const QByteArray where = QByteArray::number(qulonglong(offset));
                QVERIFY2(offset < 2 || values.gboxidx == 3, where);
                QVERIFY2(offset < 4 || values.validWord == 1, where);
                QVERIFY2(offset < pathStart || !values.fpath, where);
            }
            const QString fault = StartFault(bytes, Expected(values));
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("garbage at %1: %2").arg(offset).arg(fault)));
        }
    }

    void randomFilesStartWithWhatTheyHold()
    {
        // A thousand random files, half of them damaged copies of a sound one, each start as the reader says.
        NamedPuzzle named;
        const std::string sound = WriteConfigFile(3, 1, "Play", "base.gly", named.path().toStdString());
        std::mt19937 random(1234);
        const auto below = [&](std::size_t n) { return std::size_t(random() % n); };
        for (int run = 0; run < 1000; ++run) {
            std::string bytes;
            if (run % 2 == 0) {
                bytes.resize(below(96));
                for (char &b : bytes)
                    b = char(random());
            } else {
                bytes = sound;
                for (std::size_t k = 1 + below(4); k > 0; --k)
                    bytes[below(bytes.size())] = char(random());
                if (below(4) == 0)
                    bytes.resize(below(bytes.size() + 1));
            }
            const QString fault = StartFault(bytes, Expected(Read(bytes)));
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("file %1 (%2): %3")
                                                     .arg(run)
                                                     .arg(QString::fromLatin1(QByteArray::fromStdString(bytes).toHex()))
                                                     .arg(fault)));
        }
    }
};

int RunConfigFaultTests(int argc, char **argv)
{
    TestConfigFaults tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_config_faults.moc"
