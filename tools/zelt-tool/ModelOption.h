#pragma once

namespace CLI {
class App;
} // namespace CLI

namespace zelt::tool {

// Adds "--model CODE" (2013 when not given) to a verb. Any 32-bit code is taken, as the editor
// takes any code from its settings: one outside the catalogue is laid out as RM0480.
void AddModelOption(CLI::App& command, int& modelCode);

} // namespace zelt::tool
