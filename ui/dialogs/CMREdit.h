#pragma once

#include "MessageSink.h"
#include "MrProperties.h"
#include "dialogs/ControlIds.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zelt {

inline constexpr const char* kMrPropertiesTitle = "Config MR properties";
inline constexpr const char* kTrackGroupTitles[kMrTrackCount] = {
    "Track1 Properties", "Track2 Properties", "Track3 Properties"};
inline constexpr const char* kPrefixLabel = "Prefix:";
inline constexpr const char* kSuffixLabel = "Suffix:";
inline constexpr const char* kFieldTerminatorLabel = "Field Terminator:";
inline constexpr const char* kEnableDataCaption = "Enable data";
inline constexpr const char* kEnableStartSentinelCaption = "Enable start sentinel";
inline constexpr const char* kEnableEndSentinelCaption = "Enable end sentinel";
// The separator box of tracks 2 and 3 has always been spelt differently from track 1's.
inline constexpr const char* kEnableSeparatorCaptions[kMrTrackCount] = {
    "Enable separator", "Enable seperator", "Enable seperator"};
inline constexpr const char* kEnableLrcCaption = "Enable LRC output";
inline constexpr const char* kCardPrefixLabel = "Card Data Prefix:";
inline constexpr const char* kCardSuffixLabel = "Card Data Suffix:";
inline constexpr const char* kSkipTrackCaption = "Skip output of track with error";
inline constexpr const char* kNoOutputCaption = "No data output with any error";
inline constexpr const char* kBeepGoodReadCaption = "Enable beep at good read";
inline constexpr const char* kBeepsErrorCaption = "Enable 3 beepsat card read error";

inline constexpr ControlId kMrPropertiesControlIds[] = {
    {"track1PrefixEdit", 1027},     {"track1SuffixEdit", 1028},
    {"track1TerminatorEdit", 1094}, {"track1DataCheck", 1030},
    {"track1SeparatorCheck", 1031}, {"track1StartSentinelCheck", 1034},
    {"track1LrcCheck", 1036},       {"track1EndSentinelCheck", 1038},
    {"track2PrefixEdit", 1041},     {"track2SuffixEdit", 1042},
    {"track2TerminatorEdit", 1043}, {"track2DataCheck", 1044},
    {"track2SeparatorCheck", 1045}, {"track2StartSentinelCheck", 1048},
    {"track2LrcCheck", 1050},       {"track2EndSentinelCheck", 1052},
    {"track3PrefixEdit", 1055},     {"track3SuffixEdit", 1056},
    {"track3TerminatorEdit", 1057}, {"track3DataCheck", 1058},
    {"track3SeparatorCheck", 1059}, {"track3StartSentinelCheck", 1062},
    {"track3LrcCheck", 1064},       {"track3EndSentinelCheck", 1066},
    {"cardSuffixEdit", 1060},       {"cardPrefixEdit", 1065},
    {"beepGoodReadCheck", 1069},    {"beepsErrorCheck", 1070},
    {"skipTrackRadio", 1079},       {"noOutputRadio", 1080},
};

// "Config MR properties": the output format of the magnetic stripe reader. It edits a copy of
// the values; the caller writes them into the image when the dialog is accepted.
//
// String fields are typed in their text form ("[CR]" for a carriage return). A field is
// checked whenever it loses the focus, and every field again on OK; a field that is malformed
// or too long for its bytes shows its message through the message sink, and on OK keeps the
// dialog open with the focus on that field, so nothing is stored that the user did not mean.
class CMREdit final : public QDialog {
    Q_OBJECT
public:
    CMREdit(const MrProperties& values, MessageSink& messages, QWidget* parent = nullptr);

    // The values as the controls hold them. A field holding a character outside the code page
    // gives a text that fails its check.
    MrProperties Values() const;

    // The edit control of a string field.
    QLineEdit* Edit(MrField field) const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TrackControls {
        QCheckBox* data = nullptr;
        QCheckBox* startSentinel = nullptr;
        QCheckBox* endSentinel = nullptr;
        QCheckBox* separator = nullptr;
        QCheckBox* lrcOutput = nullptr;
    };

    QWidget* MakeTrackGroup(int track);
    // Adds the edit of a field, named name + "Edit", with its label, named name + "Label".
    void AddField(QFormLayout* form, const char* label, MrField field, const QString& name);
    void ShowValues(const MrProperties& values);
    std::optional<MrField> FieldOf(const QObject* edit) const;
    // The field's message when its text is not valid.
    std::optional<std::string_view> CheckField(MrField field) const;

    MessageSink& messages_;
    std::array<QLineEdit*, kMrFieldCount> edits_{};
    std::array<TrackControls, kMrTrackCount> tracks_{};
    QRadioButton* skipTrack_ = nullptr;
    QRadioButton* noOutput_ = nullptr;
    QCheckBox* beepGoodRead_ = nullptr;
    QCheckBox* beepsError_ = nullptr;
    QPushButton* okButton_ = nullptr;
    bool movingFocusToBadField_ = false;
};

} // namespace zelt
