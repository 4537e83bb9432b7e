#pragma once

#include "KbProperties.h"
#include "dialogs/ControlIds.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace zelt {

inline constexpr const char* kKbPropertiesTitle = "Config KB properties";
inline constexpr const char* kKeyboardFeaturesGroup = "Keyboard features";
inline constexpr const char* kSendBreakCodeCaption = "Send break-code for scan code mode key";
inline constexpr const char* kBeepWhenTypedCaption = "Enable beeping when a key typed";
inline constexpr const char* kNoBeepUndefinedCaption = "No beeping if a key is not defined";
inline constexpr const char* kTranslateSet2Caption = "Translate scan code set#2 for PC/AT";
inline constexpr const char* kTypematicScanCaption = "Enable typematic for scan code";
inline constexpr const char* kTypematicAsciiCaption = "Enable typematic for ASCII code";
inline constexpr const char* kAltNumberCaption = "Use <Alt>+number key to make ASCII code";
inline constexpr const char* kConfigGroup = "Config";
inline constexpr const char* kOposJposCaption = "OPOS/JPOS";
inline constexpr const char* kRs232Group = "RS232 port";
inline constexpr const char* kUsePortCaption = "Use port";
inline constexpr const char* kBaudRateLabel = "Baud rate:";
inline constexpr const char* kParityLabel = "Parity check:";
inline constexpr const char* kDataBitsLabel = "Bit number:";
inline constexpr const char* kDataBitsEntries[] = {"7 Bits", "8 Bits"};
inline constexpr const char* kDelayLabel = "Inter-character delay(mS)";

inline constexpr ControlId kKbPropertiesControlIds[] = {
    {"sendBreakCodeCheck", 1001},  {"beepWhenTypedCheck", 1002}, {"noBeepUndefinedCheck", 1003},
    {"translateSet2Check", 1004},  {"altNumberCheck", 1006},     {"typematicScanCheck", 1007},
    {"typematicAsciiCheck", 1008}, {"usePortCheck", 1012},       {"baudRateList", 1013},
    {"parityList", 1014},          {"dataBitsList", 1015},       {"oposJposCheck", 1083},
    {"rs232Group", 1090},          {"baudRateListLabel", 1091},  {"parityListLabel", 1092},
    {"dataBitsListLabel", 1093},
};

// "Config KB properties": the keyboard-wide options of the template. It edits a copy of the
// values; the caller writes them into the image when the dialog is accepted.
class CProperty final : public QDialog {
    Q_OBJECT
public:
    explicit CProperty(const KbProperties& values, QWidget* parent = nullptr);

    // The values as the controls hold them.
    KbProperties Values() const;

    void accept() override;

private:
    void ShowValues();

    KbProperties values_;
    QCheckBox* sendBreakCode_ = nullptr;
    QCheckBox* beepWhenTyped_ = nullptr;
    QCheckBox* noBeepUndefined_ = nullptr;
    QCheckBox* translateSet2_ = nullptr;
    QCheckBox* typematicScan_ = nullptr;
    QCheckBox* typematicAscii_ = nullptr;
    QCheckBox* altNumber_ = nullptr;
    QCheckBox* oposJpos_ = nullptr;
    QGroupBox* rs232Group_ = nullptr;
    QCheckBox* usePort_ = nullptr;
    QComboBox* baudRate_ = nullptr;
    QComboBox* parity_ = nullptr;
    QComboBox* dataBits_ = nullptr;
    QSpinBox* delay_ = nullptr;
};

} // namespace zelt
