#include "ModelOption.h"

#include "DecimalNumber.h"
#include "ModelCode.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace zelt::tool {

namespace {

constexpr const char* kNotDecimalMessage = "a model code is a decimal integer, such as 2013";

// Model codes are decimal wherever the editor shows or stores them. Left to itself the option
// parser would also read "0x7DD", take "02013" for an octal number and an empty text for 0, and
// so quietly make a template of another model. The text is read here and handed on as the
// plain decimal of its value.
std::string ToDecimalCode(std::string& text) {
    std::string_view number = text;
    if (number.size() > 1 && number[0] == '+' && number[1] >= '0' && number[1] <= '9') {
        number.remove_prefix(1);
    }
    const std::optional<int> code = ParseDecimalInt(number);
    if (!code) {
        return kNotDecimalMessage;
    }
    text = std::to_string(*code);
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
