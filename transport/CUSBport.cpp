#include "CUSBport.h"

#include "HidString.h"

#include <algorithm>
#include <chrono>

namespace zelt {

// How a discovery search walks the listing of one interface class.
struct InterfaceSearch {
    HidInterfaceClass interfaceClass;
    int indices;
    // The operation its trace lines name.
    const char* traceName;
    // The keyboard-class listing is read until it reports its end; the HID-class search skips
    // the indices that fail.
    bool stopsAtListEnd;
    // Its trace counts the failing entry from 1 rather than from 0.
    bool tracesFailuresFromOne;
    bool tracesFoundPath;
};

namespace {

constexpr std::size_t kDevicePathMax = 255;
constexpr auto kReadAnswerDelay = std::chrono::milliseconds(200);

constexpr InterfaceSearch kHidClassSearch{
    HidInterfaceClass::Hid, kHidSearchIndices, "GetDeviceFullPath", false, false, true};
constexpr InterfaceSearch kKeyboardClassSearch{HidInterfaceClass::Keyboard,
                                               kKeyboardSearchLimit,
                                               "WinXPx64GetDeviceFullPath",
                                               true,
                                               true,
                                               false};

} // namespace

CUSBport::CUSBport(HidBackend& backend, Sleeper& sleeper, TraceSink& trace)
    : backend_(backend), sleeper_(sleeper), trace_(trace) {}

CUSBport::~CUSBport() = default;

bool CUSBport::OpenHIDDevice() {
    return OpenPath(nullptr);
}

bool CUSBport::OpenPath(const HidInterfaceQuery* listing) {
    CloseHIDDevice();
    HidOpenResult opened = backend_.Open(devicePath);
    if (!opened.device) {
        lastOpenError_ = opened.errorText.empty() ? "error " + std::to_string(opened.errorCode)
                                                  : opened.errorText;
        lastOpenAccessDenied_ = opened.accessDenied;
        if (listing != nullptr) {
            NoteOpenFailure(*listing);
        }
        return false;
    }
    deviceHandle_ = std::move(opened.device);
    lastOpenError_.clear();
    lastOpenAccessDenied_ = false;
    return true;
}

void CUSBport::NoteOpenFailure(const HidInterfaceQuery& query) {
    // A keyboard that is present but cannot be opened is almost always a permission problem
    // on its device node; remember it so the caller can tell the user what to fix.
    const bool ours = query.vendorId == static_cast<std::uint16_t>(expectedVendorId) &&
                      query.productId == static_cast<std::uint16_t>(expectedProductId);
    if (ours && inaccessiblePath_.empty()) {
        inaccessiblePath_ = query.path;
        inaccessibleReason_ = lastOpenError_;
    }
}

void CUSBport::CloseHIDDevice() {
    deviceHandle_.reset();
}

bool CUSBport::CheckHIDParam() {
    if (!deviceHandle_) {
        return false;
    }
    const auto manufacturer = deviceHandle_->GetManufacturerString();
    const auto product = deviceHandle_->GetProductString();
    const std::string manufacturerText = manufacturer ? NarrowHidString(*manufacturer) : "";
    const std::string productText = product ? NarrowHidString(*product) : "";
    TraceF(trace_, "CheckHIDParam: Manufacturer=%s\n", manufacturerText.c_str());
    TraceF(trace_, "CheckHIDParam: Device Name=%s\n", productText.c_str());

    const auto attributes = deviceHandle_->GetAttributes();
    if (attributes) {
        TraceF(trace_, "CheckHIDParam: VendorID = 0%2X\n", attributes->vendorId);
        TraceF(trace_, "CheckHIDParam: ProductID = %2X\n", attributes->productId);
        TraceF(trace_, "CheckHIDParam: VersionNumber = %2X\n", attributes->versionNumber);
    }
    if (!product || !attributes) {
        return false;
    }
    const std::string& expected = expectedProductString;
    const bool nameMatches = productText.size() >= expected.size() &&
                             productText.compare(0, expected.size(), expected) == 0;
    return nameMatches && attributes->vendorId == expectedVendorId &&
           attributes->productId == expectedProductId;
}

bool CUSBport::SendHIDCmdAddr(int nCmd, int nPackageNo) {
    const HidReport report =
        MakeCommandReport(static_cast<std::uint8_t>(nCmd), static_cast<std::uint8_t>(nPackageNo));
    if (deviceHandle_ && deviceHandle_->SetFeature(report)) {
        return true;
    }
    TraceF(trace_, "SendHIDCmdAddr:  nPackageNo = %d, nCmd = 0x%x\n", nPackageNo & 0xFF,
           static_cast<unsigned>(nCmd & 0xFF));
    TraceF(trace_, "HidD_SetFeature() GetLastError() = %d\n",
           deviceHandle_ ? deviceHandle_->LastErrorCode() : 0);
    return false;
}

bool CUSBport::GetHIDBlockData(int nPackageNo) {
    TraceF(trace_, "GetHIDBlockData:  nPackageNo = %d\n", nPackageNo);
    if (!SendHIDCmdAddr(kReadBlockCommand, nPackageNo)) {
        return false;
    }
    sleeper_.Sleep(kReadAnswerDelay);
    // The firmware expects the identity requests between command and answer; the result does
    // not matter here.
    CheckHIDParam();
    if (!deviceHandle_) {
        return false;
    }
    DataReports reports{};
    for (HidReport& report : reports) {
        report.fill(0);
        if (!deviceHandle_->GetFeature(report)) {
            return false;
        }
    }
    blockBuffer = DecodeReadStream(ReportsToStream(reports));
    return ChecksumHolds(blockBuffer);
}

bool CUSBport::SendHIDBlockData(int nPackageNo) {
    if (!SendHIDCmdAddr(kWriteBlockCommand, nPackageNo)) {
        return false;
    }
    BlockData data{};
    std::copy_n(blockBuffer.begin(), kBlockSize, data.begin());
    const DataReports reports = StreamToReports(MakeWriteStream(data));
    for (const HidReport& report : reports) {
        if (!deviceHandle_ || !deviceHandle_->SetFeature(report)) {
            return false;
        }
    }
    return true;
}

bool CUSBport::GetHIDAck() {
    if (!deviceHandle_) {
        return false;
    }
    HidReport report{};
    return deviceHandle_->GetFeature(report);
}

bool CUSBport::TestHIDDevice() {
    return TestDeviceAt(nullptr);
}

bool CUSBport::TestDeviceAt(const HidInterfaceQuery* listing) {
    if (!OpenPath(listing)) {
        return false;
    }
    const bool matches = CheckHIDParam();
    CloseHIDDevice();
    return matches;
}

bool CUSBport::FindHIDDevice() {
    inaccessiblePath_.clear();
    inaccessibleReason_.clear();
    lastOpenError_.clear();
    lastOpenAccessDenied_ = false;
    if (platformCode == kKeyboardClassPlatformCode) {
        return WinXPx64GetDeviceFullPath();
    }
    return GetDeviceFullPath();
}

void CUSBport::TraceFoundInterface() {
    TraceF(trace_, "GetDeviceFullPath: Windows Version = %d\nThe USB HID device full path:\n",
           platformCode);
    trace_.Write(devicePath);
    trace_.Write("\n");
    const InterfaceClassId id = ClassIdOf(HidInterfaceClass::Hid);
    TraceF(trace_, "WinXPx64GetDeviceFullPath: HidGuid = %x-%x-%x-%x%x-%x%x%x%x%x%x\n", id.data1,
           id.data2, id.data3, id.data4[0], id.data4[1], id.data4[2], id.data4[3], id.data4[4],
           id.data4[5], id.data4[6], id.data4[7]);
}

bool CUSBport::GetDeviceFullPath() {
    return SearchInterfaces(kHidClassSearch);
}

bool CUSBport::WinXPx64GetDeviceFullPath() {
    return SearchInterfaces(kKeyboardClassSearch);
}

bool CUSBport::SearchInterfaces(const InterfaceSearch& search) {
    for (int index = 0; index < search.indices; ++index) {
        TraceF(trace_, "%s: HidDevice = %d\n", search.traceName, index);
        const HidInterfaceQuery query = backend_.QueryInterface(search.interfaceClass, index);
        switch (query.result) {
        case HidInterfaceQuery::Result::ListUnavailable:
        case HidInterfaceQuery::Result::DetailUnavailable:
            return false;
        case HidInterfaceQuery::Result::NoMoreItems:
        case HidInterfaceQuery::Result::Failed:
            TraceF(trace_, "%s: GetLastError() = %d, HidDevice = %d\n", search.traceName,
                   query.errorCode, search.tracesFailuresFromOne ? index + 1 : index);
            if (search.stopsAtListEnd && (query.result == HidInterfaceQuery::Result::NoMoreItems ||
                                          query.errorCode == kNoMoreItemsError)) {
                return false;
            }
            continue;
        case HidInterfaceQuery::Result::Found:
            break;
        }
        devicePath = query.path.substr(0, kDevicePathMax);
        if (search.tracesFoundPath) {
            TraceFoundInterface();
        }
        if (TestDeviceAt(&query)) {
            return true;
        }
    }
    return false;
}

} // namespace zelt
