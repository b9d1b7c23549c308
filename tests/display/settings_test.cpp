// The settings record around its store: defaults, metrics, the round trip
// through the INI file. How single stored values load is a row file
// (einstellungen_lesen.txt).
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>

#include "bruchfonts.h"
#include "qpainterdc.h"
#include "settingsfixtures.h"
#include "temporarysettings.h"

TEST(Settings, DefaultsWithoutAStoreAndAfterSetDefaults) {
    const SettingsStore::Values defaults = {
        {"rechtszentriert", "1"}, {"fixbreite", "0"},    {"addbreite", "10"}, {"addhoehe", "10"},
        {"bruchzr", "3"},         {"nurbruch", "0"},     {"fformat", "2"},    {"showpoint", "0"},
        {"showpos", "0"},         {"precision", "6"},    {"fontA", "Arial 26"},
        {"fontB", "Arial 16"},    {"fileextension", "mtx"}};
    TemporarySettings none; // no file written
    bruchfonts s;
    s.load(none.store());
    EXPECT_EQ(s.values(), defaults);
    EXPECT_FALSE(QFile::exists(none.path()));
    // Help file and metrics source stay; the fraction row is twice the screen
    // height of Arial 16 plus bar and row spacing.
    s.load(MemoryStore({{"fontA", "Courier 20"}, {"fixbreite", "1"}, {"fileextension", "m"}}));
    s.setPaths("/opt/lineon");
    s.screenMetrics = &QPainterDc::screenMetrics;
    s.setDefaults();
    EXPECT_EQ(s.values(), defaults);
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
}

TEST(Settings, EverySettingSurvivesTheIniFileAndAFileThatCannotBeWrittenSaysSo) {
    TemporarySettings ini;
    bruchfonts s;
    s.load(MemoryStore({{"rechtszentriert", "0"}, {"fixbreite", "1"}, {"addbreite", "0"},
                        {"addhoehe", "20"}, {"bruchzr", "7"}, {"nurbruch", "1"},
                        {"fformat", "1"}, {"showpoint", "1"}, {"showpos", "1"},
                        {"precision", "15"}, {"fontA", "Liberation Sans 30"},
                        {"fontB", "DejaVu Sans Mono 14"}, {"fileextension", "mat"}}));
    QSettingsStore store = ini.store();
    ASSERT_TRUE(s.save(store));
    bruchfonts back;
    back.load(ini.store());
    EXPECT_EQ(back.values(), s.values());
    QFile f(ini.path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("fontA=Liberation Sans 30")) << text.constData();
    EXPECT_TRUE(text.contains("fileextension=mat")) << text.constData();

    QSettingsStore nowhere(QStringLiteral("/proc/lineon-cannot-exist/lineon.ini"));
    EXPECT_FALSE(bruchfonts().save(nowhere));
}
