#include "optionstransfer.h"

#include <sstream>

#include "bruchfonts.h"

namespace {

// The integer value of an edit's text; unreadable text keeps the old value
// (the dialog's validators let none through).
void takeInt(const std::string& text, int& out) {
    std::istringstream is(text);
    int v = 0;
    if (is >> v) out = v;
}

} // namespace

OptionsTransfer OptionsTransfer::from(const bruchfonts& s) {
    OptionsTransfer t;
    t.rechtszentriert = s.rechtszentriert;
    t.fixbreite = s.fixbreite;
    t.addbreite = std::to_string(s.addbreite);
    t.addhoehe = std::to_string(s.addhoehe);
    t.bruchzr = std::to_string(s.bruchzr);
    t.showpos = s.showpos;
    t.showpoint = s.showpoint;
    t.precision = std::to_string(s.precision);
    t.wissenschaftlich = s.fformat == 0;
    t.gleicheNachkommastellen = s.fformat == 1;
    t.variabel = s.fformat == 2;
    t.nurbruch = s.nurbruch;
    t.notizen = s.notizen;
    return t;
}

bool OptionsTransfer::takeOver(bruchfonts& s, bool accepted) const {
    const auto pendingA = s.pendingFontA, pendingB = s.pendingFontB;
    s.pendingFontA.reset();
    s.pendingFontB.reset();
    if (!accepted) return false;
    if (endMode == RestoreDefaults) {
        s.setDefaults();
        return true;
    }
    takeInt(addbreite, s.addbreite);
    takeInt(addhoehe, s.addhoehe);
    takeInt(bruchzr, s.bruchzr);
    takeInt(precision, s.precision);
    s.rechtszentriert = rechtszentriert;
    s.fixbreite = fixbreite;
    s.nurbruch = nurbruch;
    s.notizen = notizen;
    s.showpoint = showpoint;
    s.showpos = showpos;
    if (wissenschaftlich)
        s.fformat = 0;
    else if (gleicheNachkommastellen)
        s.fformat = 1;
    else if (variabel)
        s.fformat = 2;
    bool newFont = false;
    if (pendingA && !(*pendingA == s.fontA)) {
        s.fontA = *pendingA;
        newFont = true;
    }
    if (pendingB && !(*pendingB == s.fontB)) {
        s.fontB = *pendingB;
        newFont = true;
    }
    if (newFont) s.remeasure();
    return true;
}
