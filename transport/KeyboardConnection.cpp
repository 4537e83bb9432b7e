#include "KeyboardConnection.h"

#include "PlatformCode.h"
#include "TransportFactory.h"

namespace zelt {

KeyboardConnection::KeyboardConnection(PortKind kind, std::unique_ptr<Sleeper> sleeper)
    : kind_(kind), sleeper_(std::move(sleeper)) {
    if (!sleeper_) {
        sleeper_ = std::make_unique<RealSleeper>();
    }
}

KeyboardConnection::StartResult KeyboardConnection::ConnectUsb(std::unique_ptr<HidBackend> backend,
                                                               std::optional<int> platformCode,
                                                               std::unique_ptr<Sleeper> sleeper,
                                                               TraceSink& trace,
                                                               MessageSink& messages) {
    StartResult result;
    if (!platformCode) {
        messages.ShowMessage(kWrongOsVersionMessage);
        result.endProgram = true;
        return result;
    }
    std::unique_ptr<KeyboardConnection> connection(
        new KeyboardConnection(PortKind::Usb, std::move(sleeper)));
    connection->backend_ = std::move(backend);
    connection->usb_ =
        std::make_unique<CUSBport>(*connection->backend_, *connection->sleeper_, trace);
    CUSBport& port = *connection->usb_;
    port.platformCode = *platformCode;
    port.expectedProductString = kExpectedProductString;
    port.expectedProductId = kExpectedProductId;
    port.expectedVendorId = kExpectedVendorId;
    if (!port.FindHIDDevice()) {
        messages.ShowMessage(UsbNoKeyboardMessage(port));
        connection->noKeyboard_ = true;
    }
    result.connection = std::move(connection);
    return result;
}

KeyboardConnection::StartResult KeyboardConnection::ConnectPs2(std::unique_ptr<KbPortDriver> driver,
                                                               PlatformIdQuery platformId,
                                                               std::unique_ptr<Sleeper> sleeper,
                                                               MessageSink& messages) {
    StartResult result;
    std::unique_ptr<KeyboardConnection> connection(
        new KeyboardConnection(PortKind::Ps2, std::move(sleeper)));
    connection->ps2_ = std::make_unique<CKBIO>(std::move(driver), std::move(platformId));
    if (const auto failure = connection->ps2_->OpenKBDriver()) {
        std::string text = failure->message;
        if (!failure->detail.empty()) {
            text += "\n" + failure->detail;
        }
        messages.ShowMessage(text, failure->stopIcon ? MessageIcon::Stop : MessageIcon::None);
        result.endProgram = true;
        return result;
    }
    result.connection = std::move(connection);
    return result;
}

KeyboardConnection::StartResult KeyboardConnection::ConnectFromEnvironment(PortKind kind,
                                                                           MessageSink& messages) {
    if (kind == PortKind::Usb) {
        return ConnectUsb(CreateHidBackend(), SystemPlatformCode(),
                          CreateTransferSleeper(PortKind::Usb), DefaultTrace(), messages);
    }
    return ConnectPs2(CreateKbPortDriver(), SystemPlatformId, CreateTransferSleeper(PortKind::Ps2),
                      messages);
}

TransferResult KeyboardConnection::ReadFromKeyboard(TemplateData& document, MessageSink& messages,
                                                    TransferObserver& progress) {
    TransferContext context{messages, *sleeper_, progress};
    if (ps2_) {
        return Ps2Read(*ps2_, transferBuffer_, document, context);
    }
    if (noKeyboard_ || !usb_) {
        messages.ShowMessage(kNoKeyboardMessage);
        return {};
    }
    return UsbRead(*usb_, transferBuffer_, document, context);
}

TransferResult
KeyboardConnection::WriteIntoKeyboard(TemplateData& document,
                                      std::optional<std::string_view> selectedKeyContent,
                                      MessageSink& messages, TransferObserver& progress) {
    TransferContext context{messages, *sleeper_, progress};
    if (ps2_) {
        return Ps2Write(*ps2_, transferBuffer_, document, selectedKeyContent, context);
    }
    if (noKeyboard_ || !usb_) {
        messages.ShowMessage(kNoKeyboardMessage);
        return {};
    }
    return UsbWrite(*usb_, transferBuffer_, document, selectedKeyContent, context);
}

} // namespace zelt
