// Which design commands are enabled for a word count, placed count and current word.
#include "document/command_state.h"
#include "document_tests.h"
#include "puzzle_builder.h"

#include <QTest>

namespace {

// The names of the enabled commands, in declaration order.
QString Enabled(const CommandStates &s)
{
    const std::pair<bool, const char *> all[] = {
        {s.cb_new, "new"},           {s.cb_save, "save"},         {s.cb_print, "print"},
        {s.cb_play, "play"},         {s.cb_procAutosz, "auto"},   {s.cb_procfixsize, "fixed"},
        {s.cb_cleargrid, "clear"},   {s.ck_gridwrd, "gridwrd"},   {s.cb_putword, "put"},
        {s.cb_addword, "add"},       {s.cb_updtword, "update"},   {s.cb_delword, "delete"},
    };
    QStringList names;
    for (const auto &[on, name] : all)
        if (on)
            names << name;
    return names.join(' ');
}

} // namespace

class TestCommandState : public QObject {
    Q_OBJECT
private slots:
    void commandsFollowWordsPlacementAndCurrentWord_data()
    {
        QTest::addColumn<int>("nwords");
        QTest::addColumn<int>("nplaced");
        QTest::addColumn<int>("curw");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("empty list") << 0 << 0 << 0 << "add";
        QTest::newRow("words, none placed") << 3 << 0 << 0 << "new save auto fixed add";
        QTest::newRow("some placed") << 3 << 1 << 0 << "new save print auto fixed clear gridwrd add";
        QTest::newRow("all placed") << 3 << 3 << 0 << "new save print play auto fixed clear gridwrd add";
        QTest::newRow("list full") << 40 << 0 << 0 << "new save auto fixed";
        QTest::newRow("current word not placed") << 3 << 1 << 2 << "new save print auto fixed clear gridwrd put update delete";
        QTest::newRow("current word placed") << 3 << 1 << 1 << "new save print auto fixed clear gridwrd update delete";
        QTest::newRow("list full, current word") << 40 << 0 << 40 << "new save auto fixed put update delete";
    }
    void commandsFollowWordsPlacementAndCurrentWord()
    {
        // Each row of the availability table, with Auto Put disabled for a placed current word.
        QFETCH(int, nwords);
        QFETCH(int, nplaced);
        QFETCH(int, curw);
        QFETCH(QString, enabled);
        std::vector<WordSpec> words;
        for (int i = 1; i <= nwords; ++i)
            words.push_back({"W" + std::to_string(i), i <= nplaced ? 1 : 0, i});
        Puzzle p = MakePuzzle(words, 24, 24);
        p.curw = int16_t(curw);
        QCOMPARE(Enabled(CommandStatesOf(p)), enabled);
    }
};

int RunCommandStateTests(int argc, char **argv)
{
    TestCommandState tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "test_command_state.moc"
