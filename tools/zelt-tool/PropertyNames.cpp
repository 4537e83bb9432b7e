#include "PropertyNames.h"

#include "DecimalNumber.h"
#include "ModelCode.h"
#include "ModelLayout.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <set>

namespace zelt::tool {

namespace {

enum class Group { Kb, Rs232, Mr };

// Error text of a bad value, or nothing when the value was taken.
using ParseResult = std::optional<std::string>;

struct Property {
    std::string name;
    Group group;
    std::function<std::string(const PropertyValues&)> format;
    std::function<ParseResult(PropertyValues&, std::string_view)> parse;
};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Where a switch lives in the values; works on const and non-const values alike.
struct SwitchRef {
    bool KbProperties::*kb = nullptr;
    bool MrProperties::*card = nullptr;
    bool MrTrackProperties::*track = nullptr;
    std::size_t trackIndex = 0;

    template <typename Values> auto& Get(Values& v) const {
        if (kb != nullptr) {
            return v.kb.*kb;
        }
        if (card != nullptr) {
            return v.mr.*card;
        }
        return v.mr.tracks[trackIndex].*track;
    }
};

Property Switch(std::string name, Group group, SwitchRef ref) {
    Property p{name, group, nullptr, nullptr};
    p.format = [ref](const PropertyValues& v) { return std::string(ref.Get(v) ? "1" : "0"); };
    p.parse = [ref, name](PropertyValues& v, std::string_view text) -> ParseResult {
        if (text != "0" && text != "1") {
            return name + " must be 0 or 1, not " + Quoted(text);
        }
        ref.Get(v) = text == "1";
        return std::nullopt;
    };
    return p;
}

Property KbSwitch(std::string name, bool KbProperties::*member, Group group = Group::Kb) {
    return Switch(std::move(name), group, SwitchRef{.kb = member});
}

Property TrackSwitch(int track, std::string_view suffix, bool MrTrackProperties::*member) {
    return Switch("track" + std::to_string(track + 1) + "_" + std::string(suffix), Group::Mr,
                  SwitchRef{.track = member, .trackIndex = static_cast<std::size_t>(track)});
}

Property CardSwitch(std::string name, bool MrProperties::*member) {
    return Switch(std::move(name), Group::Mr, SwitchRef{.card = member});
}

// A drop-down list of the dialog, by the texts scripts write for its entries.
Property List(std::string name, int KbProperties::*member, std::vector<std::string> choices) {
    Property p{name, Group::Rs232, nullptr, nullptr};
    p.format = [member, choices](const PropertyValues& v) {
        const int index = v.kb.*member;
        return index >= 0 && static_cast<std::size_t>(index) < choices.size()
                   ? choices[static_cast<std::size_t>(index)]
                   : std::to_string(index);
    };
    p.parse = [member, choices, name](PropertyValues& v, std::string_view text) -> ParseResult {
        const auto it = std::find(choices.begin(), choices.end(), text);
        if (it == choices.end()) {
            std::string list;
            for (const std::string& choice : choices) {
                list += (list.empty() ? "" : ", ") + choice;
            }
            return name + " must be one of " + list + ", not " + Quoted(text);
        }
        v.kb.*member = static_cast<int>(it - choices.begin());
        return std::nullopt;
    };
    return p;
}

Property Delay() {
    Property p{"delay", Group::Kb, nullptr, nullptr};
    p.format = [](const PropertyValues& v) { return std::to_string(v.kb.delay); };
    p.parse = [](PropertyValues& v, std::string_view text) -> ParseResult {
        const auto value = ParseDecimalInt(text);
        if (!value || *value < kMinInterCharDelay || *value > kMaxInterCharDelay) {
            return "delay must be a whole number from 1 to 250, not " + Quoted(text);
        }
        v.kb.delay = *value;
        return std::nullopt;
    };
    return p;
}

Property MrText(std::string name, MrField field) {
    Property p{std::move(name), Group::Mr, nullptr, nullptr};
    p.format = [field](const PropertyValues& v) { return v.mr.Text(field); };
    p.parse = [field](PropertyValues& v, std::string_view text) -> ParseResult {
        if (const auto message = CheckMrFieldText(field, text)) {
            return std::string(*message);
        }
        v.mr.Text(field) = std::string(text);
        return std::nullopt;
    };
    return p;
}

constexpr std::string_view kErrorModeNames[] = {"skip", "none"};

Property ErrorMode() {
    Property p{"error_mode", Group::Mr, nullptr, nullptr};
    p.format = [](const PropertyValues& v) {
        return std::string(kErrorModeNames[v.mr.errorMode == kMrErrorModeNoOutput ? 1 : 0]);
    };
    p.parse = [](PropertyValues& v, std::string_view text) -> ParseResult {
        if (text == kErrorModeNames[0]) {
            v.mr.errorMode = kMrErrorModeSkipTrack;
        } else if (text == kErrorModeNames[1]) {
            v.mr.errorMode = kMrErrorModeNoOutput;
        } else {
            return "error_mode must be skip or none, not " + Quoted(text);
        }
        return std::nullopt;
    };
    return p;
}

template <typename T, std::size_t N> std::vector<std::string> Texts(const T (&values)[N]) {
    std::vector<std::string> texts;
    for (const T& value : values) {
        if constexpr (std::is_arithmetic_v<T>) {
            texts.push_back(std::to_string(value));
        } else {
            texts.emplace_back(value);
        }
    }
    return texts;
}

std::vector<Property> MakeProperties() {
    std::vector<Property> all = {
        KbSwitch("send_break_code", &KbProperties::sendBreakCode),
        KbSwitch("beep_when_typed", &KbProperties::beepWhenTyped),
        KbSwitch("no_beep_undefined", &KbProperties::noBeepUndefined),
        KbSwitch("translate_set2", &KbProperties::translateSet2),
        KbSwitch("typematic_scan", &KbProperties::typematicScan),
        KbSwitch("typematic_ascii", &KbProperties::typematicAscii),
        KbSwitch("alt_number", &KbProperties::altNumber),
        KbSwitch("opos_jpos", &KbProperties::oposJpos),
        KbSwitch("use_port", &KbProperties::usePort, Group::Rs232),
        List("baud_rate", &KbProperties::baudRateIndex, Texts(kBaudRates)),
        List("parity", &KbProperties::parityIndex, Texts(kParityNames)),
        List("data_bits", &KbProperties::dataBitsIndex, Texts(kDataBits)),
        Delay(),
    };
    for (int t = 0; t < kMrTrackCount; ++t) {
        const std::string prefix = "track" + std::to_string(t + 1) + "_";
        all.push_back(MrText(prefix + "prefix", TrackPrefixField(t)));
        all.push_back(MrText(prefix + "suffix", TrackSuffixField(t)));
        all.push_back(MrText(prefix + "terminator", TrackTerminatorField(t)));
        all.push_back(TrackSwitch(t, "data", &MrTrackProperties::data));
        all.push_back(TrackSwitch(t, "start_sentinel", &MrTrackProperties::startSentinel));
        all.push_back(TrackSwitch(t, "end_sentinel", &MrTrackProperties::endSentinel));
        all.push_back(TrackSwitch(t, "separator", &MrTrackProperties::separator));
        all.push_back(TrackSwitch(t, "lrc", &MrTrackProperties::lrcOutput));
    }
    all.push_back(MrText("card_prefix", MrField::CardPrefix));
    all.push_back(MrText("card_suffix", MrField::CardSuffix));
    all.push_back(ErrorMode());
    all.push_back(CardSwitch("beep_good_read", &MrProperties::beepGoodRead));
    all.push_back(CardSwitch("beeps_error", &MrProperties::beepsError));
    return all;
}

const std::vector<Property>& Properties() {
    static const std::vector<Property> properties = MakeProperties();
    return properties;
}

bool Applies(Group group, const PropertyScope& scope) {
    switch (group) {
    case Group::Kb:
        return true;
    case Group::Rs232:
        return scope.rs232Visible;
    case Group::Mr:
        return scope.mr;
    }
    return false;
}

std::string NotApplicableMessage(const Property& property, const PropertyScope& scope) {
    const std::string model = IsCatalogueModel(scope.modelCode)
                                  ? LayoutForModel(scope.modelCode).name
                                  : "model " + std::to_string(scope.modelCode);
    if (property.group == Group::Mr) {
        return property.name + " does not apply to " + model + ": it has no magnetic stripe reader";
    }
    if (IsRs232Model(scope.modelCode)) {
        return property.name + " does not apply on the USB port: the RS232 port settings of " +
               model + " are available only on the PS/2 port";
    }
    return property.name + " does not apply to " + model + ": it has no RS232 port";
}

} // namespace

PropertyScope ScopeFor(int modelCode, CommPort port) {
    PropertyScope scope;
    scope.modelCode = modelCode;
    scope.port = port;
    scope.rs232Visible = IsRs232Model(modelCode) && port == CommPort::Ps2;
    scope.mr = SupportsMr(modelCode);
    return scope;
}

PropertyValues ReadPropertyValues(const TemplateImage& image, const PropertyScope& scope) {
    return {ReadKbProperties(image, scope.modelCode, scope.port), ReadMrProperties(image)};
}

std::vector<std::pair<std::string, std::string>> FormatProperties(const PropertyValues& values,
                                                                  const PropertyScope& scope) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const Property& property : Properties()) {
        if (Applies(property.group, scope)) {
            lines.emplace_back(property.name, property.format(values));
        }
    }
    return lines;
}

AssignmentResult ApplyAssignments(PropertyValues& values, const PropertyScope& scope,
                                  const std::vector<std::string>& assignments) {
    PropertyValues changed = values;
    AssignmentResult result;
    std::set<std::string, std::less<>> seen;
    for (const std::string& assignment : assignments) {
        const auto equals = assignment.find('=');
        if (equals == std::string::npos) {
            return {AssignmentError::Malformed,
                    Quoted(assignment) + " is not of the form name=value"};
        }
        const std::string_view name = std::string_view(assignment).substr(0, equals);
        const std::string_view text = std::string_view(assignment).substr(equals + 1);
        const auto& all = Properties();
        const auto property =
            std::find_if(all.begin(), all.end(), [name](const auto& p) { return p.name == name; });
        if (property == all.end()) {
            return {AssignmentError::Malformed, "unknown property " + Quoted(name)};
        }
        if (!seen.insert(std::string(name)).second) {
            return {AssignmentError::Malformed,
                    "property " + Quoted(name) + " is given more than once"};
        }
        if (!Applies(property->group, scope)) {
            return {AssignmentError::NotApplicable, NotApplicableMessage(*property, scope)};
        }
        if (auto error = property->parse(changed, text)) {
            return {AssignmentError::BadValue, std::move(*error)};
        }
        (property->group == Group::Mr ? result.mrTouched : result.kbTouched) = true;
    }
    values = changed;
    return result;
}

std::string PropertyListHelp() {
    return R"(Properties, in the order props prints them:
  send_break_code beep_when_typed no_beep_undefined translate_set2
  typematic_scan typematic_ascii alt_number opos_jpos         0 or 1
  use_port 0|1  baud_rate 2400|4800|9600|19200  parity NONE|EVEN|ODD  data_bits 7|8
                    only for TK0517 and TK0530 (2017, 2018) on the ps2 port
  delay             inter-character delay in ms, 1..250
  trackN_prefix trackN_suffix (up to 8 bytes)  trackN_terminator (1 byte)
  trackN_data trackN_start_sentinel trackN_end_sentinel trackN_separator
  trackN_lrc (0|1), for N = 1, 2, 3 in turn
  card_prefix card_suffix (up to 4 bytes)  error_mode skip|none
  beep_good_read beeps_error (0|1)
                    only for the models with a magnetic stripe reader (2013..2016)
Switches are 1 when the editor's check box is ticked. Texts are written as in the
editor: [CR], [LF] and [TB] for the control codes 0D, 0A and 09, [[ for "[".)";
}

} // namespace zelt::tool
