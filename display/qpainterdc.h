#pragma once
#include <QFont>
#include <QFontMetrics>

#include <array>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dc.h"

class QPainter;
class QPaintDevice;

// The drawing context on a QPainter: the screen, an image or the printer.
// Extents and metrics come from QFontMetrics on the painter's device, so each
// device measures in its own units. The empty font description {} stands for
// the device's own font (the painter's font), which is selected at the start.
class QPainterDc : public dc {
public:
    // Draws with the painter; it must stay active while this context is used,
    // and its font is this context's to set until then.
    explicit QPainterDc(QPainter& painter);
    // Measures only (text output and lines do nothing): for measuring on a
    // widget outside its paint event, or on a printer before its job opens.
    // deviceFont is the font selected at first.
    explicit QPainterDc(const QPaintDevice* device, const QFont& deviceFont = QFont());
    // From now on draws with painter, which must paint on the device this
    // context measures, so what was measured before holds for the drawing.
    // For a printer: laid out before the job is opened, drawn once it is.
    void drawWith(QPainter& painter);

    dcfont selectFont(const dcfont& f) override;
    dcsize textExtent(std::string_view text) override;
    dcmetrics metrics() override;
    void textOut(int x, int y, std::string_view text) override;
    void line(int x1, int y1, int x2, int y2) override;

    // The font for a description on a device: the face with the largest pixel
    // size whose cell height (QFontMetrics::height) does not exceed the
    // described height. Remembered per face, height and device resolution.
    static QFont font(const dcfont& f, const QPaintDevice* device);
    // Cell height and average width of a font on the screen: the metrics the
    // settings keep (bruchfonts::screenMetrics). Needs a QGuiApplication.
    static dcmetrics screenMetrics(const dcfont& f);

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    struct Selected {
        Selected(const dcfont& d, const QFont& f, const QPaintDevice* device);
        dcfont description;
        QFont font;
        QFontMetrics metrics;
        QFontMetricsF exact;
        // Advances of the characters numbers are written with (see numberWidth).
        std::array<qreal, 16> advances;
        // Widths of other texts measured in this font: the same few come back
        // again and again, and shaping is slow.
        std::unordered_map<std::string, int, TextHash, std::equal_to<>> widths;
    };
    static int numberWidth(Selected& f, std::string_view text);
    const Selected& lookup(const dcfont& f);

    QPainter* painter_ = nullptr;
    const QPaintDevice* device_ = nullptr;
    QFont deviceFont_;
    std::vector<Selected> fonts_; // every font used on this context, the device's own first
    std::size_t current_ = 0;     // index into fonts_
    static constexpr std::size_t noFont = std::size_t(-1);
    std::size_t inPainter_ = 0; // the font last given to the painter, or noFont
};
