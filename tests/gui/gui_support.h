#pragma once

// Helpers of the application tests: the demo image in a temporary folder, message
// boxes answered and recorded, a host that also records the texts drawn, the message
// loop run for a while, and standard output captured.

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <unistd.h>

#include "demo/demo_image.h"
#include "shell/main_window/application_commands.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/message_loop.h"
#include "shell/main_window/qt_editor_host.h"
#include "shell/main_window/selections.h"
#include "shell/session/app_state.h"
#include "shell/startup/startup.h"
#include "swc/user32.h"

// Writes the demo image into dir under name and returns its path.
inline std::string writeDemoRomInto(const QTemporaryDir& dir, const char* name = "demo.nes")
{
    const std::string path = dir.filePath(name).toStdString();
    writeDemoImage(path);
    return path;
}

// Starts as the program does on the demo image written into dir: the image chosen
// and loaded, then the main window built. Returns the image's path, or an empty one
// when the image could not be chosen.
inline std::string startOnDemoImage(const QTemporaryDir& dir)
{
    const std::string path = writeDemoRomInto(dir);
    if (chooseRomImage([&] { return std::optional<std::string>(path); }) != 0)
        return {};
    buildUi(commandEnabled);
    return path;
}

inline std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Answers every message box with OK and keeps what it asked, for as long as it lives.
class MessageBoxRecorder {
public:
    MessageBoxRecorder()
    {
        setMessageBoxHandler([this](const MessageBoxRequest& request) {
            boxes.push_back(request);
            return IDOK;
        });
    }
    ~MessageBoxRecorder() { setMessageBoxHandler({}); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<MessageBoxRequest> boxes;
};

// The application's host that also notes every text the views draw, by position.
class TextRecordingHost : public QtEditorHost {
public:
    void drawText(Surface& surface, int x, int y, std::string_view text) override
    {
        texts[{x, y}] = std::string(text);
        QtEditorHost::drawText(surface, x, y, text);
    }
    std::string textAt(int x, int y) const
    {
        const auto found = texts.find({x, y});
        return found == texts.end() ? std::string() : found->second;
    }
    std::map<std::pair<int, int>, std::string> texts;
};

// Runs the real message loop for about ms milliseconds and reports whether it ended by
// the timeout (true) rather than by the program's own quit.
inline bool runLoopFor(int ms)
{
    bool timedOut = false;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        PostQuitMessage(0);
    });
    timeout.start(ms);
    runMessageLoop();
    return timedOut;
}

// Collects what the code under test writes to standard output while it lives.
class StdoutCapture {
public:
    StdoutCapture() : file_(std::tmpfile())
    {
        std::fflush(stdout);
        saved_ = dup(fileno(stdout));
        dup2(fileno(file_), fileno(stdout));
    }
    ~StdoutCapture()
    {
        restore();
        std::fclose(file_);
    }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    // Everything written so far; standard output is back to normal afterwards.
    std::string text()
    {
        restore();
        std::string result;
        std::rewind(file_);
        for (int c; (c = std::fgetc(file_)) != EOF;)
            result += char(c);
        return result;
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stdout);
        dup2(saved_, fileno(stdout));
        close(saved_);
        saved_ = -1;
    }
    std::FILE* file_;
    int saved_ = -1;
};

// Runs a test object on one offscreen screen of 4096 x 2400, where the main window fits
// at its largest zoom: for tests of the zoom and of panels docked around it.
template <typename Test>
int runOnBigScreen(int argc, char** argv)
{
    QTemporaryDir config;
    const QString file = config.filePath("screens.json");
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    out.write(R"({"screens": [{"name": "big", "x": 0, "y": 0, "width": 4096, "height": 2400,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    out.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file).toLocal8Bit());
    QApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
