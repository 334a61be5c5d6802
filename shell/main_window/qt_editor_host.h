#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QImage>
#include <QRegion>

#include "model/editor_host.h"
#include "shell/session/text_pictures.h"

// The editor's view of the application: scrolling and selections go to the
// controls of the main window, texts are drawn with the platform's default font and
// the composed view is shown in the editing area.
class QtEditorHost : public EditorHost {
public:
    void setScrollPos(int pos) override;
    void scrollBy(int delta) override;
    void selectStage(int stage) override;
    void selectPaletteEntry(int paletteSet) override;
    void selectTab(int tab) override;
    void applySelections() override;
    void messageBox(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool isKeyDown(int virtualKey) const override;
    void drawText(Surface& surface, int x, int y, std::string_view text) override;
    void invalidateView() override;
    void showView(const Surface& view, std::span<const Rect> copied, std::span<const Rect> leftOut) override;
    void showViewChanges(const Surface& view, std::span<const Rect> copied, std::span<const Rect> leftOut,
                         std::span<const Rect> changed, std::uint64_t since) override;
    void writeClipboard(std::string_view text, const Surface& picture) override;
    std::string readClipboard() override;
    std::optional<int> askReplacement(std::string_view prompt, int suggested, int highest) override;

    // Views shown so far.
    int viewsShown() const { return viewsShown_; }

private:
    // Copies the pixels of the shown region that differ into the editing area's picture
    // and has them repainted; only those in changed when the picture holds the view as
    // it was at version since.
    struct ViewChanges {
        std::span<const Rect> changed;
        std::uint64_t since = 0;
    };
    void showPixels(const Surface& view, std::span<const Rect> copied, std::span<const Rect> leftOut,
                    std::optional<ViewChanges> changes);

    TextPictures texts_;
    int viewsShown_ = 0;

    // What showView last copied into the editing area's picture, and the picture's
    // key once it had.
    struct ShownView {
        const Surface* view = nullptr;
        std::uint64_t viewVersion = 0;
        qint64 pictureKey = 0;
        std::vector<Rect> copied;
        std::vector<Rect> leftOut;
        QRegion region;  // of copied and leftOut, kept for the frames that show the same
    };
    ShownView lastShown_;
};

// The host that buildUi installs.
QtEditorHost& applicationHost();
