#include "qsettingsstore.h"

#include <QSettings>
#include <QStringList>

QSettingsStore::QSettingsStore() = default;

QSettingsStore::QSettingsStore(const QString& iniPath) : iniPath_(iniPath) {}

std::unique_ptr<QSettings> QSettingsStore::open() const {
    if (!iniPath_.isEmpty()) return std::make_unique<QSettings>(iniPath_, QSettings::IniFormat);
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\lineon"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("lineon"), QStringLiteral("lineon"));
#endif
}

bool QSettingsStore::read(Values& out) const {
    const auto s = open();
    if (s->status() != QSettings::NoError) return false;
    const QStringList names = s->childKeys();
    if (names.isEmpty()) return false;
    out.clear();
    for (const QString& name : names) {
        const QVariant v = s->value(name);
        // An INI text with unquoted commas comes back as a list.
        const QString text = v.typeId() == QMetaType::QStringList
                                 ? v.toStringList().join(QLatin1Char(','))
                                 : v.toString();
        out.emplace_back(name.toStdString(), text.toStdString());
    }
    return true;
}

bool QSettingsStore::write(const Values& values) {
    const auto s = open();
    for (const auto& [name, text] : values)
        s->setValue(QString::fromStdString(name), QString::fromStdString(text));
    s->sync();
    return s->status() == QSettings::NoError;
}

QString QSettingsStore::location() const { return open()->fileName(); }
