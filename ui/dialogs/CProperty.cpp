#include "dialogs/CProperty.h"

#include "dialogs/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelt {

namespace {

QComboBox* AddList(QFormLayout* form, QWidget* parent, const char* label, const char* objectName,
                   const QStringList& entries) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->addItems(entries);
    auto* caption = new QLabel(QString::fromLatin1(label), parent);
    caption->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Label"));
    caption->setBuddy(list);
    form->addRow(caption, list);
    return list;
}

template <typename T, std::size_t N> QStringList Entries(const T (&values)[N]) {
    QStringList entries;
    for (const T& value : values) {
        if constexpr (std::is_arithmetic_v<T>) {
            entries << QString::number(value);
        } else {
            entries << QString::fromLatin1(value);
        }
    }
    return entries;
}

} // namespace

CProperty::CProperty(const KbProperties& values, QWidget* parent)
    : QDialog(parent), values_(values) {
    setObjectName(QStringLiteral("kbPropertiesDialog"));
    setWindowTitle(QString::fromLatin1(kKbPropertiesTitle));

    auto* features = new QGroupBox(QString::fromLatin1(kKeyboardFeaturesGroup), this);
    features->setObjectName(QStringLiteral("keyboardFeaturesGroup"));
    auto* featureLayout = new QVBoxLayout(features);
    // The feature check boxes in the order the group shows them.
    const struct {
        QCheckBox*& box;
        const char* caption;
        const char* objectName;
    } featureChecks[] = {
        {sendBreakCode_, kSendBreakCodeCaption, "sendBreakCodeCheck"},
        {beepWhenTyped_, kBeepWhenTypedCaption, "beepWhenTypedCheck"},
        {noBeepUndefined_, kNoBeepUndefinedCaption, "noBeepUndefinedCheck"},
        {translateSet2_, kTranslateSet2Caption, "translateSet2Check"},
        {typematicScan_, kTypematicScanCaption, "typematicScanCheck"},
        {typematicAscii_, kTypematicAsciiCaption, "typematicAsciiCheck"},
        {altNumber_, kAltNumberCaption, "altNumberCheck"},
    };
    for (const auto& check : featureChecks) {
        check.box = MakeCheck(features, check.caption, QString::fromLatin1(check.objectName));
        featureLayout->addWidget(check.box);
    }

    auto* config = new QGroupBox(QString::fromLatin1(kConfigGroup), this);
    config->setObjectName(QStringLiteral("configGroup"));
    oposJpos_ = MakeCheck(config, kOposJposCaption, QStringLiteral("oposJposCheck"));
    (new QVBoxLayout(config))->addWidget(oposJpos_);

    rs232Group_ = new QGroupBox(QString::fromLatin1(kRs232Group), this);
    rs232Group_->setObjectName(QStringLiteral("rs232Group"));
    auto* rs232Layout = new QFormLayout(rs232Group_);
    usePort_ = MakeCheck(rs232Group_, kUsePortCaption, QStringLiteral("usePortCheck"));
    rs232Layout->addRow(usePort_);
    baudRate_ =
        AddList(rs232Layout, rs232Group_, kBaudRateLabel, "baudRateList", Entries(kBaudRates));
    parity_ = AddList(rs232Layout, rs232Group_, kParityLabel, "parityList", Entries(kParityNames));
    dataBits_ = AddList(rs232Layout, rs232Group_, kDataBitsLabel, "dataBitsList",
                        Entries(kDataBitsEntries));

    delay_ = new QSpinBox(this);
    delay_->setObjectName(QStringLiteral("delaySpin"));
    delay_->setRange(kMinInterCharDelay, kMaxInterCharDelay);
    auto* delayLabel = new QLabel(QString::fromLatin1(kDelayLabel), this);
    delayLabel->setObjectName(QStringLiteral("delayLabel"));
    delayLabel->setBuddy(delay_);
    auto* delayRow = new QHBoxLayout;
    delayRow->addWidget(delay_);
    delayRow->addWidget(delayLabel, 1);

    QDialogButtonBox* buttons = MakeOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(features);
    layout->addWidget(config);
    layout->addWidget(rs232Group_);
    layout->addLayout(delayRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetControlIds(*this, kKbPropertiesControlIds);
    ShowValues();
}

void CProperty::ShowValues() {
    sendBreakCode_->setChecked(values_.sendBreakCode);
    beepWhenTyped_->setChecked(values_.beepWhenTyped);
    noBeepUndefined_->setChecked(values_.noBeepUndefined);
    translateSet2_->setChecked(values_.translateSet2);
    typematicScan_->setChecked(values_.typematicScan);
    typematicAscii_->setChecked(values_.typematicAscii);
    altNumber_->setChecked(values_.altNumber);
    oposJpos_->setChecked(values_.oposJpos);
    usePort_->setChecked(values_.usePort);
    baudRate_->setCurrentIndex(values_.baudRateIndex);
    parity_->setCurrentIndex(values_.parityIndex);
    dataBits_->setCurrentIndex(values_.dataBitsIndex);
    // Hidden and disabled together, so that the port settings of a model without the port, or
    // of a keyboard on USB, cannot be changed through the keyboard either.
    rs232Group_->setVisible(values_.rs232Visible);
    rs232Group_->setEnabled(values_.rs232Visible);
    delay_->setValue(values_.delay);
}

KbProperties CProperty::Values() const {
    KbProperties v = values_;
    v.sendBreakCode = sendBreakCode_->isChecked();
    v.beepWhenTyped = beepWhenTyped_->isChecked();
    v.noBeepUndefined = noBeepUndefined_->isChecked();
    v.translateSet2 = translateSet2_->isChecked();
    v.typematicScan = typematicScan_->isChecked();
    v.typematicAscii = typematicAscii_->isChecked();
    v.altNumber = altNumber_->isChecked();
    v.oposJpos = oposJpos_->isChecked();
    // What is hidden was not the user's to change: keep the values it was opened with.
    if (v.rs232Visible) {
        v.usePort = usePort_->isChecked();
        v.baudRateIndex = baudRate_->currentIndex();
        v.parityIndex = parity_->currentIndex();
        v.dataBitsIndex = dataBits_->currentIndex();
    }
    v.delay = delay_->value();
    return v;
}

void CProperty::accept() {
    // A number still being typed counts, as it would after leaving the box; text that is no
    // number in range falls back to the last valid value.
    delay_->interpretText();
    QDialog::accept();
}

} // namespace zelt
