// Measuring and painting protocols with the real fonts on an image: the
// protocol of a 200 x 200 Gauss-Jordan run (exact and double) measured whole
// and as the view opens it, one screenful of it painted, the view opening
// on the protocol of a 999 x 999 run, and one 999 x 999 matrix record measured.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <random>

#include "bruchfonts.h"
#include "matrixreel.h"
#include "protlayout.h"
#include "protmatrix.h"
#include "protstream.h"
#include "qpainterdc.h"

namespace {

// Block diagonal with blocks (2 1 / 1 3): Gauss-Jordan stays inside each
// block, so the exact run brings fractions (1/2, 5/2) but never overflows.
std::unique_ptr<protstream> exactRun(int n) {
    auto p = std::make_unique<protstream>();
    matrix<reel> m(n, n, p.get());
    for (int k = 0; k + 1 < n; k += 2) {
        m.at(k, k) = reel(2);
        m.at(k, k + 1) = reel(1);
        m.at(k + 1, k) = reel(1);
        m.at(k + 1, k + 1) = reel(3);
    }
    m.gaussJordan();
    return p;
}

std::unique_ptr<protstream> floatRun(int n) {
    auto p = std::make_unique<protstream>();
    matrix<double> m(n, n, p.get());
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> d(-9, 9);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) m.at(r, c) = d(rng);
    m.gaussJordan();
    return p;
}

protstream& protocol(bool exact) {
    static auto e = exactRun(200), f = floatRun(200);
    return exact ? *e : *f;
}

void BM_MeasureProtocol(benchmark::State& state) {
    protstream& p = protocol(state.range(0) == 1);
    QImage device(1, 1, QImage::Format_RGB32);
    ProtLayout layout;
    for (auto _ : state) {
        QPainterDc d(&device);
        p.measure(layout, settings(), d);
    }
    state.counters["records"] = double(p.records().size());
    state.counters["height"] = layout.height;
}
BENCHMARK(BM_MeasureProtocol)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// What opening the protocol view costs before its first picture: every
// record laid out, and the records on the first 1280 x 800 screen measured.
// The rest is measured while the program is idle.
void openView(benchmark::State& state, protstream& p) {
    QImage device(1, 1, QImage::Format_RGB32);
    ProtLayout layout;
    for (auto _ : state) {
        QPainterDc d(&device);
        p.layOut(layout, settings(), d);
        p.measureBand(layout, settings(), d, 0, 799);
    }
    state.counters["records"] = double(p.records().size());
}

void BM_OpenProtocolView(benchmark::State& state) {
    openView(state, protocol(state.range(0) == 1));
}
BENCHMARK(BM_OpenProtocolView)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The largest: a double Gauss-Jordan of 999 x 999, as many snapshots as the
// protocol memory holds (about 190). Building it takes a while.
void BM_OpenProtocolView999(benchmark::State& state) {
    static auto p = floatRun(999);
    openView(state, *p);
}
BENCHMARK(BM_OpenProtocolView999)->Unit(benchmark::kMillisecond);

// One 1280 x 800 window's worth, from the middle of the protocol.
void BM_PaintScreen(benchmark::State& state) {
    protstream& p = protocol(state.range(0) == 1);
    QImage screen(1280, 800, QImage::Format_RGB32);
    ProtLayout layout;
    {
        QPainterDc d(&screen);
        p.measure(layout, settings(), d);
    }
    const int top = layout.height / 2;
    for (auto _ : state) {
        screen.fill(Qt::white);
        QPainter painter(&screen);
        painter.translate(0, -top);
        QPainterDc d(painter);
        p.draw(layout, 0, 0, settings(), d, {0, top, 1279, top + 799});
    }
}
BENCHMARK(BM_PaintScreen)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Measure999(benchmark::State& state) {
    auto m = std::make_unique<MatrixReel>(999, 999, nullptr);
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> num(-999, 999), den(1, 99);
    for (int r = 0; r < 999; ++r)
        for (int c = 0; c < 999; ++c) m->at(r, c) = reel(num(rng), den(rng));
    protmatrix record(std::move(m));
    QImage device(1, 1, QImage::Format_RGB32);
    ProtLayout layout;
    for (auto _ : state) {
        QPainterDc d(&device);
        record.measure(layout, settings(), d);
    }
}
BENCHMARK(BM_Measure999)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    settings().screenMetrics = &QPainterDc::screenMetrics;
    settings().setDefaults();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
