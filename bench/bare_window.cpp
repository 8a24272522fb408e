// What the start-up benchmark measures Gridly against: a bare Qt 6 window of
// Gridly's size showing one line of text, which any window with text must
// load the fonts for; with the argument "empty", a window with nothing in it.
#include <QApplication>
#include <QLabel>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool empty = argc > 1 && QByteArrayView(argv[1]) == "empty";
    const std::unique_ptr<QWidget> window =
        empty ? std::make_unique<QWidget>() : std::make_unique<QLabel>(QStringLiteral("Gridly"));
    window->setFixedSize(794, 575);
    window->show();
    return QApplication::exec();
}
