// Qt's own dialogs as the program shows them: in German, the file types
// named once, the font dialog at the font in use.
#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTranslator>

#include <functional>

#include <gtest/gtest.h>

#include "modaldriver.h"
#include "prompts.h"
#include "qtgermantexts.h"

namespace {

// Title, labels and buttons of the dialog that opening shows, after look has
// seen it; it is cancelled.
QStringList textsOf(const std::function<void()>& opening,
                    const std::function<void(QDialog*)>& look = {}) {
    QStringList out;
    ModalDriver answer([&](QDialog* d) {
        if (look) look(d);
        out << d->windowTitle();
        for (const QLabel* l : d->findChildren<QLabel*>()) out << l->text();
        for (const QAbstractButton* b : d->findChildren<QAbstractButton*>()) out << b->text();
        d->reject();
    });
    opening();
    return out;
}

} // namespace

class StandardDialogs : public testing::Test {
protected:
    // The texts of this suite only: the other suites find buttons by Qt's own names.
    static void SetUpTestSuite() { translator = installQtGermanTexts(*qApp); }
    static void TearDownTestSuite() { delete translator; }
    void SetUp() override { ASSERT_TRUE(translator) << "Qt's German translations are missing"; }
    static inline QTranslator* translator = nullptr;
};

TEST_F(StandardDialogs, MessageBoxesPrintAndPageSetupSpeakGerman) {
    const QStringList box = textsOf(
        [] { prompts::current().message(nullptr, "Text", "Caption", MessageStyle::OkCancel); });
    EXPECT_TRUE(box.contains("OK") && box.contains("Abbrechen")) << box.join('|').toStdString();
    QPrinter printer;
    const QStringList print = textsOf([&] { prompts::current().printDialog(nullptr, printer); });
    const QStringList setup = textsOf([&] { prompts::current().pageSetup(nullptr, printer); });
    EXPECT_EQ(print.value(0), "Drucken");
    EXPECT_FALSE(print.contains("Printer") || print.contains("Cancel"));
    EXPECT_EQ(setup.value(0), "Seite einrichten");
}

TEST_F(StandardDialogs, TheFileDialogSpeaksGermanAndNamesEachFileTypeOnce) {
    FileNameRecord record;
    record.filter = "Matrix Dateien|*.mtx|Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*";
    QStringList types;
    const QStringList shown = textsOf(
        [&] { prompts::current().openFile(nullptr, record, QString::fromUtf8("Öffnen")); },
        [&](QDialog* d) {
            const QComboBox* box = d->findChild<QComboBox*>("fileTypeCombo");
            for (int i = 0; box && i < box->count(); ++i) types << box->itemText(i);
        });
    EXPECT_EQ(types, QStringList({"Matrix Dateien (*.mtx)", "Text(*.txt)", "Alle Dateien(*.*)"}));
    EXPECT_TRUE(shown.contains("Suchen in:") && !shown.contains("Look in:"))
        << shown.join('|').toStdString();
}

TEST_F(StandardDialogs, TheFontDialogOpensAtTheFontDrawnAndOkWithoutAChangeKeepsIt) {
    QFont font("Arial");
    font.setPixelSize(26);
    const QFontInfo drawn(font);
    QFont shown;
    QString title;
    ModalDriver answer([&](QDialog* d) {
        title = d->windowTitle();
        shown = static_cast<QFontDialog*>(d)->currentFont();
        d->accept();
    });
    ASSERT_TRUE(prompts::current().chooseFont(nullptr, font));
    EXPECT_EQ(title, QString::fromUtf8("Schriftart auswählen"));
    EXPECT_EQ(shown.family(), drawn.family());
    EXPECT_EQ(shown.pointSize(), qRound(drawn.pointSizeF()));
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_EQ(font.pixelSize(), 26);
}
