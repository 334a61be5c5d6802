// The captions the views draw are part of their pictures: the desktop's font, which a
// Japanese locale or the user's settings change, must not change them.

#include <QApplication>
#include <QFont>
#include <QtTest>
#include <algorithm>

#include "shell/session/text_pictures.h"

class TextPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void theDesktopFontLeavesTheCaptionsAsTheyAre()
    {
        auto drawCaption = [] {
            Surface surface(96, 20);
            std::fill_n(surface.data(), 96 * 20, rgb(0, 0, 0));
            TextPictures().draw(surface, 2, 2, "Page:2F");
            return std::vector<Colour>(surface.data(), surface.data() + 96 * 20);
        };
        const std::vector<Colour> before = drawCaption();
        QVERIFY(std::count(before.begin(), before.end(), rgb(0, 0, 0)) < 96 * 20);

        const QFont desktopFont = QApplication::font();
        QFont other(QStringLiteral("DejaVu Serif"));
        other.setPixelSize(17);
        QApplication::setFont(other);
        const std::vector<Colour> after = drawCaption();
        QApplication::setFont(desktopFont);
        QVERIFY(before == after);
    }
};

QTEST_MAIN(TextPicturesTest)
#include "text_pictures_test.moc"
