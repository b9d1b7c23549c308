#pragma once
#include <cstdint>
#include <iosfwd>

// One record of a protocol: a line of text, a matrix snapshot, or the whole
// protocol itself. Measuring, drawing and printing join with the display.
class protobject {
public:
    std::int32_t height = 0; // device units, set by measuring
    std::int32_t width = 0;

    protobject() = default;
    protobject(const protobject&) = delete;
    protobject& operator=(const protobject&) = delete;
    virtual ~protobject() = default;

    // Plain-text form, as in the protocol text file.
    virtual void write(std::ostream& os) const = 0;
};
