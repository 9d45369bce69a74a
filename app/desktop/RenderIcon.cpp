// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon as PNG files of the given sizes, in the folder layout of an
// icon theme: OUTPUT_FOLDER/16x16/apps/NAME.png and so on, NAME being the SVG's own name.
// Usage: render_icon ICON.svg OUTPUT_FOLDER SIZE...

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString name = QFileInfo(svg).completeBaseName() + QStringLiteral(".png");
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::fprintf(stderr, "render_icon: '%s' is not a size in pixels\n", argv[i]);
            return 2;
        }
        // Drawn afresh at each size from the vector drawing, never scaled from another PNG.
        QImageReader reader(svg);
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "render_icon: cannot render %s (%s); Qt's SVG image plugin comes with libqt6svg6\n",
                         argv[1], qPrintable(reader.errorString()));
            return 1;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = out.filePath(folder + u'/' + name);
        if (!out.mkpath(folder) || !image.save(path)) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
