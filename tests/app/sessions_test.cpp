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
//   tippe 1 2 3/4           types into row 1, column 2 and presses Enter
//   fenster 2               activates the second window
//   schließen               closes the active window
//   zwischenablage 1\t2     puts the text on the clipboard
//   zeige Bearbeiten        the menu's entries, "(aus)" where disabled; no name: the menu bar
//   kontextmenü             the active window's context menu
//   == verlauf              (each step, then what it led to)
#include <QClipboard>
#include <QDirIterator>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <cstdlib>

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
        out << (a->isSeparator() ? QStringLiteral("-")
                                 : label(a) + (a->menu() ? " >" : "") + (a->isEnabled() ? "" : " (aus)") +
                                       (a->isChecked() ? " *" : ""));
    return out.join(" | ");
}

} // namespace

class Session : public AppTest, public testing::WithParamInterface<DataFile> {
protected:
    std::string out;
    std::deque<QStringList> dialogAnswers;
    QPointer<QDialog> answered;
    std::size_t messages = 0, fileDialogs = 0, helps = 0;
    QStringList windowsShown;
    QString status;
    bool mainShown = false;
    std::map<QString, QByteArray> files;

    void note(const QString& s) { out += "  " + shown(s) + "\n"; }
    std::string shown(QString s) const {
        return s.replace(dir.path() + "/", "").replace("\n", "\\n").toStdString();
    }

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
            const QString name = token.section('=', 0, 0).remove('?'), value = token.section('=', 1);
            QObject* field = d->findChild<QObject*>(name);
            if (!field) ADD_FAILURE() << "no field " << name.toStdString();
            if (token.startsWith('?')) note("  " + name + ": " + field->property("text").toString());
            else if (auto* e = qobject_cast<QLineEdit*>(field)) e->setText(value);
            else if (auto* c = qobject_cast<QCheckBox*>(field); c && token.contains('=')) c->setChecked(value == "ja");
            else if (auto* l = qobject_cast<QListWidget*>(field)) l->setCurrentRow(value.toInt() - 1);
            else if (auto* b = qobject_cast<QAbstractButton*>(field)) b->click();
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
            if (QAction* a = entry(rest); a && !a->isEnabled()) note("(aus)");
            else if (a) a->trigger();
        } else if (verb == "name") {
            prompts.files.push_back(path(rest));
        } else if (verb == "antwort") {
            static const std::map<QString, prompts::Answer> answers = {
                {"Ja", prompts::Yes}, {"Nein", prompts::No}, {"Abbrechen", prompts::Cancel}};
            prompts.answers.push_back(answers.at(rest));
        } else if (verb == "dialog") {
            dialogAnswers.push_back(rest.split(' ', Qt::SkipEmptyParts));
        } else if (verb == "tippe") {
            auto* e = qobject_cast<editmain*>(active()->widget());
            ASSERT_TRUE(e) << "no source view";
            e->grid()->setCursor(rest.section(' ', 0, 0).toInt() - 1, rest.section(' ', 1, 1).toInt() - 1);
            e->entry()->selectAll();
            QTest::keyClicks(e->entry(), rest.section(' ', 2));
            QTest::keyClick(e->entry(), Qt::Key_Return);
        } else if (verb == "fenster") {
            client().setActiveSubWindow(windows().value(rest.toInt() - 1));
        } else if (verb == "schließen") {
            active()->close();
        } else if (verb == "zwischenablage") {
            QGuiApplication::clipboard()->setText(QString(rest).replace("\\t", "\t").replace("\\n", "\n"));
        } else if (verb == "zeige") {
            main().updateCommandStates();
            QList<QAction*> menus;
            for (QAction* a : main().menuBar()->actions())
                if (a->isVisible() && (rest.isEmpty() || label(a) == rest))
                    menus << (rest.isEmpty() ? QList<QAction*>{a} : a->menu()->actions());
            note(entries(menus));
        } else if (verb == "kontextmenü") {
            note(entries(active()->prepareContextMenu()->actions()));
        } else {
            FAIL() << "no step " << verb.toStdString();
        }
    }

    // Notes the messages, file dialogs and help pages that came since the last time.
    void flush() {
        for (; fileDialogs < prompts.dialogTitles.size(); ++fileDialogs)
            note("dateidialog \"" + prompts.dialogTitles[fileDialogs] + "\" schlägt vor: " +
                 prompts.proposed[fileDialogs].fileName);
        for (; helps < prompts.helpContexts.size(); ++helps)
            note("hilfe " + QString::number(prompts.helpContexts[helps]));
        static const char* styles[] = {"OK", "OK Abbrechen", "Information", "Stop", "Frage"};
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
            now << w->windowTitle() + (w == active() ? " *" : "") + (w->isModified() ? " geändert" : "");
        if (now != windowsShown && now.isEmpty()) note("keine fenster");
        for (const QString& w : now)
            if (now != windowsShown) note("fenster " + w);
        windowsShown = now;
        if (mainShown && !main().isVisible()) note("hauptfenster geschlossen");
        mainShown = main().isVisible();
        if (main().statusBar()->currentMessage() != status)
            note("status: " + (status = main().statusBar()->currentMessage()));
        for (QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString file = it.next();
            const QByteArray bytes = read(file);
            if (files.count(file) && files[file] == bytes) continue;
            files[file] = bytes;
            const qsizetype lines = bytes.count('\n'), crlf = bytes.count("\r\n");
            note("datei " + file + " (" + QString::number(bytes.size()) + " Bytes, " +
                 (crlf == lines ? "CR LF" : crlf == 0 ? "LF" : "CR LF gemischt") + ")");
            if (bytes.size() <= 4000)
                for (const QByteArray& line : bytes.split('\n').mid(0, lines))
                    out += "    | " + (line.endsWith('\r') ? line.chopped(1) : line).toStdString() + "\n";
        }
    }
};

TEST_P(Session, RunsAsRecorded) {
    const DataFile& c = GetParam();
    for (const auto& [name, text] : c.sections)
        if (name.rfind("datei ", 0) == 0) write(QString::fromStdString(name.substr(6)),
                                                QByteArray::fromStdString(replaced(text, "\n", "\r\n")));
    for (const QString& file : QDir(dir.path()).entryList(QDir::Files)) files[path(file)] = read(path(file));
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
