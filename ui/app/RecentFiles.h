#pragma once

#include <optional>
#include <string>
#include <vector>

class QSettings;

namespace zelt {

// The last four template files opened or saved, newest first. The menus do not list them; the
// file dialogs start in the folder of the newest one.
class RecentFiles {
public:
    static constexpr std::size_t kCapacity = 4;

    virtual ~RecentFiles() = default;
    virtual void Add(const std::string& path) = 0;
    virtual std::vector<std::string> Entries() const = 0;

    // Folder of the newest entry, if there is one.
    std::optional<std::string> NewestFolder() const;
};

// Kept in memory only.
class MemoryRecentFiles final : public RecentFiles {
public:
    void Add(const std::string& path) override;
    std::vector<std::string> Entries() const override { return entries_; }

private:
    std::vector<std::string> entries_;
};

// Kept with the program's settings, in the section "Recent File List" as "File1".."File4".
class SettingsRecentFiles final : public RecentFiles {
public:
    explicit SettingsRecentFiles(QSettings& settings) : settings_(settings) {}
    void Add(const std::string& path) override;
    std::vector<std::string> Entries() const override;

private:
    QSettings& settings_;
};

} // namespace zelt
