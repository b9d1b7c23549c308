#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "copybuffer.h"
#include "editmain.h"
#include "editorhost.h"
#include "enteredit.h"
#include "matrixedit.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protstream.h"
#include "qpainterdc.h"
#include "scriptedprompts.h"
#include "settingsfixtures.h"

// The document window as the editor sees it: counts what it is told.
class RecordingHost : public EditorHost {
public:
    int modified = 0;
    int captions = 0;
    QString status; // the last note for the status bar
    std::vector<std::unique_ptr<protstream>> protocols;
    std::vector<std::unique_ptr<MatrixObject>> opened;

    void setModified() override { ++modified; }
    void updateCaption() override { ++captions; }
    void showStatus(const QString& text) override { status = text; }
    void openDocument(std::unique_ptr<protstream> protocol,
                      std::unique_ptr<MatrixObject> document) override {
        protocols.push_back(std::move(protocol));
        opened.push_back(std::move(document));
    }
};

// An editor panel over a fresh document whose cell (r, c) holds 10 r + c, with
// real screen fonts, scripted prompts and empty copy buffers.
class EditorTest : public testing::Test {
protected:
    SettingsGuard guard;
    ScriptedPrompts prompts;
    RecordingHost host;
    protstream protocol;
    std::unique_ptr<MatrixObject> doc;
    std::unique_ptr<editmain> panel;

    EditorTest() {
        settings().screenMetrics = &QPainterDc::screenMetrics;
        settings().remeasure();
        CopyBuffer<reel>::clear();
        CopyBuffer<double>::clear();
    }

    void open(int rows, int cols, bool exact = true) {
        panel.reset();
        if (exact)
            doc = std::make_unique<MatrixReel>(rows, cols, &protocol);
        else
            doc = std::make_unique<MatrixFloat>(rows, cols, &protocol);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) doc->setCellText(r, c, std::to_string(10 * r + c));
        openPanel();
    }
    void openPanel() {
        panel = std::make_unique<editmain>(doc.get(), &host);
        panel->resize(640, 400);
        panel->show();
    }

    MatrixEdit* grid() const { return panel->grid(); }
    enteredit* entry() const { return panel->entry(); }
    QString position() const { return panel->positionDisplay()->text(); }
    std::string cell(int r, int c) const { return doc->cellText(r, c, settings().floatFormat()); }
    std::pair<int, int> cursor() const { return {grid()->cursorRow(), grid()->cursorCol()}; }

    void type(const QString& text) { QTest::keyClicks(entry(), text); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(entry(), k, m); }

    // The middle of a cell in viewport coordinates.
    QPoint cellPoint(int r, int c) const {
        const int x = grid()->columnLeft(c) + grid()->columnWidth(c) / 2;
        const int y = r * grid()->rowHeight() + grid()->rowHeight() / 2;
        return {x - grid()->horizontalScrollBar()->value() * grid()->horizontalUnit(),
                y - grid()->verticalScrollBar()->value() * grid()->verticalUnit()};
    }
    void press(QPoint p) { QTest::mousePress(grid()->viewport(), Qt::LeftButton, {}, p); }
    void release(QPoint p) { QTest::mouseRelease(grid()->viewport(), Qt::LeftButton, {}, p); }
    // A move with the left button held (or not).
    void move(QPoint p, bool held = true) {
        QMouseEvent e(QEvent::MouseMove, p, grid()->viewport()->mapToGlobal(p), Qt::NoButton,
                      held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid()->viewport(), &e);
    }
    void drag(int r1, int c1, int r2, int c2) {
        press(cellPoint(r1, c1));
        move(cellPoint(r2, c2));
        release(cellPoint(r2, c2));
    }

    bool marked(int top, int left, int bottom, int right) const {
        int t, l, b, r;
        return grid()->markedBlock(t, l, b, r) && t == top && l == left && b == bottom &&
               r == right;
    }
};
