#include "window_fixture.h"

#include "test_files.h"
#include "view/window_style.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

WindowFixture::WindowFixture()
{
    if (!qobject_cast<WindowStyle *>(QApplication::style()))  // the program's own look
        QApplication::setStyle(new WindowStyle);
    QFile::copy(QStringLiteral(GRIDLY_HELP_FILE), m_folder.filePath(QStringLiteral("gridly.hlp")));
}

bool WindowFixture::start(const QStringList &arguments, RandomSource random)
{
    const QString folder = programFolder.isEmpty() ? m_folder.path() : programFolder;
    window = std::make_unique<gridly>(desktop, folder, arguments, random ? std::move(random) : m_random.source());
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
    WriteBytes(path(name), bytes);
    return path(name);
}

QByteArray WindowFixture::readFile(const QString &name) const
{
    return ReadBytes(path(name));
}

void WindowFixture::click(const QString &buttonName) const
{
    auto *button = control(buttonName);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void WindowFixture::clickItem(const QString &list, int row) const
{
    auto *box = control<QListWidget>(list);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
}

void WindowFixture::clickRow(int r, Qt::MouseButton button) const
{
    QTest::mouseClick(control(QStringLiteral("w_inp_%1").arg(r)), button, {}, {20, 10});
}

WindowFixture &WindowFixture::press(const QString &name, QPoint at)
{
    m_pressed = control(name);
    m_last = m_pressed->mapFrom(client(), at);
    QTest::mousePress(m_pressed, Qt::LeftButton, {}, m_last);
    return *this;
}

WindowFixture &WindowFixture::to(QPoint at)
{
    m_last = m_pressed->mapFrom(client(), at);
    QMouseEvent move(QEvent::MouseMove, m_last, m_pressed->mapToGlobal(m_last), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(m_pressed, &move);
    return *this;
}

void WindowFixture::release()
{
    QTest::mouseRelease(m_pressed, Qt::LeftButton, {}, m_last);
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

QString WindowFixture::shown(int i) const
{
    if (i < 0 || i >= desktop.messages.size())
        return {};
    return desktop.messages[i].text + '|' + desktop.messages[i].title;
}
