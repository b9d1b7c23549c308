#include "bruchfonts.h"

#include <sstream>

namespace {

// A decimal integer as a text stream reads it: leading blanks skipped, digits
// up to the first other character. False when no number can be read.
bool readInt(const std::string& text, int& out) {
    std::istringstream is(text);
    int v = 0;
    if (!(is >> v)) return false;
    out = v;
    return true;
}

bool readInRange(const std::string& text, int lo, int hi, int& out) {
    int v = 0;
    if (!readInt(text, v) || v < lo || v > hi) return false;
    out = v;
    return true;
}

// "1" is on, any other number off; text that is no number changes nothing.
bool readFlag(const std::string& text, bool& out) {
    int v = 0;
    if (!readInt(text, v)) return false;
    out = v == 1;
    return true;
}

// Spacings and heights beyond this could only come from a damaged store and
// would overflow the layout arithmetic of large matrices.
constexpr int largestLength = 1000;
// Beyond this the stream would build texts of absurd length.
constexpr int largestPrecision = 99;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Names of fonts and extensions hold no control characters: a store that has
// them is damaged, and they would not survive being written back.
bool hasControlCharacter(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7f) return true;
    return false;
}

std::string fontText(const dcfont& f) { return f.face + " " + std::to_string(f.height); }

// "face height": the height is the last word, the face everything before it,
// so that faces with blanks ("Liberation Sans 26") survive. One word alone is
// a face; the height stays. An unreadable height leaves the height as it was.
// A face that could not be stored again within the value length (a long
// single word gains its height when saved) is refused, so that what loads
// also loads again after saving.
bool readFont(const std::string& text, dcfont& font) {
    std::size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1])) --end;
    std::size_t begin = 0;
    while (begin < end && isBlank(text[begin])) ++begin;
    if (begin == end) return false;
    std::size_t lastWord = end;
    while (lastWord > begin && !isBlank(text[lastWord - 1])) --lastWord;
    dcfont read = font;
    if (lastWord == begin) {
        read.face = text.substr(begin, end - begin);
    } else {
        std::size_t faceEnd = lastWord;
        while (faceEnd > begin && isBlank(text[faceEnd - 1])) --faceEnd;
        read.face = text.substr(begin, faceEnd - begin);
        int h = 0;
        if (readInRange(text.substr(lastWord, end - lastWord), 1, largestLength, h))
            read.height = h;
    }
    if (hasControlCharacter(read.face) || fontText(read).size() > bruchfonts::maxValueLength)
        return false;
    font = read;
    return true;
}

int estimatedAverageWidth(int height) { return height * 9 / 20 > 0 ? height * 9 / 20 : 1; }

} // namespace

void bruchfonts::setDefaults() {
    const ScreenMetrics keep = screenMetrics;
    const std::string keepHelp = helpFile;
    *this = bruchfonts();
    screenMetrics = keep;
    helpFile = keepHelp;
    remeasure();
}

void bruchfonts::setPaths(const std::string& programDirectory) {
    helpFile = programDirectory;
    if (!helpFile.empty() && helpFile.back() != '/' && helpFile.back() != '\\') helpFile += '/';
    helpFile += "lineon.hlp";
}

bool bruchfonts::loadValue(const std::string& name, const std::string& text) {
    if (name.size() > maxNameLength || text.size() > maxValueLength) return false;
    if (name == "rechtszentriert") return readFlag(text, rechtszentriert);
    if (name == "fixbreite") return readFlag(text, fixbreite);
    if (name == "addbreite") return readInRange(text, 0, largestLength, addbreite);
    if (name == "addhoehe") return readInRange(text, 0, largestLength, addhoehe);
    if (name == "bruchzr") return readInRange(text, 0, largestLength, bruchzr);
    if (name == "nurbruch") return readFlag(text, nurbruch);
    if (name == "notizen") return readFlag(text, notizen);
    if (name == "fformat") return readInt(text, fformat);
    if (name == "showpoint") return readFlag(text, showpoint);
    if (name == "showpos") return readFlag(text, showpos);
    if (name == "precision") return readInRange(text, 0, largestPrecision, precision);
    if (name == "fontA") return readFont(text, fontA);
    if (name == "fontB") return readFont(text, fontB);
    if (name == "fileextension") {
        std::istringstream is(text);
        std::string word;
        if (!(is >> word) || hasControlCharacter(word)) return false;
        fileextension = word;
        return true;
    }
    return false;
}

void bruchfonts::load(const SettingsStore& store) {
    SettingsStore::Values stored;
    if (!store.read(stored)) return;
    const dcfont oldA = fontA, oldB = fontB;
    for (const auto& [name, text] : stored) loadValue(name, text);
    if (!(fontA == oldA) || !(fontB == oldB)) remeasure();
}

SettingsStore::Values bruchfonts::values() const {
    auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
    auto num = [](int n) { return std::to_string(n); };
    return {
        {"rechtszentriert", flag(rechtszentriert)},
        {"fixbreite", flag(fixbreite)},
        {"addbreite", num(addbreite)},
        {"addhoehe", num(addhoehe)},
        {"bruchzr", num(bruchzr)},
        {"nurbruch", flag(nurbruch)},
        {"notizen", flag(notizen)},
        {"fformat", num(fformat)},
        {"showpoint", flag(showpoint)},
        {"showpos", flag(showpos)},
        {"precision", num(precision)},
        {"fontA", fontText(fontA)},
        {"fontB", fontText(fontB)},
        {"fileextension", fileextension},
    };
}

bool bruchfonts::save(SettingsStore& store) const { return store.write(values()); }

void bruchfonts::measure(dc& screen) {
    {
        FontSelection a(screen, fontA);
        const dcmetrics m = screen.metrics();
        heightA = m.height;
        avgWidthA = m.avgWidth;
    }
    FontSelection b(screen, fontB);
    const dcmetrics m = screen.metrics();
    heightB = m.height;
    avgWidthB = m.avgWidth;
}

void bruchfonts::remeasure() {
    if (screenMetrics) {
        const dcmetrics a = screenMetrics(fontA), b = screenMetrics(fontB);
        heightA = a.height;
        avgWidthA = a.avgWidth;
        heightB = b.height;
        avgWidthB = b.avgWidth;
        return;
    }
    heightA = fontA.height;
    avgWidthA = estimatedAverageWidth(fontA.height);
    heightB = fontB.height;
    avgWidthB = estimatedAverageWidth(fontB.height);
}

bruchfonts& settings() {
    static bruchfonts record;
    return record;
}
