// The rules of the data file definition dialog "ファイルの設定（定義）", without widgets.
//
// The form edits a copy of the definition's DataFileSpec: the data file, its type, the skip of
// the first line and the field list (names and lengths). Names go in and come out as CP932, as
// the definition holds them; the widget converts for display. Every refused edit is told to the
// user through the message service and leaves the form as it was.
#pragma once

#include <string>
#include <vector>

#include "common/message_service.h"
#include "common/text_encoding.h"
#include "label/definition/label_definition.h"

namespace qv {

inline constexpr const char* kDataFileBrowseTitle = "ファイルの参照";

class DataFileForm {
  public:
    static constexpr int kFixedLength = 0;     // dataFileType of fixed-length text
    static constexpr int kCommaSeparated = 1;  // dataFileType of comma-separated data

    // `baseFolder` is the definition's folder, against which a relative stored path is resolved.
    DataFileForm(const DataFileSpec& dataFile, std::string baseFolder, MessageService& messages);

    // The field list: one "name \t length \t position" line per field (CP932), where the
    // position is the field number for comma-separated data and the starting byte for
    // fixed-length text.
    std::vector<std::string> listLines() const;
    int fieldCount() const { return static_cast<int>(dataFile_.fieldNames.size()); }
    // The last byte of a fixed-length record (the sum of the lengths); 0 for comma-separated data.
    int recordLength() const;

    // The list's selection; -1 (or any index outside the list) selects nothing.
    void select(int index);
    int selected() const { return selected_; }
    void setAddAbove(bool on) { addAbove_ = on; }

    // "固定長 *.TXT" and "ｶﾝﾏ編集 *.CSV".
    void chooseFixedLength() { dataFile_.dataFileType = kFixedLength; }
    void chooseCommaSeparated() { dataFile_.dataFileType = kCommaSeparated; }
    void setSkipFirstLine(bool on) { dataFile_.skipFirstLine = on ? 1 : 0; }

    // "追加": inserts a field after the selected one (before it with "上に追加"), or after the
    // last one when nothing is selected (before the last one with "上に追加"). True when added.
    bool addField(const std::string& name, int length);
    // "修正": the selected field's name and length. True when changed.
    bool modifyField(const std::string& name, int length);
    // "削除": removes the selected field. True when removed.
    bool deleteField();
    // The name box stays enabled while there is room for another field.
    bool nameEditable() const { return fieldCount() < kMaxFields; }

    // "参照": the file chosen in the file dialog (a local path). The extension sets the type, and
    // the data editor's column layout beside the file, when there is one, gives the lengths.
    void choosePath(const std::string& localPath);
    const char* browseFilter() const;
    const char* defaultExtension() const;
    // The data file as a local path, for reading it.
    std::string localDataPath() const;

    // "ﾌｨｰﾙﾄﾞSET": the names of the data file's first line, for a comma-separated file whose
    // field list is still empty. True when taken.
    bool canTakeNamesFromFile() const;
    bool takeNamesFromFile() { return takeNamesFromFile(localDataPath()); }
    // The encoding the names are read in ("文字コード").
    void setEncoding(EncodingChoice encoding) { encoding_ = encoding; }
    bool takeNamesFromFile(const std::string& localPath);

    // The state being edited, and on OK the result to write back into the definition.
    const DataFileSpec& dataFile() const { return dataFile_; }
    DataFileSpec result() const;

  private:
    bool isFixedLength() const { return dataFile_.dataFileType == kFixedLength; }
    int bytesBefore(int index) const;
    int insertionIndex() const;
    bool acceptable(const std::string& name, int length, int ownIndex);
    void insertLength(int index, int length);
    void removeLength(int index);

    DataFileSpec dataFile_;
    std::string baseFolder_;
    MessageService& messages_;
    int selected_ = -1;
    bool addAbove_ = false;
    EncodingChoice encoding_ = EncodingChoice::Auto;
};

}  // namespace qv
