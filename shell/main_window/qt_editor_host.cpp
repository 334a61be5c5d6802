#include "shell/main_window/qt_editor_host.h"

#include <algorithm>
#include <cstring>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QWidget>

#include "clipboard/selection_text.h"
#include "shell/main_window/selections.h"
#include "shell/main_window/view_picture.h"
#include "shell/session/app_state.h"
#include "shell/windows/replacement_dialog.h"

void QtEditorHost::setScrollPos(int pos)
{
    ::setScrollPos(pos);
}

void QtEditorHost::scrollBy(int delta)
{
    ::scrollBy(delta);
}

void QtEditorHost::selectStage(int stage)
{
    stageCombo->sendMessage(CB_SETCURSEL, WPARAM(stage), 0);
}

void QtEditorHost::selectPaletteEntry(int paletteSet)
{
    paletteCombo->sendMessage(CB_SETCURSEL, WPARAM(paletteSet), 0);
}

void QtEditorHost::selectTab(int tab)
{
    tabControl->sendMessage(TCM_SETCURSEL, WPARAM(tab), 0);
}

void QtEditorHost::applySelections()
{
    ::applySelections();
}

void QtEditorHost::messageBox(std::string_view text, std::string_view caption, MessageIcon icon)
{
    const UINT flags = icon == MessageIcon::Information ? MB_ICONASTERISK : MB_ICONEXCLAMATION;
    MessageBoxA(boxOwner(), std::string(text).c_str(), std::string(caption).c_str(), flags);
}

bool QtEditorHost::isKeyDown(int virtualKey) const
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

void QtEditorHost::drawText(Surface& surface, int x, int y, std::string_view text)
{
    texts_.draw(surface, x, y, text);
}

// The editing area keeps the last view it was shown and the toolkit repaints it from
// there whenever needed, so marking it here would only repaint unchanged pixels;
// showView repaints exactly what changed.
void QtEditorHost::invalidateView()
{}

void QtEditorHost::showView(const Surface& view, std::span<const Rect> copied, std::span<const Rect> leftOut)
{
    showPixels(view, copied, leftOut, std::nullopt);
}

void QtEditorHost::showViewChanges(const Surface& view, std::span<const Rect> copied, std::span<const Rect> leftOut,
                                   std::span<const Rect> changed, std::uint64_t since)
{
    showPixels(view, copied, leftOut, ViewChanges{changed, since});
}

void QtEditorHost::showPixels(const Surface& view, std::span<const Rect> copied, std::span<const Rect> leftOut,
                              std::optional<ViewChanges> changes)
{
    ++viewsShown_;
    if (!editArea)
        return;
    QWidget* area = editArea->handle();
    QImage* picture = staticPicture(area);
    if (!picture || picture->depth() != 32)
        return;
    // Most frames show a view surface untouched since its last copy into a picture that
    // nothing else has changed either: there is nothing to compare then. When only some
    // parts can have changed since, the rest needs no comparing either.
    const bool sameRects =
        std::equal(copied.begin(), copied.end(), lastShown_.copied.begin(), lastShown_.copied.end()) &&
        std::equal(leftOut.begin(), leftOut.end(), lastShown_.leftOut.begin(), lastShown_.leftOut.end());
    const bool sameAsShown = sameRects && &view == lastShown_.view && picture->cacheKey() == lastShown_.pictureKey;
    if (sameAsShown && view.version() == lastShown_.viewVersion)
        return;

    // The region's arithmetic costs more than the rest of a frame that shows a few parts.
    QRegion region = sameAsShown ? lastShown_.region : shownRegion(view, *picture, copied, leftOut);
    const QRegion shown = region;
    if (sameAsShown && changes && changes->since == lastShown_.viewVersion) {
        QRegion parts;
        for (const Rect& r : changes->changed)
            parts += QRect(r.x, r.y, r.width, r.height);
        region &= parts;
    }
    const QRegion changed = copyChangedPixels(view, *picture, region);
    if (!changed.isEmpty())
        updateStaticPicture(area, changed);
    lastShown_ = {
        &view, view.version(), picture->cacheKey(), {copied.begin(), copied.end()}, {leftOut.begin(), leftOut.end()},
        shown};
}

void QtEditorHost::writeClipboard(std::string_view text, const Surface& picture)
{
    auto* data = new QMimeData;
    const QByteArray bytes(text.data(), qsizetype(text.size()));
    data->setData(QString::fromLatin1(kSelectionMimeType.data(), qsizetype(kSelectionMimeType.size())), bytes);
    data->setText(QString::fromUtf8(bytes));
    if (picture.isCreated()) {
        // The pixels are 0xFFRRGGBB, the layout of a 32-bit RGB image.
        const QImage image(reinterpret_cast<const uchar*>(picture.data()), picture.width(), picture.height(),
                           picture.bytesPerLine(), QImage::Format_RGB32);
        data->setImageData(image.copy());
    }
    QApplication::clipboard()->setMimeData(data);
}

std::string QtEditorHost::readClipboard()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return {};
    const QString ours = QString::fromLatin1(kSelectionMimeType.data(), qsizetype(kSelectionMimeType.size()));
    const QByteArray bytes = data->hasFormat(ours) ? data->data(ours) : data->text().toUtf8();
    return bytes.toStdString();
}

std::optional<int> QtEditorHost::askReplacement(std::string_view prompt, int suggested, int highest)
{
    return askReplacementNumber(boxOwner(), prompt, suggested, highest);
}

QtEditorHost& applicationHost()
{
    static QtEditorHost host;
    return host;
}
