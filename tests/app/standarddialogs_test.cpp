// Qt's own dialogs as the program shows them: in German, the file types
// named once, the font dialog at the font drawn.
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QPrinter>
#include <QTranslator>

#include "appfixture.h"
#include "prompts.h"
#include "qtgermantexts.h"

TEST(StandardDialogs, SpeakGermanAndOpenWhereTheProgramIs) {
    // The texts for this test only: the other tests find buttons by Qt's own names.
    std::unique_ptr<QTranslator> german(installQtGermanTexts(*qApp));
    ASSERT_TRUE(german) << "Qt's German translations are missing";
    // Title, labels, buttons and file types of the dialog that opening shows; it is cancelled.
    auto texts = [](const std::function<void()>& opening) {
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
    };
    prompts& p = prompts::current();
    QPrinter printer;
    FileNameRecord record;
    record.filter = "Matrix Dateien|*.mtx|Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*";
    const QString box = texts([&] { p.message(nullptr, "T", "C", MessageStyle::OkCancel); });
    EXPECT_TRUE(box.contains("|OK") && box.contains("|Abbrechen")) << box;
    const QString print = texts([&] { p.printDialog(nullptr, printer); });
    EXPECT_TRUE(print.startsWith("Drucken|") && !print.contains("Cancel")) << print;
    EXPECT_TRUE(texts([&] { p.pageSetup(nullptr, printer); }).startsWith("Seite einrichten"));
    const QString file = texts([&] { p.openFile(nullptr, record, "Öffnen"); });
    EXPECT_TRUE(file.contains("Suchen in:") && !file.contains("Look in:")) << file;
    EXPECT_TRUE(file.endsWith("|Typ Matrix Dateien (*.mtx)|Typ Text(*.txt)|Typ Alle Dateien(*.*)"))
        << file;

    // The font dialog opens at the face drawn for "Arial"; OK without a change keeps "Arial".
    QFont font("Arial");
    font.setPixelSize(26);
    const QFontInfo drawn(font);
    ModalDriver answer([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Schriftart auswählen");
        EXPECT_EQ(static_cast<QFontDialog*>(d)->currentFont().family(), drawn.family());
        EXPECT_EQ(static_cast<QFontDialog*>(d)->currentFont().pointSize(),
                  qRound(drawn.pointSizeF()));
        d->accept();
    });
    ASSERT_TRUE(p.chooseFont(nullptr, font));
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_EQ(font.pixelSize(), 26);
}
