#pragma once

#include <QObject>

#include <functional>
#include <map>

class QAction;

namespace zelt {

// What a command does, when it is available and when its item carries a check mark.
struct CommandBinding {
    std::function<void()> run;
    // Empty: always available.
    std::function<bool()> enabled;
    // Empty: the item never carries a check mark.
    std::function<bool()> checked;
};

// One QAction per command of the catalogue, shared by the menu bar, the toolbar and the
// accelerators. A command without a binding has no handler yet and is shown unavailable.
// Every action carries its command id in the dynamic property "commandId".
class CommandSet final : public QObject {
    Q_OBJECT
public:
    explicit CommandSet(QObject* parent = nullptr);

    // nullptr for an id that is not in the catalogue.
    QAction* Action(int id) const;

    void Bind(int id, CommandBinding binding);
    bool IsBound(int id) const;

    // Re-evaluates availability and check marks of every command.
    void UpdateStates();

signals:
    // Emitted after a command's handler has run; the frame refreshes what may have changed.
    void CommandFinished(int id);

private:
    void Run(int id);

    std::map<int, QAction*> actions_;
    std::map<int, CommandBinding> bindings_;
};

} // namespace zelt
