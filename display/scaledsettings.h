#pragma once
#include "bruchfonts.h"

class dc;

// The display settings for a device of another resolution (the printer):
// font heights and the spacings grow by deviceDpi / screenDpi, and the four
// font metrics are measured on the device, so that a printout looks like the
// screen at the device's resolution.
struct ScaledSettings {
    bruchfonts settings;
    // The pen width, in device units, of a line one pixel wide on the screen
    // (fraction bars): at least 1, so lines keep their weight beside the text.
    int lineWidth = 1;
};

// A scaled copy of s; s stays as it is.
ScaledSettings scaledSettings(const bruchfonts& s, int deviceDpi, int screenDpi, dc& device);
