// The measuring cache gives every text the extent the real context gives it,
// whether it adds up the characters of a number or remembers a measurement.
#include <QApplication>
#include <QWidget>

#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "bruchfonts.h"
#include "extentcache.h"
#include "qpainterdc.h"

TEST(ExtentCache, MeasuresNumbersAndOtherTextsAsTheRealContext) {
    QWidget device;
    QPainterDc real(&device);
    QPainterDc reference(&device);
    ExtentCache cache(real);
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> d(-1e6, 1e6);
    std::vector<std::string> texts = {"", "-", "1,2", "inf", "-nan", "x 1", "Überlauf"};
    for (int i = 0; i < 2000; ++i) {
        std::ostringstream os;
        os.precision(1 + i % 15);
        if (i % 3 == 0) os.setf(std::ios::scientific, std::ios::floatfield);
        os << d(rng) / (1 + i % 1000);
        texts.push_back(os.str());
    }
    for (const dcfont& f : {settings().fontA, settings().fontB, dcfont{"Courier", 13}}) {
        FontSelection a(cache, f);
        FontSelection b(reference, f);
        for (const std::string& t : texts) {
            const dcsize got = cache.textExtent(t), want = reference.textExtent(t);
            ASSERT_EQ(got.cx, want.cx) << f.face << " " << f.height << " '" << t << "'";
            ASSERT_EQ(got.cy, want.cy);
        }
        EXPECT_EQ(cache.metrics().height, reference.metrics().height);
    }
}
