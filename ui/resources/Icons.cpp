#include "resources/Icons.h"

#include <array>

// The images are hand-drawn XPM files, which are C source: compiled in, they are decoded
// straight from memory, without file or image-plugin lookups at start-up.
#include "resources/icons/asciicode.xpm"
#include "resources/icons/asciimode.xpm"
#include "resources/icons/caps.xpm"
#include "resources/icons/clearkey.xpm"
#include "resources/icons/delay.xpm"
#include "resources/icons/displaymode.xpm"
#include "resources/icons/extension_h.xpm"
#include "resources/icons/extension_v.xpm"
#include "resources/icons/kbprops.xpm"
#include "resources/icons/load.xpm"
#include "resources/icons/mrprops.xpm"
#include "resources/icons/new.xpm"
#include "resources/icons/readkb.xpm"
#include "resources/icons/rs232.xpm"
#include "resources/icons/save.xpm"
#include "resources/icons/scancode.xpm"
#include "resources/icons/scanmode.xpm"
#include "resources/icons/separator.xpm"
#include "resources/icons/shiftlevel.xpm"
#include "resources/icons/writekb.xpm"
#include "resources/icons/zelt.xpm"

namespace zelt {

namespace {

struct NamedXpm {
    const char* name;
    const char* const* xpm;
};

constexpr std::array kToolBarIcons = {
    NamedXpm{"asciicode", asciicode_xpm},
    NamedXpm{"asciimode", asciimode_xpm},
    NamedXpm{"caps", caps_xpm},
    NamedXpm{"clearkey", clearkey_xpm},
    NamedXpm{"delay", delay_xpm},
    NamedXpm{"displaymode", displaymode_xpm},
    NamedXpm{"kbprops", kbprops_xpm},
    NamedXpm{"load", load_xpm},
    NamedXpm{"mrprops", mrprops_xpm},
    NamedXpm{"new", new_xpm},
    NamedXpm{"readkb", readkb_xpm},
    NamedXpm{"rs232", rs232_xpm},
    NamedXpm{"save", save_xpm},
    NamedXpm{"scancode", scancode_xpm},
    NamedXpm{"scanmode", scanmode_xpm},
    NamedXpm{"separator", separator_xpm},
    NamedXpm{"shiftlevel", shiftlevel_xpm},
    NamedXpm{"writekb", writekb_xpm},
};

} // namespace

QPixmap ToolBarIcon(std::string_view name) {
    for (const NamedXpm& icon : kToolBarIcons) {
        if (name == icon.name) {
            return QPixmap(icon.xpm);
        }
    }
    return {};
}

QPixmap ProgramIcon() {
    return QPixmap(zelt_xpm);
}

QPixmap ExtensionButtonIcon(Qt::Orientation barOrientation) {
    return QPixmap(barOrientation == Qt::Horizontal ? extension_h_xpm : extension_v_xpm);
}

} // namespace zelt
