#include "ModelOption.h"

#include "ModelCode.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <string>

namespace zelt::tool {

namespace {

constexpr const char* kNotDecimalMessage = "a model code is a decimal integer, such as 2013";

// Model codes are decimal wherever the editor shows or stores them. Left to itself the option
// parser would also read "0x7DD", take "02013" for an octal number and an empty text for 0, and
// so quietly make a template of another model. The text is checked and its leading zeros dropped
// before it is converted.
std::string ToDecimalCode(std::string& text) {
    std::string digits = text;
    std::string sign;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        if (digits.front() == '-') {
            sign = "-";
        }
        digits.erase(0, 1);
    }
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return kNotDecimalMessage;
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    text = sign + digits;
    return {};
}

} // namespace

void AddModelOption(CLI::App& command, int& modelCode) {
    modelCode = kDefaultModelCode;
    command
        .add_option("--model", modelCode,
                    "Keyboard model code: 2013 RM0480, 2014 RM0410, 2015 RM0420, 2016 TK0550, "
                    "2017 TK0517, 2018 TK0530; any other code is drawn as RM0480 and gets the "
                    "RS232 models' new template")
        ->transform(CLI::Validator(ToDecimalCode, ""))
        ->option_text("CODE")
        ->capture_default_str();
}

} // namespace zelt::tool
