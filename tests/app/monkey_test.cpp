// A long random session of a user who tries everything: new and opened
// matrices, typing, marking, copying, pasting, resizing, transposing, every
// algorithm on exact and floating-point documents, the views, duplicates,
// saving and reopening, closing with every answer. After each action the
// windows must still tell the truth: captions, enabled commands, the changed
// mark, saved files. The seed and the last actions are printed on a failure;
// LINEON_MONKEY_SEED, LINEON_MONKEY_ACTIONS and LINEON_MONKEY_SESSIONS run others.
#include <QDir>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <deque>
#include <random>

#include "appfixture.h"
#include "documentcaption.h"
#include "editmain.h"
#include "enteredit.h"
#include "matrixedit.h"
#include "matrixfile.h"

namespace {

using Ids = std::vector<int>;
const Ids algorithms = {
    cmd::Gauss,    cmd::GaussJordan,      cmd::Loesung,      cmd::Bild,
    cmd::Kern,     cmd::Inverse,          cmd::Pivotiere,    cmd::Eckenfindung,
    cmd::Simplex,  cmd::Naehrungsloesung, cmd::Determinante, cmd::Multiplikation,
    cmd::Addition, cmd::Substraktion};
const Ids editing = {cmd::Copy,     cmd::Resize,      cmd::Transpose,
                     cmd::MarkRows, cmd::MarkColumns, cmd::MarkAll};
const Ids others = {cmd::Paste,        cmd::OpenBuffer, cmd::PasteClipboard, cmd::Undo,
                    cmd::Undo,         cmd::Redo,       cmd::ViewSource,     cmd::ViewResult,
                    cmd::ViewProtocol, cmd::Duplicate,  cmd::ResultAsSource, cmd::OpenAsFloat,
                    cmd::OpenAsLong,   cmd::New};
const Ids saving = {cmd::Save, cmd::SaveAs, cmd::SaveResult, cmd::SaveProtocol};
// What a user types into a cell: numbers of both kinds, fractions, mixed
// numbers, large values, and things that are no number at all.
const QStringList cellTexts =
    QString("0|1|-1|7|-3/4|2/7|1 1/2|0,5|-2,25|99999|123456|1/0|abc||3e5|-0|12/18").split('|');
const std::vector<Qt::Key> keys = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_Left,
                                   Qt::Key_Right,    Qt::Key_Tab,  Qt::Key_PageUp,
                                   Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};

int env(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : fallback;
}

std::string elementsOf(const MatrixObject& m) {
    std::ostringstream os;
    os.precision(17);
    m.write(os);
    return std::to_string(m.rows()) + " " + os.str();
}

} // namespace

class MonkeyTest : public AppTest {
protected:
    std::mt19937 rng;
    std::deque<std::string> log; // the last actions, for the failure report
    std::vector<std::pair<QPointer<SDIDecFrame>, std::string>>
        saved; // what each saved window holds
    int saves = 0;

    int pick(std::size_t n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(rng); }
    bool chance(int percent) { return pick(100) < percent; }
    // A window never saved names no file in the session's folder.
    bool untitled(const SDIDecFrame* w) const {
        return !w->fileData().fileName.startsWith(dir.path());
    }
    void note(const std::string& what) {
        log.push_back(what);
        if (log.size() > 25) log.pop_front();
    }

    // Answers whatever dialog comes, as a hurried user would: plausible
    // values, sometimes out of range, sometimes Cancel.
    void answer(QDialog* d) {
        auto click = [d](const QString& name) {
            if (auto* b = d->findChild<QPushButton*>(name)) b->click();
        };
        if (chance(10)) return click("cancel");
        for (const char* name : {"rows", "cols", "columns"})
            if (auto* e = d->findChild<QLineEdit*>(name)) e->setText(QString::number(1 + pick(6)));
        for (const char* name : {"row", "column"})
            if (auto* e = d->findChild<QLineEdit*>(name)) e->setText(QString::number(pick(7)));
        for (const char* name : {"floating", "long", "fromTop", "fromLeft"})
            if (auto* b = d->findChild<QCheckBox*>(name)) b->setChecked(chance(30));
        if (auto* list = d->findChild<QListWidget*>("list"); list && list->count() > 0)
            list->setCurrentRow(pick(list->count()));
        click(QString("corner%1").arg(pick(4)));
        click("ok");
        if (d->isVisible()) click("cancel"); // a value out of range: the user gives up
    }
    void command(int id) {
        note("Befehl " + std::to_string(id));
        QTimer dialogs;
        dialogs.callOnTimeout([&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) answer(d);
        });
        dialogs.start(0);
        run(id);
    }

    void act() {
        SDIDecFrame* w = active();
        auto* e = w ? qobject_cast<editmain*>(w->widget()) : nullptr;
        auto any = [this](const Ids& ids) { return ids[pick(ids.size())]; };
        const bool room = windows().size() < 6;
        const int r = pick(w ? 16 : 2);
        if (r == 0 && room) command(cmd::New);
        if (r == 1 && room) openExample();
        if (r >= 2 && r <= 4 && e) {
            const QString text = cellTexts[pick(cellTexts.size())];
            note("Zelle " + text.toStdString());
            e->grid()->setCursor(pick(e->grid()->document()->rows()),
                                 pick(e->grid()->document()->cols()));
            e->entry()->selectAll();
            QTest::keyClicks(e->entry(), text);
            QTest::keyClick(e->entry(), chance(80) ? Qt::Key_Return : Qt::Key_Tab);
        }
        if (r == 5 && e) {
            note("Taste");
            QTest::keyClick(e->entry(), keys[pick(keys.size())],
                            chance(50) ? Qt::ShiftModifier : Qt::NoModifier);
        }
        if (r == 6) command(any(editing));
        if (r >= 7 && r <= 10) command(any(algorithms));
        if (r >= 11 && r <= 12 && room) command(any(others));
        if (r == 13) saveSomething(any(saving));
        if (r == 14) client().setActiveSubWindow(windows()[pick(windows().size())]);
        if (r == 15 && chance(40)) closeActive();
        QCoreApplication::processEvents();
    }

    // The examples are opened from copies: Save writes where a file came from.
    void openExample() {
        static const QStringList examples = QDir(LINEON_EXAMPLES).entryList({"*.mtx"}, QDir::Files);
        const QString example = examples[pick(examples.size())];
        QFile::copy(LINEON_EXAMPLES "/" + example, path(example));
        note("Öffnen " + example.toStdString());
        prompts.files = {chance(50) && QFile::exists(path("a.mtx")) ? path("a.mtx")
                                                                    : path(example)};
        run(cmd::Open);
    }

    // A save the window takes leaves a file that reads back to the matrix; one
    // it refuses (into a missing folder) leaves the changed mark as it was.
    void saveSomething(int id) {
        static const QStringList names = {"a.mtx", "b.mtx", "c.mat", "p.txt", "fehlt/d.mtx"};
        SDIDecFrame* w = active();
        const bool source = id == cmd::Save || id == cmd::SaveAs, unsaved = w->isModified();
        const QString chosen = path(names[pick(names.size())]);
        note("Speichern " + std::to_string(id) + " nach " + chosen.toStdString());
        prompts.files = {chosen};
        const std::size_t shown = prompts.messages.size();
        const bool ran = run(id);
        prompts.files.clear();
        if (!ran || id == cmd::SaveProtocol) return;
        if (prompts.messages.size() > shown) {
            EXPECT_TRUE(!source || w->isModified() == unsaved) << "a refused save";
            return;
        }
        const FloatFormat f = settings().floatFormat();
        const MatrixFile::Loaded back = MatrixFile::read(source ? w->fileData().fileName : chosen);
        ASSERT_TRUE(back);
        EXPECT_EQ(MatrixFile::text(*back.document, f),
                  MatrixFile::text(source ? w->source() : *w->result(), f));
        EXPECT_FALSE(source && (w->isModified() || untitled(w)));
        ++saves;
    }

    void closeActive() {
        const prompts::Answer a = std::vector{prompts::Yes, prompts::No, prompts::Cancel}[pick(3)];
        note("Schließen, Antwort " + std::to_string(a));
        QPointer<SDIDecFrame> w = active();
        const bool mustAsk = w->isModified() || untitled(w);
        prompts.answers = {a};
        w->close();
        QCoreApplication::processEvents();
        prompts.answers.clear();
        // Unchanged windows close at once; of the question's answers, Nein closes
        // and Abbrechen keeps the window.
        const bool closed = w.isNull() || !w->isVisible();
        EXPECT_EQ(closed, !mustAsk || a == prompts::No || (a == prompts::Yes && closed)) << a;
    }

    // What every window must show after any action.
    void checkWindows() {
        for (SDIDecFrame* w : windows()) {
            const MatrixObject& s = w->source();
            // A two-operand command that found no operand keeps the view, and
            // with it the caption naming the run before: the name, the size and
            // the view are always right.
            const QString name = w->fileData().fileName, title = w->windowTitle();
            EXPECT_TRUE(title ==
                            documentCaption(name, s.rows(), s.cols(), w->view(), w->algorithm()) ||
                        (w->view() != DocumentView::Source &&
                         title.startsWith(documentCaption(name, s.rows(), s.cols(), w->view(), 0))))
                << title;
            EXPECT_TRUE(s.rows() >= 1 && s.cols() >= 1 && s.rows() <= 999 && s.cols() <= 999);
            EXPECT_TRUE(w->view() != DocumentView::Result || w->hasResult());
        }
        SDIDecFrame* w = active();
        const MatrixObject* result = w && w->hasResult() ? w->result() : nullptr;
        // An overflow as a window's first run leaves a protocol but no result.
        const bool protocol = w && (w->hasResult() || !w->protocol().records().empty());
        EXPECT_EQ(enabled(cmd::ViewResult), w && w->hasResult());
        for (int id : {cmd::SaveProtocol, cmd::ViewProtocol})
            EXPECT_EQ(enabled(id), protocol) << id;
        for (int id : {cmd::SaveResult, cmd::ResultAsSource})
            EXPECT_EQ(enabled(id), result && result->rows() > 0 && result->cols() > 0) << id;
        EXPECT_EQ(enabled(cmd::Save) && enabled(cmd::Gauss) && enabled(cmd::Duplicate),
                  w != nullptr);
        if (!w) return;
        for (int id : editing) EXPECT_EQ(enabled(id), w->view() == DocumentView::Source) << id;
        EXPECT_EQ(enabled(cmd::OpenAsFloat), w->source().kind() != MatrixObject::Float);
        EXPECT_EQ(enabled(cmd::OpenAsLong), w->source().kind() != MatrixObject::Long);
        // The view draws from what the window holds now, never from a
        // discarded result (the sanitizer build sees any such read).
        if (w->widget()) w->widget()->grab(QRect(0, 0, 400, 300));
    }

    // A window that counts as saved holds what was last saved (or opened): no
    // change is taken for saved work, and undoing back to the saved state is
    // saved again.
    void checkChangedMarks() {
        const bool justSaved = log.back().rfind("Speichern", 0) == 0;
        std::erase_if(saved, [](const auto& k) { return k.first.isNull(); });
        for (SDIDecFrame* w : windows()) {
            const std::string now = elementsOf(w->source());
            auto it = std::find_if(saved.begin(), saved.end(),
                                   [w](const auto& k) { return k.first == w; });
            if (untitled(w) || w->isModified()) continue;
            if (it == saved.end())
                saved.emplace_back(w, now); // opened or saved just now
            else if (justSaved && w == active())
                it->second = now;
            else
                EXPECT_EQ(it->second, now) << "the window counts as saved but holds another matrix";
        }
    }
};

TEST_F(MonkeyTest, ARandomSessionKeepsEveryWindowTruthful) {
    const int firstSeed = env("LINEON_MONKEY_SEED", 20261206);
    int total = 0;
    for (int session = 0; session < env("LINEON_MONKEY_SESSIONS", 2) && !HasFailure(); ++session) {
        const int seed = firstSeed + session;
        rng.seed(seed);
        log.clear();
        saved.clear();
        start();
        for (int i = 0; i < env("LINEON_MONKEY_ACTIONS", 1500); ++i, ++total) {
            act();
            checkWindows();
            checkChangedMarks();
            if (!HasFailure()) continue;
            std::string trail;
            for (const std::string& s : log) trail += "\n  " + s;
            FAIL() << "seed " << seed << ", action " << i << "; the last actions:" << trail;
        }
        // Leaving without saving: every window goes.
        prompts.answers = std::deque<prompts::Answer>(64, prompts::No);
        for (SDIDecFrame* w : windows()) w->close();
        QCoreApplication::processEvents();
        EXPECT_TRUE(windows().isEmpty());
        app.reset();
    }
    std::printf("%d actions, %d saved files checked\n", total, saves);
}
