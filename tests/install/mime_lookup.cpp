// Prints the MIME type of each file given, found as a desktop finds it:
// a file name given as "name:PATH" by its name alone, any other by its content.
#include <QMimeDatabase>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QMimeDatabase mime;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QString type = arg.startsWith(QLatin1String("name:"))
            ? mime.mimeTypeForFile(arg.mid(5), QMimeDatabase::MatchExtension).name()
            : mime.mimeTypeForFile(arg, QMimeDatabase::MatchContent).name();
        std::printf("%s\n", qPrintable(type));
    }
    return 0;
}
