#include "window_fixture.h"

#include <QFile>
#include <QLineEdit>

WindowFixture::WindowFixture()
{
    QFile::copy(QStringLiteral(GRIDLY_HELP_FILE), m_folder.filePath(QStringLiteral("gridly.hlp")));
}

bool WindowFixture::start(const QStringList &arguments, RandomSource random)
{
    const QString folder = programFolder.isEmpty() ? m_folder.path() : programFolder;
    window = std::make_unique<gridly>(desktop, folder, arguments, std::move(random));
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

void WindowFixture::addWord(const QString &word, const QString &clue) const
{
    for (const auto &[name, text] : {std::pair{"inp_word", word}, std::pair{"inp_clue", clue}}) {
        auto *box = control<QLineEdit>(QString::fromLatin1(name));
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    click(QStringLiteral("cb_addword"));
}

void WindowFixture::open(const QByteArray &fileBytes, const QString &name)
{
    desktop.chooseFile(writeFile(name, fileBytes));
    click(QStringLiteral("cb_open"));
}
