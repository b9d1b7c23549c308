// The editor grid on large matrices: laying out every cell, opening a panel,
// committing one typed value, and painting one screenful in the middle.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QScrollBar>
#include <QUndoStack>

#include <memory>
#include <random>

#include "bruchfonts.h"
#include "editmain.h"
#include "editorhost.h"
#include "matrixchange.h"
#include "matrixeditfloat.h"
#include "matrixeditfraction.h"
#include "qpainterdc.h"

namespace {

class QuietHost : public EditorHost {
public:
    void setModified() override {}
    void updateCaption() override {}
    void openDocument(std::unique_ptr<protstream>, std::unique_ptr<MatrixObject>) override {}
};

// A window that keeps every change for undo, as the document window does.
class UndoHost : public QuietHost {
public:
    QUndoStack stack;
    void recordChange(std::unique_ptr<QUndoCommand> change) override {
        stack.push(change.release());
    }
};

// Whole numbers and fractions of up to three digits, as typed matrices hold.
std::unique_ptr<MatrixReel> exactDocument(int n) {
    auto m = std::make_unique<MatrixReel>(n, n, nullptr);
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> d(-999, 999), den(1, 99);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) m->at(r, c) = reel(d(rng), den(rng));
    return m;
}

// Long fractions of 200-digit numerators over 200-digit denominators.
std::unique_ptr<MatrixLong> longDocument(int n) {
    auto m = std::make_unique<MatrixLong>(n, n, nullptr);
    std::mt19937 rng(5);
    const auto digits = [&rng] {
        std::string s(1, char('1' + rng() % 9));
        while (s.size() < 200) s += char('0' + rng() % 10);
        return s;
    };
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) m->setCellText(r, c, digits() + "," + digits());
    return m;
}

// Random doubles: every text differs, the worst case for measuring.
std::unique_ptr<MatrixFloat> floatDocument(int n) {
    auto m = std::make_unique<MatrixFloat>(n, n, nullptr);
    std::mt19937 rng(4);
    std::uniform_real_distribution<double> d(-1000, 1000);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) m->at(r, c) = d(rng);
    return m;
}

template <class Grid, class Doc> void layout(benchmark::State& state, Doc* doc) {
    QuietHost host;
    Grid grid(doc, &host, nullptr);
    for (auto _ : state) grid.layout();
    state.SetItemsProcessed(state.iterations() * doc->rows() * doc->cols());
}

void BM_LayoutReel(benchmark::State& state) {
    auto doc = exactDocument(int(state.range(0)));
    layout<MatrixEditReel>(state, doc.get());
}
void BM_LayoutFloat(benchmark::State& state) {
    auto doc = floatDocument(int(state.range(0)));
    layout<MatrixEditFloat>(state, doc.get());
}
BENCHMARK(BM_LayoutReel)->Arg(100)->Arg(999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutFloat)->Arg(100)->Arg(999)->Unit(benchmark::kMillisecond);

// What the user waits for when a document window shows its source.
template <class Doc> void openPanel(benchmark::State& state, Doc* doc) {
    QuietHost host;
    for (auto _ : state) {
        editmain panel(doc, &host);
        panel.resize(1000, 700);
        benchmark::DoNotOptimize(panel.grid());
    }
}
void BM_OpenPanelReel999(benchmark::State& state) { openPanel(state, exactDocument(999).get()); }
void BM_OpenPanelFloat999(benchmark::State& state) { openPanel(state, floatDocument(999).get()); }
void BM_OpenPanelLong100(benchmark::State& state) { openPanel(state, longDocument(100).get()); }
BENCHMARK(BM_OpenPanelReel999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPanelLong100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPanelFloat999)->Unit(benchmark::kMillisecond);

// Enter after typing a new value into the cursor cell.
template <class Doc> void commit(benchmark::State& state, Doc* doc) {
    QuietHost host;
    editmain panel(doc, &host);
    panel.resize(1000, 700);
    int i = 0;
    for (auto _ : state) {
        panel.grid()->setCursor(499, 499);
        panel.grid()->enterValue(std::to_string(++i % 1000));
    }
}
void BM_CommitReel999(benchmark::State& state) { commit(state, exactDocument(999).get()); }
void BM_CommitFloat999(benchmark::State& state) { commit(state, floatDocument(999).get()); }
BENCHMARK(BM_CommitReel999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CommitFloat999)->Unit(benchmark::kMicrosecond);

// The same commit kept for undo, and one undo with its redo (each followed
// by the editor showing the matrix again, as the window has it).
void BM_CommitUndoableReel999(benchmark::State& state) {
    auto doc = exactDocument(999);
    UndoHost host;
    editmain panel(doc.get(), &host);
    panel.resize(1000, 700);
    int i = 0;
    for (auto _ : state) {
        panel.grid()->setCursor(499, 499);
        panel.grid()->enterValue(std::to_string(++i % 1000));
    }
}
void BM_UndoRedoReel999(benchmark::State& state) {
    auto doc = exactDocument(999);
    UndoHost host;
    editmain panel(doc.get(), &host);
    panel.resize(1000, 700);
    panel.grid()->setCursor(499, 499);
    panel.grid()->enterValue("12345");
    const auto* step = dynamic_cast<const SourceChange*>(host.stack.command(0));
    for (auto _ : state) {
        host.stack.undo();
        panel.showChangedMatrix(step);
        host.stack.redo();
        panel.showChangedMatrix(step);
    }
}
BENCHMARK(BM_CommitUndoableReel999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedoReel999)->Unit(benchmark::kMillisecond);

// One screenful of a 999 x 999 matrix scrolled to its middle.
template <class Doc> void paintMiddle(benchmark::State& state, Doc* doc) {
    QuietHost host;
    editmain panel(doc, &host);
    panel.resize(1000, 700);
    panel.grid()->setCursor(499, 499);
    QPixmap target(panel.grid()->viewport()->size());
    for (auto _ : state) panel.grid()->viewport()->render(&target);
}
void BM_PaintScreenReel999(benchmark::State& state) {
    paintMiddle(state, exactDocument(999).get());
}
void BM_PaintScreenLong100(benchmark::State& state) { paintMiddle(state, longDocument(100).get()); }
void BM_PaintScreenFloat999(benchmark::State& state) {
    paintMiddle(state, floatDocument(999).get());
}
BENCHMARK(BM_PaintScreenReel999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintScreenFloat999)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintScreenLong100)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    settings().screenMetrics = &QPainterDc::screenMetrics;
    settings().remeasure();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
