#include "options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <sstream>

#include "bruchfonts.h"
#include "mytestcontrol.h"
#include "prompts.h"
#include "qpainterdc.h"
#include "stringtable.h"
#include "rangefield.h"

namespace {

template <class W> W* named(W* w, int id) {
    w->setObjectName(options_dialog::controlName(id));
    return w;
}

QString qtext(const std::string& s) { return QString::fromStdString(s); }

} // namespace

options_dialog::options_dialog(QWidget* parent, OptionsTransfer& transfer)
    : QDialog(parent), transfer_(transfer) {
    setWindowTitle(QStringLiteral("Prezision"));
    bruchfonts& s = settings();
    s.pendingFontA = s.fontA;
    s.pendingFontB = s.fontB;

    tabs_ = named(new QTabWidget(this), Tabs);
    tabs_->addTab(justierungPage(), QStringLiteral("Justierung"));
    tabs_->addTab(zeichensatzPage(), QStringLiteral("Zeichensatz"));
    tabs_->addTab(gleitkommaPage(), QStringLiteral("Gleitkomma"));
    tabs_->setCurrentIndex(0);

    auto button = [this](const char* text, int id) {
        return named(new QPushButton(QString::fromUtf8(text), this), id);
    };
    QPushButton* annehmen = button("Annehmen", Annehmen);
    annehmen->setDefault(true);
    QPushButton* abbrechen = button("Abbrechen", Abbrechen);
    QPushButton* hilfe = button("Hilfe", Hilfe);
    QPushButton* speichern = button("Speichern", Speichern);
    QPushButton* standart = button("Standartwerte Setzen", Standartwerte);
    connect(annehmen, &QPushButton::clicked, this, [this] { finish(OptionsTransfer::Accept); });
    connect(speichern, &QPushButton::clicked, this,
            [this] { finish(OptionsTransfer::AcceptAndSave); });
    // The defaults need none of the values typed, valid or not.
    connect(standart, &QPushButton::clicked, this, [this] {
        transfer_.endMode = OptionsTransfer::RestoreDefaults;
        QDialog::accept();
    });
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfe, &QPushButton::clicked, this,
            [this] { prompts::current().help(this, helpContext); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {annehmen, abbrechen, hilfe, speichern, standart}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    // Room for the three digits the fields take.
    for (RangeField* f : {addbreite_, addhoehe_, bruchzr_, precision_})
        f->setMaximumWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    updateSample();
}

QWidget* options_dialog::justierungPage() {
    auto* page = new QWidget;
    rechtszentriert_ =
        named(new QCheckBox(QStringLiteral("Rechtszentriert"), page), Rechtszentriert);
    fixbreite_ =
        named(new QCheckBox(QStringLiteral("Spalten haben gleiche Breite"), page), GleicheBreite);
    addbreite_ = named(new RangeField(0, 20, 3, page), Spaltenabstand);
    addhoehe_ = named(new RangeField(0, 20, 3, page), Zeilenabstand);
    bruchzr_ = named(new RangeField(0, 10, 3, page), Zwischenraum);
    nurbruch_ = named(new QCheckBox(QStringLiteral("Nur Zähler und Nenner"), page), NurBruch);
    notizen_ =
        named(new QCheckBox(QStringLiteral("Schritte im Protokoll &erklären"), page), Notizen);
    rechtszentriert_->setChecked(transfer_.rechtszentriert);
    fixbreite_->setChecked(transfer_.fixbreite);
    addbreite_->setText(qtext(transfer_.addbreite));
    addhoehe_->setText(qtext(transfer_.addhoehe));
    bruchzr_->setText(qtext(transfer_.bruchzr));
    nurbruch_->setChecked(transfer_.nurbruch);
    notizen_->setChecked(transfer_.notizen);

    auto* grid = new QGridLayout(page);
    grid->addWidget(named(new QLabel(QStringLiteral("Spaltenabstand"), page), 112), 0, 0);
    grid->addWidget(addbreite_, 0, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("Zeilenabstand"), page), 113), 1, 0);
    grid->addWidget(addhoehe_, 1, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("Zwischenraum"), page), 114), 2, 0);
    grid->addWidget(bruchzr_, 2, 1);
    grid->addWidget(rechtszentriert_, 3, 0, 1, 3);
    grid->addWidget(fixbreite_, 4, 0, 1, 3);
    grid->addWidget(nurbruch_, 5, 0, 1, 3);
    grid->addWidget(notizen_, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(2, 1);
    // Tab follows the page from top to bottom, not the order of creation.
    QWidget::setTabOrder(bruchzr_, rechtszentriert_);
    QWidget::setTabOrder(rechtszentriert_, fixbreite_);
    QWidget::setTabOrder(fixbreite_, nurbruch_);
    QWidget::setTabOrder(nurbruch_, notizen_);
    return page;
}

QWidget* options_dialog::zeichensatzPage() {
    auto* page = new QWidget;
    const bruchfonts& s = settings();
    fontAText_ = named(new QLabel(describe(*s.pendingFontA), page), FontAText);
    fontBText_ = named(new QLabel(describe(*s.pendingFontB), page), FontBText);
    auto* ganzzahl = named(new QPushButton(QStringLiteral("Ganzzahl"), page), Ganzzahl);
    auto* bruchzahl = named(new QPushButton(QStringLiteral("Bruchzahl"), page), Bruchzahl);
    connect(ganzzahl, &QPushButton::clicked, this, [this] { chooseFont(true); });
    connect(bruchzahl, &QPushButton::clicked, this, [this] { chooseFont(false); });
    preview_ = named(new MyTestControl(page), Vorschau);

    auto* grid = new QGridLayout(page);
    grid->addWidget(ganzzahl, 0, 0);
    grid->addWidget(fontAText_, 0, 1);
    grid->addWidget(bruchzahl, 1, 0);
    grid->addWidget(fontBText_, 1, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("Vorschau:"), page), 132), 2, 0, 1, 2);
    grid->addWidget(preview_, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* options_dialog::gleitkommaPage() {
    auto* page = new QWidget;
    showpos_ =
        named(new QCheckBox(QStringLiteral("Pluszeichen immer anzeigen"), page), Pluszeichen);
    showpoint_ = named(new QCheckBox(QStringLiteral("Komma immer anzeigen"), page), Komma);
    precision_ = named(new RangeField(1, 15, 3, page), Genauigkeit);
    wissenschaftlich_ =
        named(new QRadioButton(QStringLiteral("Wissenschaftlich"), page), Wissenschaftlich);
    gleicheNachkommastellen_ =
        named(new QRadioButton(QStringLiteral("Gleiche Anzahl der Nachkommastellen"), page),
              GleicheNachkommastellen);
    variabel_ = named(new QRadioButton(QStringLiteral("Variabel"), page), Variabel);
    auto* group = new QButtonGroup(page);
    for (QRadioButton* r : {wissenschaftlich_, gleicheNachkommastellen_, variabel_})
        group->addButton(r);
    showpos_->setChecked(transfer_.showpos);
    showpoint_->setChecked(transfer_.showpoint);
    precision_->setText(qtext(transfer_.precision));
    wissenschaftlich_->setChecked(transfer_.wissenschaftlich);
    gleicheNachkommastellen_->setChecked(transfer_.gleicheNachkommastellen);
    variabel_->setChecked(transfer_.variabel);

    auto* box = named(new QGroupBox(page), SampleBox);
    sampleDouble_ = named(new QLabel(box), SampleDouble);
    sampleInteger_ = named(new QLabel(box), SampleInteger);
    auto* test = named(new QPushButton(QStringLiteral("Test"), box), Test);
    connect(test, &QPushButton::clicked, this, &options_dialog::updateSample);
    auto* sample = new QGridLayout(box);
    sample->addWidget(sampleDouble_, 0, 0);
    sample->addWidget(sampleInteger_, 1, 0);
    sample->addWidget(test, 0, 1, 2, 1);

    auto* grid = new QGridLayout(page);
    grid->addWidget(showpos_, 0, 0, 1, 3);
    grid->addWidget(showpoint_, 1, 0, 1, 3);
    grid->addWidget(wissenschaftlich_, 2, 0, 1, 3);
    grid->addWidget(gleicheNachkommastellen_, 3, 0, 1, 3);
    grid->addWidget(variabel_, 4, 0, 1, 3);
    grid->addWidget(named(new QLabel(QStringLiteral("Genauigkeit"), page), 120), 5, 0);
    grid->addWidget(precision_, 5, 1);
    grid->addWidget(box, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(2, 1);
    QWidget::setTabOrder(variabel_, precision_); // the field stands below the choices
    return page;
}

QString options_dialog::describe(const dcfont& f) {
    return QStringLiteral("%1 %2").arg(qtext(f.face)).arg(f.height);
}

void options_dialog::chooseFont(bool wholeNumbers) {
    bruchfonts& s = settings();
    std::optional<dcfont>& pending = wholeNumbers ? s.pendingFontA : s.pendingFontB;
    const QFont offered =
        QPainterDc::font(pending.value_or(wholeNumbers ? s.fontA : s.fontB), nullptr);
    QFont font = offered;
    // OK without a change leaves the setting as it was ("Arial" stays
    // "Arial", even where another face is drawn for it).
    if (!prompts::current().chooseFont(this, font) || font == offered) return;
    // The settings keep a font as face and cell height on the screen.
    pending = dcfont{font.family().toStdString(), QFontMetrics(font).height()};
    (wholeNumbers ? fontAText_ : fontBText_)->setText(describe(*pending));
    preview_->update();
}

// The format sample as a fresh stream writes it with the format the controls show.
void options_dialog::updateSample() {
    std::ostringstream os;
    if (showpos_->isChecked()) os.setf(std::ios_base::showpos);
    if (showpoint_->isChecked()) os.setf(std::ios_base::showpoint);
    if (wissenschaftlich_->isChecked())
        os.setf(std::ios_base::scientific, std::ios_base::floatfield);
    else if (gleicheNachkommastellen_->isChecked())
        os.setf(std::ios_base::fixed, std::ios_base::floatfield);
    else if (variabel_->isChecked())
        os.unsetf(std::ios_base::floatfield);
    os.precision(precision_->text().toInt());
    os << 0.123456789012345 << '\n' << -1234567890;
    const QStringList lines = QString::fromStdString(os.str()).split('\n');
    sampleDouble_->setText(lines.value(0));
    sampleInteger_->setText(lines.value(1));
}

void options_dialog::finish(int endMode) {
    transfer_.endMode = endMode;
    accept();
}

void options_dialog::accept() {
    for (RangeField* f : {addbreite_, addhoehe_, bruchzr_, precision_}) {
        bool ok = false;
        const long v = f->text().toLong(&ok);
        if (ok && v >= f->lowest() && v <= f->highest()) continue;
        // The message and the focus belong on the page that holds the field.
        for (int i = 0; i < tabs_->count(); ++i)
            if (tabs_->widget(i)->isAncestorOf(f)) tabs_->setCurrentIndex(i);
        f->check();
        return;
    }
    transfer_.rechtszentriert = rechtszentriert_->isChecked();
    transfer_.fixbreite = fixbreite_->isChecked();
    transfer_.addbreite = addbreite_->text().toStdString();
    transfer_.addhoehe = addhoehe_->text().toStdString();
    transfer_.bruchzr = bruchzr_->text().toStdString();
    transfer_.showpos = showpos_->isChecked();
    transfer_.showpoint = showpoint_->isChecked();
    transfer_.precision = precision_->text().toStdString();
    transfer_.wissenschaftlich = wissenschaftlich_->isChecked();
    transfer_.gleicheNachkommastellen = gleicheNachkommastellen_->isChecked();
    transfer_.variabel = variabel_->isChecked();
    transfer_.nurbruch = nurbruch_->isChecked();
    transfer_.notizen = notizen_->isChecked();
    QDialog::accept();
}

bool options_dialog::execute(QWidget* parent, SettingsStore* store) {
    bruchfonts& s = settings();
    OptionsTransfer transfer = OptionsTransfer::from(s);
    bool accepted = false;
    {
        options_dialog dialog(parent, transfer);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    const bool changed = transfer.takeOver(s, accepted);
    if (accepted && transfer.endMode == OptionsTransfer::AcceptAndSave &&
        !(store && s.save(*store)))
        prompts::current().message(
            parent, QString::fromUtf8(strings::load(strings::SettingsNotSaved)),
            QString::fromUtf8(strings::load(strings::OhNoTitle)), MessageStyle::Ok);
    return changed;
}
