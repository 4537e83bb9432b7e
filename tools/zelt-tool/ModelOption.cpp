#include "ModelOption.h"

#include "ModelCode.h"

#include <CLI/CLI.hpp>

namespace zelt::tool {

void AddModelOption(CLI::App& command, int& modelCode) {
    modelCode = kDefaultModelCode;
    command
        .add_option("--model", modelCode,
                    "Keyboard model code: 2013 RM0480, 2014 RM0410, 2015 RM0420, 2016 TK0550, "
                    "2017 TK0517, 2018 TK0530; any other code is drawn as RM0480 and gets the "
                    "RS232 models' new template")
        ->option_text("CODE")
        ->capture_default_str();
}

} // namespace zelt::tool
