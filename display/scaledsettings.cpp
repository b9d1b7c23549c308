#include "scaledsettings.h"

#include <algorithm>
#include <cstdint>

ScaledSettings scaledSettings(const bruchfonts& s, int deviceDpi, int screenDpi, dc& device) {
    if (deviceDpi <= 0 || screenDpi <= 0) deviceDpi = screenDpi = 1;
    // Rounded to the nearest device unit.
    auto scale = [&](int v) {
        return int((std::int64_t(v) * deviceDpi + screenDpi / 2) / screenDpi);
    };
    ScaledSettings scaled{s, std::max(1, scale(1))};
    bruchfonts& c = scaled.settings;
    c.fontA.height = scale(c.fontA.height);
    c.fontB.height = scale(c.fontB.height);
    c.addbreite = scale(c.addbreite);
    c.addhoehe = scale(c.addhoehe);
    c.bruchzr = scale(c.bruchzr);
    c.measure(device);
    return scaled;
}
