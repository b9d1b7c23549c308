// The settings record around its store: defaults, measuring when loaded, a
// store that cannot be written. How stored values load and what the INI file
// holds are rows (einstellungen_lesen.txt, einstellungen_ini.txt); the row
// heights the fonts give, the drawing tests show.
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
    // Help file and metrics source stay.
    s.setPaths("/opt/lineon");
    s.screenMetrics = &QPainterDc::screenMetrics;
    s.setDefaults();
    EXPECT_EQ(s.values(), bruchfonts().values());
    EXPECT_EQ(s.helpFile, "/opt/lineon/lineon.hlp");
    EXPECT_EQ(s.screenMetrics, &QPainterDc::screenMetrics);
    // A loaded font A is measured, so the float row follows it.
    s.load(MemoryStore(SettingsStore::Values{{"fontA", "Courier 20"}}));
    const int ha = QFontMetrics(QPainterDc::font({"Courier", 20}, nullptr)).height();
    EXPECT_EQ(s.floatRowHeight(), ha + 10);

    QSettingsStore nowhere(QStringLiteral("/proc/lineon-cannot-exist/lineon.ini"));
    EXPECT_FALSE(bruchfonts().save(nowhere));
}
