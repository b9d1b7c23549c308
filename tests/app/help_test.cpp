// The help pages compiled into the program: every context number used
// anywhere has its page and anchor, every link leads somewhere, and the help
// window is what the real prompts show, usable beside a dialog.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include "helpwindow.h"
#include "modaldriver.h"
#include "prompts.h"

namespace {

QString page(const QUrl& url) {
    QFile f(":" + url.path());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TEST(HelpPages, EveryContextNumberHasItsPageAndAnchor) {
    QList<int> wanted;
    for (int c = 258; c <= 272; ++c)
        wanted << c;
    wanted << 304 << 305 << 306 << 307 << 308 << 320 << 321;
    EXPECT_EQ(HelpWindow::contexts(), wanted);
    for (int context : wanted) {
        const QUrl url = HelpWindow::topicUrl(context);
        const QString html = page(url);
        ASSERT_FALSE(html.isEmpty()) << url.toString().toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("<a name=\"%1\">").arg(url.fragment())))
            << url.toString().toStdString();
    }
    EXPECT_EQ(HelpWindow::topicUrl(0).toString(), "qrc:/help/index.html");
    EXPECT_EQ(HelpWindow::topicUrl(999).toString(), "qrc:/help/index.html");
}

// Every page compiled in, also those reached only through links; and every
// page that speaks of floating-point numbers leads to the one on their
// rounding residues.
TEST(HelpPages, EveryLinkLeadsToAPage) {
    const QRegularExpression link("href=\"([^\"#:]+)");
    const QStringList pages = QDir(":/help").entryList({"*.html"});
    EXPECT_TRUE(pages.contains("gleitkomma.html"));
    for (const QString& name : pages) {
        const QString html = page(QUrl("qrc:/help/" + name));
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
    prompts::current().help(nullptr, 0);
    EXPECT_EQ(help.browser()->source().toString(), "qrc:/help/index.html");
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
