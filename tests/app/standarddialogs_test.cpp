// Qt's own dialogs as the program shows them: in German, the file types
// named once, the font dialog at the font in use.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include "modaldriver.h"
#include "prompts.h"
#include "qtgermantexts.h"

namespace {

QStringList texts(const QDialog* d) {
    QStringList out{d->windowTitle()};
    for (const QLabel* l : d->findChildren<QLabel*>()) out << l->text();
    for (const QAbstractButton* b : d->findChildren<QAbstractButton*>()) out << b->text();
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
    QStringList box;
    ModalDriver answer([&](QDialog* d) {
        box = texts(d);
        d->reject();
    });
    prompts::current().message(nullptr, "Text", "Caption", MessageStyle::OkCancel);
    EXPECT_TRUE(box.contains("OK"));
    EXPECT_TRUE(box.contains("&Abbrechen") || box.contains("Abbrechen")) << box.join('|').toStdString();

    QPrinter printer;
    QStringList print, setup;
    {
        ModalDriver answer([&](QDialog* d) {
            print = texts(d);
            d->reject();
        });
        prompts::current().printDialog(nullptr, printer);
    }
    {
        ModalDriver answer([&](QDialog* d) {
            setup = texts(d);
            d->reject();
        });
        prompts::current().pageSetup(nullptr, printer);
    }
    EXPECT_EQ(print.value(0), "Drucken");
    EXPECT_EQ(setup.value(0), "Seite einrichten");
    for (const QString english : {"Print", "Printer", "Cancel", "Page Setup"}) {
        EXPECT_FALSE(print.contains(english)) << english.toStdString();
        EXPECT_FALSE(setup.contains(english)) << english.toStdString();
    }
}

TEST_F(StandardDialogs, TheFileDialogSpeaksGermanAndNamesEachFileTypeOnce) {
    FileNameRecord record;
    record.filter = "Matrix Dateien|*.mtx|Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*";
    QStringList shown, types;
    ModalDriver answer([&](QDialog* d) {
        shown = texts(d);
        QComboBox* typesBox = d->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_TRUE(typesBox);
        for (int i = 0; i < typesBox->count(); ++i) types << typesBox->itemText(i);
        d->reject();
    });
    EXPECT_FALSE(prompts::current().openFile(nullptr, record, QString::fromUtf8("Öffnen")));
    EXPECT_EQ(types, QStringList({"Matrix Dateien (*.mtx)", "Text(*.txt)", "Alle Dateien(*.*)"}));
    EXPECT_TRUE(shown.contains("Suchen in:")) << shown.join('|').toStdString();
    EXPECT_FALSE(shown.contains("Look in:"));
    EXPECT_FALSE(shown.contains("File &name:"));
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
