// Qt's own dialogs as the program shows them: in German, the file types
// named once, the font dialog at the font drawn.
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include "modaldriver.h"
#include "prompts.h"
#include "qtgermantexts.h"

namespace {

// Title, labels, buttons and file types of the dialog that opening shows; it is cancelled.
QString textsOf(const std::function<void()>& opening) {
    QStringList out;
    ModalDriver answer([&](QDialog* d) {
        out << d->windowTitle();
        for (const QLabel* l : d->findChildren<QLabel*>()) out << l->text();
        for (const QAbstractButton* b : d->findChildren<QAbstractButton*>()) out << b->text();
        if (const auto* box = d->findChild<QComboBox*>("fileTypeCombo"))
            for (int i = 0; i < box->count(); ++i) out << "Typ " + box->itemText(i);
        d->reject();
    });
    opening();
    return out.join('|');
}

} // namespace

TEST(StandardDialogs, SpeakGermanAndOpenWhereTheProgramIs) {
    // The texts for this test only: the other tests find buttons by Qt's own names.
    std::unique_ptr<QTranslator> german(installQtGermanTexts(*qApp));
    ASSERT_TRUE(german) << "Qt's German translations are missing";
    const QString box = textsOf([] { prompts::current().message(nullptr, "T", "C", MessageStyle::OkCancel); });
    EXPECT_TRUE(box.contains("|OK") && box.contains("|Abbrechen")) << box.toStdString();
    QPrinter printer;
    const QString print = textsOf([&] { prompts::current().printDialog(nullptr, printer); });
    EXPECT_TRUE(print.startsWith("Drucken|") && !print.contains("Cancel")) << print.toStdString();
    EXPECT_TRUE(textsOf([&] { prompts::current().pageSetup(nullptr, printer); }).startsWith("Seite einrichten"));
    FileNameRecord record;
    record.filter = "Matrix Dateien|*.mtx|Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*";
    const QString file = textsOf([&] { prompts::current().openFile(nullptr, record, "Öffnen"); });
    EXPECT_TRUE(file.contains("Suchen in:") && !file.contains("Look in:")) << file.toStdString();
    EXPECT_TRUE(file.endsWith("|Typ Matrix Dateien (*.mtx)|Typ Text(*.txt)|Typ Alle Dateien(*.*)"))
        << file.toStdString();

    // The font dialog opens at the face drawn for "Arial"; OK without a change keeps "Arial".
    QFont font("Arial");
    font.setPixelSize(26);
    const QFontInfo drawn(font);
    QFont shown;
    ModalDriver answer([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Schriftart auswählen");
        shown = static_cast<QFontDialog*>(d)->currentFont();
        d->accept();
    });
    ASSERT_TRUE(prompts::current().chooseFont(nullptr, font));
    EXPECT_EQ(shown.family(), drawn.family());
    EXPECT_EQ(shown.pointSize(), qRound(drawn.pointSizeF()));
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_EQ(font.pixelSize(), 26);
}
