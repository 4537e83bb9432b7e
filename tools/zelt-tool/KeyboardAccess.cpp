#include "KeyboardAccess.h"

#include "PortKind.h"

namespace zelt::tool {

std::unique_ptr<KeyboardConnection> ConnectKeyboard(CommPort port, MessageSink& messages) {
    auto started = KeyboardConnection::ConnectFromEnvironment(PortKindOf(port), messages);
    if (started.endProgram || !started.connection) {
        return nullptr;
    }
    // Unlike the editor, which goes on without a keyboard, the command has nothing to do then;
    // the search has already said why.
    if (started.connection->NoKeyboard()) {
        return nullptr;
    }
    return std::move(started.connection);
}

} // namespace zelt::tool
