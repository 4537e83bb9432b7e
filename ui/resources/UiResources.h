#pragma once

namespace zelt {

// Registers the editor's images (toolbar buttons, program icon). The resources live in a static
// library, whose registration the linker would otherwise drop; every user calls this first.
void EnsureUiResources();

} // namespace zelt
