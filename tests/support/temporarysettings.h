#pragma once
#include <QTemporaryDir>

#include "qsettingsstore.h"

// An INI settings store in a temporary folder that disappears with the test,
// so no test touches the user's settings.
class TemporarySettings {
public:
    QString path() const { return dir_.filePath(QStringLiteral("lineon.ini")); }
    QSettingsStore store() const { return QSettingsStore(path()); }

private:
    QTemporaryDir dir_;
};
