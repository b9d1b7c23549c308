// What a person sees of the display layer, rows of tests/data: number
// layouts as drawn on the recording context, the settings as they load.
// Settings are given as the store holds them, "name=value; name=value".
// The recording font is half its height wide: font A (Arial 26) 13 per
// character, font B (Arial 16) 8.
#include <cmath>
#include <limits>
#include <sstream>

#include "bruchfonts.h"
#include "recordingdc.h"
#include "reeltext.h"
#include "rowfile.h"
#include "strbruch.h"
#include "strfloat.h"

namespace {

// "name=value; ..." with \xNN for any byte.
SettingsStore::Values stored(const std::string& text) {
    SettingsStore::Values out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find("; ", at), text.size());
        std::string pair = text.substr(at, end - at);
        for (auto x = pair.find("\\x"); x != std::string::npos; x = pair.find("\\x", x + 1))
            pair.replace(x, 4, 1, char(std::stoi(pair.substr(x + 2, 2), nullptr, 16)));
        const std::size_t eq = pair.find('=');
        out.emplace_back(pair.substr(0, eq), pair.substr(eq + 1));
        at = end + 2;
    }
    return out;
}

std::string joined(const SettingsStore::Values& values) {
    std::string out;
    for (const auto& [name, text] : values)
        out += (out.empty() ? "" : "; ") + name + "=" + text;
    return out.empty() ? "-" : out;
}

// einstellungen_lesen.txt: the stored values as they load, given by what
// differs from the defaults. zahlenbild.txt: "settings | value @ x,y", a
// fraction as cell text or "float v"; its width and what is drawn.
std::string run(const Row& row) {
    bruchfonts s;
    const std::size_t bar = std::min(row.given.find('|'), row.given.size());
    for (const auto& [name, text] : stored(row.given.substr(0, bar < row.given.size() && bar > 0 ? bar - 1 : bar)))
        s.loadValue(name, text);
    if (row.file == "einstellungen_lesen.txt") {
        SettingsStore::Values changed;
        const SettingsStore::Values defaults = bruchfonts().values(), now = s.values();
        for (std::size_t i = 0; i < now.size(); ++i)
            if (now[i] != defaults[i]) changed.push_back(now[i]);
        return joined(changed);
    }
    RecordingDc d;
    s.measure(d);
    std::istringstream in(row.given.substr(bar + 1));
    std::string value;
    int x = 0, y = 0;
    char at = 0, comma = 0;
    in >> value;
    const bool isFloat = value == "float";
    if (isFloat) in >> value;
    in >> at >> x >> comma >> y;
    std::string out;
    if (isFloat) {
        const strfloat f(std::stod(value), s, d);
        f.draw(x, y, s, d);
        out = "width " + std::to_string(f.width);
    } else {
        const strbruch b(reelFromCellText(value), s, d);
        b.draw(x, y, s, d);
        out = "width " + std::to_string(b.width);
    }
    for (const std::string& call : d.log)
        out += " | " + call;
    return d.selected() == RecordingDc::initialFont ? out : out + " | font left selected";
}

} // namespace

LINEON_ROW_TESTS(run, "zahlenbild.txt", "einstellungen_lesen.txt");

TEST(FloatFormatText, SameTextAsAStreamWithTheFormatApplied) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    for (int fformat = 0; fformat <= 3; ++fformat)
        for (const int flags : {0, 1, 2, 3})
            for (const int precision : {0, 1, 2, 6, 15, 17, 99})
                for (const double v : {0.0, -0.0, 0.5, -2.5, 1.0 / 3.0, 123456789.0, 2.5e-7, 1e16,
                                       -1e300, 1e-300, 5e-324, 1.7976931348623157e308, inf, -inf,
                                       nan, -nan}) {
                    const FloatFormat f{fformat, (flags & 1) != 0, (flags & 2) != 0, precision};
                    std::ostringstream os;
                    f.apply(os);
                    os << v;
                    ASSERT_EQ(f.text(v), os.str()) << fformat << flags << " " << precision;
                }
}
