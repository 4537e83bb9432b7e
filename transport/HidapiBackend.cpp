#include "HidapiBackend.h"

#include "HidString.h"

#include <hidapi/hidapi.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <cwchar>
#include <set>

namespace zelt {

namespace {

std::string NarrowError(const wchar_t* text) {
    std::string narrow;
    if (text == nullptr) {
        return narrow;
    }
    for (; *text != L'\0' && narrow.size() < 512; ++text) {
        const auto code = static_cast<std::uint32_t>(*text);
        narrow.push_back(code < 0x80 ? static_cast<char>(code) : '?');
    }
    return narrow;
}

class HidapiDevice final : public HidDevice {
public:
    explicit HidapiDevice(hid_device* device) : device_(device) {}
    ~HidapiDevice() override { hid_close(device_); }
    HidapiDevice(const HidapiDevice&) = delete;
    HidapiDevice& operator=(const HidapiDevice&) = delete;

    std::optional<std::u16string> GetManufacturerString() override {
        return ReadString(&hid_get_manufacturer_string);
    }
    std::optional<std::u16string> GetProductString() override {
        return ReadString(&hid_get_product_string);
    }

    std::optional<HidAttributes> GetAttributes() override {
#if HID_API_VERSION >= HID_API_MAKE_VERSION(0, 13, 0)
        errno = 0;
        const hid_device_info* info = hid_get_device_info(device_);
        if (info == nullptr) {
            Remember();
            return std::nullopt;
        }
        return HidAttributes{info->vendor_id, info->product_id, info->release_number};
#else
        return std::nullopt;
#endif
    }

    bool SetFeature(const HidReport& report) override {
        errno = 0;
        if (hid_send_feature_report(device_, report.data(), report.size()) < 0) {
            Remember();
            return false;
        }
        return true;
    }

    bool GetFeature(HidReport& report) override {
        errno = 0;
        HidReport answer = report;
        const int got = hid_get_feature_report(device_, answer.data(), answer.size());
        if (got < 0) {
            Remember();
            return false;
        }
        report = answer;
        return true;
    }

    int LastErrorCode() const override {
        return lastError_;
    }

private:
    using StringReader = int (*)(hid_device*, wchar_t*, size_t);

    std::optional<std::u16string> ReadString(StringReader read) {
        std::array<wchar_t, kHidStringMaxUnits + 1> buffer{};
        errno = 0;
        if (read(device_, buffer.data(), buffer.size()) < 0) {
            Remember();
            return std::nullopt;
        }
        buffer.back() = L'\0';
        return WideToUtf16(std::wstring_view(buffer.data()));
    }

    void Remember() {
        lastError_ = errno != 0 ? errno : EIO;
    }

    hid_device* device_;
    int lastError_ = 0;
};

} // namespace

HidapiBackend::HidapiBackend() : initialised_(hid_init() == 0) {}

HidapiBackend::~HidapiBackend() {
    if (initialised_) {
        hid_exit();
    }
}

HidInterfaceQuery HidapiBackend::QueryInterface(HidInterfaceClass cls, int index) {
    HidInterfaceQuery query;
    if (!initialised_) {
        query.result = HidInterfaceQuery::Result::ListUnavailable;
        query.errorCode = EIO;
        return query;
    }
    // hid_enumerate gives one entry per top-level usage; an interface counts once in the HID
    // class, so repeated paths are skipped there.
    hid_device_info* list = hid_enumerate(0, 0);
    std::set<std::string> seen;
    int position = 0;
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
        if (info->path == nullptr || !BelongsToInterfaceClass(cls, info->usage_page, info->usage) ||
            !seen.insert(info->path).second) {
            continue;
        }
        if (position++ == index) {
            query.result = HidInterfaceQuery::Result::Found;
            query.path = info->path;
            query.vendorId = info->vendor_id;
            query.productId = info->product_id;
            break;
        }
    }
    hid_free_enumeration(list);
    if (query.result != HidInterfaceQuery::Result::Found) {
        query.result = HidInterfaceQuery::Result::NoMoreItems;
        query.errorCode = kNoMoreItemsError;
    }
    return query;
}

HidOpenResult HidapiBackend::Open(const std::string& path) {
    HidOpenResult result;
    if (!initialised_) {
        result.errorCode = EIO;
        result.errorText = "the HID library could not be initialised";
        return result;
    }
    errno = 0;
    hid_device* device = hid_open_path(path.c_str());
    if (device == nullptr) {
        result.errorCode = errno != 0 ? errno : EIO;
        result.accessDenied = result.errorCode == EACCES || result.errorCode == EPERM;
        result.errorText =
            errno != 0 ? std::strerror(result.errorCode) : NarrowError(hid_error(nullptr));
        if (result.errorText.empty()) {
            result.errorText = std::strerror(result.errorCode);
        }
        return result;
    }
    result.device = std::make_unique<HidapiDevice>(device);
    return result;
}

} // namespace zelt
