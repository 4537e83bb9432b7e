#include "transfer/KeyboardPort.h"

namespace zelt {

bool KeyboardPort::ChooseAtStartUp(CommandDialogs& dialogs, MessageSink& messages,
                                   const KeyboardConnector& connect) {
    const std::optional<CommPort> choice = dialogs.ChoosePort();
    if (!choice) {
        return false;
    }
    const PortKind kind = *choice == CommPort::Usb ? PortKind::Usb : PortKind::Ps2;
    KeyboardConnection::StartResult started = connect(kind, messages);
    if (started.endProgram || !started.connection) {
        return false;
    }
    connection_ = std::move(started.connection);
    return true;
}

std::string KeyboardPort::PortName() const {
    return connection_ ? connection_->PortName() : std::string();
}

} // namespace zelt
