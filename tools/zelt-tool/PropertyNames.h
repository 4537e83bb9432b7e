#pragma once

#include "CommPort.h"
#include "KbProperties.h"
#include "MrProperties.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelt::tool {

// The KB and MR property values of one template, under the names scripts use.
struct PropertyValues {
    KbProperties kb;
    MrProperties mr;
};

// Which values the editor's dialogs show for a model and a port: the RS232 port settings only
// for an RS232 model on PS/2, the MR settings only for models with a magnetic stripe reader.
struct PropertyScope {
    int modelCode = 0;
    CommPort port = CommPort::Ps2;
    bool rs232Visible = false;
    bool mr = false;
};

PropertyScope ScopeFor(int modelCode, CommPort port);

// Reads every value from the image.
PropertyValues ReadPropertyValues(const TemplateImage& image, const PropertyScope& scope);

// The values that apply to the scope, as (name, value) pairs in their fixed order.
std::vector<std::pair<std::string, std::string>> FormatProperties(const PropertyValues& values,
                                                                  const PropertyScope& scope);

enum class AssignmentError {
    None,
    Malformed,     // not name=value, an unknown name, or a name given twice
    NotApplicable, // a known name that the model or port does not have
    BadValue,      // a value the property cannot take
};

struct AssignmentResult {
    AssignmentError error = AssignmentError::None;
    std::string message;
    // Which groups the names belong to, so that only those are written back.
    bool kbTouched = false;
    bool mrTouched = false;
};

// Applies "name=value" texts to the values, all or none: the first bad one is reported and
// the values are left as they were.
AssignmentResult ApplyAssignments(PropertyValues& values, const PropertyScope& scope,
                                  const std::vector<std::string>& assignments);

// The names and their values, for the help text.
std::string PropertyListHelp();

} // namespace zelt::tool
