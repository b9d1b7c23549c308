// What a person sees of the display layer, rows of tests/data: number layouts
// as drawn on the recording context (its font is half its height wide), the
// settings as they load and as the INI file holds them, all given as the
// store holds them, "name=value; name=value".
#include <QFile>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "bruchfonts.h"
#include "recordingdc.h"
#include "reeltext.h"
#include "rowfile.h"
#include "strbruch.h"
#include "strfloat.h"
#include "temporarysettings.h"

namespace {

// einstellungen_lesen.txt: stored values ("\xNN" for any byte) as they load,
// given by the values that then differ from the defaults. zahlenbild.txt:
// "settings | value @ x,y", a fraction as cell text or "float v", then its
// width and what is drawn. einstellungen_ini.txt: the INI file the settings
// are saved as, lines split by " | ", and whether they read back the same.
std::string run(const Row& row) {
    const bool layout = row.file == "zahlenbild.txt";
    const std::size_t bar = layout ? row.given.find('|') : row.given.size();
    const std::string settings = row.given.substr(0, bar > 0 && layout ? bar - 1 : bar);
    bruchfonts s;
    for (std::size_t at = 0; at < settings.size();) {
        const std::size_t end = std::min(settings.find("; ", at), settings.size());
        std::string pair = settings.substr(at, end - at);
        for (auto x = pair.find("\\x"); x != std::string::npos; x = pair.find("\\x", x + 1))
            pair.replace(x, 4, 1, char(std::stoi(pair.substr(x + 2, 2), nullptr, 16)));
        s.loadValue(pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
        at = end + 2;
    }
    std::string out;
    if (row.file == "einstellungen_ini.txt") {
        TemporarySettings ini;
        QSettingsStore store = ini.store();
        bruchfonts back;
        QFile f(ini.path());
        if (!s.save(store) || !f.open(QIODevice::ReadOnly)) return "not saved";
        back.load(ini.store());
        out = f.readAll().trimmed().replace("\n", " | ").toStdString();
        return back.values() == s.values() ? out : out + " | read back otherwise";
    }
    if (!layout) {
        const SettingsStore::Values defaults = bruchfonts().values(), now = s.values();
        for (std::size_t i = 0; i < now.size(); ++i)
            if (now[i] != defaults[i])
                out += (out.empty() ? "" : "; ") + now[i].first + "=" + now[i].second;
        return out.empty() ? "-" : out;
    }
    RecordingDc d;
    s.measure(d);
    const std::size_t floatAt = row.given.find("float", bar);
    const bool isFloat = floatAt != std::string::npos;
    char value[64] = {};
    int x = 0, y = 0;
    std::sscanf(row.given.c_str() + (isFloat ? floatAt + 5 : bar + 1), "%63s @ %d,%d", value, &x,
                &y);
    const auto drawn = [&](const auto& number) {
        number.draw(x, y, s, d);
        return "width " + std::to_string(number.width);
    };
    out = isFloat ? drawn(strfloat(std::stod(value), s, d))
                  : drawn(strbruch(reelFromCellText(value), s, d));
    for (const std::string& call : d.log) out += " | " + call;
    return d.selected() == RecordingDc::initialFont ? out : out + " | font left selected";
}

} // namespace

LINEON_ROW_TESTS(run, "zahlenbild.txt", "einstellungen_lesen.txt", "einstellungen_ini.txt");

TEST(FloatFormatText, SameTextAsAStreamWithTheFormatApplied) {
    for (int fformat = 0; fformat <= 3; ++fformat)
        for (const int flags : {0, 1, 2, 3})
            for (const int precision : {0, 1, 2, 6, 15, 17, 99})
                for (const double v : {0.0, -0.0, 0.5, -2.5, 1.0 / 3.0, 123456789.0, 2.5e-7, 1e16,
                                       -1e300, 1e-300, 5e-324, 1.7976931348623157e308, HUGE_VAL,
                                       -HUGE_VAL, std::nan(""), -std::nan("")}) {
                    const FloatFormat f{fformat, (flags & 1) != 0, (flags & 2) != 0, precision};
                    std::ostringstream os;
                    f.apply(os);
                    os << v;
                    ASSERT_EQ(f.text(v), os.str()) << fformat << flags << " " << precision;
                }
}
