#include "typing/EditedKey.h"

#include "KeyArea.h"
#include "ModelCode.h"

#include <cstddef>

namespace zelt {

namespace {

std::size_t Index(int value) {
    return static_cast<std::size_t>(value);
}

} // namespace

std::string& EditedKey::Content() {
    return view_.Document().Data().keyContents[Index(view_.State().selectedKey)];
}

bool EditedKey::InAsciiMode() const {
    return SelectedKeyInAsciiMode(view_.State());
}

void EditedKey::ClearFlags() {
    TemplateData& data = view_.Document().Data();
    const std::size_t key = Index(view_.State().selectedKey);
    data.blankKeyFlags[key] = 0;
    data.definedKeyFlags[key] = 0;
}

void EditedKey::CopyKeyLockToMirror() {
    if (IsKeyLockOfRM0480()) {
        Mirror() = Content();
    }
}

void EditedKey::ClearKeyLockMirror() {
    if (IsKeyLockOfRM0480()) {
        Mirror().clear();
    }
}

bool EditedKey::IsKeyLockOfRM0480() const {
    return view_.Document().Data().modelCode == kModelRM0480 &&
           view_.State().selectedKey == kKeyLockKey - 1;
}

std::string& EditedKey::Mirror() {
    return view_.Document().Data().keyContents[Index(kKeyLockMirrorKey - 1)];
}

} // namespace zelt
