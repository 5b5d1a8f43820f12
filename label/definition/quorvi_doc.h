// CQuorviDoc: the label program's one document, holding the one label definition.
#pragma once

#include <functional>
#include <string>

#include "common/message_service.h"
#include "label/definition/label_definition.h"
#include "label/definition/paper_table.h"

namespace qv {

class CQuorviDoc {
  public:
    // Called at the end of every successful open, after the sheet steps: loads the bitmaps that
    // the definition names.
    using LoadHook = std::function<void(CQuorviDoc&)>;

    explicit CQuorviDoc(MessageService& messages);

    // A new definition: the new-definition values, no file, not modified.
    void newDocument(int lastBarcodeKind);

    // Loads `path` (a local path). On failure the user is told, and the definition, the file
    // name and the modified flag stay as they were.
    bool openDocument(const std::string& path);

    // Saves to `path` through a temporary file. On failure the user is told, the old file is
    // whole and the document stays modified.
    bool saveDocument(const std::string& path);

    LabelDefinition& definition() { return definition_; }
    const LabelDefinition& definition() const { return definition_; }
    PaperTable& papers() { return papers_; }
    const PaperTable& papers() const { return papers_; }

    const std::string& pathName() const { return pathName_; }
    // The folder that relative data and bitmap paths of the definition are resolved against.
    std::string definitionFolder() const;

    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }

    void setBitmapLoader(LoadHook hook) { bitmapLoader_ = std::move(hook); }

  private:
    MessageService& messages_;
    LabelDefinition definition_;
    PaperTable papers_;
    std::string pathName_;
    bool modified_ = false;
    LoadHook bitmapLoader_;
};

}  // namespace qv
