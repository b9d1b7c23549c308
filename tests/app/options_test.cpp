// The options dialog "Prezision" as a user drives it through
// "&Benutzeranpassung": what it shows, how its outcome changes the running
// program and the store, and what it refuses.
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>

#include "appfixture.h"
#include "editmain.h"
#include "matrixedit.h"
#include "options_dialog.h"
#include "protview.h"
#include "qpainterdc.h"
#include "temporarysettings.h"

namespace {

template <class W> W* control(QDialog* d, int id) {
    W* w = d->findChild<W*>(options_dialog::controlName(id));
    EXPECT_NE(w, nullptr) << id;
    return w;
}

QString text(QDialog* d, int id) {
    if (auto* e = d->findChild<QLineEdit*>(options_dialog::controlName(id))) return e->text();
    return control<QLabel>(d, id)->text();
}

void click(QDialog* d, int id) { control<QAbstractButton>(d, id)->click(); }
void type(QDialog* d, int id, const QString& s) { control<QLineEdit>(d, id)->setText(s); }

class OptionsTest : public AppTest {
protected:
    // "&Benutzeranpassung", answered by the user's steps.
    void options(const std::function<void(QDialog*)>& steps) {
        ModalDriver driver(steps);
        EXPECT_TRUE(run(cmd::Options));
        EXPECT_TRUE(driver.ran());
        QCoreApplication::processEvents(); // the refresh events
    }
    int gridColumn(SDIDecFrame* w) {
        return qobject_cast<editmain*>(w->widget())->grid()->columnWidth(0);
    }
    // A protocol view measures its matrices as they come on screen and the
    // rest while the program is idle.
    static int measuredWidth(SDIDecFrame* w, const protobject& record) {
        auto* view = qobject_cast<protview*>(w->widget());
        while (view != nullptr && view->measuringInBackground()) QCoreApplication::processEvents();
        return record.width;
    }
    static std::map<std::string, std::string> stored(const QString& iniPath) {
        SettingsStore::Values values;
        QSettingsStore(iniPath).read(values);
        return {values.begin(), values.end()};
    }
};

} // namespace

TEST_F(OptionsTest, WithTheDefaultsItShowsThemAndTheSampleFollowsTheFormatControls) {
    start();
    options([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Prezision");
        auto* tabs = control<QTabWidget>(d, options_dialog::Tabs);
        EXPECT_EQ(tabs->tabText(0) + tabs->tabText(1) + tabs->tabText(2),
                  "JustierungZeichensatzGleitkomma");
        EXPECT_EQ(text(d, 109) + text(d, 110) + text(d, 111), "10103");
        EXPECT_TRUE(control<QCheckBox>(d, 102)->isChecked());
        EXPECT_FALSE(control<QCheckBox>(d, 103)->isChecked());
        EXPECT_TRUE(control<QRadioButton>(d, 118)->isChecked());
        EXPECT_EQ(text(d, 115), "6");
        EXPECT_EQ(text(d, 105), "Arial 26");
        EXPECT_EQ(text(d, 101), "Arial 16");
        EXPECT_EQ(text(d, 119), "0.123457");
        EXPECT_EQ(text(d, 121), "-1234567890");

        click(d, 116);
        type(d, 115, "3");
        click(d, 104);
        EXPECT_EQ(text(d, 119), "0.123457"); // until "Test"
        click(d, options_dialog::Test);
        EXPECT_EQ(text(d, 119), "+1.235e-01");
        EXPECT_EQ(text(d, 121), "-1234567890");
        // The font dialog's OK without a change: "Arial" stays, not the face drawn for it.
        prompts.fonts = {QPainterDc::font(settings().fontA, nullptr)};
        click(d, options_dialog::Ganzzahl);
        EXPECT_EQ(text(d, 105), "Arial 26");
        EXPECT_FALSE(settings().pendingFontA && settings().pendingFontA->face != "Arial");
        click(d, options_dialog::Hilfe);
        click(d, options_dialog::Abbrechen);
    });
    EXPECT_EQ(prompts.helpContexts, std::vector<int>{308});
    EXPECT_EQ(settings().fformat, 2);
}

TEST_F(OptionsTest, AcceptedSpacingAndFontsReLayOutTheOpenViewsAtOnce) {
    start();
    SDIDecFrame* grid = open("a.mtx", "1\t1\r\n12\t\r\n");
    SDIDecFrame* other = open("b.mtx", "2\t2\r\n1\t2\t\r\n3\t4\t\r\n");
    run(cmd::Gauss);
    run(cmd::ViewProtocol);
    const protobject& snapshot = *other->protocol().records().back();
    const int width = gridColumn(grid), snapshotWidth = measuredWidth(other, snapshot);

    options([&](QDialog* d) {
        type(d, options_dialog::Spaltenabstand, "20");
        click(d, options_dialog::Annehmen);
    });
    EXPECT_EQ(settings().addbreite, 20);
    EXPECT_EQ(gridColumn(grid), width + 10);

    QFont serif("Liberation Serif");
    serif.setPixelSize(40);
    prompts.fonts = {serif};
    options([&](QDialog* d) {
        click(d, options_dialog::Ganzzahl);
        EXPECT_EQ(prompts.proposedFonts.back().family(), "Arial"); // from the current font A
        EXPECT_EQ(text(d, 105), QStringLiteral("Liberation Serif %1").arg(QFontMetrics(serif).height()));
        click(d, options_dialog::Annehmen);
    });
    EXPECT_EQ(settings().fontA, (dcfont{"Liberation Serif", QFontMetrics(serif).height()}));
    EXPECT_EQ(settings().heightA, QPainterDc::screenMetrics(settings().fontA).height);
    EXPECT_FALSE(settings().pendingFontA);
    EXPECT_GT(gridColumn(grid), width + 10);
    EXPECT_GT(measuredWidth(other, snapshot), snapshotWidth);
}

TEST_F(OptionsTest, CancelLeavesEverythingAsItWas) {
    start();
    SDIDecFrame* grid = open("a.mtx", "1\t1\r\n12\t\r\n");
    const int width = gridColumn(grid);
    const auto before = settings().values();
    QFont mono("Liberation Mono");
    mono.setPixelSize(30);
    prompts.fonts = {mono};
    options([&](QDialog* d) {
        click(d, options_dialog::Bruchzahl);
        EXPECT_TRUE(text(d, 101).startsWith("Liberation Mono"));
        type(d, options_dialog::Spaltenabstand, "0");
        click(d, options_dialog::Abbrechen);
    });
    EXPECT_EQ(settings().values(), before);
    EXPECT_FALSE(settings().pendingFontB);
    EXPECT_EQ(gridColumn(grid), width);
}

TEST_F(OptionsTest, ARangeIsCheckedOnTheFieldsPageAndKeepsTheDialogOpen) {
    start();
    options([&](QDialog* d) {
        auto* tabs = control<QTabWidget>(d, options_dialog::Tabs);
        tabs->setCurrentIndex(2);
        type(d, options_dialog::Zeilenabstand, "25");
        click(d, options_dialog::Annehmen);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(tabs->currentIndex(), 0);
        EXPECT_EQ(prompts.lastText(), "Value is not in the range 0 to 20.");
        EXPECT_EQ(lastCaption(), "Prezision");
        click(d, options_dialog::Abbrechen);
    });
    EXPECT_EQ(settings().addhoehe, 10);
}

TEST_F(OptionsTest, DefaultsAreRestoredForTheRunWithoutWritingTheStore) {
    TemporarySettings temporary;
    QSettingsStore store = temporary.store();
    store.write({{"addbreite", "15"}, {"precision", "3"}});
    app = std::make_unique<ordoApp>(QStringList(), &store);
    app->start();
    ASSERT_EQ(settings().addbreite, 15);
    options([&](QDialog* d) {
        type(d, options_dialog::Spaltenabstand, ""); // no value is needed for the defaults
        click(d, options_dialog::Standartwerte);
    });
    EXPECT_EQ(settings().values(), bruchfonts().values());
    EXPECT_EQ(stored(temporary.path()),
              (std::map<std::string, std::string>{{"addbreite", "15"}, {"precision", "3"}}));
}

TEST_F(OptionsTest, SpeichernWritesAllThirteenValuesThatTheNextStartReads) {
    TemporarySettings temporary;
    QSettingsStore store = temporary.store();
    app = std::make_unique<ordoApp>(QStringList(), &store);
    app->start();
    options([&](QDialog* d) {
        type(d, options_dialog::Genauigkeit, "3");
        click(d, options_dialog::Wissenschaftlich);
        click(d, options_dialog::Rechtszentriert);
        click(d, options_dialog::Speichern);
    });
    const auto values = stored(temporary.path());
    EXPECT_EQ(values.size(), 13u);
    EXPECT_EQ(values.at("precision"), "3");
    EXPECT_EQ(values.at("fformat"), "0");
    EXPECT_EQ(values.at("rechtszentriert"), "0");
    EXPECT_EQ(values.at("fileextension"), "mtx");
    bruchfonts next;
    next.load(store);
    EXPECT_EQ(next.values(), settings().values());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(OptionsTest, AStoreThatCannotBeWrittenIsReportedButTheChangesHold) {
    write("datei", "kein Ordner");
    QSettingsStore store(path("datei/lineon.ini"));
    app = std::make_unique<ordoApp>(QStringList(), &store);
    app->start();
    options([&](QDialog* d) {
        type(d, options_dialog::Genauigkeit, "4");
        click(d, options_dialog::Speichern);
    });
    EXPECT_EQ(lastCaption(), "OH NO");
    EXPECT_EQ(settings().precision, 4);
}
