#pragma once

#include "SettingsStore.h"

#include <QSettings>

#include <memory>

namespace zelt {

// Organisation and application under which the settings live: the per-user registry key on
// Windows, an INI file under the user's configuration folder on Linux.
inline constexpr const char* kSettingsOrganisation = "Local AppWizard-Generated Applications";
inline constexpr const char* kSettingsApplication = "ZELT";

// Integer settings by section and name, kept by QSettings.
class QSettingsStore final : public SettingsStore {
public:
    // The user's settings of this program.
    QSettingsStore();
    // Settings in a given file, for tests and portable installations.
    explicit QSettingsStore(const QString& iniFile);

    int ReadInt(std::string_view section, std::string_view name, int defaultValue) override;
    bool WriteInt(std::string_view section, std::string_view name, int value) override;

    QSettings& Settings() { return *settings_; }

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace zelt
