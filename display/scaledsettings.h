#pragma once
#include "bruchfonts.h"

class dc;

// The display settings scaled to a device of another resolution (the
// printer) for as long as this object lives: font heights and the spacings
// grow by deviceDpi / screenDpi, and the four font metrics are measured on
// the device, so that a printout looks like the screen at the device's
// resolution. The settings are restored when it goes.
class ScaledSettings {
public:
    ScaledSettings(bruchfonts& s, int deviceDpi, int screenDpi, dc& device);
    ~ScaledSettings();
    ScaledSettings(const ScaledSettings&) = delete;
    ScaledSettings& operator=(const ScaledSettings&) = delete;

    // The pen width, in device units, of a line one pixel wide on the screen
    // (fraction bars): at least 1, so lines keep their weight beside the text.
    int lineWidth() const { return lineWidth_; }

private:
    bruchfonts& settings_;
    bruchfonts saved_;
    int lineWidth_ = 1;
};
