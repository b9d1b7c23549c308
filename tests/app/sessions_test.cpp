// Sessions at the desktop program as data: every file *.sitzung in tests/data
// holds the files a user has, the steps the user takes through the menus and
// dialogs, and the course of the session as a person sees it: the windows'
// captions, messages, file dialogs and dialogs, help pages asked for, the
// status line and the bytes of every file written. LINEON_BLESS=1 writes the
// course as it comes out, for a new session to be read through and kept.
//
//   # what the session shows
//   == datei a.mtx          (a file in the session's folder, written with CR LF)
//   == schritte             (one step a line)
//   start a.mtx             the program, with command-line files
//   > Gauss                 the menu entry of this text (without the &)
//   name a.mtx              the next file dialog chooses this file (else: cancelled)
//   antwort Nein            the next message is answered so (else Ja or OK)
//   dialog rows=2 c=ja ok   the next dialog: fields set (a list: its row), buttons clicked,
//                           ?name notes the field's text
//   tippe 1 2 3/4           types into row 1, column 2 (as the line shows it) and presses Enter
//   taste Shift+Right 5     keys to the widget that has the keyboard; other tokens are typed
//   fokus                   which widget has the keyboard, in which window
//   markiere 1 1 2 3        drags the mouse from row 1, column 1 to row 2, column 3
//   raster                  the position display, the entry line and the visible cells
//                           as the grid paints them, the inverted ones in [ ]
//   fenster 2               activates the second window
//   schließen               closes the active window
//   zwischenablage 1\t2     puts the text on the clipboard; without text: notes its text
//   zeige Bearbeiten        the menu's entries, "(aus)" where disabled; no name: the menu bar
//   kontextmenü             a right click in the active window's view: the menu it opens
//   == verlauf              (each step, then what it led to; a menu that opens is
//                           noted with its entries and closed)
#include <QClipboard>
#include <QDebug>
#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "appfixture.h"
#include "casefile.h"
#include "editmain.h"
#include "enteredit.h"
#include "matrixedit.h"

namespace {

QString label(const QAction* a) {
    QString text = a->text();
    text.remove('&');
    return text.section('\t', 0, 0).trimmed();
}

QString entries(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions)
        out << (a->isSeparator()
                    ? QStringLiteral("-")
                    : label(a) + (a->menu() ? " >" : "") + (a->isEnabled() ? "" : " (aus)") +
                          (a->isChecked() ? " *" : ""));
    return out.join(" | ");
}

// An image that keeps what is painted on it: the texts with their boxes, the
// lines not drawn in the red of the grid lines (fraction bars) and the
// rectangles inverted by painting in difference mode.
class Painted : public QImage {
public:
    struct Text {
        QRectF box;
        QString text;
    };
    std::vector<Text> texts;
    std::vector<QLineF> bars;
    std::vector<QRectF> inverted;

    explicit Painted(QSize size) : QImage(size, Format_RGB32) { engine_.to = this; }
    QPaintEngine* paintEngine() const override { return &engine_; }

private:
    struct Engine : QPaintEngine {
        Painted* to = nullptr;
        QTransform t;
        QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
        QColor pen;
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& s) override {
            if (s.state() & DirtyTransform) t = s.transform();
            if (s.state() & DirtyCompositionMode) mode = s.compositionMode();
            if (s.state() & DirtyPen) pen = s.pen().color();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& ti) override {
            const QRectF box(p.x(), p.y() - ti.ascent(), ti.width(), ti.ascent() + ti.descent());
            to->texts.push_back({t.mapRect(box), ti.text()});
        }
        using QPaintEngine::drawLines;
        void drawLines(const QLineF* lines, int n) override {
            for (int i = 0; pen != QColor(255, 0, 0) && i < n; ++i)
                to->bars.push_back(t.map(lines[i]));
        }
        using QPaintEngine::drawRects;
        void drawRects(const QRectF* rects, int n) override {
            for (int i = 0; mode == QPainter::CompositionMode_Difference && i < n; ++i)
                to->inverted.push_back(t.mapRect(rects[i]));
        }
    };
    mutable Engine engine_;
};

// The visible cells of the grid as painted, one line a row: a fraction as
// "whole numerator/denominator", an inverted cell in [ ]. The second part
// names every text with its box, to compare paintings.
std::pair<QStringList, QString> raster(MatrixEdit* g) {
    Painted p(g->viewport()->size());
    g->viewport()->render(&p);
    const int dx = g->horizontalScrollBar()->value() * g->horizontalUnit();
    const int dy = g->verticalScrollBar()->value() * g->verticalUnit(),
              h = std::max(1, g->rowHeight());
    const auto cellOf = [&](QPointF at) {
        int c = 0;
        while (c + 1 < g->columnCount() && g->columnLeft(c + 1) < at.x() + dx) ++c;
        return std::pair{int(at.y() + dy) / h, c};
    };
    std::map<std::pair<int, int>, std::vector<Painted::Text>> texts;
    std::map<std::pair<int, int>, QLineF> bars;
    QString boxes;
    for (const Painted::Text& t : p.texts) {
        texts[cellOf(t.box.center())].push_back(t);
        QDebug(&boxes) << t.box << t.text;
    }
    for (const QLineF& bar : p.bars) bars[cellOf(bar.center())] = bar;
    std::vector<std::map<int, QString>> rows;
    std::map<int, qsizetype> widths;
    for (int r = 0; r < g->document()->rows(); ++r) {
        std::map<int, QString> row;
        for (int c = 0; c < g->columnCount(); ++c) {
            const QPointF middle(g->columnLeft(c) + g->columnWidth(c) / 2.0 - dx,
                                 r * h + h / 2.0 - dy);
            if (!g->viewport()->rect().contains(middle.toPoint())) continue;
            std::vector<Painted::Text>& parts = texts[{r, c}];
            std::sort(parts.begin(), parts.end(),
                      [](auto& a, auto& b) { return a.box.left() < b.box.left(); });
            const auto bar = bars.find({r, c});
            QString whole, over, under;
            for (const Painted::Text& t : parts) {
                QString& part = bar == bars.end() || t.box.center().x() < bar->second.x1() ? whole
                                : t.box.center().y() < bar->second.y1()                    ? over
                                                                                           : under;
                part += (part.isEmpty() ? "" : " ") + t.text;
            }
            if (bar != bars.end()) whole += (whole.isEmpty() ? "" : " ") + over + "/" + under;
            const bool inverted = std::any_of(p.inverted.begin(), p.inverted.end(),
                                              [&](const QRectF& i) { return i.contains(middle); });
            row[c] = inverted ? "[" + whole + "]" : " " + whole + " ";
            widths[c] = std::max(widths[c], row[c].size());
        }
        if (!row.empty()) rows.push_back(row);
    }
    QStringList lines;
    for (const auto& row : rows) {
        QString line;
        for (const auto& [c, text] : row) line += text.rightJustified(widths[c]);
        lines << line;
    }
    return {lines, boxes};
}

} // namespace

class Session : public AppTest, public testing::WithParamInterface<DataFile> {
protected:
    std::string out;
    std::deque<QStringList> dialogAnswers;
    QPointer<QDialog> answered;
    QPoint clickedAt; // of the last right click, where its menu must open
    QPointer<QMenu> seenMenu;
    std::size_t messages = 0, fileDialogs = 0, helps = 0;
    QStringList windowsShown;
    QString status;
    bool mainShown = false;
    std::map<QString, QByteArray> files;

    void note(const QString& s) { out += "  " + shown(s) + "\n"; }
    std::string shown(QString s) const {
        return s.replace(dir.path() + "/", "").replace("\n", "\\n").toStdString();
    }

    // The widget that has the keyboard once the main window is active again
    // (no window manager here gives it back after a dialog or a menu).
    QWidget* focus() {
        EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }));
        main().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main()));
        return QApplication::focusWidget() ? QApplication::focusWidget() : main().focusWidget();
    }

    editmain* editor() { return active() ? qobject_cast<editmain*>(active()->widget()) : nullptr; }

    QAction* entry(const QString& text) {
        main().updateCommandStates();
        QList<QAction*> all = main().menuBar()->actions();
        for (int i = 0; i < all.size(); ++i) {
            if (all[i]->menu()) all << all[i]->menu()->actions();
            if (i >= main().menuBar()->actions().size() && label(all[i]) == text) return all[i];
        }
        ADD_FAILURE() << "no menu entry " << text.toStdString();
        return nullptr;
    }

    // Answers the modal dialog that runs, from inside its event loop.
    void answerDialog() {
        // A menu that opens is noted, and closed once it has settled; a context
        // menu must open at the click.
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            const QString title = menu->title().remove('&');
            if (menu == seenMenu && menu->close()) return;
            note((title.isEmpty() ? "" : "menü " + title + ": ") + entries(menu->actions()) +
                 (title.isEmpty() && menu->pos() != clickedAt ? " (anderswo)" : ""));
            seenMenu = menu;
            return;
        }
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        flush();
        if (d == answered) {
            note("  bleibt offen");
        } else {
            QString items;
            if (auto* list = d->findChild<QListWidget*>("list"))
                for (int i = 0; i < list->count(); ++i) items += "\n    " + list->item(i)->text();
            note("dialog \"" + d->windowTitle() + "\"" + items);
        }
        answered = d;
        if (dialogAnswers.empty()) {
            note("  abgebrochen");
            d->reject();
            return;
        }
        for (const QString& token : dialogAnswers.front()) {
            const QString name = token.section('=', 0, 0).remove('?'),
                          value = token.section('=', 1);
            QObject* field = d->findChild<QObject*>(name);
            if (!field) ADD_FAILURE() << "no field " << name.toStdString();
            if (auto* box = qobject_cast<QCheckBox*>(field); box && token.startsWith('?'))
                note("  " + name + ": " + box->text() + (box->isChecked() ? " [x]" : " [ ]"));
            else if (token.startsWith('?'))
                note("  " + name + ": " + field->property("text").toString());
            else if (auto* e = qobject_cast<QLineEdit*>(field))
                e->setText(value);
            else if (auto* c = qobject_cast<QCheckBox*>(field); c && token.contains('='))
                c->setChecked(value == "ja");
            else if (auto* l = qobject_cast<QListWidget*>(field))
                l->setCurrentRow(value.toInt() - 1);
            else if (auto* b = qobject_cast<QAbstractButton*>(field))
                b->click();
        }
        dialogAnswers.pop_front();
        flush();
        if (!d->isVisible()) answered = nullptr;
    }

    void step(const QString& verb, const QString& rest) {
        if (verb == "start") {
            QStringList names = rest.split(' ', Qt::SkipEmptyParts);
            for (QString& n : names) n = path(n);
            start(names);
            // Notes what came before each message, so the course keeps its order.
            prompts.beforeMessage = [this, repaint = prompts.beforeMessage] { flush(), repaint(); };
        } else if (verb == ">") {
            if (QAction* a = entry(rest); a && !a->isEnabled())
                note("(aus)");
            else if (a)
                a->trigger();
        } else if (verb == "name") {
            prompts.files.push_back(path(rest));
        } else if (verb == "antwort") {
            static const std::map<QString, prompts::Answer> answers = {
                {"Ja", prompts::Yes}, {"Nein", prompts::No}, {"Abbrechen", prompts::Cancel}};
            prompts.answers.push_back(answers.at(rest));
        } else if (verb == "dialog") {
            dialogAnswers.push_back(rest.split(' ', Qt::SkipEmptyParts));
        } else if (verb == "tippe") {
            editmain* e = editor();
            ASSERT_TRUE(e) << "no source view";
            e->grid()->setCursor(rest.section(' ', 0, 0).toInt() - 1,
                                 rest.section(' ', 1, 1).toInt() - 1);
            QTest::keyClicks(e->entry(), rest.section(' ', 2));
            QTest::keyClick(e->entry(), Qt::Key_Return);
        } else if (verb == "taste") {
            // The keys go where the keyboard is; the window's shortcuts answer them.
            for (const QString& key : rest.split(' ', Qt::SkipEmptyParts)) {
                QWidget* to = focus();
                ASSERT_TRUE(to) << "nothing has the keyboard";
                const QKeySequence named(key);
                const Qt::Key k = named[0].key();
                const Qt::KeyboardModifiers mods = named[0].keyboardModifiers();
                // Ctrl with a letter types its control character, as a keyboard does.
                const bool control =
                    (mods & Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z;
                if (key.size() > 1 && named.count() == 1 && k != Qt::Key_unknown)
                    QTest::sendKeyEvent(QTest::Click, to, k,
                                        control ? QString(QChar(k - Qt::Key_A + 1)) : QString(),
                                        mods);
                else
                    QTest::keyClicks(to, key);
            }
        } else if (verb == "markiere") {
            editmain* e = editor();
            ASSERT_TRUE(e) << "no source view";
            MatrixEdit* g = e->grid();
            const QStringList at = rest.split(' ');
            const auto middle = [&](int i) {
                const int r = at.value(i).toInt() - 1, c = at.value(i + 1).toInt() - 1;
                return QPoint(g->columnLeft(c) + g->columnWidth(c) / 2 -
                                  g->horizontalScrollBar()->value() * g->horizontalUnit(),
                              r * g->rowHeight() + g->rowHeight() / 2 -
                                  g->verticalScrollBar()->value() * g->verticalUnit());
            };
            QTest::mousePress(g->viewport(), Qt::LeftButton, {}, middle(0));
            QMouseEvent move(QEvent::MouseMove, middle(2), g->viewport()->mapToGlobal(middle(2)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(g->viewport(), &move);
            QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, middle(2));
        } else if (verb == "raster") {
            editmain* e = editor();
            ASSERT_TRUE(e) << "no source view";
            const bool red =
                e->entry()->palette().color(QPalette::Base) != QPalette().color(QPalette::Base);
            note(e->findChild<QLabel*>("position")->text() + "  eingabe \"" + e->entry()->text() +
                 "\"" + (red ? " rot" : ""));
            const auto [shown, boxes] = raster(e->grid());
            for (const QString& line : shown) note(line);
            // What a change painted must be what a whole new layout paints.
            e->grid()->layout();
            if (const auto [fresh, freshBoxes] = raster(e->grid()); freshBoxes != boxes) {
                note("neu ausgelegt anders:");
                for (const QString& line : fresh) note(line);
            }
        } else if (verb == "fokus") {
            QWidget* f = focus();
            const auto* w = f ? f->parentWidget() : nullptr;
            while (w && !qobject_cast<const SDIDecFrame*>(w)) w = w->parentWidget();
            note("fokus " + (f ? f->objectName() : "keiner") +
                 (w ? " in " + w->windowTitle() : ""));
        } else if (verb == "fenster") {
            client().setActiveSubWindow(windows().value(rest.toInt() - 1));
        } else if (verb == "schließen") {
            active()->close();
        } else if (verb == "zwischenablage" && rest.isEmpty()) {
            note("zwischenablage: " + QGuiApplication::clipboard()->text().replace('\t', "\\t"));
        } else if (verb == "zwischenablage") {
            QGuiApplication::clipboard()->setText(
                QString(rest).replace("\\t", "\t").replace("\\n", "\n"));
        } else if (verb == "zeige") {
            main().updateCommandStates();
            QList<QAction*> menus;
            for (QAction* a : main().menuBar()->actions())
                if (a->isVisible() && (rest.isEmpty() || label(a) == rest))
                    menus << (rest.isEmpty() ? QList<QAction*>{a} : a->menu()->actions());
            note(entries(menus));
        } else if (verb == "kontextmenü") {
            // A right click through the window system in the middle of the view.
            auto* view = qobject_cast<QAbstractScrollArea*>(active()->widget());
            QWidget* at = editor() ? editor()->grid()->viewport()
                          : view   ? view->viewport()
                                   : nullptr;
            ASSERT_TRUE(at) << "no view";
            clickedAt = at->mapToGlobal(at->rect().center());
            QTest::mouseClick(at->window()->windowHandle(), Qt::RightButton, {},
                              at->window()->mapFromGlobal(clickedAt));
        } else {
            FAIL() << "no step " << verb.toStdString();
        }
    }

    // Notes the messages, file dialogs and help pages that came since the last time.
    void flush() {
        for (; fileDialogs < prompts.dialogTitles.size(); ++fileDialogs)
            note("dateidialog \"" + prompts.dialogTitles[fileDialogs] +
                 "\" schlägt vor: " + prompts.proposed[fileDialogs].fileName);
        for (; helps < prompts.helpContexts.size(); ++helps)
            note("hilfe " + QString::number(prompts.helpContexts[helps]));
        static const char* styles[] = {"OK",   "OK Abbrechen", "Information",
                                       "Stop", "Frage",        "Stop oder lange Bruchzahlen"};
        for (; messages < prompts.messages.size(); ++messages) {
            const auto& m = prompts.messages[messages];
            note("meldung \"" + m.caption + "\" " + styles[int(m.style)] + ": " + m.text);
        }
    }

    // Notes what the step led to.
    void observe() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        flush();
        QStringList now;
        for (SDIDecFrame* w : windows())
            now << w->windowTitle() + (w == active() ? " *" : "") +
                       (w->isModified() ? " geändert" : "");
        if (now != windowsShown && now.isEmpty()) note("keine fenster");
        for (const QString& w : now)
            if (now != windowsShown) note("fenster " + w);
        windowsShown = now;
        if (mainShown && !main().isVisible()) note("hauptfenster geschlossen");
        mainShown = main().isVisible();
        if (main().statusBar()->currentMessage() != status)
            note("status: " + (status = main().statusBar()->currentMessage()));
        for (QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString file = it.next();
            const QByteArray bytes = read(file);
            if (files.count(file) && files[file] == bytes) continue;
            files[file] = bytes;
            const qsizetype lines = bytes.count('\n'), crlf = bytes.count("\r\n");
            note("datei " + file + " (" + QString::number(bytes.size()) + " Bytes, " +
                 (crlf == lines ? "CR LF"
                  : crlf == 0   ? "LF"
                                : "CR LF gemischt") +
                 ")");
            if (bytes.size() <= 4000)
                for (const QByteArray& line : bytes.split('\n').mid(0, lines))
                    out += "    | " + (line.endsWith('\r') ? line.chopped(1) : line).toStdString() +
                           "\n";
        }
    }
};

TEST_P(Session, RunsAsRecorded) {
    const DataFile& c = GetParam();
    for (const auto& [name, text] : c.sections)
        if (name.rfind("datei ", 0) == 0)
            write(QString::fromStdString(name.substr(6)),
                  QByteArray::fromStdString(replaced(text, "\n", "\r\n")));
    for (const QString& file : QDir(dir.path()).entryList(QDir::Files))
        files[path(file)] = read(path(file));
    QTimer dialogs;
    dialogs.callOnTimeout([this] { answerDialog(); });
    dialogs.start(0);
    std::istringstream steps(c.section("schritte"));
    for (std::string line; std::getline(steps, line) && !HasFatalFailure();) {
        const QString s = QString::fromStdString(line);
        out += line + "\n";
        const QString verb = s.section(' ', 0, 0);
        step(verb, s.section(' ', 1));
        observe();
        if (verb != "name" && verb != "antwort" && verb != "dialog") {
            if (!prompts.files.empty() || !prompts.answers.empty() || !dialogAnswers.empty())
                out += "  (nicht gebraucht: name, antwort oder dialog)\n";
            prompts.files.clear();
            prompts.answers.clear();
            dialogAnswers.clear();
        }
    }
    if (std::getenv("LINEON_BLESS"))
        bless(c, {{"verlauf", out}}, c.header);
    else
        EXPECT_EQ(out, c.section("verlauf"));
}

INSTANTIATE_TEST_SUITE_P(Data, Session, testing::ValuesIn(dataFiles("*.sitzung")), testName);
