#pragma once
#include "bruchfonts.h"
#include "settingsstore.h"

// Restores the global settings record when the test ends.
class SettingsGuard {
public:
    SettingsGuard() : saved_(settings()) {}
    ~SettingsGuard() { settings() = saved_; }
    SettingsGuard(const SettingsGuard&) = delete;
    SettingsGuard& operator=(const SettingsGuard&) = delete;

private:
    bruchfonts saved_;
};

// A settings store in memory.
class MemoryStore : public SettingsStore {
public:
    Values values;

    explicit MemoryStore(Values v) : values(std::move(v)) {}
    bool read(Values& out) const override {
        out = values;
        return true;
    }
    bool write(const Values& v) override {
        values = v;
        return true;
    }
};
