// The settings record around its store: defaults, metrics, a store that
// cannot be written. How stored values load and what the INI file holds are
// rows (einstellungen_lesen.txt, einstellungen_ini.txt).
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>

#include "bruchfonts.h"
#include "qpainterdc.h"
#include "settingsfixtures.h"
#include "temporarysettings.h"

TEST(Settings, DefaultsMetricsAndAStoreThatCannotBeWritten) {
    TemporarySettings none; // no file written
    bruchfonts s;
    s.load(MemoryStore({{"fontA", "Courier 20"}, {"fixbreite", "1"}, {"fileextension", "m"}}));
    s.load(none.store());
    EXPECT_NE(s.values(), bruchfonts().values()) << "without a store every setting stays";
    EXPECT_FALSE(QFile::exists(none.path()));
    // Help file and metrics source stay; the fraction row is twice the screen
    // height of Arial 16 plus bar and row spacing.
    s.setPaths("/opt/lineon");
    s.screenMetrics = &QPainterDc::screenMetrics;
    s.setDefaults();
    EXPECT_EQ(s.values(), bruchfonts().values());
    EXPECT_EQ(s.helpFile, "/opt/lineon/lineon.hlp");
    EXPECT_EQ(s.screenMetrics, &QPainterDc::screenMetrics);
    const int hb = QFontMetrics(QPainterDc::font({"Arial", 16}, nullptr)).height();
    EXPECT_EQ(s.heightB, hb);
    EXPECT_EQ(s.fractionRowHeight(), 2 * hb + 3 + 10);
    // A new font A is measured, so the float row follows it.
    s.load(MemoryStore(SettingsStore::Values{{"fontA", "Courier 20"}}));
    const int ha = QFontMetrics(QPainterDc::font({"Courier", 20}, nullptr)).height();
    EXPECT_EQ(s.heightA, ha);
    EXPECT_EQ(s.floatRowHeight(), ha + 10);

    QSettingsStore nowhere(QStringLiteral("/proc/lineon-cannot-exist/lineon.ini"));
    EXPECT_FALSE(bruchfonts().save(nowhere));
}
