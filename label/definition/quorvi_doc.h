// CQuorviDoc: the label program's one document, holding the one label definition.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "common/text_encoding.h"
#include "label/definition/bmp_file.h"
#include "label/definition/label_definition.h"
#include "label/definition/paper_table.h"

namespace qv {

using LoadedBitmaps = std::array<LoadedBitmap, kBitmapSlots>;

class CQuorviDoc {
  public:
    // A step that follows every successful open, after the sheet steps (loading the bitmaps,
    // checking the data file); steps run in the order they were added.
    using OpenStep = std::function<void(CQuorviDoc&)>;

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

    void addOpenStep(OpenStep step) { openSteps_.push_back(std::move(step)); }

    // Reads the files of both bitmap slots (after every open, and whenever the bitmap dialog
    // stores or deletes an area). A slot whose file cannot be read or has more than 256 colours
    // loses its path without a message, as an unusable bitmap is dropped.
    void loadBitmaps();
    const LoadedBitmaps& loadedBitmaps() const { return bitmaps_; }

    // Whether printing fills labels with records (the data file's extension is TXT, CSV or CSZ;
    // the user may switch it off), and whether the data file is a CSZ file.
    bool dataFileUsable = false;
    bool cszMode = false;
    // The encoding the data file is read in. The definition file has no room for it: the
    // program keeps it in its settings, for the definition's path.
    EncodingChoice dataEncoding = EncodingChoice::Auto;

  private:
    MessageService& messages_;
    LabelDefinition definition_;
    PaperTable papers_;
    std::string pathName_;
    bool modified_ = false;
    std::vector<OpenStep> openSteps_;
    LoadedBitmaps bitmaps_;
};

}  // namespace qv
