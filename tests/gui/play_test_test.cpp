// F5 with a stand-in emulator, a script that records its arguments and the bytes of
// the image it was given: the copy holds the unsaved edits, the image on disk stays as
// it was, %f, where the command comes from, and what the user reads when there is none.

#include <signal.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

#include "gui_support.h"
#include "rom/save_rom.h"
#include "shell/main_window/main_window.h"
#include "shell/session/play_test.h"
#include "shell/session/settings.h"
#include "shell/startup/startup.h"
#include "shell/windows/emulator_choice.h"

namespace {

void pressKey(Qt::Key key)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : mainWindow->handle(), key);
}

// Writes an executable shell script; it runs with whatever PATH the test sets, so it
// names its tools in full.
QString writeScript(const QString& path, const QByteArray& body)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\n" + body) < 0)
        return {};
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

struct Run {
    qint64 pid;
    QStringList arguments;
    QByteArray image;
};

}  // namespace

class PlayTestTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::string demoPath;
    QString recordDir;
    QString emulator;
    QByteArray savedPath;
    std::unique_ptr<MessageBoxRecorder> boxes;

    QString playtestDir() const { return dir.filePath("state/quarrix-editor/playtest"); }

    // Every run the stand-in recorded, in the order they finished.
    std::vector<Run> runs() const
    {
        std::vector<Run> found;
        const QStringList names = QDir(recordDir).entryList({"*.args"}, QDir::Files, QDir::Time | QDir::Reversed);
        for (const QString& name : names) {
            QFile args(recordDir + "/" + name);
            QFile image(recordDir + "/" + QFileInfo(name).completeBaseName() + ".image");
            if (!args.open(QIODevice::ReadOnly) || !image.open(QIODevice::ReadOnly))
                continue;
            QStringList arguments = QString::fromUtf8(args.readAll()).split('\n');
            arguments.removeLast();
            found.push_back({QFileInfo(name).completeBaseName().toLongLong(), arguments, image.readAll()});
        }
        return found;
    }

    // Whether a process of the program called name runs with a play-test copy as an
    // argument.
    bool emulatorRunsOnACopy(const QString& name) const
    {
        for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
            QFile file("/proc/" + pid + "/cmdline");
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QList<QByteArray> words = file.readAll().split('\0');
            if (words.size() > 1 && QFileInfo(QString::fromUtf8(words[0])).fileName() == name &&
                std::any_of(words.begin() + 1, words.end(),
                            [&](const QByteArray& w) { return QString::fromUtf8(w).startsWith(playtestDir()); }))
                return true;
        }
        return false;
    }

    std::vector<std::uint8_t> expectedCopy() const
    {
        std::vector<std::uint8_t> bytes = readFile(demoPath);
        writeEditableTables(theEditor, bytes);
        return bytes;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        qputenv("XDG_STATE_HOME", dir.filePath("state").toUtf8());
        qunsetenv("QUARRIX_EMULATOR");
        savedPath = qgetenv("PATH");
        recordDir = dir.filePath("runs");
        QVERIFY(QDir().mkpath(recordDir));
        // Records the arguments and the image (the argument that names a file, also
        // after "--rom="), then stays a while, as an emulator does.
        emulator = writeScript(dir.filePath("stand-in"),
                               "for a in \"$@\"; do f=\"${a#--rom=}\"; [ -f \"$f\" ] && /bin/cat \"$f\" > " +
                                   QFile::encodeName(recordDir) +
                                   "/$$.image; done\n"
                                   "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > " +
                                   QFile::encodeName(recordDir) + "/$$.tmp\n/bin/mv " + QFile::encodeName(recordDir) +
                                   "/$$.tmp " + QFile::encodeName(recordDir) + "/$$.args\nexec /bin/sleep 5\n");
        QVERIFY(!emulator.isEmpty());

        demoPath = startOnDemoImage(dir);
        QVERIFY(!demoPath.empty());
        QVERIFY(QTest::qWaitForWindowActive(mainWindow->handle()));
    }

    void init()
    {
        boxes = std::make_unique<MessageBoxRecorder>();
        mainWindow->setFocus();
    }

    void cleanup()
    {
        for (const Run& run : runs())
            ::kill(pid_t(-run.pid), SIGTERM);
        for (const QString& name : QDir(recordDir).entryList(QDir::Files))
            QFile::remove(recordDir + "/" + name);
        boxes.reset();
        setEmulatorOption(std::nullopt);
        qunsetenv("QUARRIX_EMULATOR");
        qputenv("PATH", savedPath);
    }

    void cleanupTestCase()
    {
        releaseUi();
        removePlaytestCopies();
        QVERIFY(QDir(playtestDir()).entryList(QDir::Files).isEmpty());
    }

    void f5PlaysTheUnsavedEditsAndLeavesTheImageAlone()
    {
        const std::vector<std::uint8_t> onDisk = readFile(demoPath);
        theEditor.pageSet[0][0] ^= 0x1F;  // unsaved
        theEditor.chip[9][3].tile[2] ^= 0xFF;
        const std::uint8_t edited = theEditor.pageSet[0][0];
        setEmulatorOption((emulator + " --fullscreen").toStdString());

        // The editor goes on while the emulator runs, and a second F5 starts another.
        pressKey(Qt::Key_F5);
        QTRY_COMPARE(runs().size(), std::size_t(1));
        pressKey(Qt::Key_F5);
        QTRY_COMPARE(runs().size(), std::size_t(2));
        QVERIFY(boxes->boxes.empty());

        const std::vector<Run> started = runs();
        const std::vector<std::uint8_t> expected = expectedCopy();
        for (const Run& run : started) {
            QCOMPARE(run.arguments.size(), 2);
            QCOMPARE(run.arguments[0], QString("--fullscreen"));
            QCOMPARE(QFileInfo(run.arguments[1]).absolutePath(), playtestDir());
            QVERIFY(run.image ==
                    QByteArray(reinterpret_cast<const char*>(expected.data()), qsizetype(expected.size())));
        }
        QVERIFY(started[0].arguments[1] != started[1].arguments[1]);
        QCOMPARE(::kill(pid_t(started[0].pid), 0), 0);  // the first is still running
        QVERIFY(readFile(demoPath) == onDisk);
        QCOMPARE(theEditor.pageSet[0][0], edited);
    }

    void percentFStandsForTheImage()
    {
        setEmulatorOption((emulator + " \"--rom=%f\" -x").toStdString());
        pressKey(Qt::Key_F5);
        QTRY_COMPARE(runs().size(), std::size_t(1));
        const QStringList arguments = runs()[0].arguments;
        QCOMPARE(arguments.size(), 2);
        QVERIFY(arguments[0].startsWith("--rom=" + playtestDir() + "/"));
        QCOMPARE(arguments[1], QString("-x"));
    }

    void theOptionComesBeforeTheVariableTheVariableBeforeTheChoiceAndTheChoiceBeforePath()
    {
        const QString bin = dir.filePath("bin");
        QVERIFY(QDir().mkpath(bin));
        qputenv("PATH", QFile::encodeName(bin));
        for (const char* name : {"mednafen", "nestopia"})
            QVERIFY(!writeScript(bin + "/" + name, "exit 0\n").isEmpty());
        QCOMPARE(findEmulator()->command, bin + "/nestopia");
        QVERIFY(!writeScript(bin + "/fceux", "exit 0\n").isEmpty());
        QCOMPARE(findEmulator()->command, bin + "/fceux");
        QCOMPARE(findEmulator()->source, QString("PATH"));

        // Tools > Choose Emulator...
        setEmulatorDialog([](const std::string&) { return std::optional<std::string>("from-choice %f"); });
        chooseEmulator();
        setEmulatorDialog({});
        QCOMPARE(findEmulator()->command, QString("from-choice %f"));
        qputenv("QUARRIX_EMULATOR", "from-variable %f");
        QCOMPARE(findEmulator()->command, QString("from-variable %f"));
        saveEmulator("");
        setEmulatorOption("from-option");
        QCOMPARE(findEmulator()->command, QString("from-option"));
        QCOMPARE(findEmulator()->source, QString("--emulator"));
    }

    void withoutAnEmulatorTheBoxSaysWhatWasTriedAndHowToInstallOne()
    {
        const QString empty = dir.filePath("empty");
        QVERIFY(QDir().mkpath(empty));
        qputenv("PATH", QFile::encodeName(empty));
        const QStringList copiesBefore = QDir(playtestDir()).entryList(QDir::Files);
        const std::uint8_t page = theEditor.pageSet[0][0];

        pressKey(Qt::Key_F5);
        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        const QString text = QString::fromStdString(boxes->boxes[0].text);
        for (const char* part : {"QUARRIX_EMULATOR", "fceux", "nestopia", "mednafen", "apt-get install fceux"})
            QVERIFY2(text.contains(part), qPrintable(text));
        QCOMPARE(QDir(playtestDir()).entryList(QDir::Files), copiesBefore);
        QCOMPARE(theEditor.pageSet[0][0], page);

        // One that cannot start: the same advice, and its copy goes again.
        setEmulatorOption(dir.filePath("no-such-emulator").toStdString());
        pressKey(Qt::Key_F5);
        QCOMPARE(boxes->boxes.size(), std::size_t(2));
        QVERIFY(QString::fromStdString(boxes->boxes[1].text).contains("apt-get install fceux"));
        QCOMPARE(QDir(playtestDir()).entryList(QDir::Files), copiesBefore);
    }

    void aRealEmulatorStartsUnderXvfb()
    {
        const QString xvfbRun = QStandardPaths::findExecutable("xvfb-run");
        QString real;
        for (const char* name : kKnownEmulators)
            if (real.isEmpty())
                real = QStandardPaths::findExecutable(name);
        if (real.isEmpty() || xvfbRun.isEmpty())
            QSKIP("no emulator (fceux, nestopia, mednafen) or no xvfb-run installed: the real start is not tried");

        setEmulatorOption((xvfbRun + " -a " + real).toStdString());
        pressKey(Qt::Key_F5);
        QVERIFY(boxes->boxes.empty());
        const pid_t pid = pid_t(lastEmulatorProcess());
        QVERIFY(pid > 0);
        // The emulator itself, a few processes down, runs on the copy. Whether it then
        // gets on with a virtual display is its own affair.
        QTRY_VERIFY(emulatorRunsOnACopy(QFileInfo(real).fileName()));
        ::kill(-pid, SIGTERM);
    }
};

QTEST_MAIN(PlayTestTest)
#include "play_test_test.moc"
