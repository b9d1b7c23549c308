// The painter adapter: fonts whose cell height is the described height,
// extents from the device, text placed by its top-left corner.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "qpainterdc.h"

TEST(QPainterDc, FontsFitTheirHeightExtentsAreQtsOwnAndTextIsPlacedByItsCorner) {
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

    // Text hangs from its top-left corner; lines use the pen.
    img.fill(Qt::white);
    const QFontMetrics m(QPainterDc::font({"Arial", 26}, &img), &img);
    {
        QPainter p(&img);
        p.setPen(Qt::red);
        QPainterDc on(p);
        on.selectFont({"Arial", 26});
        on.textOut(10, 20, "8");
        on.line(5, 70, 45, 70);
    }
    // The ink of the glyph lies inside its cell, from the top at 20 on; the
    // line is one pixel of the pen's colour from end to end.
    QRect ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb white = qRgb(255, 255, 255), pixel = img.pixel(x, y);
            if (y >= 60)
                ASSERT_EQ(pixel, y == 70 && x >= 5 && x <= 45 ? qRgb(255, 0, 0) : white)
                    << x << "," << y;
            else if (pixel != white)
                ink |= QRect(x, y, 1, 1);
        }
    const QRect glyph = m.boundingRect(QLatin1Char('8')).translated(10, 20 + m.ascent());
    EXPECT_NEAR(ink.top(), glyph.top(), 1);
    EXPECT_NEAR(ink.bottom(), glyph.bottom(), 1);
    EXPECT_NEAR(ink.left(), glyph.left(), 1);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LT(ink.bottom(), 20 + m.height());
}
