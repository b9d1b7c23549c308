// The painter adapter: fonts whose cell height is the described height,
// extents from the device. Where its text and lines land, the protocol view's
// pictures show.
#include <gtest/gtest.h>

#include <QImage>

#include "qpainterdc.h"

TEST(QPainterDc, FontsFitTheirHeightAndExtentsAreQtsOwn) {
    QImage img(120, 80, QImage::Format_RGB32);
    QFont deviceFont(QStringLiteral("DejaVu Sans"));
    deviceFont.setPixelSize(11);
    QPainterDc d(&img, deviceFont);
    const QFontMetrics own(deviceFont, &img);
    EXPECT_EQ(d.textExtent("").cy, own.height()); // an empty line still has a height
    EXPECT_EQ(d.selectFont({"Arial", 26}), dcfont{});
    const QFontMetrics a(QPainterDc::font({"Arial", 26}, &img), &img);
    EXPECT_EQ(d.textExtent("L\xc3\xb6sung").cx, a.horizontalAdvance(QStringLiteral("Lösung")));
    EXPECT_EQ(d.metrics().height, a.height());
    EXPECT_EQ(d.metrics().avgWidth, a.averageCharWidth());
    EXPECT_EQ(d.selectFont({}), (dcfont{"Arial", 26}));
    EXPECT_EQ(d.textExtent("Gauss von").cx, own.horizontalAdvance(QStringLiteral("Gauss von")));
    // The largest pixel size whose cell fits; numbers are measured from their
    // characters' advances, which must give what laying out the text gives.
    for (const char* face : {"Arial", "DejaVu Sans", "Liberation Serif", "Courier"})
        for (int h = 7; h <= 60; ++h) {
            const QFont f = QPainterDc::font({face, h}, &img);
            QFont bigger = f;
            bigger.setPixelSize(f.pixelSize() + 1);
            ASSERT_LE(QFontMetrics(f, &img).height(), h) << face << h;
            ASSERT_GT(QFontMetrics(bigger, &img).height(), h) << face << h;
            ASSERT_EQ(f.family(), QString::fromLatin1(face));
            d.selectFont({face, h});
            for (const char* t : {"0", "-1", "12", "111", "-2147483647", "3.14159", "+0.50",
                                  "1e+300", "-1.5E-07", "7,25", "4444.4", "10101"})
                ASSERT_EQ(d.textExtent(t).cx, QFontMetrics(f, &img).horizontalAdvance(t))
                    << face << " " << h << " " << t;
        }
}
