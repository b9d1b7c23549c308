#include "qpainterdc.h"

#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QString>

#include <cmath>

namespace {

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The characters of numbers, none of which joins its neighbours in a ligature.
constexpr std::string_view numberCharacters = "0123456789+-.,eE";

QFont withPixelSize(const QString& face, int pixels) {
    QFont f(face);
    f.setPixelSize(pixels);
    f.setWeight(QFont::Normal);
    f.setItalic(false);
    // As the text output of the old drawing contexts: no kerning. Digits
    // line up in columns, and a number's width is the sum of its characters'.
    f.setKerning(false);
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
    const QString key =
        face + QLatin1Char('/') + QString::number(height) + QLatin1Char('/') + QString::number(dpi);
    auto it = pixelSizes.constFind(key);
    if (it == pixelSizes.constEnd())
        it = pixelSizes.insert(key, pixelSizeFor(face, height, device));
    return withPixelSize(face, *it);
}

dcmetrics QPainterDc::screenMetrics(const dcfont& f) {
    const QFontMetrics m(font(f, nullptr));
    return {m.height(), m.averageCharWidth()};
}

QPainterDc::Selected::Selected(const dcfont& d, const QFont& f, const QPaintDevice* device)
    : description(d), font(f), metrics(f, device), exact(f, device) {
    advances.fill(-1);
}

// Without kerning, a text of number characters is as wide as the sum of its
// characters' exact advances, rounded as the text layout rounds (half up):
// this spares shaping every number of a large protocol. -1 when the text
// holds other characters or the font kerns.
int QPainterDc::numberWidth(Selected& f, std::string_view text) {
    if (f.font.kerning()) return -1;
    qreal sum = 0;
    for (const char c : text) {
        const std::size_t i = numberCharacters.find(c);
        if (i == std::string_view::npos) return -1;
        if (f.advances[i] < 0) f.advances[i] = f.exact.horizontalAdvance(QLatin1Char(c));
        sum += f.advances[i];
    }
    return int(std::floor(sum + 0.5));
}

QPainterDc::QPainterDc(QPainter& painter)
    : painter_(&painter), device_(painter.device()), deviceFont_(painter.font()) {
    fonts_.emplace_back(dcfont{}, deviceFont_, device_);
}

QPainterDc::QPainterDc(const QPaintDevice* device, const QFont& deviceFont)
    : device_(device), deviceFont_(deviceFont) {
    fonts_.emplace_back(dcfont{}, deviceFont_, device_);
}

void QPainterDc::drawWith(QPainter& painter) {
    Q_ASSERT(painter.device() == device_);
    painter_ = &painter;
    inPainter_ = noFont; // the first text sets its font
}

const QPainterDc::Selected& QPainterDc::lookup(const dcfont& f) {
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i].description == f) {
            current_ = i;
            return fonts_[i];
        }
    const QFont q = font(f, device_);
    fonts_.emplace_back(f, q, device_);
    current_ = fonts_.size() - 1;
    return fonts_.back();
}

dcfont QPainterDc::selectFont(const dcfont& f) {
    const dcfont previous = fonts_[current_].description;
    lookup(f);
    return previous;
}

dcsize QPainterDc::textExtent(std::string_view text) {
    Selected& f = fonts_[current_];
    if (const int w = numberWidth(f, text); w >= 0) return {w, f.metrics.height()};
    const auto known = f.widths.find(text);
    if (known != f.widths.end()) return {known->second, f.metrics.height()};
    const int w = f.metrics.horizontalAdvance(qtext(text));
    // Short texts only, and not without end: numbers repeat, prose lines do not.
    constexpr std::size_t shortText = 24, mostTexts = 1 << 16;
    if (text.size() <= shortText) {
        if (f.widths.size() >= mostTexts) f.widths.clear();
        f.widths.emplace(text, w);
    }
    return {w, f.metrics.height()};
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
