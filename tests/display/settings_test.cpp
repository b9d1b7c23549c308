// The settings record: defaults, the stored text forms, reading back damaged
// or unusual values, and the round trip through the INI store.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>

#include "bruchfonts.h"
#include "qpainterdc.h"
#include "settingsfixtures.h"
#include "temporarysettings.h"

namespace {

const SettingsStore::Values defaults = {
    {"rechtszentriert", "1"}, {"fixbreite", "0"},   {"addbreite", "10"},
    {"addhoehe", "10"},       {"bruchzr", "3"},     {"nurbruch", "0"},
    {"fformat", "2"},         {"showpoint", "0"},   {"showpos", "0"},
    {"precision", "6"},       {"fontA", "Arial 26"}, {"fontB", "Arial 16"},
    {"fileextension", "mtx"},
};

bruchfonts loaded(SettingsStore::Values values) {
    bruchfonts s;
    s.load(MemoryStore(std::move(values)));
    return s;
}

} // namespace

TEST(SettingsDefaults, WithoutAStoreEverySettingKeepsItsDefault) {
    TemporarySettings none; // no file written
    bruchfonts s;
    s.load(none.store());
    EXPECT_EQ(s.values(), defaults);
    EXPECT_FALSE(QFile::exists(none.path()));
}

TEST(SettingsDefaults, FractionRowIsTwiceTheScreenHeightOfArial16PlusBarAndRowSpacing) {
    bruchfonts s;
    s.screenMetrics = &QPainterDc::screenMetrics;
    s.setDefaults();
    const int hb = QFontMetrics(QPainterDc::font({"Arial", 16}, nullptr)).height();
    EXPECT_EQ(s.heightB, hb);
    EXPECT_EQ(s.fractionRowHeight(), 2 * hb + 3 + 10);
}

TEST(SettingsDefaults, SetDefaultsUndoesEveryChangeButKeepsHelpFileAndMetricsSource) {
    bruchfonts s = loaded({{"fontA", "Courier 20"}, {"fixbreite", "1"}, {"fileextension", "m"}});
    s.setPaths("/opt/lineon");
    s.screenMetrics = &QPainterDc::screenMetrics;
    s.setDefaults();
    EXPECT_EQ(s.values(), defaults);
    EXPECT_EQ(s.helpFile, "/opt/lineon/lineon.hlp");
    EXPECT_EQ(s.screenMetrics, &QPainterDc::screenMetrics);
}

TEST(SettingsLoad, IntegersAndFlagsAsAStreamReadsThem) {
    EXPECT_EQ(loaded({{"precision", "3"}}).precision, 3);
    EXPECT_EQ(loaded({{"precision", "x"}}).precision, 6);
    EXPECT_EQ(loaded({{"precision", "100000"}}).precision, 6); // absurd: ignored
    EXPECT_EQ(loaded({{"addbreite", " 15 units"}}).addbreite, 15);
    EXPECT_TRUE(loaded({{"fixbreite", "1"}}).fixbreite);
    EXPECT_FALSE(loaded({{"fixbreite", "2"}}).fixbreite);
    EXPECT_TRUE(loaded({{"rechtszentriert", "ja"}}).rechtszentriert); // unreadable
    EXPECT_EQ(loaded({{"fileextension", " mat extra"}}).fileextension, "mat");
    EXPECT_EQ(loaded({{"Precision", "3"}, {"unknown", "1"}}).values(), defaults);
}

TEST(SettingsLoad, ATooLongValueIsIgnoredAndTheValuesAfterItStillLoad) {
    const std::string thirtyOne(31, '1');
    const bruchfonts s = loaded({{"addbreite", thirtyOne},
                                 {"fontA", "Liberation Sans Narrow Bold 20"}, // exactly 30
                                 {"precision", "3"}});
    EXPECT_EQ(s.addbreite, 10);
    EXPECT_EQ(s.fontA, (dcfont{"Liberation Sans Narrow Bold", 20}));
    EXPECT_EQ(s.precision, 3);
}

TEST(SettingsLoad, FontsTakeTheLastWordAsHeightAndEverythingBeforeAsFace) {
    EXPECT_EQ(loaded({{"fontA", "Courier 20"}}).fontA, (dcfont{"Courier", 20}));
    EXPECT_EQ(loaded({{"fontB", "DejaVu Sans Mono 12"}}).fontB, (dcfont{"DejaVu Sans Mono", 12}));
    // No or no readable height: the font keeps its height.
    EXPECT_EQ(loaded({{"fontA", "Courier"}}).fontA, (dcfont{"Courier", 26}));
    EXPECT_EQ(loaded({{"fontA", "Courier x"}}).fontA, (dcfont{"Courier", 26}));
    EXPECT_EQ(loaded({{"fontA", "Courier 0"}}).fontA, (dcfont{"Courier", 26}));
    EXPECT_EQ(loaded({{"fontA", "   "}}).fontA, (dcfont{"Arial", 26}));
    // What could not be stored again as it loads is refused: a single word
    // that would pass 30 characters with its height, control characters.
    EXPECT_EQ(loaded({{"fontA", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD"}}).fontA, (dcfont{"Arial", 26}));
    EXPECT_EQ(loaded({{"fontA", "ABCDEFGHIJKLMNOPQRSTUVWXYZA"}}).fontA,
              (dcfont{"ABCDEFGHIJKLMNOPQRSTUVWXYZA", 26}));
    EXPECT_EQ(loaded({{"fontB", std::string("Ari\0al 12", 9)}}).fontB, (dcfont{"Arial", 16}));
    EXPECT_EQ(loaded({{"fileextension", "m\x01x"}}).fileextension, "mtx");
}

TEST(SettingsLoad, ANewFontAIsMeasuredSoTheFloatRowFollowsIt) {
    bruchfonts s;
    s.screenMetrics = &QPainterDc::screenMetrics;
    s.load(MemoryStore(SettingsStore::Values{{"fontA", "Courier 20"}}));
    const int ha = QFontMetrics(QPainterDc::font({"Courier", 20}, nullptr)).height();
    EXPECT_EQ(s.heightA, ha);
    EXPECT_EQ(s.floatRowHeight(), ha + 10);
}

TEST(SettingsStoreIni, EverySettingSurvivesSaveAndLoad) {
    TemporarySettings ini;
    bruchfonts s;
    s.rechtszentriert = false;
    s.fixbreite = s.nurbruch = s.showpoint = s.showpos = true;
    s.addbreite = 0;
    s.addhoehe = 20;
    s.bruchzr = 7;
    s.fformat = 1;
    s.precision = 15;
    s.fontA = {"Liberation Sans", 30};
    s.fontB = {"DejaVu Sans Mono", 14};
    s.fileextension = "mat";
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
}

TEST(SettingsStoreIni, AStoreThatCannotBeWrittenSaysSo) {
    QSettingsStore store(QStringLiteral("/proc/lineon-cannot-exist/lineon.ini"));
    EXPECT_FALSE(bruchfonts().save(store));
}
