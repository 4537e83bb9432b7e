#pragma once

#include "seams/CommandDialogs.h"

#include <QDialog>

class QComboBox;

namespace zelt {

inline constexpr const char* kPortDialogTitle = "Select Communication Port";
inline constexpr const char* kPortLabel = "Port Name:";
inline constexpr const char* kPortEntryPs2 = "PS/2";
inline constexpr const char* kPortEntryUsb = "USB";

// Asks at start-up which port the keyboard hangs on.
class PortChoiceDialog final : public QDialog {
    Q_OBJECT
public:
    explicit PortChoiceDialog(QWidget* parent = nullptr);

    CommPort Choice() const;
    QComboBox* PortList() const { return portList_; }

private:
    QComboBox* portList_;
};

} // namespace zelt
