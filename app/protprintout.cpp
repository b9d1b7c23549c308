#include "protprintout.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QScreen>

#include <algorithm>
#include <utility>

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

// The pages the print dialog asked for, within 1 to pages (all by default);
// first > last when none.
std::pair<int, int> pageRange(const QPrinter& printer, int pages) {
    int first = 1, last = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        if (printer.toPage() > 0) last = std::min(last, printer.toPage());
    }
    return {first, last};
}

// The resolution the settings' sizes are meant for.
int screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 0;
    return dpi > 0 ? dpi : 96;
}

} // namespace

ProtPrintout::ProtPrintout(QString title, const protobject& material)
    : title_(std::move(title)), material_(material) {}

void ProtPrintout::setPrintParameters(dc& d, const bruchfonts& s, dcsize pageSize,
                                      const PageGeometry& page) {
    cursor_.setGeometry(pageSize, page);
    cursor_.startPagination();
    cursor_.device = &d;
    cursor_.settings = &s;
    material_.paginate(cursor_);
    cursor_.finishPagination();
}

void ProtPrintout::printPage(int page) {
    if (cursor_.beginPage(page)) material_.printPage(cursor_);
}

ProtPrintout::Outcome ProtPrintout::print(QPrinter& printer, const Hooks& hooks) {
    printer.setFullPage(true); // the margins are the cursor's to keep
    printer.setDocName(title_);
    // Laid out on the printer before the job is opened, so that a job given
    // up after counting its pages sends nothing to the printer.
    QPainterDc d(&printer);
    const ScaledSettings scaled = scaledSettings(settings(), printer.logicalDpiY(), screenDpi(), d);
    setPrintParameters(d, scaled.settings, {printer.width(), printer.height()},
                       geometryOf(printer.pageLayout()));
    const auto [first, last] = pageRange(printer, cursor_.pageCount);
    const int pages = std::max(0, last - first + 1);
    if (hooks.confirm && !hooks.confirm(pages)) return Outcome::Cancelled;

    QPainter painter;
    if (!painter.begin(&printer)) return Outcome::Failed;
    // Fraction bars as heavy beside the numbers as on the screen.
    painter.setPen(QPen(Qt::black, scaled.lineWidth));
    d.drawWith(painter);
    painter.setClipRect(QRect(cursor_.left, cursor_.top, std::max(cursor_.printWidth, 0),
                              std::max(cursor_.printHeight, 0)));
    for (int p = first; p <= last; ++p) {
        if (p > first) printer.newPage();
        printPage(p);
        if (hooks.progress && !hooks.progress(p - first + 1, pages) && p < last) {
            // Printers that can drop a spooled job do; the others print the
            // pages drawn so far.
            printer.abort();
            painter.end();
            return Outcome::Cancelled;
        }
    }
    return painter.end() ? Outcome::Printed : Outcome::Failed;
}
