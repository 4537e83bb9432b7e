#pragma once

#include "FileSystem.h"
#include "MessageSink.h"
#include "ModelLayout.h"
#include "SettingsStore.h"
#include "TemplateData.h"

#include <array>
#include <string>

namespace zelt {

// Where the keyboard model is kept between runs.
inline constexpr const char* kModelSettingsSection = "ORNKeyboard";
inline constexpr const char* kModelSettingsValue = "Morvex";

// The single template document: the image, the 176 key contents with their flags (all from
// TemplateData), and the current model with its layout, labels and title. Qt has no document
// framework, so the document also keeps its path name, title and modified flag; the editor
// window drives it and shows the messages it reports.
class CZELTDoc : public TemplateData {
public:
    // Reads the model code from the settings (2013 when absent) and records the folder the
    // text templates are looked for in. The document starts as a new, empty template of that
    // model, so that its layout is in place even when the first thing done is a load.
    CZELTDoc(SettingsStore& settings, std::string workingDirectory,
             FileSystem& fileSystem = RealFileSystem());

    // A new, empty template of the current model; no path name, not modified.
    bool OnNewDocument();

    // Loads a template file. A file that cannot be read, or is shorter than a template, is
    // refused with a message and the document stays exactly as it was. A damaged image is
    // reported but still opened, so that the user can repair it.
    bool OnOpenDocument(const std::string& path, MessageSink& messages);

    // Checks every key and that the contents fit, builds the key area and writes the image.
    // Refused or failed saves report why, leave any existing file untouched and keep the
    // document modified.
    bool OnSaveDocument(const std::string& path, MessageSink& messages);

    // Switches to another model, remembers it in the settings and starts an empty template
    // for it. Path name and modified flag stay as they are.
    void ChangeModel(int modelCode);

    // Installs the layout, labels, name and MR support of the current model code and sets the
    // title to "Template : <model name>".
    void SelectModelLayout();

    // Puts a new image in place (a loaded file, one read from the keyboard), decodes it into
    // the key contents and refreshes the per-key flags.
    void ReplaceImage(const TemplateImage& newImage);

    // The layout position arrow-key navigation selects next (see NeighbourKey in ModelLayout).
    int NeighbourKey(int direction, int position) const;

    const ModelLayout& Layout() const { return *layout_; }
    int KeyCount() const { return layout_->keyCount; }
    const std::string& ModelName() const { return layout_->name; }
    // 1 when the MR properties of the model can be edited, else 0.
    int MrSupport() const { return mrSupport_; }
    // Key number - 1 edited through a layout position, or -1 outside the layout.
    int KeyOfPosition(int position) const;

    const std::string& WorkingDirectory() const { return workingDirectory_; }
    const char* SettingsSection() const { return kModelSettingsSection; }
    const char* SettingsValueName() const { return kModelSettingsValue; }

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    // The file the document was loaded from or last saved to; empty for a new template.
    const std::string& PathName() const { return pathName_; }
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    FileSystem& Files() const { return fileSystem_; }

    // The legend of each layout position. The model's layout fills it; an imported text
    // template may overwrite it until the next model selection or new template.
    std::array<std::string, kKeyCount> keyLabels;

private:
    void StartEmptyTemplate();
    void SetPathName(const std::string& path);

    SettingsStore& settings_;
    FileSystem& fileSystem_;
    const ModelLayout* layout_;
    int mrSupport_ = 1;
    std::string title_;
    std::string workingDirectory_;
    std::string pathName_;
    bool modified_ = false;
};

// Name of the document title part for a path: the file name with its extension.
std::string FileNameOf(const std::string& path);

// The process's current directory, or "" when it cannot be determined.
std::string CurrentDirectory();

} // namespace zelt
