#include "toolicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <functional>
#include <string_view>

#include "commandtable.h"

namespace {

constexpr int side = 32; // drawn on a 32 x 32 grid, scaled by the tool bar

const QColor ink(40, 40, 48);
const QColor paper(252, 252, 246);
const QColor blue(52, 101, 164);
const QColor lightBlue(170, 200, 235);
const QColor green(78, 154, 6);
const QColor yellow(237, 212, 0);
const QColor grey(136, 138, 133);

QIcon paint(const std::function<void(QPainter&)>& draw) {
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pm);
}

void page(QPainter& p, const QRectF& r) {
    const qreal fold = r.width() / 4;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(ink, 1.5));
    p.setBrush(paper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

// A small matrix: brackets and a 3 x 3 pattern of dots, the program's sign.
void matrixSign(QPainter& p, const QRectF& r, const QColor& entries) {
    p.setPen(QPen(ink, 2));
    const qreal b = r.width() / 6;
    p.drawPolyline(QPolygonF({QPointF(r.left() + b, r.top()), QPointF(r.left(), r.top()),
                              QPointF(r.left(), r.bottom()), QPointF(r.left() + b, r.bottom())}));
    p.drawPolyline(QPolygonF({QPointF(r.right() - b, r.top()), QPointF(r.right(), r.top()),
                              QPointF(r.right(), r.bottom()), QPointF(r.right() - b, r.bottom())}));
    p.setPen(Qt::NoPen);
    p.setBrush(entries);
    const qreal dx = (r.width() - 2 * b) / 3, dy = r.height() / 3, d = std::min(dx, dy) * 0.6;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            p.drawEllipse(QPointF(r.left() + b + dx * (j + 0.5), r.top() + dy * (i + 0.5)), d / 2,
                          d / 2);
}

void lines(QPainter& p, qreal x1, qreal x2, qreal y, int n, qreal step) {
    p.setPen(QPen(grey, 1.5));
    for (int i = 0; i < n; ++i) p.drawLine(QPointF(x1, y + i * step), QPointF(x2, y + i * step));
}

QIcon newIcon() {
    return paint([](QPainter& p) {
        page(p, QRectF(5, 2, 20, 27));
        p.setPen(QPen(green, 3));
        p.drawLine(QPointF(24, 20), QPointF(24, 30));
        p.drawLine(QPointF(19, 25), QPointF(29, 25));
    });
}

QIcon openIcon() {
    return paint([](QPainter& p) {
        p.setPen(QPen(ink, 1.5));
        p.setBrush(yellow.darker(115));
        p.drawRect(QRectF(3, 8, 24, 19));
        p.drawRect(QRectF(3, 5, 10, 4));
        p.setBrush(yellow);
        p.drawPolygon(
            QPolygonF({QPointF(7, 13), QPointF(30, 13), QPointF(26, 27), QPointF(3, 27)}));
    });
}

QIcon saveIcon() {
    return paint([](QPainter& p) {
        p.setPen(QPen(ink, 1.5));
        p.setBrush(blue);
        p.drawRoundedRect(QRectF(3, 3, 26, 26), 2, 2);
        p.setBrush(paper);
        p.drawRect(QRectF(8, 3, 16, 10));
        p.setBrush(lightBlue);
        p.drawRect(QRectF(9, 18, 14, 11));
        p.setBrush(ink);
        p.drawRect(QRectF(19, 5, 3, 6));
    });
}

QIcon printIcon() {
    return paint([](QPainter& p) {
        page(p, QRectF(9, 2, 14, 12));
        p.setPen(QPen(ink, 1.5));
        p.setBrush(grey.lighter(130));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(paper);
        p.drawRect(QRectF(8, 20, 16, 10));
        lines(p, 11, 21, 24, 2, 3);
        p.setBrush(green);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
    });
}

QIcon sourceIcon() {
    return paint([](QPainter& p) {
        matrixSign(p, QRectF(3, 5, 26, 22), blue);
        p.setPen(QPen(QColor(204, 0, 0), 2.5));
        p.drawLine(QPointF(18, 29), QPointF(29, 18)); // a pen: the editable source
    });
}

QIcon resultIcon() {
    return paint([](QPainter& p) {
        p.setPen(QPen(ink, 2.5));
        p.drawLine(QPointF(2, 13), QPointF(9, 13));
        p.drawLine(QPointF(2, 19), QPointF(9, 19));
        matrixSign(p, QRectF(12, 5, 18, 22), green);
    });
}

QIcon protocolIcon() {
    return paint([](QPainter& p) {
        page(p, QRectF(5, 2, 22, 28));
        lines(p, 9, 22, 9, 6, 3.5);
    });
}

QIcon copyIcon() {
    return paint([](QPainter& p) {
        page(p, QRectF(3, 2, 16, 20));
        page(p, QRectF(12, 10, 16, 20));
        lines(p, 15, 24, 18, 3, 3.5);
    });
}

QIcon pasteIcon() {
    return paint([](QPainter& p) {
        p.setPen(QPen(ink, 1.5));
        p.setBrush(QColor(193, 125, 17));
        p.drawRoundedRect(QRectF(3, 5, 20, 25), 2, 2);
        p.setBrush(grey);
        p.drawRect(QRectF(8, 2, 10, 6));
        page(p, QRectF(13, 12, 16, 18));
        lines(p, 16, 25, 19, 3, 3.5);
    });
}

QIcon aboutIcon() {
    return paint([](QPainter& p) {
        p.setPen(QPen(ink, 1.5));
        p.setBrush(blue);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(Qt::NoPen);
        p.setBrush(paper);
        p.drawEllipse(QPointF(16, 10), 2.5, 2.5);
        p.drawRoundedRect(QRectF(13.5, 14, 5, 11), 1.5, 1.5);
    });
}

} // namespace

QIcon ToolIcons::command(int id) {
    // The pictures by the icon names of the command table.
    static constexpr struct {
        std::string_view name;
        QIcon (*paint)();
    } pictures[] = {
        {"new", newIcon},       {"open", openIcon},     {"save", saveIcon},
        {"print", printIcon},   {"source", sourceIcon}, {"protocol", protocolIcon},
        {"result", resultIcon}, {"copy", copyIcon},     {"paste", pasteIcon},
        {"about", aboutIcon},
    };
    const cmd::Command* c = cmd::find(id);
    if (c && c->icon)
        for (const auto& p : pictures)
            if (p.name == c->icon) return p.paint();
    return {};
}

// The same artwork as the desktop entry's icon, in the sizes the window
// system picks from.
QIcon ToolIcons::application() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/lineon-%1.png").arg(size), QSize(size, size));
    return icon;
}

QIcon ToolIcons::document() {
    return paint([](QPainter& p) {
        page(p, QRectF(4, 2, 24, 28));
        matrixSign(p, QRectF(8, 11, 16, 15), blue);
    });
}

// A matrix of fractions between its brackets, as the program shows them.
QPixmap ToolIcons::aboutPicture() {
    QPixmap pm(176, 88);
    pm.fill(paper);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(blue, 3));
    p.drawPolyline(QPolygonF({QPointF(22, 8), QPointF(10, 8), QPointF(10, 80), QPointF(22, 80)}));
    p.drawPolyline(
        QPolygonF({QPointF(154, 8), QPointF(166, 8), QPointF(166, 80), QPointF(154, 80)}));
    QFont whole(QStringLiteral("Arial"));
    whole.setPixelSize(22);
    QFont part(QStringLiteral("Arial"));
    part.setPixelSize(13);
    p.setPen(ink);
    // Each entry: a whole part, then numerator over denominator.
    const struct {
        qreal x, y;
        const char *w, *n, *d;
    } entries[] = {{30, 14, "12", "3", "17"},
                   {96, 14, "1", "", ""},
                   {30, 50, "0", "", ""},
                   {96, 50, "2", "1", "2"}};
    for (const auto& e : entries) {
        p.setFont(whole);
        p.drawText(QRectF(e.x, e.y, 30, 26), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromLatin1(e.w));
        if (*e.n == 0) continue;
        p.setFont(part);
        p.drawText(QRectF(e.x + 32, e.y - 1, 18, 13), Qt::AlignCenter, QString::fromLatin1(e.n));
        p.drawLine(QPointF(e.x + 33, e.y + 13), QPointF(e.x + 49, e.y + 13));
        p.drawText(QRectF(e.x + 32, e.y + 14, 18, 13), Qt::AlignCenter, QString::fromLatin1(e.d));
    }
    p.end();
    return pm;
}
