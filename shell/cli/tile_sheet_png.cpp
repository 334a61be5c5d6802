#include "shell/cli/tile_sheet_png.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QList>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "text/translation.h"

namespace {

constexpr unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Far more than any sheet's file needs: a larger file is no tile sheet, and is not read whole.
constexpr std::size_t kLargestSheetFile = 16 * 1024 * 1024;

bool isSheetSize(const QSize& size)
{
    return (size.width() == kTileSheetSide && size.height() == kTileSheetSide) ||
        (size.width() == kExportedTileSheetSide && size.height() == kExportedTileSheetSide);
}

}  // namespace

TileSheetImage readTileSheetPng(const std::string& path)
{
    const std::string name = readableName(path);
    const std::vector<std::uint8_t> bytes = readFileBytes(path, kLargestSheetFile + 1);
    if (bytes.size() > kLargestSheetFile)
        throw std::runtime_error(fillIn(
            QCoreApplication::translate("tile_sheet_png", "'%1' is larger than 16 MB, too large for a tile sheet")
                .toStdString(),
            {name}));
    if (bytes.size() < sizeof kPngSignature || std::memcmp(bytes.data(), kPngSignature, sizeof kPngSignature) != 0)
        throw std::runtime_error(
            fillIn(QCoreApplication::translate("tile_sheet_png", "'%1' is not a PNG picture").toStdString(), {name}));

    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAutoTransform(false);
    TileSheetImage sheet;
    const QSize size = reader.size();
    if (size.isValid() && !isSheetSize(size)) {
        sheet.width = size.width();
        sheet.height = size.height();
        return sheet;
    }
    QImage image = reader.read();
    if (image.isNull())
        throw std::runtime_error(fillIn(
            QCoreApplication::translate("tile_sheet_png", "the PNG picture '%1' cannot be read: %2").toStdString(),
            {name, reader.errorString().toStdString()}));
    sheet.width = image.width();
    sheet.height = image.height();
    if (!isSheetSize(image.size()))
        return sheet;
    sheet.pixels.reserve(std::size_t(sheet.width) * std::size_t(sheet.height));
    // Pictures of one or two bits a pixel come as the toolkit's mono formats, with
    // their palette all the same.
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
        image = image.convertToFormat(QImage::Format_Indexed8);
    sheet.indexed = image.format() == QImage::Format_Indexed8;
    if (sheet.indexed) {
        const QList<QRgb> colours = image.colorTable();
        sheet.palette.assign(colours.begin(), colours.end());
        for (int y = 0; y < sheet.height; ++y) {
            const uchar* row = image.constScanLine(y);
            sheet.pixels.insert(sheet.pixels.end(), row, row + sheet.width);
        }
    } else {
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < sheet.height; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            sheet.pixels.insert(sheet.pixels.end(), row, row + sheet.width);
        }
    }
    return sheet;
}

QImage tileSheetPicture(const TileSheetImage& sheet)
{
    QImage image(sheet.width, sheet.height, sheet.indexed ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    if (sheet.indexed)
        image.setColorTable(QList<QRgb>(sheet.palette.begin(), sheet.palette.end()));
    for (int y = 0; y < sheet.height; ++y) {
        const std::uint32_t* row = sheet.pixels.data() + std::size_t(y) * std::size_t(sheet.width);
        if (sheet.indexed)
            std::transform(row, row + sheet.width, image.scanLine(y), [](std::uint32_t index) { return uchar(index); });
        else
            std::copy(row, row + sheet.width, reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return image;
}

std::vector<std::uint8_t> tileSheetPng(const TileSheetImage& sheet)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(tileSheetPicture(sheet)))
        throw std::runtime_error(fillIn(
            QCoreApplication::translate("tile_sheet_png", "the tile sheet cannot be encoded as PNG: %1").toStdString(),
            {writer.errorString().toStdString()}));
    return {data.begin(), data.end()};
}
