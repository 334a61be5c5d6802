// The run as a whole: the file choice and its cancel, load errors at start-up, the
// file name passed on unchanged, a full run with a screenshot, and the command line of
// the program itself.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLockFile>
#include <QProcess>
#include <QtTest>

#include "gui_support.h"
#include "jcode/jcode.h"
#include "program_run.h"
#include "shell/main_window/qt_editor_host.h"
#include "shell/main_window/window_procs.h"
#include "shell/session/error_report.h"
#include "shell/session/image_lock.h"
#include "shell/startup/startup.h"
#include "state/state_folder.h"

namespace {

RomChooser chooses(std::string path)
{
    return [path] { return std::optional<std::string>(path); };
}

// Runs the program with rawName, bytes that need not be UTF-8, as its first argument:
// the toolkit's strings cannot carry such bytes, so a shell's printf makes them.
ProgramRun runProgramOnRawName(const std::string& rawName, const QStringList& more, const QString& folder)
{
    QString escaped;
    for (const unsigned char c : rawName)
        escaped += c >= 0x80 || c == '\\' || c == '%' ? QString::asprintf("\\%03o", c) : QString(QChar(c));
    return runProgram(
        QStringList{"-c", "name=$(printf \"$1\"); shift; exec \"$0\" \"$name\" \"$@\"", QUARRIX_EDITOR_EXE, escaped} +
            more,
        folder, {}, "/bin/sh");
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<MessageBoxRecorder> boxes;

private slots:
    void init() { boxes = std::make_unique<MessageBoxRecorder>(); }

    void cleanup() { boxes.reset(); }

    void cancellingTheFileChoiceEndsWithoutAWindow()
    {
        StdoutCapture out;
        const int exitCode = runEditor(StartOptions{}, [] { return std::optional<std::string>(); });
        QCOMPARE(out.text(), std::string("file reading error\n"));
        QCOMPARE(exitCode, 0);
        QVERIFY(boxes->boxes.empty());
        QVERIFY(!mainWindow);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void aLoadErrorAtStartUpIsShownWithoutOwnerAndEndsTheRun()
    {
        StartOptions options;
        options.romPath = dir.filePath("missing.nes").toStdString();
        StdoutCapture out;
        const int exitCode = runEditor(options);
        const std::string expected = "file '" + *options.romPath + "' not found";
        QCOMPARE(out.text(), expected + "\n");
        QCOMPARE(exitCode, 0);
        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QCOMPARE(boxes->boxes.front().text, expected);
        QCOMPARE(boxes->boxes.front().caption, std::string("error"));
        QCOMPARE(boxes->boxes.front().flags, MB_ICONEXCLAMATION);
        QVERIFY(boxes->boxes.front().owner == nullptr);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());

        // An image cut short fails the same way, with the stream's own words.
        const std::string shortPath = dir.filePath("short.nes").toStdString();
        std::ofstream(shortPath, std::ios::binary) << std::string(0x5000, '\0');
        options.romPath = shortPath;
        StdoutCapture quiet;
        QCOMPARE(runEditor(options), 0);
        QCOMPARE(boxes->boxes.back().text, std::string("not enough data in stream"));
    }

    void aUtf8FileNameReachesTheLoaderUnchanged()
    {
        // Valid UTF-8 whose bytes also read as EUC-JP: detecting the encoding would
        // turn it into another name.
        const std::string name = dir.path().toStdString() + "/\xE5\xB1\xA1\xE5\xB1\xA1.nes";
        QVERIFY(convertEncoding(name, "auto", "UTF-8") != name);
        writeDemoImage(name);

        QCOMPARE(chooseRomImage(chooses(name)), 0);
        QCOMPARE(romPath, name);
        QVERIFY(theEditor.object[0][0].isUsed());
    }

    void anErrorInsideTheLoopEndsItAndIsRaisedAfterwards()
    {
        QTimer::singleShot(10, [] { deferFatalError(std::make_exception_ptr(std::runtime_error("broken"))); });
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, runMessageLoop());
        // Raised once: the next loop runs normally.
        QVERIFY(runLoopFor(30));
    }

    // The one run in this process that builds the window: the toolkit registers the
    // window class once per process.
    void aFullRunStartsInTheChosenViewAndLeavesAScreenshot()
    {
        StartOptions options;
        options.romPath = writeDemoRomInto(dir);
        options.view = 3;
        options.screenshot = dir.filePath("shot.png").toStdString();
        int viewDuringRun = -1;
        QTimer::singleShot(100, [&] { viewDuringRun = theEditor.curTab; });
        // The window's first paint already shows the view, not an empty editing area.
        int viewsShownAtFirstPaint = -1;
        setEditAreaPaintObserver([&] {
            if (viewsShownAtFirstPaint < 0)
                viewsShownAtFirstPaint = applicationHost().viewsShown();
        });

        StdoutCapture out;
        QCOMPARE(runEditor(options), 0);

        QVERIFY(out.text().find("screenshot written to") != std::string::npos);
        QCOMPARE(viewDuringRun, 3);
        QVERIFY(viewsShownAtFirstPaint > 0);
        QVERIFY(boxes->boxes.empty());
        QVERIFY(!mainWindow);
        QImage shot(QString::fromStdString(*options.screenshot));
        QVERIFY(!shot.isNull());
        QVERIFY(shot.width() >= 500 && shot.height() >= 560);
        // Not a blank window: the chip sets of the demo image are on it.
        QVERIFY(shot.pixel(100, 100) != shot.pixel(500, 10) || shot.pixel(50, 200) != shot.pixel(500, 10));
    }

    void theProgramAnswersHelpAndVersion()
    {
        const ProgramRun version = runProgram({"--version"}, dir.path());
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.contains("1.2.0"));

        const ProgramRun help = runProgram({"--help"}, dir.path());
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("--demo"));
        QVERIFY(help.out.contains("--screenshot"));
    }

    void aMalformedCommandLineIsRefused()
    {
        const ProgramRun badView = runProgram({"--view", "5", "x.nes"}, dir.path());
        QVERIFY(badView.exitCode != 0);
        QVERIFY(badView.err.contains("--view"));

        const ProgramRun both = runProgram({"--demo", "x.nes"}, dir.path());
        QVERIFY(both.exitCode != 0);
        QVERIFY(both.err.contains("--demo"));
    }

    void aPaletteFileOfAnotherSizeOrUnreadableIsRefused()
    {
        QFile wrong(dir.filePath("wrong.pal"));
        QVERIFY(wrong.open(QIODevice::WriteOnly) && wrong.write(QByteArray(193, '\x10')) == 193);
        wrong.close();
        for (const QString& file : {wrong.fileName(), dir.filePath("missing.pal"), dir.path()}) {
            const ProgramRun run = runProgram({"--palette-file", file, "--demo"}, dir.path());
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains("the palette file '") && run.err.contains("' cannot be used: "),
                     qPrintable(run.err));
        }
    }

    void namesThatAreNotUtf8AreOpenedAsGivenAndShownReadably()
    {
        // "テスト" in Shift_JIS, as files unpacked from a Japanese archive are named.
        const std::string folder = dir.path().toStdString();
        const std::string shiftJis = folder + "/\x83\x65\x83\x58\x83\x67.nes";
        writeDemoImage(shiftJis);
        const ProgramRun opened = runProgramOnRawName(shiftJis, {"--screenshot", "sjis.png"}, dir.path());
        // The toolkit could not remove the file with the folder.
        std::remove(shiftJis.c_str());
        QCOMPARE(opened.exitCode, 0);
        QVERIFY(opened.out.contains("screenshot written to"));

        // The same name in EUC-JP, missing: the error shows it in UTF-8, and a
        // screenshot run ends with code 1 instead of waiting on a box.
        const ProgramRun missing =
            runProgramOnRawName(folder + "/\xA5\xC6\xA5\xB9\xA5\xC8.nes", {"--screenshot", "x.png"}, dir.path());
        QCOMPARE(missing.exitCode, 1);
        QCOMPARE(missing.out, QString::fromStdString("file '" + folder + "/\u30C6\u30B9\u30C8.nes' not found\n"));
    }

    void anErrorWithoutAScreenToShowItOnEndsTheRun()
    {
        // The offscreen platform shows no box anyone could close.
        const ProgramRun run = runProgram({"missing.nes"}, dir.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.contains("file 'missing.nes' not found"));
    }

    void withoutADisplayTheDemoLeavesAScreenshot()
    {
        const QString home = dir.filePath("home");
        const auto noDisplay = [&](QProcessEnvironment& environment) {
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(name);
            environment.insert("HOME", home);
            environment.insert("XDG_DATA_HOME", home + "/data");
        };
        const ProgramRun demo = runProgram({"--demo"}, dir.path(), noDisplay);
        QCOMPARE(demo.exitCode, 0);
        QVERIFY(demo.out.contains("No display"));
        const QString shot = dir.filePath("quarrix-demo.png");
        QVERIFY(demo.out.contains(shot));
        QVERIFY(!QImage(shot).isNull());
        // The demo image itself went into the user's data folder.
        QVERIFY(QFileInfo(home + "/data/quarrix-editor/quarrix-demo.nes").size() > 0x40000);

        // Without a ROM image there is nothing to show and no dialog to ask with.
        const ProgramRun bare = runProgram({}, dir.path(), noDisplay);
        QCOMPARE(bare.exitCode, 1);
        QVERIFY(bare.out.contains("--demo"));
    }

    void anImageOpenInAnotherEditorIsOpenedOnlyWhenTheUserSaysSo()
    {
        const std::string held = writeDemoRomInto(dir, "held.nes");
        const std::string other = writeDemoRomInto(dir, "other.nes");
        makeStateFolder(stateFolder() + "/locks");
        const QString lockPath = QFile::decodeName((stateFolder() + "/locks/" + imageStateKey(held) + ".lock").c_str());
        // Another editor's lock; this process is as alive as another editor's would be.
        QLockFile another(lockPath);
        QVERIFY(another.tryLock(0));

        std::vector<std::string> asked;
        int answer = IDNO;
        setMessageBoxHandler([&](const MessageBoxRequest& request) {
            asked.push_back(request.text);
            return answer;
        });
        // Cancel goes back to the file choice.
        QCOMPARE(chooseRomImage(chooses(held), chooses(other)), 0);
        QCOMPARE(romPath, other);
        QCOMPARE(asked.size(), std::size_t(1));
        const std::string question = "held.nes is already open in another Quarrix Editor (process " +
            std::to_string(QCoreApplication::applicationPid()) + ", since ";
        QVERIFY2(asked[0].starts_with(question) && asked[0].ends_with("). Open it anyway?"), asked[0].c_str());

        answer = IDYES;
        QCOMPARE(chooseRomImage(chooses(held)), 0);
        QCOMPARE(romPath, held);
        QCOMPARE(asked.size(), std::size_t(2));

        // A run no one watches neither asks nor takes the lock.
        another.unlock();
        setReportsWithoutBoxes(true);
        QCOMPARE(chooseRomImage(chooses(held)), 0);
        setReportsWithoutBoxes(false);
        QCOMPARE(asked.size(), std::size_t(2));
        QVERIFY(!QFile::exists(lockPath));
        // An editor that has the image open holds its lock, and gives it up at the end.
        QCOMPARE(chooseRomImage(chooses(held)), 0);
        QVERIFY(!another.tryLock(0));
        unlockImage();
        QVERIFY(another.tryLock(0));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
