#include "projectrcversion.h"

#include "lineonversion.h"

ProjectRCVersion::ProjectRCVersion()
    : ProjectRCVersion(QMap<QString, QString>{
          {QStringLiteral("ProductName"), QString::fromUtf8(LINEON_PRODUCT_NAME)},
          {QStringLiteral("ProductVersion"), QString::fromUtf8(LINEON_PRODUCT_VERSION)},
          {QStringLiteral("LegalCopyright"), QString::fromUtf8(LINEON_LEGAL_COPYRIGHT)},
      }) {}

ProjectRCVersion::ProjectRCVersion(QMap<QString, QString> strings) : strings_(std::move(strings)) {}

bool ProjectRCVersion::lookup(const QString& key, QString& out) const {
    const QString value = strings_.value(key);
    if (value.isEmpty()) return false;
    out = value;
    return true;
}
