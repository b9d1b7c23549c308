// The help pages compiled into the program: every context number has its
// page and anchor, every link leads somewhere, every page speaking of
// floating-point numbers leads to the one on their rounding residues; and the
// help window is what the real prompts show, usable beside a dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include "helpwindow.h"
#include "modaldriver.h"
#include "prompts.h"

TEST(HelpPages, EveryContextHasItsAnchorAndEveryLinkItsPage) {
    auto page = [](const QString& path) {
        QFile f(":" + path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    EXPECT_EQ(HelpWindow::contexts().size(), 22);
    for (int context : HelpWindow::contexts()) {
        const QUrl url = HelpWindow::topicUrl(context);
        EXPECT_TRUE(page(url.path()).contains("<a name=\"" + url.fragment() + "\">"))
            << url.toString().toStdString();
    }
    EXPECT_EQ(HelpWindow::topicUrl(999).toString(), "qrc:/help/index.html");
    for (const QString& name : QDir(":/help").entryList({"*.html"})) {
        const QString html = page("/help/" + name);
        for (const auto& m : QRegularExpression("href=\"([^\"#:]+)").globalMatch(html))
            EXPECT_TRUE(QFile::exists(":/help/" + m.captured(1)))
                << (name + ": " + m.captured(1)).toStdString();
        EXPECT_TRUE(name == "gleitkomma.html" || !html.contains("Gleitkomma") ||
                    html.contains("href=\"gleitkomma.html\""))
            << name.toStdString();
    }
}

// Help asked for from a modal dialog takes clicks while the dialog runs, and
// stands beside it; it stays open once the dialog closes.
TEST(HelpPages, HelpFromADialogIsUsableBesideItAndOutlivesIt) {
    QWidget mainWindow;
    auto* help = new HelpWindow(&mainWindow);
    prompts::setHelpHandler([&](QWidget*, int context) { help->showTopic(context); });
    QDialog dialog;
    dialog.setGeometry(40, 40, 220, 160);
    ModalDriver answer([&](QDialog* d) {
        prompts::current().help(d, 265); // the real prompts, as a dialog's help button
        EXPECT_EQ(help->findChild<QTextBrowser*>()->source().toString(),
                  "qrc:/help/inverse.html#kontext265");
        EXPECT_TRUE(help->findChild<QTextBrowser*>()->toPlainText().contains("Inverse"));
        EXPECT_FALSE(help->frameGeometry().intersects(d->frameGeometry()));
        // A click that passes the window system's way, where a modal dialog
        // drops it on every window but its own.
        auto* close = help->findChild<QPushButton*>("close");
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                          close->mapTo(help, close->rect().center()));
        EXPECT_FALSE(help->isVisible());
        help->showTopic(264);
        d->accept();
    });
    dialog.exec();
    prompts::setHelpHandler(nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), &mainWindow);
    EXPECT_EQ(help->findChild<QTextBrowser*>()->source().fragment(), "kontext264");
}
