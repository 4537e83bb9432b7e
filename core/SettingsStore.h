#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace zelt {

// The per-user settings the program keeps between runs: integer values by section and name.
// The editor stores them with QSettings; tests use MemorySettingsStore.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored value, or defaultValue when there is none or it is not an integer.
    virtual int ReadInt(std::string_view section, std::string_view name, int defaultValue) = 0;

    // Stores the value; false when the store could not be written.
    virtual bool WriteInt(std::string_view section, std::string_view name, int value) = 0;
};

class MemorySettingsStore final : public SettingsStore {
public:
    int ReadInt(std::string_view section, std::string_view name, int defaultValue) override {
        const auto found = values_.find(Key(section, name));
        return found == values_.end() ? defaultValue : found->second;
    }

    bool WriteInt(std::string_view section, std::string_view name, int value) override {
        values_[Key(section, name)] = value;
        return true;
    }

    bool Contains(std::string_view section, std::string_view name) const {
        return values_.contains(Key(section, name));
    }

private:
    using KeyType = std::pair<std::string, std::string>;
    static KeyType Key(std::string_view section, std::string_view name) {
        return {std::string(section), std::string(name)};
    }
    std::map<KeyType, int> values_;
};

} // namespace zelt
