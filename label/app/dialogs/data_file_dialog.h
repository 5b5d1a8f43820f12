// The data file definition dialog "ファイルの設定（定義）": the widgets of DataFileForm.
//
// Every rule (what may be added, where, the messages, what "参照" and "ﾌｨｰﾙﾄﾞSET" take) lives in
// the form; the dialog forwards each control to it and redraws itself from the form's state.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

#include "common/message_service.h"
#include "common/text_encoding.h"
#include "label/data/data_file_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace qv {

class CQuorviDoc;

// What "参照" asks of the file dialog.
struct BrowseRequest {
    QString title;           // "ファイルの参照"
    QString filter;          // Qt's "desc (patterns);;desc (patterns)" form
    QString defaultSuffix;   // "CSV" or "TXT"
    QString startPath;       // the current data file, for its folder
    bool mustExist = false;  // only an existing file may be chosen
};

// Shows the file dialog and returns the chosen local path, empty when cancelled. Tests replace
// it so that no real file dialog opens.
using BrowseHook = std::function<QString(QWidget* parent, const BrowseRequest& request)>;

// The file dialog itself, as the browse hooks use it by default.
QString browseWithFileDialog(QWidget* parent, const BrowseRequest& request);

// A Windows filter "desc|pattern|desc|pattern||" in Qt's form. Windows matches names without
// regard to case, so each pattern is offered in upper case too ("*.cs*" also as "*.CS*").
QString qtFileFilter(const char* windowsFilter);

class DataFileDialog : public QDialog {
    Q_OBJECT

  public:
    // `baseFolder` is the definition's folder, against which a relative data path is resolved.
    DataFileDialog(const DataFileSpec& dataFile, const std::string& baseFolder,
                   MessageService& messages, QWidget* parent = nullptr,
                   EncodingChoice encoding = EncodingChoice::Auto);

    void setBrowseHook(BrowseHook hook) { browse_ = std::move(hook); }
    // The data file part of the definition as edited, to be written back on OK.
    DataFileSpec edited() const { return form_.result(); }
    // "文字コード": 自動, Shift-JIS or UTF-8.
    EncodingChoice encoding() const;

    void accept() override;

  private:
    QLayout* buildPathRow();
    QLayout* buildChoiceRow();
    QLayout* buildFieldArea();
    QLayout* buildFieldEdits();
    void connectControls();
    void connectFieldButtons();

    void browse();
    void takeTypedPath();
    void showSelected(int row);
    void refresh();
    void refreshList();
    void refreshChoices();

    DataFileForm form_;
    BrowseHook browse_;
    QLineEdit* path_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QRadioButton* fixedLength_ = nullptr;
    QRadioButton* commaSeparated_ = nullptr;
    QComboBox* encoding_ = nullptr;
    QRadioButton* skipFirstLine_ = nullptr;
    QRadioButton* processFirstLine_ = nullptr;
    QListWidget* fields_ = nullptr;
    QLabel* recordLengthTitle_ = nullptr;
    QLabel* recordLength_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* length_ = nullptr;
    QCheckBox* addAbove_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* takeNames_ = nullptr;
};

// Runs the dialog on the document's data file; on OK writes the result into the definition and
// marks the document modified. True on OK. Used by the data file command and by the data file
// check when a definition is opened.
bool editDataFile(QWidget* parent, CQuorviDoc& document, MessageService& messages);

}  // namespace qv
