#pragma once

// In-process HID fakes for unit tests: a scripted device that records every request and plays
// back queued answers, and a backend with a scripted interface listing.

#include "HidBackend.h"

#include <cerrno>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zelt::testing {

// Everything one fake device does and has seen; shared by every open of its path.
struct ScriptedDeviceState {
    std::optional<std::u16string> manufacturer = u"Maker";
    std::optional<std::u16string> product = u"RM0480U";
    std::optional<HidAttributes> attributes = HidAttributes{0x1A2B, 0xC280, 0x0100};

    // Set-feature reports in order, and the index (0-based, counted over the device's life) of
    // the first one that fails, if any.
    std::vector<HidReport> sent;
    std::optional<std::size_t> failSetFeatureAt;
    // Answers to get-feature requests in order; nothing in an entry makes that request fail.
    // When the queue is empty every request succeeds with an all-zero report.
    std::deque<std::optional<HidReport>> answers;
    // The reports as the program handed them to get-feature (before the answer).
    std::vector<HidReport> requested;
    // One word per call, in order: "set", "get", "manufacturer", "product", "attributes".
    std::vector<std::string> calls;
    int opens = 0;
    int closes = 0;
    int errorCode = EPIPE;
};

class ScriptedHidDevice final : public HidDevice {
public:
    explicit ScriptedHidDevice(std::shared_ptr<ScriptedDeviceState> state)
        : state_(std::move(state)) {
        ++state_->opens;
    }
    ~ScriptedHidDevice() override { ++state_->closes; }

    std::optional<std::u16string> GetManufacturerString() override {
        state_->calls.push_back("manufacturer");
        return state_->manufacturer;
    }
    std::optional<std::u16string> GetProductString() override {
        state_->calls.push_back("product");
        return state_->product;
    }
    std::optional<HidAttributes> GetAttributes() override {
        state_->calls.push_back("attributes");
        return state_->attributes;
    }
    bool SetFeature(const HidReport& report) override {
        state_->calls.push_back("set");
        const std::size_t index = state_->sent.size();
        state_->sent.push_back(report);
        return !(state_->failSetFeatureAt && index >= *state_->failSetFeatureAt);
    }
    bool GetFeature(HidReport& report) override {
        state_->calls.push_back("get");
        state_->requested.push_back(report);
        if (state_->answers.empty()) {
            report.fill(0);
            return true;
        }
        const auto answer = state_->answers.front();
        state_->answers.pop_front();
        if (!answer) {
            return false;
        }
        report = *answer;
        return true;
    }
    int LastErrorCode() const override { return state_->errorCode; }

private:
    std::shared_ptr<ScriptedDeviceState> state_;
};

// A backend whose listing per class is a list of query answers (index i gets entry i; beyond
// the list: NoMoreItems) and whose paths open scripted devices.
class FakeHidBackend final : public HidBackend {
public:
    HidInterfaceQuery QueryInterface(HidInterfaceClass cls, int index) override {
        queries.emplace_back(cls, index);
        const auto& listing = cls == HidInterfaceClass::Hid ? hidListing : keyboardListing;
        if (index >= 0 && static_cast<std::size_t>(index) < listing.size()) {
            return listing[static_cast<std::size_t>(index)];
        }
        HidInterfaceQuery none;
        none.result = HidInterfaceQuery::Result::NoMoreItems;
        none.errorCode = kNoMoreItemsError;
        return none;
    }

    HidOpenResult Open(const std::string& path) override {
        opened.push_back(path);
        HidOpenResult result;
        if (const auto refusal = refusals.find(path); refusal != refusals.end()) {
            result.errorCode = refusal->second;
            result.errorText = refusal->second == EACCES ? "Permission denied" : "No such device";
            result.accessDenied = refusal->second == EACCES;
            return result;
        }
        const auto device = devices.find(path);
        if (device == devices.end()) {
            result.errorCode = ENOENT;
            result.errorText = "No such file or directory";
            return result;
        }
        result.device = std::make_unique<ScriptedHidDevice>(device->second);
        return result;
    }

    // Adds a found interface with its device to a class listing; returns the device's state.
    std::shared_ptr<ScriptedDeviceState> AddDevice(HidInterfaceClass cls, const std::string& path,
                                                   std::u16string product, std::uint16_t vendor,
                                                   std::uint16_t productId) {
        auto state = std::make_shared<ScriptedDeviceState>();
        state->product = std::move(product);
        state->attributes = HidAttributes{vendor, productId, 0x0100};
        devices[path] = state;
        AddListing(cls, path, vendor, productId);
        return state;
    }
    void AddListing(HidInterfaceClass cls, const std::string& path, std::uint16_t vendor,
                    std::uint16_t productId) {
        HidInterfaceQuery query;
        query.result = HidInterfaceQuery::Result::Found;
        query.path = path;
        query.vendorId = vendor;
        query.productId = productId;
        (cls == HidInterfaceClass::Hid ? hidListing : keyboardListing).push_back(query);
    }
    void AddOutcome(HidInterfaceClass cls, HidInterfaceQuery::Result result, int errorCode) {
        HidInterfaceQuery query;
        query.result = result;
        query.errorCode = errorCode;
        (cls == HidInterfaceClass::Hid ? hidListing : keyboardListing).push_back(query);
    }

    std::vector<HidInterfaceQuery> hidListing;
    std::vector<HidInterfaceQuery> keyboardListing;
    std::map<std::string, std::shared_ptr<ScriptedDeviceState>> devices;
    std::map<std::string, int> refusals; // path -> errno of a failing open
    std::vector<std::pair<HidInterfaceClass, int>> queries;
    std::vector<std::string> opened;
};

} // namespace zelt::testing
