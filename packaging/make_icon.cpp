// Draws the application icon from the demo image's own pixel art: one 16 x 16 picture,
// written as a scalable SVG (one square per pixel) and as PNGs at whole multiples of
// its size, so every pixel stays sharp.
// Usage: make_icon OUT_DIR ICON_NAME
#include <cstdio>
#include <fstream>
#include <string>

#include <QDir>
#include <QImage>

#include "demo/demo_art.h"
#include "demo/demo_theme.h"
#include "render/colour_table.h"

namespace {

constexpr int kArt = kArtGroundTop;
constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

// The art's colours as the first stage shows them; colour 0 is the backdrop and stays
// transparent.
QImage drawIcon()
{
    const Art art = drawArt(kArt, stageTheme(0));
    const PaletteRecord palette = stagePalette(0, 0, 0);
    const int subPalette = artInfo(kArt).subPalette;
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int value = art[std::size_t(y)][std::size_t(x)];
            if (value != 0)
                image.setPixel(x, y, colourTable[palette.colour[subPalette][value]]);
        }
    return image;
}

bool writeSvg(const QImage& image, const std::string& path)
{
    std::ofstream out(path);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 16 16\" width=\"256\" height=\"256\""
           " shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            char colour[8];
            std::snprintf(colour, sizeof colour, "#%06x", pixel & 0xFFFFFFu);
            out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"1\" height=\"1\" fill=\"" << colour << "\"/>\n";
        }
    out << "</svg>\n";
    return bool(out);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR ICON_NAME\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QImage icon = drawIcon();
    for (const int size : kSizes) {
        const QString folder = QString("%1/%2x%2/apps").arg(outDir).arg(size);
        if (!QDir().mkpath(folder) ||
            !icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                 .save(folder + "/" + name + ".png", "PNG")) {
            std::fprintf(stderr, "cannot write the %dx%d icon into %s\n", size, size, qPrintable(folder));
            return 1;
        }
    }
    const QString scalable = outDir + "/scalable/apps";
    if (!QDir().mkpath(scalable) || !writeSvg(icon, (scalable + "/" + name + ".svg").toStdString())) {
        std::fprintf(stderr, "cannot write the scalable icon into %s\n", qPrintable(scalable));
        return 1;
    }
    return 0;
}
