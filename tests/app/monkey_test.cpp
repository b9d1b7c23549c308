// A long random session of a user who tries everything: new and opened
// matrices, typing, marking, copying, pasting, resizing, transposing, every
// algorithm on exact and floating-point documents, the views, duplicates,
// saving and reopening, closing with every answer. After each action the
// windows must still tell the truth: captions, enabled commands, the changed
// mark, saved files. The seed and the last actions are printed on a failure;
// LINEON_MONKEY_SEED and LINEON_MONKEY_ACTIONS run another session.
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <deque>
#include <random>

#include "appfixture.h"
#include "editmain.h"
#include "enteredit.h"
#include "matrixedit.h"
#include "bruchfonts.h"
#include "matrixfile.h"

namespace {

const std::vector<int> algorithms = {
    cmd::Gauss,   cmd::GaussJordan,  cmd::Loesung, cmd::Bild,      cmd::Kern,
    cmd::Inverse, cmd::Pivotiere,    cmd::Eckenfindung, cmd::Simplex,
    cmd::Naehrungsloesung, cmd::Determinante, cmd::Multiplikation, cmd::Addition,
    cmd::Substraktion};

const std::vector<int> afterRunCommands = {cmd::SaveProtocol, cmd::ViewResult, cmd::ViewProtocol};
const std::vector<int> resultCommands = {cmd::SaveResult, cmd::ResultAsSource};
const std::vector<int> editingCommands = {cmd::Copy, cmd::Resize, cmd::Transpose, cmd::MarkRows,
                                          cmd::MarkColumns, cmd::MarkAll};

// What a user types into a cell: numbers of both kinds, fractions, mixed
// numbers, large values, and things that are no number at all.
const std::vector<QString> cellTexts = {"0",   "1",     "-1",   "7",     "-3/4",   "2/7",
                                        "1 1/2", "0,5", "-2,25", "99999", "123456", "1/0",
                                        "abc", "",      "3e5",  "-0",    "12/18"};

int env(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : fallback;
}

std::string elementsOf(const MatrixObject& m) {
    std::ostringstream os;
    os.precision(17);
    m.write(os);
    return os.str();
}

} // namespace

class MonkeyTest : public AppTest {
protected:
    std::mt19937 rng;
    std::deque<std::string> log; // the last actions, for the failure report
    int saves = 0;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return pick(100) < percent; }

    void note(const std::string& what) {
        log.push_back(what);
        if (log.size() > 25) log.pop_front();
    }

    // Answers whatever dialog the action opens, as a hurried user would:
    // plausible values, sometimes out of range, sometimes Cancel.
    void answer(QDialog* d) {
        auto click = [d](const char* name) {
            if (auto* b = d->findChild<QPushButton*>(name)) b->click();
        };
        if (chance(10)) {
            click("cancel");
            return;
        }
        for (const char* name : {"rows", "cols", "columns"})
            if (auto* e = d->findChild<QLineEdit*>(name)) e->setText(QString::number(1 + pick(6)));
        for (const char* name : {"row", "column"})
            if (auto* e = d->findChild<QLineEdit*>(name)) e->setText(QString::number(pick(7)));
        for (const char* name : {"floating", "fromTop", "fromLeft"})
            if (auto* b = d->findChild<QCheckBox*>(name)) b->setChecked(chance(30));
        if (auto* list = d->findChild<QListWidget*>("list"); list && list->count() > 0)
            list->setCurrentRow(pick(list->count()));
        if (auto* corner = d->findChild<QPushButton*>(QString("corner%1").arg(pick(4))))
            corner->click();
        click("ok");
        if (d->isVisible()) click("cancel"); // a value out of range: the user gives up
    }

    // Runs an action that may open a modal dialog and answers that dialog.
    void withDialogs(const std::function<void()>& action) {
        QTimer timer;
        timer.setInterval(0);
        timer.callOnTimeout([&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) answer(d);
        });
        timer.start();
        action();
        timer.stop();
    }

    void command(int id, const char* name) {
        note(name);
        withDialogs([&] { run(id); });
    }

    editmain* editor() {
        SDIDecFrame* w = active();
        return w ? qobject_cast<editmain*>(w->widget()) : nullptr;
    }

    QString someFile() {
        static const QStringList names = {"a.mtx", "b.mtx", "c.mat", "p.txt", "fehlt/d.mtx"};
        return path(names[pick(names.size())]);
    }

    void act() {
        SDIDecFrame* w = active();
        const bool room = windows().size() < 6;
        static const std::vector<int> pasting = {cmd::Paste, cmd::Paste, cmd::OpenBuffer,
                                                 cmd::PasteClipboard, cmd::Undo, cmd::Undo, cmd::Redo};
        static const std::vector<int> views = {cmd::ViewSource, cmd::ViewResult, cmd::ViewProtocol};
        static const std::vector<int> copies = {cmd::Duplicate, cmd::ResultAsSource, cmd::OpenAsFloat};
        auto any = [this](const std::vector<int>& ids) { return ids[pick(int(ids.size()))]; };
        switch (pick(w ? 16 : 2)) {
        case 0:
            if (room) command(cmd::New, "Neu");
            break;
        case 1:
            if (room) openExample();
            break;
        case 2: case 3: case 4: typeIntoCell(); break;
        case 5: moveOrMark(); break;
        case 6: command(any(editingCommands), "Bearbeiten"); break;
        case 7: command(any(pasting), "Einfügen oder Rückgängig"); break;
        case 8: case 9: case 10: {
            const int id = any(algorithms);
            command(id, ("Algorithmus " + std::to_string(id)).c_str());
            break;
        }
        case 11: command(any(views), "Ansicht"); break;
        case 12:
            if (room) command(any(copies), "neues Fenster");
            break;
        case 13: saveSomething(); break;
        case 14:
            note("Fenster wechseln");
            client().setActiveSubWindow(windows()[pick(int(windows().size()))]);
            break;
        case 15:
            if (chance(40)) closeActive();
            break;
        }
        QCoreApplication::processEvents();
    }

    // The examples are opened from copies: Save writes where a file came from.
    void openExample() {
        static const QStringList examples = QDir(LINEON_EXAMPLES).entryList({"*.mtx"}, QDir::Files);
        const QString example = examples[pick(int(examples.size()))];
        QFile::copy(QString(LINEON_EXAMPLES "/") + example, path(example));
        const QString file = chance(50) && QFile::exists(path("a.mtx")) ? path("a.mtx") : path(example);
        note("Öffnen " + file.toStdString());
        prompts.files = {file};
        run(cmd::Open);
    }

    void typeIntoCell() {
        editmain* e = editor();
        if (!e) return;
        MatrixEdit* grid = e->grid();
        const int row = pick(grid->document()->rows());
        const int col = pick(grid->document()->cols());
        const QString text = cellTexts[pick(cellTexts.size())];
        note("Zelle " + std::to_string(row) + "," + std::to_string(col) + " = " +
             text.toStdString());
        grid->setCursor(row, col);
        e->entry()->selectAll();
        QTest::keyClicks(e->entry(), text);
        QTest::keyClick(e->entry(), chance(80) ? Qt::Key_Return : Qt::Key_Tab);
    }

    void moveOrMark() {
        editmain* e = editor();
        if (!e) return;
        static const std::vector<Qt::Key> keys = {Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Left,
                                                  Qt::Key_Right,  Qt::Key_Tab,   Qt::Key_PageUp,
                                                  Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        const Qt::Key k = keys[pick(keys.size())];
        const bool shift = chance(50);
        note("Taste " + std::to_string(k) + (shift ? " mit Umschalt" : ""));
        QTest::keyClick(e->entry(), k, shift ? Qt::ShiftModifier : Qt::NoModifier);
    }

    void saveSomething() {
        static const std::vector<int> saving = {cmd::Save, cmd::SaveAs, cmd::SaveResult,
                                                cmd::SaveProtocol};
        const int id = saving[pick(4)];
        SDIDecFrame* w = active();
        const QString file = someFile();
        note("Speichern " + std::to_string(id) + " nach " + file.toStdString());
        prompts.files = {file};
        const std::size_t shown = prompts.messages.size();
        const bool wasUntitled = w->isUntitled();
        if (!run(id)) return;
        const bool asked = prompts.files.empty();
        prompts.files.clear();
        if (prompts.messages.size() > shown) { // the write failed
            EXPECT_TRUE(file.contains("fehlt") || w->fileData().fileName.contains("fehlt"));
            if (id == cmd::Save || id == cmd::SaveAs) {
                EXPECT_TRUE(w->isModified() || w->isUntitled() || !wasUntitled);
            }
            return;
        }
        if (id == cmd::SaveProtocol) {
            ASSERT_TRUE(MatrixFile::writeProtocol(path("protokoll.txt"), w->protocol()));
            EXPECT_EQ(read(file), read(path("protokoll.txt")));
            return;
        }
        const bool toResult = id == cmd::SaveResult;
        const MatrixObject& written = toResult ? *w->result() : w->source();
        const QString target = toResult ? file : w->fileData().fileName;
        EXPECT_TRUE(asked || (id == cmd::Save && !wasUntitled));
        if (!toResult) {
            EXPECT_FALSE(w->isModified() || w->isUntitled());
        }
        ++saves;
        // The file holds the matrix, and reads back to a matrix that writes the same bytes.
        const QByteArray bytes = read(target);
        const FloatFormat format = settings().floatFormat();
        EXPECT_EQ(bytes.toStdString(), MatrixFile::text(written, format)) << target.toStdString();
        MatrixFile::Loaded back = MatrixFile::parse(bytes.toStdString());
        ASSERT_TRUE(back) << target.toStdString() << ":\n" << bytes.toStdString();
        EXPECT_EQ(MatrixFile::text(*back.document, format), bytes.toStdString());
        if (written.kind() == MatrixObject::Exact) {
            EXPECT_EQ(elementsOf(*back.document), elementsOf(written));
        }
    }

    void closeActive() {
        static const std::vector<prompts::Answer> answers = {prompts::Yes, prompts::No,
                                                             prompts::Cancel};
        const prompts::Answer a = answers[pick(3)];
        note("Schließen, Antwort " + std::to_string(a));
        QPointer<SDIDecFrame> w = active();
        const bool mustAsk = w->isModified() || w->isUntitled();
        const std::size_t before = prompts.messages.size();
        prompts.answers = {a};
        w->close();
        QCoreApplication::processEvents();
        prompts.answers.clear();
        if (!mustAsk) {
            EXPECT_TRUE(w.isNull() || !w->isVisible()) << "an unchanged window closes at once";
        } else if (a == prompts::Cancel) {
            EXPECT_FALSE(w.isNull()) << "Abbrechen keeps the window";
            EXPECT_GT(prompts.messages.size(), before);
        }
    }

    // What every window must show after any action.
    void checkWindows() {
        main().updateCommandStates();
        SDIDecFrame* current = active();
        for (SDIDecFrame* w : windows()) {
            const MatrixObject& s = w->source();
            // A two-operand command that found no operand keeps the view, and
            // with it the caption naming the run before: the name, the size and
            // the view are always right.
            const QString title = w->windowTitle();
            const QString name = w->fileData().fileName;
            if (title != documentCaption(name, s.rows(), s.cols(), w->view(), w->algorithm())) {
                EXPECT_TRUE(w->view() != DocumentView::Source &&
                            title.startsWith(documentCaption(name, s.rows(), s.cols(), w->view(), 0)))
                    << title.toStdString();
            }
            EXPECT_TRUE(s.rows() >= 1 && s.cols() >= 1 && s.rows() <= 999 && s.cols() <= 999);
            if (w->view() == DocumentView::Result) {
                EXPECT_TRUE(w->hasResult());
            }
        }
        if (!current) {
            for (int id : afterRunCommands) EXPECT_FALSE(enabled(id)) << id;
            EXPECT_FALSE(enabled(cmd::Save));
            return;
        }
        for (int id : afterRunCommands) EXPECT_EQ(enabled(id), current->hasResult()) << id;
        const MatrixObject* result = current->hasResult() ? current->result() : nullptr;
        for (int id : resultCommands)
            EXPECT_EQ(enabled(id), result && result->rows() > 0 && result->cols() > 0) << id;
        for (int id : editingCommands)
            EXPECT_EQ(enabled(id), current->view() == DocumentView::Source) << id;
        EXPECT_EQ(enabled(cmd::OpenAsFloat), current->source().kind() == MatrixObject::Exact);
        EXPECT_TRUE(enabled(cmd::Save) && enabled(cmd::Gauss) && enabled(cmd::Duplicate));
        // The view draws from what the window holds now, never from a
        // discarded result (the sanitizer build sees any such read).
        if (QWidget* view = current->widget()) view->grab(QRect(0, 0, 400, 300));
    }

    // A window that counts as saved holds what was last saved (or opened):
    // no change is taken for saved work, and undoing back to the saved state
    // is saved again.
    std::vector<std::pair<QPointer<SDIDecFrame>, std::string>> saved;
    void checkChangedMarks() {
        const bool justSaved = log.back().rfind("Speichern", 0) == 0;
        for (SDIDecFrame* w : windows()) {
            if (w->isUntitled()) continue;
            const std::string now = elementsOf(w->source()) + std::to_string(w->source().rows());
            auto it = std::find_if(saved.begin(), saved.end(),
                                   [w](const auto& k) { return k.first == w; });
            if (it == saved.end()) {
                if (!w->isModified()) saved.emplace_back(w, now); // opened or saved just now
                continue;
            }
            if (w->isModified()) continue;
            if (justSaved && w == active())
                it->second = now;
            else if (it->second != now)
                ADD_FAILURE() << "the window counts as saved but holds another matrix";
        }
        std::erase_if(saved, [](const auto& k) { return k.first.isNull(); });
    }
};

TEST_F(MonkeyTest, ARandomSessionKeepsEveryWindowTruthful) {
    const int firstSeed = env("LINEON_MONKEY_SEED", 20261206);
    const int actions = env("LINEON_MONKEY_ACTIONS", 1500);
    const int sessions = env("LINEON_MONKEY_SESSIONS", 2);
    int total = 0;
    for (int session = 0; session < sessions && !HasFailure(); ++session) {
        const int seed = firstSeed + session;
        rng.seed(seed);
        log.clear();
        saved.clear();
        start();
        for (int i = 0; i < actions; ++i) {
            act();
            checkWindows();
            checkChangedMarks();
            ++total;
            if (HasFailure()) {
                std::string trail;
                for (const std::string& s : log) trail += "\n  " + s;
                FAIL() << "seed " << seed << ", action " << i << "; the last actions:" << trail;
            }
        }
        // Leaving without saving: every window goes.
        prompts.answers = std::deque<prompts::Answer>(64, prompts::No);
        for (SDIDecFrame* w : windows()) w->close();
        QCoreApplication::processEvents();
        EXPECT_TRUE(windows().isEmpty());
        prompts.answers.clear();
        app.reset();
    }
    std::printf("%d actions, %d saved files checked\n", total, saves);
}
