#include "dialogs/CMREdit.h"

#include "dialogs/DialogParts.h"
#include "text/Windows1252Text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelt {

namespace {

QString TrackName(int track) {
    return QStringLiteral("track%1").arg(track + 1);
}

// Text that no field accepts, standing for a character the code page does not have.
constexpr std::string_view kUnconvertibleText = "[";

} // namespace

CMREdit::CMREdit(const MrProperties& values, MessageSink& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("mrPropertiesDialog"));
    setWindowTitle(QString::fromLatin1(kMrPropertiesTitle));

    auto* trackRow = new QHBoxLayout;
    for (int t = 0; t < kMrTrackCount; ++t) {
        trackRow->addWidget(MakeTrackGroup(t));
    }

    auto* cardForm = new QFormLayout;
    AddField(cardForm, kCardPrefixLabel, MrField::CardPrefix, QStringLiteral("cardPrefix"));
    AddField(cardForm, kCardSuffixLabel, MrField::CardSuffix, QStringLiteral("cardSuffix"));

    skipTrack_ = new QRadioButton(QString::fromLatin1(kSkipTrackCaption), this);
    skipTrack_->setObjectName(QStringLiteral("skipTrackRadio"));
    noOutput_ = new QRadioButton(QString::fromLatin1(kNoOutputCaption), this);
    noOutput_->setObjectName(QStringLiteral("noOutputRadio"));
    auto* errorMode = new QButtonGroup(this);
    errorMode->addButton(skipTrack_, kMrErrorModeSkipTrack);
    errorMode->addButton(noOutput_, kMrErrorModeNoOutput);
    beepGoodRead_ = MakeCheck(this, kBeepGoodReadCaption, QStringLiteral("beepGoodReadCheck"));
    beepsError_ = MakeCheck(this, kBeepsErrorCaption, QStringLiteral("beepsErrorCheck"));

    auto* cardOptions = new QVBoxLayout;
    cardOptions->addWidget(skipTrack_);
    cardOptions->addWidget(noOutput_);
    cardOptions->addWidget(beepGoodRead_);
    cardOptions->addWidget(beepsError_);
    auto* cardRow = new QHBoxLayout;
    cardRow->addLayout(cardForm);
    cardRow->addLayout(cardOptions);

    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    okButton_ = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(trackRow);
    layout->addLayout(cardRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetControlIds(*this, kMrPropertiesControlIds);
    ShowValues(values);
}

QWidget* CMREdit::MakeTrackGroup(int track) {
    auto* group = new QGroupBox(QString::fromLatin1(kTrackGroupTitles[track]), this);
    const QString name = TrackName(track);
    group->setObjectName(name + QStringLiteral("Group"));

    auto* form = new QFormLayout;
    AddField(form, kPrefixLabel, TrackPrefixField(track), name + QStringLiteral("Prefix"));
    AddField(form, kSuffixLabel, TrackSuffixField(track), name + QStringLiteral("Suffix"));
    AddField(form, kFieldTerminatorLabel, TrackTerminatorField(track),
             name + QStringLiteral("Terminator"));

    TrackControls& c = tracks_[static_cast<std::size_t>(track)];
    c.data = MakeCheck(group, kEnableDataCaption, name + QStringLiteral("DataCheck"));
    c.startSentinel =
        MakeCheck(group, kEnableStartSentinelCaption, name + QStringLiteral("StartSentinelCheck"));
    c.endSentinel =
        MakeCheck(group, kEnableEndSentinelCaption, name + QStringLiteral("EndSentinelCheck"));
    c.separator =
        MakeCheck(group, kEnableSeparatorCaptions[track], name + QStringLiteral("SeparatorCheck"));
    c.lrcOutput = MakeCheck(group, kEnableLrcCaption, name + QStringLiteral("LrcCheck"));

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(form);
    for (QCheckBox* box : {c.data, c.startSentinel, c.endSentinel, c.separator, c.lrcOutput}) {
        layout->addWidget(box);
    }
    return group;
}

void CMREdit::AddField(QFormLayout* form, const char* label, MrField field, const QString& name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name + QStringLiteral("Edit"));
    auto* caption = new QLabel(QString::fromLatin1(label), this);
    caption->setObjectName(name + QStringLiteral("Label"));
    caption->setBuddy(edit);
    form->addRow(caption, edit);
    // The limit is on bytes, checked by the field check: a keyword such as "[CR]" is four
    // characters for one byte, so the control takes the longest text that can still fit.
    edit->setMaxLength(static_cast<int>(MrFieldMaxTextLength(field)));
    edit->installEventFilter(this);
    edits_[static_cast<std::size_t>(field)] = edit;
}

void CMREdit::ShowValues(const MrProperties& values) {
    for (const MrField field : kAllMrFields) {
        Edit(field)->setText(BytesToQString(values.Text(field)));
    }
    for (std::size_t t = 0; t < tracks_.size(); ++t) {
        const MrTrackProperties& track = values.tracks[t];
        tracks_[t].data->setChecked(track.data);
        tracks_[t].startSentinel->setChecked(track.startSentinel);
        tracks_[t].endSentinel->setChecked(track.endSentinel);
        tracks_[t].separator->setChecked(track.separator);
        tracks_[t].lrcOutput->setChecked(track.lrcOutput);
    }
    (values.errorMode == kMrErrorModeNoOutput ? noOutput_ : skipTrack_)->setChecked(true);
    beepGoodRead_->setChecked(values.beepGoodRead);
    beepsError_->setChecked(values.beepsError);
}

QLineEdit* CMREdit::Edit(MrField field) const {
    return edits_[static_cast<std::size_t>(field)];
}

MrProperties CMREdit::Values() const {
    MrProperties v;
    for (const MrField field : kAllMrFields) {
        v.Text(field) =
            QStringToBytes(Edit(field)->text()).value_or(std::string(kUnconvertibleText));
    }
    for (std::size_t t = 0; t < tracks_.size(); ++t) {
        MrTrackProperties& track = v.tracks[t];
        track.data = tracks_[t].data->isChecked();
        track.startSentinel = tracks_[t].startSentinel->isChecked();
        track.endSentinel = tracks_[t].endSentinel->isChecked();
        track.separator = tracks_[t].separator->isChecked();
        track.lrcOutput = tracks_[t].lrcOutput->isChecked();
    }
    v.errorMode = noOutput_->isChecked() ? kMrErrorModeNoOutput : kMrErrorModeSkipTrack;
    v.beepGoodRead = beepGoodRead_->isChecked();
    v.beepsError = beepsError_->isChecked();
    return v;
}

std::optional<MrField> CMREdit::FieldOf(const QObject* edit) const {
    for (const MrField field : kAllMrFields) {
        if (Edit(field) == edit) {
            return field;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> CMREdit::CheckField(MrField field) const {
    const auto bytes = QStringToBytes(Edit(field)->text());
    if (!bytes) {
        return MrFieldMessage(field);
    }
    return CheckMrFieldText(field, *bytes);
}

bool CMREdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another window or opening the edit's context menu is no leaving of the
        // field: the user has not finished with it.
        const bool leftField =
            reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        const auto field = FieldOf(watched);
        // Going straight to OK is left to OK's own check, which reports the first bad field
        // once and keeps the dialog open; a message here as well would say the same twice.
        const bool goingToOk = QApplication::focusWidget() == okButton_;
        if (leftField && field && !movingFocusToBadField_ && !goingToOk) {
            if (const auto message = CheckField(*field)) {
                messages_.ShowMessage(*message);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CMREdit::accept() {
    for (const MrField field : kAllMrFields) {
        if (const auto message = CheckField(field)) {
            messages_.ShowMessage(*message);
            // The focus is taken, not left: one message at a time, for the first bad field.
            movingFocusToBadField_ = true;
            Edit(field)->setFocus(Qt::OtherFocusReason);
            movingFocusToBadField_ = false;
            Edit(field)->selectAll();
            return;
        }
    }
    QDialog::accept();
}

} // namespace zelt
