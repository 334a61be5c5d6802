#include "shell/cli/stage_export.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <exception>
#include <future>
#include <memory>
#include <stdexcept>
#include <vector>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QSaveFile>

#include "model/editor.h"
#include "render/stage_picture.h"
#include "render/tile_pixels.h"
#include "shell/cli/command_inputs.h"
#include "shell/cli/demo_image_file.h"
#include "shell/cli/stage_number.h"
#include "shell/cli/tile_sheet_png.h"
#include "shell/session/object_names_source.h"
#include "shell/session/text_pictures.h"
#include "text/translation.h"
#include "tilesheet/sheet_tiles.h"

namespace {

constexpr int kSubPaletteCount = 4;
// The toolkit's PNG quality: 70 is a light compression, which takes about a third less
// time over a whole export than the default, for files half again as large.
constexpr int kPngQuality = 70;
// Stages whose pictures are being written at once while the next one is drawn.
constexpr std::size_t kStagesInFlight = 2;

struct Picture {
    QString name;
    Surface pixels;
    QImage image;  // the picture as it is to be written, when it is made ready already
};

std::optional<int> parsePaletteSet(const std::string& text)
{
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kPaletteSetCount)
        return text[0] - '0';
    return std::nullopt;
}

QString displayName(const QString& name)
{
    return QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath());
}

// The pictures hold the console's colours, white and the few greys of the text, so
// they nearly always fit a palette of 256: an indexed image has a quarter of the bytes
// to compress, which makes the PNG several times faster to write, and its colours are
// exact. With more colours the image stays as it is.
QImage exactImage(const Surface& surface)
{
    // The palette's colours by a hash of the colour, in twice as many slots as there
    // can be colours, so a lookup rarely probes more than once.
    constexpr int kSlotBits = 9;
    constexpr std::size_t kSlots = std::size_t(1) << kSlotBits;
    std::array<int, kSlots> table;
    table.fill(-1);
    QList<QRgb> palette;
    QImage indexed(surface.width(), surface.height(), QImage::Format_Indexed8);
    for (int y = 0; y < surface.height(); ++y) {
        const Colour* source = surface.data() + std::size_t(y) * std::size_t(surface.width());
        uchar* target = indexed.scanLine(y);
        for (int x = 0; x < surface.width(); ++x) {
            const Colour colour = source[x];
            // Runs of one colour are common: black, the sky, the inside of a tile.
            if (x > 0 && colour == source[x - 1]) {
                target[x] = target[x - 1];
                continue;
            }
            std::size_t slot = std::size_t(std::uint32_t(colour * 0x9E3779B1u) >> (32 - kSlotBits));
            while (table[slot] >= 0 && palette[table[slot]] != colour)
                slot = (slot + 1) % kSlots;
            if (table[slot] < 0) {
                if (palette.size() == 256)
                    return QImage(reinterpret_cast<const uchar*>(surface.data()), surface.width(), surface.height(),
                                  surface.bytesPerLine(), QImage::Format_RGB32);
                table[slot] = int(palette.size());
                palette.append(QRgb(colour));
            }
            target[x] = uchar(table[slot]);
        }
    }
    indexed.setColorTable(palette);
    return indexed;
}

// Writes image as a PNG image. The file appears whole or not at all: it is written
// beside its final name and renamed into place once complete.
void writePicture(const QImage& image, const QString& name)
{
    QSaveFile file(name);
    const auto fail = [&](const QString& reason) {
        throw std::runtime_error(
            fillIn(QCoreApplication::translate("stage_export", "cannot write the picture '%1': %2").toStdString(),
                   {QFile::encodeName(displayName(name)).toStdString(), reason.toStdString()}));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    errno = 0;
    if (!image.save(&file, "PNG", kPngQuality)) {
        // The reason first: cancelling puts its own text in its place. A write that
        // the disk cut short is an "Unknown error" to the toolkit (in the user's
        // language: a fresh device's text), but the system's reason is still at hand.
        const int systemError = errno;
        QString reason = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QCoreApplication::translate("stage_export", "the image could not be encoded");
        if (file.error() == QFileDevice::WriteError && reason == QBuffer().errorString() && systemError != 0)
            reason = QString::fromLocal8Bit(std::strerror(systemError));
        file.cancelWriting();
        fail(reason);
    }
    if (!file.commit())
        fail(file.errorString());
}

// Every picture of the current stage as shown on its first frame, named for folder.
// The names start with the stage's digit, so a listing sorts them by stage.
std::vector<Picture> stagePictures(EDITOR& editor, const QDir& folder, bool withObjects)
{
    const QString prefix = folder.filePath("stage-" + QString::number(editor.curStage, 16).toUpper());
    std::vector<Picture> pictures;
    pictures.push_back({prefix + ".png", stagePicture(editor, withObjects), {}});
    pictures.push_back({prefix + "-chips.png", editor.chipSurface, {}});
    pictures.push_back({prefix + "-chip-sets.png", editor.chipSetSurface, {}});
    // The tile sheets as tile tools read them: the index of a pixel is its value.
    const StageTileBytes& tiles = editor.tileGfx[editor.curStage];
    for (int p = 0; p < kSubPaletteCount; ++p) {
        const TileSheetImage sheet = writeTileSheet(tiles, subPaletteColours(editor.curPal[editor.curStage], p),
                                                    kExportedTileSheetSide / kTileSheetSide);
        pictures.push_back({prefix + QString("-tiles-%1.png").arg(p), {}, tileSheetPicture(sheet)});
    }
    return pictures;
}

void exportAll(EDITOR& editor, const ExportOptions& request, int paletteSet)
{
    // Progress only for someone watching; a script gets the closing line alone.
    const bool watched = ::isatty(STDOUT_FILENO) == 1;
    const int written =
        writeEveryStagePicture(editor, request.target, request.objects, paletteSet, [watched](int stage) {
            if (watched) {
                const QString line = QCoreApplication::translate("stage_export", "stage %1 done (%2 of %3)")
                                         .arg(QString::number(stage, 16).toUpper())
                                         .arg(stage + 1)
                                         .arg(kStageCount);
                std::printf("%s\n", line.toUtf8().constData());
                std::fflush(stdout);
            }
        });
    const std::string line =
        fillIn(QCoreApplication::translate("stage_export", "%1 pictures of %2 stages written to %3").toStdString(),
               {std::to_string(written), std::to_string(kStageCount),
                QFile::encodeName(displayName(QFile::decodeName(request.target.c_str()))).toStdString()});
    std::printf("%s\n", line.c_str());
}

void exportStage(EDITOR& editor, const ExportOptions& request, int stage, int paletteSet)
{
    const QString name = QFile::decodeName(request.target.c_str());
    showFirstFrame(editor, stage, paletteSet);
    writePicture(exactImage(stagePicture(editor, request.objects)), name);
    const std::string line = fillIn(
        QCoreApplication::translate("stage_export", "stage %1 written to %2").toStdString(),
        {QString::number(stage, 16).toUpper().toStdString(), QFile::encodeName(displayName(name)).toStdString()});
    std::printf("%s\n", line.c_str());
}

}  // namespace

ExportArguments::ExportArguments(QCommandLineParser& parser)
    : exportStage_(
          "export-stage",
          QCoreApplication::translate(
              "stage_export",
              "Write stage <S> (0 to 15, or 0 to F) as one picture of its 48 pages to the PNG file given after "
              "it, and end: --export-stage S OUT.png."),
          "S")
    , exportAll_("export-all",
                 QCoreApplication::translate(
                     "stage_export",
                     "Write the picture and the chip, chip-set and tile sheets of every stage into <folder>, and end."),
                 "folder")
    , palette_(
          "palette",
          QCoreApplication::translate(
              "stage_export", "Draw the exported pictures and tile sheets in palette set <K> (0 to 3; default 0)."),
          "K")
    , objects_("objects",
               QCoreApplication::translate("stage_export", "Mark the objects on the exported stage pictures."))
{
    parser.addOptions({exportStage_, exportAll_, palette_, objects_});
}

std::optional<std::string> ExportArguments::read(const QCommandLineParser& parser, QStringList& positional,
                                                 StartOptions& options) const
{
    const bool oneStage = parser.isSet(exportStage_);
    if (!oneStage && !parser.isSet(exportAll_)) {
        // The tile sheet commands read --palette themselves.
        if (parser.isSet(palette_) && !parser.isSet("export-tiles") && !parser.isSet("import-tiles"))
            return QCoreApplication::translate(
                       "stage_export",
                       "--palette goes with --export-stage, --export-all, --export-tiles or --import-tiles")
                .toStdString();
        if (parser.isSet(objects_))
            return QCoreApplication::translate("stage_export", "--objects goes with --export-stage or --export-all")
                .toStdString();
        return std::nullopt;
    }
    if (oneStage && parser.isSet(exportAll_))
        return QCoreApplication::translate("stage_export", "give either --export-stage or --export-all, not both")
            .toStdString();
    for (const char* windowOption : {"screenshot", "view", "report-first-frame"})
        if (parser.isSet(windowOption))
            return QCoreApplication::translate("stage_export",
                                               "exporting pictures opens no window: leave out --screenshot and --view")
                .toStdString();
    ExportOptions request;
    if (oneStage) {
        if (positional.isEmpty())
            return QCoreApplication::translate(
                       "stage_export",
                       "--export-stage takes a stage and then the picture file: --export-stage S OUT.png")
                .toStdString();
        request.stage = parser.value(exportStage_).toStdString();
        request.target = QFile::encodeName(positional.takeLast()).toStdString();
    } else {
        request.target = QFile::encodeName(parser.value(exportAll_)).toStdString();
    }
    if (parser.isSet(palette_))
        request.paletteSet = parser.value(palette_).toStdString();
    request.objects = parser.isSet(objects_);
    options.exportPictures = request;
    return std::nullopt;
}

int writeEveryStagePicture(EDITOR& editor, const std::string& target, bool withObjects, int paletteSet,
                           const std::function<void(int stage)>& stageDone)
{
    const QString folderName = QFile::decodeName(target.c_str());
    if (!QDir().mkpath(folderName))
        throw std::runtime_error(
            fillIn(QCoreApplication::translate("stage_export", "cannot make the folder '%1'").toStdString(),
                   {QFile::encodeName(displayName(folderName)).toStdString()}));
    const QDir folder(folderName);

    // Drawing goes through the editor and the toolkit's text cache, so it stays on this
    // thread; writing the PNG files, which takes most of the time, runs beside it.
    struct Pending {
        int stage;
        std::future<int> written;
    };
    std::deque<Pending> pending;
    int written = 0;
    const auto finishOldest = [&] {
        Pending oldest = std::move(pending.front());
        pending.pop_front();
        written += oldest.written.get();
        if (stageDone)
            stageDone(oldest.stage);
    };
    for (int stage = 0; stage < kStageCount; ++stage) {
        showFirstFrame(editor, stage, paletteSet);
        std::vector<Picture> pictures = stagePictures(editor, folder, withObjects);
        if (pending.size() == kStagesInFlight)
            finishOldest();
        pending.push_back({stage, std::async(std::launch::async, [pictures = std::move(pictures)] {
                               for (const Picture& picture : pictures)
                                   writePicture(picture.image.isNull() ? exactImage(picture.pixels) : picture.image,
                                                picture.name);
                               return int(pictures.size());
                           })});
    }
    // An error ends the run only once the stages under way are written, so that none
    // is left behind with a file half-made.
    std::exception_ptr firstError;
    while (!pending.empty()) {
        try {
            finishOldest();
        } catch (...) {
            if (!firstError)
                firstError = std::current_exception();
        }
    }
    if (firstError)
        std::rethrow_exception(firstError);
    return written;
}

bool asksForPicturesOnly(int argc, char* argv[])
{
    constexpr const char* kPictureOptions[] = {"--export-stage", "--export-all"};
    return namesAnyOption(argc, argv, kPictureOptions);
}

int exportPictures(const StartOptions& options)
{
    const ExportOptions& request = *options.exportPictures;
    try {
        std::optional<int> stage;
        if (request.stage) {
            stage = parseStage(*request.stage);
            if (!stage)
                throw std::runtime_error(fillIn(
                    QCoreApplication::translate(
                        "stage_export", "--export-stage takes a stage from 0 to 15 (or its digit 0 to F), not '%1'")
                        .toStdString(),
                    {*request.stage}));
        }
        const std::optional<int> paletteSet = parsePaletteSet(request.paletteSet);
        if (!paletteSet)
            throw std::runtime_error(fillIn(
                QCoreApplication::translate("stage_export", "--palette takes a palette set from 0 to 3, not '%1'")
                    .toStdString(),
                {request.paletteSet}));
        if (!options.romPath && !options.demo)
            throw std::runtime_error(QCoreApplication::translate(
                                         "stage_export", "name the ROM image to draw the pictures from, or use --demo")
                                         .toStdString());

        const std::string path = options.romPath ? *options.romPath : writeDemoRom();
        // A slip of the order of the arguments must not turn the image into a picture.
        const QFileInfo image(QFile::decodeName(path.c_str()));
        const QFileInfo target(QFile::decodeName(request.target.c_str()));
        if (stage && image.exists() && image.canonicalFilePath() == target.canonicalFilePath())
            throw std::runtime_error(
                fillIn(QCoreApplication::translate("stage_export",
                                                   "the picture would replace the ROM image '%1': give another file")
                           .toStdString(),
                       {path}));
        TextDrawingHost texts;
        auto editor = std::make_unique<EDITOR>();
        editor->setHost(&texts);
        editor->createSurfaces();
        editor->loadRom(path);
        // Names label the marked objects; a names file that is refused ends the run
        // before anything is written.
        if (request.objects || options.objectNames)
            if (std::optional<ObjectNames> names = startingObjectNames(options.objectNames, path))
                editor->objectNames = std::move(*names);
        if (stage)
            exportStage(*editor, request, *stage, *paletteSet);
        else
            exportAll(*editor, request, *paletteSet);
    } catch (const std::exception& error) {
        std::printf("%s\n", error.what());
        std::fflush(stdout);
        return 1;
    }
    std::fflush(stdout);
    return 0;
}
