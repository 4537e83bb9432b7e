#pragma once

#include "view/ViewController.h"

#include <string>

namespace zelt {

// The selected key of the editor view as the edit operations see it: its content, its mode,
// its flags and the template around it.
class EditedKey {
public:
    explicit EditedKey(ViewController& view) : view_(view) {}

    ViewState& State() { return view_.State(); }
    std::string& Content();
    bool InAsciiMode() const;

    // The template's space left, computed now (also refreshes every key's blank-key flag).
    int SpaceLeft() { return view_.SpaceLeft(); }

    // The key's content is no longer as created, loaded or read: its label turns green.
    void ClearFlags();

    void MarkDocumentModified() { view_.Document().SetModifiedFlag(); }

    // On the RM0480 the KeyLock key and key 122 are one key. A deletion in the KeyLock key is
    // copied to key 122: saving fills an empty KeyLock key from key 122, so a KeyLock key
    // emptied by deletions would otherwise come back with its old content.
    void CopyKeyLockToMirror();
    // Clearing the KeyLock key clears key 122 with it, for the same reason.
    void ClearKeyLockMirror();

private:
    bool IsKeyLockOfRM0480() const;
    std::string& Mirror();

    ViewController& view_;
};

} // namespace zelt
