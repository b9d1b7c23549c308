// The help pages compiled into the program: every context number has its
// page and anchor, every link leads somewhere, and the help window is what
// the real prompts show, usable beside a dialog.
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

namespace {
QString page(const QString& path) {
    QFile f(":" + path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

// Every page speaking of floating-point numbers leads to the one on their
// rounding residues.
TEST(HelpPages, EveryContextHasItsAnchorAndEveryLinkItsPage) {
    for (int context : HelpWindow::contexts()) {
        const QUrl url = HelpWindow::topicUrl(context);
        EXPECT_TRUE(page(url.path()).contains(QStringLiteral("<a name=\"%1\">").arg(url.fragment())))
            << url.toString().toStdString();
    }
    EXPECT_EQ(HelpWindow::contexts().size(), 22);
    EXPECT_EQ(HelpWindow::topicUrl(999).toString(), "qrc:/help/index.html");
    const QRegularExpression link("href=\"([^\"#:]+)");
    for (const QString& name : QDir(":/help").entryList({"*.html"})) {
        const QString html = page("/help/" + name);
        for (const auto& m : link.globalMatch(html))
            EXPECT_TRUE(QFile::exists(":/help/" + m.captured(1)))
                << name.toStdString() << ": " << m.captured(1).toStdString();
        if (name != "gleitkomma.html" && html.contains("Gleitkomma")) {
            EXPECT_TRUE(html.contains("href=\"gleitkomma.html\"")) << name.toStdString();
        }
    }
}

TEST(HelpPages, TheRealPromptsShowTopicsInTheHelpWindow) {
    HelpWindow help;
    prompts::setHelpHandler([&](QWidget*, int context) { help.showTopic(context); });
    prompts::current().help(nullptr, 265);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.browser()->source().toString(), "qrc:/help/inverse.html#kontext265");
    EXPECT_TRUE(help.browser()->toPlainText().contains("Inverse"));
    prompts::setHelpHandler(nullptr);
}

// Help asked for from a modal dialog takes clicks while the dialog runs, and
// stands beside it; it stays open once the dialog closes.
TEST(HelpPages, HelpFromADialogIsUsableBesideItAndOutlivesIt) {
    QWidget mainWindow;
    HelpWindow* help = new HelpWindow(&mainWindow);
    QDialog dialog;
    dialog.setGeometry(40, 40, 220, 160);
    ModalDriver answer([&](QDialog* d) {
        help->showTopic(265);
        ASSERT_TRUE(help->isVisible());
        EXPECT_FALSE(help->frameGeometry().intersects(d->frameGeometry()));
        // A click that passes the window system's way, where a modal dialog
        // drops it on every window but its own.
        auto* close = help->findChild<QPushButton*>("close");
        ASSERT_TRUE(close);
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                          close->mapTo(help, close->rect().center()));
        EXPECT_FALSE(help->isVisible());
        EXPECT_TRUE(d->isVisible());
        help->showTopic(264);
        d->accept();
    });
    dialog.exec();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), &mainWindow);
    EXPECT_EQ(help->browser()->source().fragment(), "kontext264");
}
