// Records painted with the real fonts, and the protocol view: what a person
// sees (bars, right edges, the scroll bars' reach), scrolling by keys,
// measuring in stages, measuring anew on refresh and when the protocol
// changes. (A right click opens the document window's menu, as the sessions
// show.)
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include "bruchfonts.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protlayout.h"
#include "protmatrix.h"
#include "protstream.h"
#include "protview.h"
#include "qpainterdc.h"
#include "refreshevent.h"

namespace {

bool inked(const QImage& img, int x, int y) { return img.pixel(x, y) != qRgb(255, 255, 255); }

// The rightmost inked column between two rows, -1 when blank.
int rightmostInk(const QImage& img, int top, int bottom) {
    for (int x = img.width() - 1; x >= 0; --x)
        for (int y = std::max(top, 0); y < std::min(bottom, img.height()); ++y)
            if (inked(img, x, y)) return x;
    return -1;
}

// Units a scroll bar must move so that size fits into room.
int beyond(int size, int room, int unit) {
    return size > room ? (size - room + unit - 1) / unit : 0;
}

// A protocol of n lines and a 2 x 3 fraction snapshot after every tenth.
std::shared_ptr<protstream> longProtocol(int n) {
    auto p = std::make_shared<protstream>();
    matrix<reel> m(2, 3, p.get());
    m.at(0, 0) = reel(1, 2);
    m.at(1, 2) = reel(-7, 1, 3);
    for (int i = 0; i < n; ++i) {
        *p << "Zeile " << i << "\n";
        if (i % 10 == 9) *p << m;
    }
    *p << "Ende\n";
    return p;
}

class View : public testing::Test {
protected:
    // The plain view: its geometry is the simplest to predict.
    View() {
        s.notizen = false;
        s.screenMetrics = &QPainterDc::screenMetrics;
        s.remeasure();
    }
    // Measured whole on the image and drawn at (0, 0).
    QImage paint(const protobject& p, QSize size) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter painter(&img);
        QPainterDc d(painter);
        ProtLayout l;
        p.measure(l, s, d);
        p.draw(l, 0, 0, s, d, {-100000, -100000, 100000, 100000});
        return img;
    }
    static QFontMetrics metrics(const dcfont& f) {
        static const QImage probe(1, 1, QImage::Format_RGB32);
        return QFontMetrics(QPainterDc::font(f, &probe), &probe);
    }
    static int advance(const dcfont& f, const QString& text) {
        return metrics(f).horizontalAdvance(text);
    }
    // What the view's scroll bars must reach for the record measured whole.
    void expectReach(protview& v, const protobject& shown) {
        ProtLayout whole;
        QPainterDc d(v.viewport(), v.viewport()->font());
        shown.measure(whole, s, d);
        const QSize view = v.viewport()->size();
        EXPECT_EQ(v.verticalScrollBar()->maximum(),
                  beyond(whole.height, view.height(), s.fractionRowHeight()));
        EXPECT_EQ(v.horizontalScrollBar()->maximum(),
                  beyond(whole.width, view.width(), protview::horizontalUnit));
    }
    bruchfonts s;
    std::shared_ptr<protstream> protocol = longProtocol(200);
};

} // namespace

TEST_F(View, TheFractionBarLiesBetweenNumeratorAndDenominatorRightAlignedNumbersAtTheEdge) {
    auto m = std::make_unique<MatrixReel>(1, 1, nullptr);
    m->at(0, 0) = reel(3, 1, 2);
    QImage img = paint(protmatrix(std::move(m)), {200, 100});
    // The whole part starts after the gap, the fraction after "3" and WA / 2.
    const int x = s.addbreite + advance(s.fontA, "3") + s.avgWidthA / 2;
    const int bar = std::max(advance(s.fontB, "1"), advance(s.fontB, "2"));
    const int yb = s.heightB + s.bruchzr / 2;
    for (int i = x; i < x + bar; ++i) EXPECT_LT(qGray(img.pixel(i, yb)), 128) << i;
    EXPECT_NE(rightmostInk(img.copy(x, 0, bar + 1, yb), 0, yb), -1); // numerator above
    EXPECT_NE(rightmostInk(img.copy(x, yb + 1, bar + 1, 60), 0, 60), -1);

    auto f = std::make_unique<MatrixFloat>(2, 1, nullptr);
    f->at(0, 0) = 2;
    f->at(1, 0) = 22222;
    img = paint(protmatrix(std::move(f)), {300, 120});
    const QFontMetrics fm = metrics(s.fontA);
    // The glyph "2" ends its advance minus its right side bearing before the edge.
    const int inkEnd = s.addbreite + advance(s.fontA, "22222") -
                       fm.horizontalAdvance(QLatin1Char('2')) +
                       fm.boundingRect(QLatin1Char('2')).right();
    const int row = s.floatRowHeight();
    EXPECT_NEAR(rightmostInk(img, 0, row), inkEnd, 1);
    EXPECT_NEAR(rightmostInk(img, row, 2 * row), inkEnd, 1);
}

TEST_F(View, TheScrollBarsReachTheWholeProtocolAndKeysMoveThem) {
    protview view(protocol, s);
    view.resize(60, 240); // narrower than the protocol
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    expectReach(view, *protocol);
    QScrollBar& v = *view.verticalScrollBar();
    QScrollBar& h = *view.horizontalScrollBar();
    ASSERT_GE(h.maximum(), 1);
    for (const auto key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_Right,
                           Qt::Key_Left, Qt::Key_Left, Qt::Key_Right})
        QTest::keyClick(&view, key);
    EXPECT_EQ(v.value(), 1 + v.pageStep());
    EXPECT_EQ(h.value(), 1);
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(v.value(), 1);

    // End shows "Ende", the last line, at the bottom of the window.
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(v.value(), v.maximum());
    const QImage img = view.viewport()->grab().toImage();
    const int line = QFontMetrics(view.viewport()->font()).height();
    EXPECT_NE(rightmostInk(img, img.height() - line - s.fractionRowHeight(), img.height()), -1);
    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(v.value(), 0);
}

TEST_F(View, ItMeasuresAnewOnRefreshAndWhenTheProtocolChanges) {
    protview view(protocol, s);
    view.resize(300, 240);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const int before = view.verticalScrollBar()->maximum() * s.fractionRowHeight();
    s.fontB = {"Arial", 32};
    s.remeasure();
    postRefresh(&view);
    QCoreApplication::sendPostedEvents(&view, RefreshEventType);
    // The snapshots' rows grew, and with them the unit.
    EXPECT_GT(view.verticalScrollBar()->maximum() * s.fractionRowHeight(), before);
    expectReach(view, *protocol);

    // A run rewrites the protocol the view shows; its next picture shows the new one.
    protocol->clear();
    *protocol << "neu\n";
    view.viewport()->grab();
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 0);
}

TEST_F(View, ALongProtocolOpensAtOnceAndMeasuresItsMatricesWhenSeenOrWhileIdle) {
    // 30 steps with a matrix of 40 rows each; the last matrix is the widest.
    auto p = std::make_shared<protstream>();
    matrix<reel> m(40, 60, p.get());
    for (int i = 0; i < 30; ++i) {
        if (i == 29) m.at(39, 59) = reel(123456789, 1000);
        *p << "Schritt " << i << "\n" << m;
    }
    protview view(p, s);
    view.resize(300, 240);
    view.show(); // no events yet: the idle measuring has not begun
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0); // only the lines are measured
    ProtLayout whole;
    QPainterDc d(view.viewport(), view.viewport()->font());
    p->measure(whole, s, d);
    const QSize room = view.viewport()->size();
    const int across = protview::horizontalUnit;
    EXPECT_EQ(view.verticalScrollBar()->maximum(),
              beyond(whole.height, room.height(), s.fractionRowHeight()));
    // On screen: the first matrix, as wide as it is; while idle, the rest.
    const QImage top = view.viewport()->grab().toImage();
    EXPECT_NE(rightmostInk(top, 0, top.height()), -1);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(),
              beyond(whole.parts[1].width, room.width(), across));
    const int widest = beyond(whole.width, room.width(), across);
    ASSERT_GT(widest, view.horizontalScrollBar()->maximum());
    for (QDeadlineTimer t(10000);
         !t.hasExpired() && view.horizontalScrollBar()->maximum() < widest;)
        QCoreApplication::processEvents();
    expectReach(view, *p);
}
