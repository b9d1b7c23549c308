#pragma once
#include <string>
#include <utility>
#include <vector>

// Where the settings live between runs: named text values.
class SettingsStore {
public:
    using Values = std::vector<std::pair<std::string, std::string>>;

    virtual ~SettingsStore() = default;
    // False when there is no store yet (first start): the defaults stay.
    virtual bool read(Values& out) const = 0;
    // Writes every value; false when the store cannot be written.
    virtual bool write(const Values& values) = 0;
};
