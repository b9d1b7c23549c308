#include "protprintout.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QScreen>

#include <algorithm>

#include "bruchfonts.h"
#include "protobject.h"
#include "qpainterdc.h"
#include "scaledsettings.h"

namespace {

PageGeometry geometryOf(const QPageLayout& layout) {
    const QRect paper = layout.fullRectPoints();
    const QMargins m = layout.marginsPoints();
    return {paper.width(), paper.height(), m.left(), m.top(), m.right(), m.bottom()};
}

// The resolution the settings' sizes are meant for.
int screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 0;
    return dpi > 0 ? dpi : 96;
}

} // namespace

ProtPrintout::ProtPrintout(QString title, protobject& material)
    : title_(std::move(title)), material_(material) {}

void ProtPrintout::setPrintParameters(dc& d, dcsize pageSize, const PageGeometry& page) {
    cursor_.setGeometry(pageSize, page);
    cursor_.startPagination();
    cursor_.device = &d;
    material_.paginate(cursor_);
    cursor_.finishPagination();
}

void ProtPrintout::printPage(int page) {
    if (cursor_.beginPage(page)) material_.printPage(cursor_);
}

bool ProtPrintout::print(QPrinter& printer) {
    printer.setFullPage(true); // the margins are the cursor's to keep
    printer.setDocName(title_);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QPainterDc d(painter);
    const ScaledSettings scaled(settings(), printer.logicalDpiY(), screenDpi(), d);
    // Fraction bars as heavy beside the numbers as on the screen.
    painter.setPen(QPen(Qt::black, scaled.lineWidth()));
    setPrintParameters(d, {printer.width(), printer.height()}, geometryOf(printer.pageLayout()));
    painter.setClipRect(QRect(cursor_.left, cursor_.top, std::max(cursor_.printWidth, 0),
                              std::max(cursor_.printHeight, 0)));

    int first = 1, last = cursor_.pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        if (printer.toPage() > 0) last = std::min(last, printer.toPage());
    }
    for (int p = first; p <= last; ++p) {
        if (p > first) printer.newPage();
        printPage(p);
    }
    return painter.end();
}
