#pragma once
#include <string>

class bruchfonts;

// What the options dialog "Prezision" exchanges with its controls, in the
// order of the controls, and how it ended.
struct OptionsTransfer {
    enum EndMode { Accept = 0, RestoreDefaults = 1, AcceptAndSave = 2 };

    bool rechtszentriert = false;         // 102
    bool fixbreite = false;               // 103
    std::string addbreite;                // 109
    std::string addhoehe;                 // 110
    std::string bruchzr;                  // 111
    bool showpos = false;                 // 104
    bool showpoint = false;               // 106
    std::string precision;                // 115
    bool wissenschaftlich = false;        // 116, fformat 0
    bool gleicheNachkommastellen = false; // 117, fformat 1
    bool variabel = false;                // 118, fformat 2
    bool nurbruch = false;                // 123
    bool notizen = false;                 // 128
    int endMode = Accept;                 // set by the dialog, shown by no control

    // The settings as the dialog shows them: integers as decimal text, the
    // radio button of fformat on.
    static OptionsTransfer from(const bruchfonts& s);

    // Takes the dialog's outcome over into the settings. Cancelled: only the
    // fonts chosen in the dialog are dropped. Restore defaults: the defaults,
    // unsaved. Otherwise every value and the chosen fonts become current.
    // True when the settings may have changed (saving is the caller's).
    bool takeOver(bruchfonts& s, bool accepted) const;
};
