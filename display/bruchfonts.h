#pragma once
#include <cstddef>
#include <ios>
#include <optional>
#include <string>

#include "dc.h"
#include "floatformat.h"
#include "settingsstore.h"

// The display settings of the program: fonts, spacing, alignment, fraction
// style, floating-point format, matrix file extension, help file. One record
// for the whole run (settings()), loaded once at start and written only when
// the user saves in the options dialog.
class bruchfonts {
public:
    std::string helpFile;
    std::string fileextension = "mtx";
    dcfont fontA{"Arial", 26};                        // whole numbers, whole parts, doubles
    dcfont fontB{"Arial", 16};                        // numerators and denominators
    std::optional<dcfont> pendingFontA, pendingFontB; // chosen in the options dialog

    // Metrics of the two fonts on the screen (see measure() and screenMetrics).
    int heightA = 26, avgWidthA = 0, heightB = 16, avgWidthB = 0;

    int addbreite = 10; // gap before every column
    int addhoehe = 10;  // extra height of every row
    int bruchzr = 3;    // room for the fraction bar
    bool rechtszentriert = true;
    bool fixbreite = false;
    bool nurbruch = false;
    // The protocol explains its steps: notes beside the snapshots, the pivot
    // marked, brackets, headings set apart. Off: the plain view.
    bool notizen = true;
    bool showpoint = false;
    bool showpos = false;
    int fformat = 2; // 0 scientific, 1 fixed, 2 general
    int precision = 6;

    // Where the metrics of a font on the screen come from. The application
    // sets it once a screen exists; setDefaults() and load() then measure
    // through it. Without it the metrics are estimated from the font heights
    // until measure() is called with a screen context.
    using ScreenMetrics = dcmetrics (*)(const dcfont&);
    ScreenMetrics screenMetrics = nullptr;

    // Longest value text and value name the store may hand over; a longer
    // value is ignored (the values after it still load).
    static constexpr std::size_t maxValueLength = 30;
    static constexpr std::size_t maxNameLength = 29;

    bruchfonts() { remeasure(); }

    void setDefaults();
    // Help file beside the program.
    void setPaths(const std::string& programDirectory);
    // Takes over the stored values; unknown names and unreadable values are ignored.
    void load(const SettingsStore& store);
    // Writes all fourteen values.
    bool save(SettingsStore& store) const;
    // The fourteen values in their stored text form, in the stored order.
    SettingsStore::Values values() const;
    // Takes over one stored value; false when the name is unknown or the text
    // unreadable or too long (the setting is then unchanged).
    bool loadValue(const std::string& name, const std::string& text);

    // Measures the four font metrics on a device context (the screen).
    void measure(dc& screen);
    // The metrics again, through screenMetrics or estimated from the heights.
    void remeasure();

    FloatFormat floatFormat() const { return {fformat, showpoint, showpos, precision}; }
    void applyFloatFormat(std::ios_base& s) const { floatFormat().apply(s); }

    int fractionRowHeight() const { return 2 * heightB + bruchzr + addhoehe; }
    int floatRowHeight() const { return heightA + addhoehe; }
};

// The one settings record of the program.
bruchfonts& settings();
