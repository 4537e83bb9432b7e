#pragma once

namespace CLI {
class App;
} // namespace CLI

namespace zelt::tool {

// Adds "--model CODE" (one of the catalogue's model codes, 2013 when not given) to a verb.
void AddModelOption(CLI::App& command, int& modelCode);

} // namespace zelt::tool
