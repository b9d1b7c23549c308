#pragma once
#include <QString>

#include <memory>

#include "settingsstore.h"

class QSettings;

// The settings between runs: on Windows the registry key
// HKEY_CURRENT_USER\Software\lineon, elsewhere the INI file lineon/lineon.ini
// in the user's configuration folder. Each value is a text under its name.
class QSettingsStore : public SettingsStore {
public:
    // The store of the current user.
    QSettingsStore();
    // An INI file at the given path (tests, or a portable installation).
    explicit QSettingsStore(const QString& iniPath);

    bool read(Values& out) const override;
    bool write(const Values& values) override;

    // The file or registry key, for messages.
    QString location() const;

private:
    std::unique_ptr<QSettings> open() const;
    QString iniPath_; // empty: the user's store
};
