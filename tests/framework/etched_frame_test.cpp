#include "framework/etched_frame.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

using namespace tqr::fw;

namespace {

const QColor kPage(0x20, 0x60, 0x20); // a tab pane, not the window colour

// The frame painted over a page at `scale` device pixels per pixel.
QImage paint_frame(qreal scale, const QPalette& palette)
{
    QWidget box;
    box.setPalette(palette);
    box.resize(120, 50);
    QImage img(static_cast<int>(120 * scale), static_cast<int>(50 * scale), QImage::Format_ARGB32);
    img.setDevicePixelRatio(scale);
    img.fill(kPage);
    QPainter p(&img);
    paint_etched_frame(p, box, QStringLiteral("Send Mode"));
    return img;
}

QPalette test_palette()
{
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(0x31, 0x36, 0x3b));
    pal.setColor(QPalette::Mid, QColor(0x10, 0x10, 0x10));
    pal.setColor(QPalette::Light, QColor(0xf0, 0xf0, 0xf0));
    pal.setColor(QPalette::WindowText, QColor(0xff, 0xff, 0x00));
    return pal;
}

bool has_colour_in_column(const QImage& img, int x, QRgb colour)
{
    for (int y = 0; y < img.height(); ++y)
        if (img.pixel(x, y) == colour)
            return true;
    return false;
}

bool has_colour_in_row(const QImage& img, int y, QRgb colour)
{
    for (int x = 0; x < img.width(); ++x)
        if (img.pixel(x, y) == colour)
            return true;
    return false;
}

} // namespace

TEST(EtchedFrame, TheTitleSitsOnThePageWithoutAPatchOfTheWindowColour)
{
    const QImage img = paint_frame(1.0, test_palette());
    const QRgb window = test_palette().color(QPalette::Window).rgb();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_NE(img.pixel(x, y), window) << "a window-coloured patch at " << x << "," << y;
}

TEST(EtchedFrame, BothLinesOfTheEtchSurviveFractionalScaling)
{
    for (const qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        SCOPED_TRACE(scale);
        const QImage img = paint_frame(scale, test_palette());
        const QRgb mid = test_palette().color(QPalette::Mid).rgb();
        const QRgb light = test_palette().color(QPalette::Light).rgb();
        // Right and bottom edges: the shadow line and the light one beside it.
        const int right = img.width() - 2, bottom = img.height() - 2;
        EXPECT_TRUE(has_colour_in_column(img, right - 1, mid) || has_colour_in_column(img, right, mid));
        EXPECT_TRUE(has_colour_in_column(img, right, light) || has_colour_in_column(img, right + 1, light));
        EXPECT_TRUE(has_colour_in_row(img, bottom - 1, mid) || has_colour_in_row(img, bottom, mid));
        EXPECT_TRUE(has_colour_in_row(img, bottom, light) || has_colour_in_row(img, bottom + 1, light));
        // The left edge too, where the shadow lies under the light.
        EXPECT_TRUE(has_colour_in_column(img, 0, mid));
        EXPECT_TRUE(has_colour_in_column(img, 1, light));
    }
}
