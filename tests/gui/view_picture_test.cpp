// What reaches the editing area's picture when a view is shown: the copied rectangles
// less the left-out ones, within both images, and only the rows that changed are
// reported for repainting.

#include <QImage>
#include <QtTest>

#include "shell/main_window/view_picture.h"

namespace {

constexpr Colour kRed = rgb(0xFF, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 0xFF);

QImage whitePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

Colour at(const QImage& picture, int x, int y)
{
    return Colour(picture.pixel(x, y));
}

}  // namespace

class ViewPictureTest : public QObject {
    Q_OBJECT

private slots:
    void leftOutRectanglesAndTheOutsideStayUntouched()
    {
        Surface view(512, 528);
        view.fillAll(kRed);
        QImage picture = whitePicture(514, 520);  // wider but shorter than the view

        const Rect copied[] = {{0, 0, 512, 256}, {0, 272, 512, 256}};
        const Rect leftOut[] = {{128, 320, 80, 32}};
        const QRegion region = shownRegion(view, picture, copied, leftOut);
        const QRegion changed = copyChangedPixels(view, picture, region);

        QCOMPARE(at(picture, 0, 0), kRed);
        QCOMPARE(at(picture, 511, 255), kRed);
        QCOMPARE(at(picture, 10, 260), kWhite);   // the scroll-bar band
        QCOMPARE(at(picture, 130, 330), kWhite);  // under a step button
        QCOMPARE(at(picture, 512, 10), kWhite);   // beyond the view's width
        QCOMPARE(at(picture, 10, 519), kRed);     // the picture's last row
        QVERIFY(!changed.contains(QPoint(130, 330)));
        QVERIFY(changed.contains(QPoint(10, 519)));
        QVERIFY(changed.boundingRect().bottom() <= 519);
    }

    void anUnchangedViewNeedsNoRepaint()
    {
        Surface view(64, 64);
        view.fillAll(kWhite);
        QImage picture = whitePicture(64, 64);
        const Rect copied[] = {{0, 0, 64, 64}};
        const QRegion region = shownRegion(view, picture, copied, {});

        QVERIFY(copyChangedPixels(view, picture, region).isEmpty());

        view.setPixel(5, 7, kBlue);
        view.setPixel(9, 20, kBlue);
        const QRegion changed = copyChangedPixels(view, picture, region);
        QCOMPARE(at(picture, 5, 7), kBlue);
        QCOMPARE(at(picture, 9, 20), kBlue);
        // Only the band of rows 7 to 20 is repainted.
        QCOMPARE(changed.boundingRect(), QRect(0, 7, 64, 14));

        QVERIFY(copyChangedPixels(view, picture, region).isEmpty());
    }

    void aViewNotYetCreatedShowsNothing()
    {
        Surface view;
        QImage picture = whitePicture(32, 32);
        const Rect copied[] = {{0, 0, 512, 528}};
        QVERIFY(shownRegion(view, picture, copied, {}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ViewPictureTest)
#include "view_picture_test.moc"
