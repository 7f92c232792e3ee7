// Build step: renders the scalable icon to the PNG sizes of the icon theme's folders,
// OUT/<N>x<N>/apps/horavine.png, so no bitmap is kept in the sources.
// Usage: horavine_icon_render ICON.svg OUT SIZE...

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fputs("usage: horavine_icon_render ICON.svg OUT SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "horavine_icon_render: %s is not a usable SVG file\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "horavine_icon_render: \"%s\" is not a size from 1 to 1024\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + QStringLiteral("/horavine.png"));
        if (!out.mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "horavine_icon_render: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
