// Records painted with the real fonts, and the protocol view: what a person
// sees (bars, right edges, nothing outside the clip), scrolling by keys,
// re-measuring on refresh, right clicks left to the document window.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include "bruchfonts.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protmatrix.h"
#include "protstream.h"
#include "protview.h"
#include "qpainterdc.h"
#include "refreshevent.h"

namespace {

constexpr dcrect everything{-100000, -100000, 100000, 100000};

bool dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 128; }
bool inked(const QImage& img, int x, int y) { return img.pixel(x, y) != qRgb(255, 255, 255); }

// Rightmost and leftmost inked columns between two rows, -1 when blank.
int rightmostInk(const QImage& img, int top, int bottom) {
    for (int x = img.width() - 1; x >= 0; --x)
        for (int y = std::max(top, 0); y < std::min(bottom, img.height()); ++y)
            if (inked(img, x, y)) return x;
    return -1;
}

class Painted : public testing::Test {
protected:
    Painted() {
        s.screenMetrics = &QPainterDc::screenMetrics;
        s.remeasure();
    }
    // Measures on the image and draws at (0, 0) with the given clip.
    QImage paint(protobject& p, QSize size, dcrect clip = everything) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter painter(&img);
        QPainterDc d(painter);
        p.measure(s, d);
        p.draw(0, 0, s, d, clip);
        return img;
    }
    static protmatrix exact(const std::vector<reel>& row) {
        auto m = std::make_unique<MatrixReel>(1, int(row.size()), nullptr);
        for (std::size_t c = 0; c < row.size(); ++c) m->at(0, int(c)) = row[c];
        return protmatrix(std::move(m));
    }
    static int advance(const dcfont& f, const QString& text) {
        QImage probe(1, 1, QImage::Format_RGB32);
        return QFontMetrics(QPainterDc::font(f, &probe), &probe).horizontalAdvance(text);
    }
    bruchfonts s;
};

// A protocol of n lines and a 2 x 3 fraction snapshot after every tenth.
std::unique_ptr<protstream> longProtocol(int n) {
    auto p = std::make_unique<protstream>();
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

} // namespace

TEST_F(Painted, TheFractionBarLiesBetweenNumeratorAndDenominator) {
    protmatrix p = exact({reel(3, 1, 2)});
    const QImage img = paint(p, {200, 100});
    // Right-aligned at the column's edge, which is as wide as the layout:
    // the whole part starts after the gap, the fraction after "3" and WA / 2.
    const int x = s.addbreite + advance(s.fontA, "3") + s.avgWidthA / 2;
    const int bar = std::max(advance(s.fontB, "1"), advance(s.fontB, "2"));
    const int yb = s.heightB + s.bruchzr / 2;
    for (int i = x; i < x + bar; ++i) EXPECT_TRUE(dark(img, i, yb)) << i;
    // Numerator above the bar row, denominator below it.
    EXPECT_NE(rightmostInk(img.copy(x, 0, bar + 1, yb), 0, yb), -1);
    EXPECT_NE(rightmostInk(img.copy(x, yb + 1, bar + 1, 60), 0, 60), -1);
}

TEST_F(Painted, RightAlignedNumbersEndAtTheColumnEdge) {
    auto m = std::make_unique<MatrixFloat>(2, 1, nullptr);
    m->at(0, 0) = 2;
    m->at(1, 0) = 22222;
    protmatrix p(std::move(m));
    const QImage img = paint(p, {300, 120});
    const int edge = s.addbreite + advance(s.fontA, "22222");
    QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics fm(QPainterDc::font(s.fontA, &probe), &probe);
    // The glyph "2" ends its advance minus its right side bearing before the edge.
    const int inkEnd = edge - fm.horizontalAdvance(QLatin1Char('2')) +
                       fm.boundingRect(QLatin1Char('2')).right();
    const int row = s.floatRowHeight();
    EXPECT_NEAR(rightmostInk(img, 0, row), inkEnd, 1);
    EXPECT_NEAR(rightmostInk(img, row, 2 * row), inkEnd, 1);
}

TEST_F(Painted, ColumnsOutsideTheClipStayBlank) {
    protmatrix p = exact({reel(111), reel(222), reel(333)});
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainterDc measuring(&probe);
    p.measure(s, measuring);
    const int g = s.addbreite, w = p.columnWidths[0];
    const int middleLeft = 2 * g + w, middleRight = middleLeft + p.columnWidths[1];
    const QImage img = paint(p, {400, 80}, {middleLeft, 0, middleRight, 79});
    EXPECT_EQ(rightmostInk(img.copy(0, 0, middleLeft, 80), 0, 80), -1);
    EXPECT_NE(rightmostInk(img, 0, 80), -1);
    EXPECT_LE(rightmostInk(img, 0, 80), middleRight);
}

class View : public Painted {
protected:
    std::unique_ptr<protstream> protocol = longProtocol(200);
    protview view{protocol.get(), s};
    QScrollBar& v = *view.verticalScrollBar();
    QScrollBar& h = *view.horizontalScrollBar();
    View() {
        view.resize(300, 240);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
};

TEST_F(View, AnEmptyProtocolCannotScroll) {
    protstream empty;
    protview e(&empty, s);
    e.resize(200, 200);
    EXPECT_EQ(e.horizontalRange(), 0);
    EXPECT_EQ(e.verticalRange(), 0);
    EXPECT_EQ(e.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(e.horizontalScrollBar()->maximum(), 0);
}

TEST_F(View, RangesInUnitsAndTheWholeProtocolReachable) {
    const int unit = s.fractionRowHeight();
    EXPECT_EQ(view.verticalUnit(), unit);
    EXPECT_EQ(view.verticalRange(), protocol->height / unit);
    EXPECT_EQ(view.horizontalRange(), protocol->width / protview::horizontalUnit);
    const int shown = view.viewport()->height();
    EXPECT_GE(v.maximum() * unit + shown, protocol->height);
    EXPECT_LT((v.maximum() - 1) * unit + shown, protocol->height);
}

TEST_F(View, EndShowsTheLastLineAndHomeTheFirst) {
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(v.value(), v.maximum());
    // "Ende", the last record, is painted at the bottom of the window.
    const QImage img = view.viewport()->grab().toImage();
    const int lastTop = protocol->height - protocol->records().back()->height;
    const int onScreen = lastTop - v.value() * view.verticalUnit();
    EXPECT_NE(rightmostInk(img, onScreen, onScreen + protocol->records().back()->height), -1);
    EXPECT_LE(onScreen + protocol->records().back()->height, img.height());
    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(v.value(), 0);
}

TEST_F(View, UpDownByOneUnitPagesByTheWindowLeftRightSideways) {
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(v.value(), 1);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(v.value(), 1 + v.pageStep());
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_EQ(v.value(), 1);

    view.resize(60, 240); // narrower than the protocol
    ASSERT_GE(h.maximum(), 1);
    h.setValue(0);
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(h.value(), 1);
    QTest::keyClick(&view, Qt::Key_Left);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(h.value(), 0);
    EXPECT_EQ(v.value(), 1);
}

TEST_F(View, RefreshAfterABiggerFontBRemeasuresAndRescalesTheUnit) {
    const int oldHeight = protocol->height;
    s.fontB = {"Arial", 32};
    s.remeasure();
    postRefresh(&view);
    QCoreApplication::sendPostedEvents(&view, RefreshEventType);
    const int unit = s.fractionRowHeight();
    EXPECT_EQ(view.verticalUnit(), unit);
    EXPECT_GT(protocol->height, oldHeight); // the snapshots' rows grew
    EXPECT_EQ(view.verticalRange(), protocol->height / unit);
    EXPECT_GE(v.maximum() * unit + view.viewport()->height(), protocol->height);
}

TEST_F(Painted, ALongProtocolOpensAtOnceAndMeasuresItsMatricesWhenSeenOrWhileIdle) {
    // 30 steps with a matrix of 40 rows each; the last matrix is the widest.
    auto p = std::make_unique<protstream>();
    matrix<reel> m(40, 60, p.get());
    for (int i = 0; i < 30; ++i) {
        if (i == 29) m.at(39, 59) = reel(123456789, 1000);
        *p << "Schritt " << i << "\n" << m;
    }
    const auto matrixAt = [&p](int i) -> const protmatrix& {
        return static_cast<const protmatrix&>(**std::next(p->records().begin(), 2 * i + 1));
    };
    protview view(p.get(), s);
    view.resize(300, 240);
    view.show(); // no events yet: the idle measuring has not begun
    const int unit = s.fractionRowHeight();
    EXPECT_EQ(p->height, 30 * (p->records().front()->height + 40 * unit));
    EXPECT_EQ(view.verticalRange(), p->height / unit);
    EXPECT_FALSE(matrixAt(0).measured());

    const QImage top = view.viewport()->grab().toImage();
    EXPECT_TRUE(matrixAt(0).measured()); // on screen
    EXPECT_FALSE(matrixAt(29).measured());
    EXPECT_NE(rightmostInk(top, 0, top.height()), -1);
    EXPECT_EQ(view.horizontalRange(), matrixAt(0).width / protview::horizontalUnit);

    while (view.measuringInBackground()) QCoreApplication::processEvents();
    EXPECT_TRUE(matrixAt(29).measured());
    EXPECT_GT(matrixAt(29).width, matrixAt(0).width);
    EXPECT_EQ(view.horizontalRange(), matrixAt(29).width / protview::horizontalUnit);
    const int staged = p->width;
    QPainterDc d(view.viewport(), view.viewport()->font());
    p->measure(s, d);
    EXPECT_EQ(staged, p->width);
}

namespace {

class Window : public QWidget {
public:
    QPoint menuAt{-1, -1};

protected:
    void contextMenuEvent(QContextMenuEvent* e) override { menuAt = e->pos(); }
};

} // namespace

TEST_F(Painted, ARightClickOpensTheParentsContextMenuWhereItWasClicked) {
    Window window;
    window.resize(400, 300);
    auto protocol = longProtocol(5);
    auto* view = new protview(protocol.get(), s, &window);
    view->setGeometry(20, 10, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Through the window system, as a real click comes.
    const QPoint at = view->viewport()->mapTo(&window, QPoint(30, 40));
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, at);
    EXPECT_EQ(window.menuAt, at);
    delete view; // before the protocol it shows
}
