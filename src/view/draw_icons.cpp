// Build tool: draws SVG icons at given sizes, as SvgIcon would draw them, into
// files that the program finds drawn (see svg_icon.h, svg_picture.h).
// Usage: gridly_draw_icons OUTPUT_FOLDER (FILE.svg WIDTHxHEIGHT)...
// Each picture goes to OUTPUT_FOLDER/DrawnIconName(NAME, WIDTHxHEIGHT), NAME
// being the SVG file's name without its extension.
#include "view/svg_picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 2 || args.size() % 2 != 0) {
        std::fprintf(stderr, "usage: gridly_draw_icons OUTPUT_FOLDER (FILE.svg WIDTHxHEIGHT)...\n");
        return 2;
    }
    const QDir folder(args[1]);
    QDir().mkpath(folder.path());
    for (qsizetype i = 2; i < args.size(); i += 2) {
        const QStringList size = args[i + 1].split(QLatin1Char('x'));
        const QSize pixels(size.value(0).toInt(), size.value(1).toInt());
        const QImage picture = pixels.isEmpty() ? QImage() : DrawSvg(args[i], pixels);
        QFile file(folder.filePath(DrawnIconName(QFileInfo(args[i]).completeBaseName(), pixels)));
        if (picture.isNull() || !file.open(QIODevice::WriteOnly) || file.write(DrawnIconBytes(picture)) < 0
            || !file.flush()) {
            std::fprintf(stderr, "gridly_draw_icons: cannot draw %s at %s\n", qPrintable(args[i]),
                         qPrintable(args[i + 1]));
            return 1;
        }
    }
    return 0;
}
