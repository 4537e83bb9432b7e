#include "app/QSettingsStore.h"

#include <QString>

namespace zelt {

namespace {

QString Key(std::string_view section, std::string_view name) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) +
           QLatin1Char('/') + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromLatin1(kSettingsOrganisation),
                                            QString::fromLatin1(kSettingsApplication))) {}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

int QSettingsStore::ReadInt(std::string_view section, std::string_view name, int defaultValue) {
    const QVariant value = settings_->value(Key(section, name));
    bool isInt = false;
    const int number = value.toInt(&isInt);
    return value.isValid() && isInt ? number : defaultValue;
}

bool QSettingsStore::WriteInt(std::string_view section, std::string_view name, int value) {
    settings_->setValue(Key(section, name), value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace zelt
