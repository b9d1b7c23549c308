#include "scaledsettings.h"

#include <algorithm>
#include <cstdint>

ScaledSettings::ScaledSettings(bruchfonts& s, int deviceDpi, int screenDpi, dc& device)
    : settings_(s), saved_(s) {
    if (deviceDpi <= 0 || screenDpi <= 0) deviceDpi = screenDpi = 1;
    // Rounded to the nearest device unit.
    auto scale = [&](int v) {
        return int((std::int64_t(v) * deviceDpi + screenDpi / 2) / screenDpi);
    };
    s.fontA.height = scale(s.fontA.height);
    s.fontB.height = scale(s.fontB.height);
    s.addbreite = scale(s.addbreite);
    s.addhoehe = scale(s.addhoehe);
    s.bruchzr = scale(s.bruchzr);
    lineWidth_ = std::max(1, scale(1));
    s.measure(device);
}

ScaledSettings::~ScaledSettings() { settings_ = saved_; }
