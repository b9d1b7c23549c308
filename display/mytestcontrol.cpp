#include "mytestcontrol.h"

#include <QPainter>

#include "bruchfonts.h"
#include "qpainterdc.h"

MyTestControl::MyTestControl(QWidget* parent) : QWidget(parent) {}

QSize MyTestControl::sizeHint() const { return {240, 90}; }

void MyTestControl::drawSample(dc& d, int width, int height) {
    const bruchfonts& s = settings();
    const dcfont fontA = s.pendingFontA.value_or(s.fontA);
    const dcfont fontB = s.pendingFontB.value_or(s.fontB);
    int ha = 0, wa = 0, hb = 0, e = 0, den = 0, num = 0;
    {
        FontSelection a(d, fontA);
        const dcmetrics m = d.metrics();
        ha = m.height;
        wa = m.avgWidth;
        e = d.textExtent("12").cx + wa / 2;
    }
    {
        FontSelection b(d, fontB);
        hb = d.metrics().height;
        den = d.textExtent("17").cx;
        num = d.textExtent("3").cx;
    }
    const int z = s.bruchzr;
    const int t = height < 2 * hb + z ? 1 : (height - 2 * hb - z) / 2;
    const int l = width < wa / 2 + e + den ? 2 : (width - den - e - wa / 2) / 2;
    {
        FontSelection a(d, fontA);
        d.textOut(l, t + (2 * hb + z - ha) / 2, "12");
    }
    FontSelection b(d, fontB);
    d.textOut(l + e, t + hb + z, "17");
    d.textOut(l + e + (den - num) / 2, t, "3");
    d.line(l + e, t + hb + z, l + e + den, t + hb + z);
}

void MyTestControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    QPainterDc d(p);
    drawSample(d, width(), height());
}
