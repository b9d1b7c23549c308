// The about box: the version record compiled in from the build, what a
// missing record leaves, and its help buttons.
#include <QLabel>
#include <QRegularExpression>

#include "appfixture.h"
#include "ordoaboutdlg.h"

TEST_F(AppTest, TheAboutBoxShowsTheBuildsVersionAndOffersHelpOnVersionAndAuthor) {
    start();
    ModalDriver driver([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Info über Lineon");
        const QString version = d->findChild<QLabel*>("22001")->text();
        EXPECT_TRUE(QRegularExpression("^Lineon Version \\d+\\.\\d+\\.\\d+$").match(version).hasMatch())
            << version.toStdString();
        EXPECT_FALSE(d->findChild<QLabel*>("22002")->text().isEmpty());
        bool purpose = false;
        for (QLabel* l : d->findChildren<QLabel*>())
            purpose |= l->text() == "Matrix Manipulations Program, Matrixalgorithmen";
        EXPECT_TRUE(purpose);
        EXPECT_FALSE(d->findChild<QLabel*>("103")->pixmap().isNull());
        d->findChild<QPushButton*>("101")->click();
        d->findChild<QPushButton*>("102")->click();
        EXPECT_TRUE(d->isVisible());
        d->findChild<QPushButton*>("1")->click();
    });
    ASSERT_TRUE(run(cmd::About));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(prompts.helpContexts, (std::vector<int>{321, 320}));
}

TEST(AboutBox, MissingVersionTextsStayEmpty) {
    const ordoAboutDlg none(nullptr, ProjectRCVersion(QMap<QString, QString>{}));
    EXPECT_EQ(none.versionLine(), " Version ");
    EXPECT_EQ(none.legalLine(), "");
    const ordoAboutDlg nameOnly(nullptr, ProjectRCVersion({{"ProductName", "Lineon"}}));
    EXPECT_EQ(nameOnly.versionLine(), "Lineon Version ");
}
