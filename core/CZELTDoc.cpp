#include "CZELTDoc.h"

#include "KeyArea.h"
#include "KeyContent.h"
#include "KeyContentDecoder.h"
#include "TemplateFile.h"
#include "TemplateFit.h"

#include <cstddef>
#include <filesystem>
#include <system_error>

namespace zelt {

namespace {

constexpr const char* kTitleStart = "Template";
constexpr const char* kTitleSeparator = " : ";

} // namespace

CZELTDoc::CZELTDoc(SettingsStore& settings, std::string workingDirectory, FileSystem& fileSystem)
    : settings_(settings), fileSystem_(fileSystem), layout_(&LayoutForModel(kDefaultModelCode)),
      workingDirectory_(std::move(workingDirectory)) {
    modelCode = settings_.ReadInt(kModelSettingsSection, kModelSettingsValue, kDefaultModelCode);
    StartEmptyTemplate();
}

bool CZELTDoc::OnNewDocument() {
    pathName_.clear();
    modified_ = false;
    StartEmptyTemplate();
    return true;
}

bool CZELTDoc::OnOpenDocument(const std::string& path, MessageSink& messages) {
    // Nothing of the open document is touched until the whole file has been read.
    const TemplateFileContents file = ReadTemplateFile(path, fileSystem_);
    if (!file.image) {
        messages.ShowMessage(file.message, MessageIcon::Warning);
        return false;
    }
    // A damaged image is only reported: the user opens it to repair it.
    if (const auto problem = ValidateImage(*file.image)) {
        messages.ShowMessage(*problem, MessageIcon::Warning);
    }
    ReplaceImage(*file.image);
    SetPathName(path);
    modified_ = false;
    return true;
}

bool CZELTDoc::OnSaveDocument(const std::string& path, MessageSink& messages) {
    if (!CanBuildKeyArea(*this, messages)) {
        return false;
    }
    BuildKeyArea(*this);
    if (const auto failure = WriteTemplateFile(path, image, fileSystem_)) {
        messages.ShowMessage(*failure, MessageIcon::Warning);
        return false;
    }
    SetPathName(path);
    modified_ = false;
    return true;
}

void CZELTDoc::ChangeModel(int newModelCode) {
    modelCode = newModelCode;
    settings_.WriteInt(kModelSettingsSection, kModelSettingsValue, modelCode);
    StartEmptyTemplate();
}

void CZELTDoc::SelectModelLayout() {
    layout_ = &LayoutForModel(modelCode);
    mrSupport_ = SupportsMr(modelCode) ? 1 : 0;
    keyLabels = layout_->labels;
    title_ = std::string(kTitleStart) + kTitleSeparator + layout_->name;
}

void CZELTDoc::ReplaceImage(const TemplateImage& newImage) {
    image = newImage;
    DecodeImage(*this);
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        if (GetEncodedSize(keyContents[k]) > 0) {
            blankKeyFlags[k] = 0;
            definedKeyFlags[k] = 1;
        } else {
            // A blank key is drawn as blank whatever its defined-key flag says, so that flag
            // is left as it was.
            blankKeyFlags[k] = 1;
        }
    }
}

int CZELTDoc::NeighbourKey(int direction, int position) const {
    return zelt::NeighbourKey(*layout_, direction, position);
}

int CZELTDoc::KeyOfPosition(int position) const {
    if (position < 0 || position >= layout_->keyCount) {
        return -1;
    }
    return layout_->positionToKey[static_cast<std::size_t>(position)];
}

void CZELTDoc::StartEmptyTemplate() {
    image = MakeNewImage(modelCode);
    DecodeImage(*this);
    blankKeyFlags.fill(1);
    definedKeyFlags.fill(1);
    SelectModelLayout();
}

void CZELTDoc::SetPathName(const std::string& path) {
    pathName_ = path;
    title_ = FileNameOf(path);
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string CurrentDirectory() {
    std::error_code error;
    std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string() : current.string();
}

} // namespace zelt
