#include "app/RecentFiles.h"

#include <QFile>
#include <QSettings>
#include <QString>

#include <algorithm>
#include <filesystem>

namespace zelt {

namespace {

const char* const kSection = "Recent File List";

std::vector<std::string> WithNewest(std::vector<std::string> entries, const std::string& path) {
    entries.erase(std::remove(entries.begin(), entries.end(), path), entries.end());
    entries.insert(entries.begin(), path);
    if (entries.size() > RecentFiles::kCapacity) {
        entries.resize(RecentFiles::kCapacity);
    }
    return entries;
}

QString EntryKey(std::size_t index) {
    return QString::fromLatin1(kSection) + QStringLiteral("/File%1").arg(index + 1);
}

} // namespace

std::optional<std::string> RecentFiles::NewestFolder() const {
    const std::vector<std::string> entries = Entries();
    if (entries.empty()) {
        return std::nullopt;
    }
    const std::string folder = std::filesystem::path(entries.front()).parent_path().string();
    if (folder.empty()) {
        return std::nullopt;
    }
    return folder;
}

void MemoryRecentFiles::Add(const std::string& path) {
    entries_ = WithNewest(entries_, path);
}

void SettingsRecentFiles::Add(const std::string& path) {
    const std::vector<std::string> entries = WithNewest(Entries(), path);
    for (std::size_t i = 0; i < kCapacity; ++i) {
        if (i < entries.size()) {
            settings_.setValue(EntryKey(i), QFile::decodeName(entries[i].c_str()));
        } else {
            settings_.remove(EntryKey(i));
        }
    }
    settings_.sync();
}

std::vector<std::string> SettingsRecentFiles::Entries() const {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < kCapacity; ++i) {
        const QString value = settings_.value(EntryKey(i)).toString();
        if (!value.isEmpty()) {
            entries.push_back(QFile::encodeName(value).toStdString());
        }
    }
    return entries;
}

} // namespace zelt
