// The painter adapter: fonts whose cell height is the described height,
// extents from the device, text placed by its top-left corner.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "qpainterdc.h"

namespace {

QImage blank(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// Bounding box of every pixel that is not white.
QRect ink(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(QPainterDcFonts, LargestPixelSizeWhoseCellHeightFitsTheDescribedHeight) {
    const QImage img = blank(4, 4);
    for (const int h : {8, 12, 16, 26, 40}) {
        const QFont f = QPainterDc::font({"Arial", h}, &img);
        EXPECT_LE(QFontMetrics(f, &img).height(), h) << h;
        QFont bigger = f;
        bigger.setPixelSize(f.pixelSize() + 1);
        EXPECT_GT(QFontMetrics(bigger, &img).height(), h) << h;
        EXPECT_EQ(f.family(), QStringLiteral("Arial"));
    }
}

TEST(QPainterDcFonts, ExtentsAndMetricsOfTheSelectedFontOnTheDevice) {
    const QImage img = blank(4, 4);
    QFont deviceFont(QStringLiteral("DejaVu Sans"));
    deviceFont.setPixelSize(11);
    QPainterDc d(&img, deviceFont);
    const QFontMetrics own(deviceFont, &img);
    EXPECT_EQ(d.textExtent("Gauss von").cx, own.horizontalAdvance(QStringLiteral("Gauss von")));
    EXPECT_EQ(d.textExtent("").cy, own.height()); // an empty line still has a height

    EXPECT_EQ(d.selectFont({"Arial", 26}), dcfont{});
    const QFontMetrics a(QPainterDc::font({"Arial", 26}, &img), &img);
    EXPECT_EQ(d.textExtent("-12").cx, a.horizontalAdvance(QStringLiteral("-12")));
    EXPECT_EQ(d.textExtent("L\xc3\xb6sung").cx, a.horizontalAdvance(QStringLiteral("Lösung")));
    EXPECT_EQ(d.metrics().height, a.height());
    EXPECT_EQ(d.metrics().avgWidth, a.averageCharWidth());
    EXPECT_EQ(d.selectFont({}), (dcfont{"Arial", 26}));
    EXPECT_EQ(d.textExtent("x").cx, own.horizontalAdvance(QLatin1Char('x')));
}

TEST(QPainterDcFonts, NumberWidthsAgreeWithQtsOwnLayoutOfTheText) {
    // Numbers are measured from their characters' advances; this must give
    // what laying out the whole text gives, for every size and face.
    const QImage img = blank(4, 4);
    const char* texts[] = {"0", "-1", "12", "111", "-2147483647", "3.14159", "+0.50",
                           "1e+300", "-1.5E-07", "7,25", "4444.4", "10101"};
    for (const char* face : {"Arial", "DejaVu Sans", "Liberation Serif", "Courier"})
        for (int h = 7; h <= 60; ++h) {
            const dcfont f{face, h};
            QPainterDc d(&img);
            d.selectFont(f);
            const QFontMetrics m(QPainterDc::font(f, &img), &img);
            for (const char* t : texts)
                ASSERT_EQ(d.textExtent(t).cx, m.horizontalAdvance(QString::fromLatin1(t)))
                    << face << " " << h << " " << t;
        }
}

TEST(QPainterDcDrawing, TextHangsFromItsTopLeftCornerAndLinesUseThePen) {
    QImage img = blank(120, 80);
    const QFont f = QPainterDc::font({"Arial", 26}, &img);
    const QFontMetrics m(f, &img);
    {
        QPainter p(&img);
        p.setPen(Qt::black);
        QPainterDc d(p);
        d.selectFont({"Arial", 26});
        d.textOut(10, 20, "8");
    }
    // The glyph lies inside its cell: from the top at 20 to 20 + height.
    const QRect glyph = ink(img);
    const QRect expected = m.boundingRect(QLatin1Char('8')).translated(10, 20 + m.ascent());
    EXPECT_NEAR(glyph.top(), expected.top(), 1);
    EXPECT_NEAR(glyph.bottom(), expected.bottom(), 1);
    EXPECT_NEAR(glyph.left(), expected.left(), 1);
    EXPECT_GE(glyph.top(), 20);
    EXPECT_LT(glyph.bottom(), 20 + m.height());

    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setPen(Qt::red);
        QPainterDc d(p);
        d.line(5, 70, 45, 70);
    }
    EXPECT_EQ(ink(img), QRect(QPoint(5, 70), QPoint(45, 70)));
    EXPECT_EQ(img.pixel(20, 70), qRgb(255, 0, 0));
}
