// Build step of the program's artwork: renders an SVG drawing to a PNG file of a given size.
// Usage: zyfo-render-art DRAWING.svg PICTURE.png WIDTH HEIGHT
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s DRAWING.svg PICTURE.png WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    int width = std::atoi(argv[3]);
    int height = std::atoi(argv[4]);
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "%s: cannot render %s at %sx%s\n", argv[0], argv[1], argv[3], argv[4]);
        return 1;
    }
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawing.render(&painter);
    painter.end();
    if (!picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
