#include "window_fixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>

WindowFixture::WindowFixture()
{
    QFile::copy(QStringLiteral(GRIDLY_HELP_FILE), m_folder.filePath(QStringLiteral("gridly.hlp")));
}

bool WindowFixture::start(const QStringList &arguments, RandomSource random)
{
    window = std::make_unique<gridly>(desktop, m_folder.path(), arguments, std::move(random));
    if (!window->Form_Load())
        return false;
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("window not exposed");
    return true;
}

QString WindowFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return file.fileName();
}

QByteArray WindowFixture::readFile(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WindowFixture::click(const QString &buttonName) const
{
    auto *button = control<QWidget>(buttonName);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void WindowFixture::type(const QString &text) const
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void WindowFixture::addWord(const QString &word, const QString &clue) const
{
    auto *wordBox = control<QLineEdit>(QStringLiteral("inp_word"));
    auto *clueBox = control<QLineEdit>(QStringLiteral("inp_clue"));
    wordBox->setFocus();
    QTest::keyClicks(wordBox, word);
    clueBox->setFocus();
    QTest::keyClicks(clueBox, clue);
    click(QStringLiteral("cb_addword"));
}

void WindowFixture::open(const QByteArray &fileBytes, const QString &name)
{
    desktop.chooseFile(writeFile(name, fileBytes));
    click(QStringLiteral("cb_open"));
}
