#include "qpainterdc.h"

#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QString>

namespace {

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QFont withPixelSize(const QString& face, int pixels) {
    QFont f(face);
    f.setPixelSize(pixels);
    f.setWeight(QFont::Normal);
    f.setItalic(false);
    return f;
}

int cellHeight(const QString& face, int pixels, const QPaintDevice* device) {
    const QFont f = withPixelSize(face, pixels);
    return device ? QFontMetrics(f, device).height() : QFontMetrics(f).height();
}

// Largest pixel size whose cell height does not exceed the wanted height; the
// heights grow with the pixel size, so a binary search finds it.
int pixelSizeFor(const QString& face, int height, const QPaintDevice* device) {
    if (cellHeight(face, 1, device) > height) return 1;
    int lo = 1, hi = 2 * height + 1; // cell heights are never below half the pixel size
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        if (cellHeight(face, mid, device) <= height)
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

} // namespace

QFont QPainterDc::font(const dcfont& f, const QPaintDevice* device) {
    const QString face = QString::fromStdString(f.face);
    const int height = f.height > 0 ? f.height : 1;
    const int dpi = device ? device->logicalDpiY() : 0;
    static QHash<QString, int> pixelSizes; // "face/height/dpi" -> pixel size
    const QString key = face + QLatin1Char('/') + QString::number(height) + QLatin1Char('/') +
                        QString::number(dpi);
    auto it = pixelSizes.constFind(key);
    if (it == pixelSizes.constEnd()) it = pixelSizes.insert(key, pixelSizeFor(face, height, device));
    return withPixelSize(face, *it);
}

dcmetrics QPainterDc::screenMetrics(const dcfont& f) {
    const QFontMetrics m(font(f, nullptr));
    return {m.height(), m.averageCharWidth()};
}

QPainterDc::QPainterDc(QPainter& painter)
    : painter_(&painter), device_(painter.device()), deviceFont_(painter.font()) {
    fonts_.push_back({dcfont{}, deviceFont_, QFontMetrics(deviceFont_, device_)});
}

QPainterDc::QPainterDc(const QPaintDevice* device, const QFont& deviceFont)
    : device_(device), deviceFont_(deviceFont) {
    fonts_.push_back({dcfont{}, deviceFont_, QFontMetrics(deviceFont_, device_)});
}

const QPainterDc::Selected& QPainterDc::lookup(const dcfont& f) {
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i].description == f) {
            current_ = i;
            return fonts_[i];
        }
    const QFont q = font(f, device_);
    fonts_.push_back({f, q, QFontMetrics(q, device_)});
    current_ = fonts_.size() - 1;
    return fonts_.back();
}

dcfont QPainterDc::selectFont(const dcfont& f) {
    const dcfont previous = fonts_[current_].description;
    lookup(f);
    return previous;
}

dcsize QPainterDc::textExtent(std::string_view text) {
    const QFontMetrics& m = fonts_[current_].metrics;
    return {m.horizontalAdvance(qtext(text)), m.height()};
}

dcmetrics QPainterDc::metrics() {
    const QFontMetrics& m = fonts_[current_].metrics;
    return {m.height(), m.averageCharWidth()};
}

void QPainterDc::textOut(int x, int y, std::string_view text) {
    if (!painter_) return;
    if (inPainter_ != current_) {
        painter_->setFont(fonts_[current_].font);
        inPainter_ = current_;
    }
    painter_->drawText(QPoint(x, y + fonts_[current_].metrics.ascent()), qtext(text));
}

void QPainterDc::line(int x1, int y1, int x2, int y2) {
    if (painter_) painter_->drawLine(x1, y1, x2, y2);
}
