#pragma once
#include <QDialog>

#include "dc.h"
#include "optionstransfer.h"

class MyTestControl;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;
class QTabWidget;
class RangeField;
class SettingsStore;

// "Prezision": the display settings on three pages ("Justierung",
// "Zeichensatz", "Gleitkomma") with a preview of a fraction in the chosen
// fonts and a sample of the floating-point format. Every control carries its
// resource id as objectName ("109"). The transfer record is written only when
// the dialog is accepted; the fonts chosen wait in the settings' pending
// fonts until the dialog's outcome is taken over.
class options_dialog : public QDialog {
    Q_OBJECT
public:
    enum Control {
        Annehmen = 1,
        Abbrechen = 2,
        FontBText = 101,
        Rechtszentriert = 102,
        GleicheBreite = 103,
        Pluszeichen = 104,
        FontAText = 105,
        Komma = 106,
        Ganzzahl = 107,
        Bruchzahl = 108,
        Spaltenabstand = 109,
        Zeilenabstand = 110,
        Zwischenraum = 111,
        Genauigkeit = 115,
        Wissenschaftlich = 116,
        GleicheNachkommastellen = 117,
        Variabel = 118,
        SampleDouble = 119,
        SampleInteger = 121,
        SampleBox = 122,
        NurBruch = 123,
        Notizen = 128,
        Tabs = 124,
        Test = 125,
        Speichern = 126,
        Standartwerte = 127,
        Vorschau = 131,
        Hilfe = 998,
    };
    static constexpr int helpContext = 308;

    // Shows the transfer record; the pending fonts start as the current ones.
    options_dialog(QWidget* parent, OptionsTransfer& transfer);

    // The options command: runs the dialog over parent and takes its outcome
    // over into the settings; "Speichern" then writes them to store and says
    // so with "OH NO" when that fails. True when the settings may have
    // changed, and every view must measure again.
    static bool execute(QWidget* parent, SettingsStore* store);

    static QString controlName(int id) { return QString::number(id); }
    // "Arial 26": face and cell height.
    static QString describe(const dcfont& f);

    void accept() override; // checks the ranges, then writes the transfer record

private:
    QWidget* justierungPage();
    QWidget* zeichensatzPage();
    QWidget* gleitkommaPage();
    void finish(int endMode);
    void chooseFont(bool wholeNumbers);
    void updateSample();

    OptionsTransfer& transfer_;
    QTabWidget* tabs_;
    RangeField *addbreite_, *addhoehe_, *bruchzr_, *precision_;
    QCheckBox *rechtszentriert_, *fixbreite_, *nurbruch_, *notizen_, *showpos_, *showpoint_;
    QRadioButton *wissenschaftlich_, *gleicheNachkommastellen_, *variabel_;
    QLabel *fontAText_, *fontBText_, *sampleDouble_, *sampleInteger_;
    MyTestControl* preview_;
};
