// Build-time tool: renders the game's SVG icon into a square PNG of a given size.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdlib>

int main(int argc, char* argv[])
{
    // The build runs without a display; the offscreen platform still gives fonts and painting.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList args = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(2).toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1) {
        err << "usage: " << args.value(0) << " ICON.svg SIZE OUT.png\n";
        return EXIT_FAILURE;
    }

    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        err << "cannot read the picture " << args.at(1) << '\n';
        return EXIT_FAILURE;
    }
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(args.at(3), "PNG")) {
        err << "cannot write " << args.at(3) << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
