#include "shell/CommandSet.h"

#include "resources/Icons.h"
#include "shell/CommandCatalogue.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>

namespace zelt {

namespace {

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QList<QKeySequence> Shortcuts(const CommandInfo& info) {
    QList<QKeySequence> keys;
    // The shortcut the menu shows comes first: QMenu displays the first one.
    const std::string_view shown = MenuShortcutText(info);
    if (!shown.empty()) {
        keys.append(QKeySequence::fromString(Latin1(shown), QKeySequence::PortableText));
    }
    if (info.extraShortcuts != nullptr) {
        const QStringList extra =
            QString::fromLatin1(info.extraShortcuts).split(QStringLiteral(", "));
        for (const QString& key : extra) {
            keys.append(QKeySequence::fromString(key, QKeySequence::PortableText));
        }
    }
    return keys;
}

} // namespace

CommandSet::CommandSet(QObject* parent) : QObject(parent) {
    for (const CommandInfo& info : AllCommands()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(info.objectName));
        action->setProperty("commandId", info.id);
        if (info.menuText != nullptr) {
            action->setText(Latin1(MenuItemText(info)));
        } else {
            // Toolbar-only and accelerator-only commands still get a readable name.
            action->setText(Latin1(ToolTipText(info)));
        }
        action->setShortcuts(Shortcuts(info));
        action->setStatusTip(Latin1(StatusPromptText(info)));
        const std::string_view tip = ToolTipText(info);
        // A command without a tooltip part shows none; an empty toolTip would fall back to the
        // item text, so the toolbar filters it (see CMainFrame).
        action->setToolTip(Latin1(tip));
        action->setProperty("hasToolTip", !tip.empty());
        if (info.icon != nullptr) {
            action->setIcon(QIcon(ToolBarIcon(info.icon)));
        }
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, id = info.id] { Run(id); });
        actions_.emplace(info.id, action);
    }
}

QAction* CommandSet::Action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CommandSet::Bind(int id, CommandBinding binding) {
    QAction* action = Action(id);
    if (action == nullptr) {
        return;
    }
    action->setCheckable(static_cast<bool>(binding.checked));
    bindings_[id] = std::move(binding);
    UpdateStates();
}

bool CommandSet::IsBound(int id) const {
    return bindings_.count(id) != 0;
}

void CommandSet::UpdateStates() {
    for (const auto& [id, action] : actions_) {
        const auto it = bindings_.find(id);
        if (it == bindings_.end()) {
            action->setEnabled(false);
            continue;
        }
        const CommandBinding& binding = it->second;
        action->setEnabled(!binding.enabled || binding.enabled());
        if (binding.checked) {
            action->setChecked(binding.checked());
        }
    }
}

void CommandSet::Run(int id) {
    const auto it = bindings_.find(id);
    if (it == bindings_.end()) {
        return;
    }
    // A handler may rebind commands; run a copy so the binding stays alive while it runs.
    const std::function<void()> run = it->second.run;
    if (run) {
        run();
    }
    UpdateStates();
    emit CommandFinished(id);
}

} // namespace zelt
