#include "label/app/dialogs/data_file_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "label/definition/quorvi_doc.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

constexpr int kLargestLength = 9999;  // what the length box accepts; the form checks the rest

QPushButton* namedButton(const QString& text, const char* objectName) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

}  // namespace

// Without mustExist a file still to be written may be named (a data file made later).
QString browseWithFileDialog(QWidget* parent, const BrowseRequest& request) {
    QFileDialog dialog(parent, request.title, request.startPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString qtFileFilter(const char* windowsFilter) {
    const QStringList parts = fromUtf8(windowsFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;  // the closing "||"
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (!patterns.contains(pattern.toUpper())) patterns.append(pattern.toUpper());
        }
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

DataFileDialog::DataFileDialog(const DataFileSpec& dataFile, const std::string& baseFolder,
                               MessageService& messages, QWidget* parent, EncodingChoice encoding)
    : QDialog(parent), form_(dataFile, baseFolder, messages), browse_(browseWithFileDialog) {
    setWindowTitle(QStringLiteral("ファイルの設定（定義）"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildPathRow());
    layout->addLayout(buildChoiceRow());
    encoding_->setCurrentIndex(static_cast<int>(encoding));
    form_.setEncoding(encoding);
    connect(encoding_, &QComboBox::currentIndexChanged, this,
            [this] { form_.setEncoding(this->encoding()); });
    layout->addLayout(buildFieldArea());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connectControls();
    refresh();
}

QLayout* DataFileDialog::buildPathRow() {
    path_ = new QLineEdit;
    path_->setObjectName(QStringLiteral("dataPath"));
    browseButton_ = namedButton(QStringLiteral("参照"), "browse");
    auto* row = new QHBoxLayout;
    row->addWidget(path_, 1);
    row->addWidget(browseButton_);
    return row;
}

// The data file's type and what becomes of its first line, each a pair of exclusive buttons.
QLayout* DataFileDialog::buildChoiceRow() {
    fixedLength_ = new QRadioButton(QStringLiteral("固定長 *.TXT"));
    fixedLength_->setObjectName(QStringLiteral("fixedLength"));
    commaSeparated_ = new QRadioButton(QStringLiteral("ｶﾝﾏ編集 *.CSV"));
    commaSeparated_->setObjectName(QStringLiteral("commaSeparated"));
    auto* types = new QVBoxLayout;
    types->addWidget(fixedLength_);
    types->addWidget(commaSeparated_);

    skipFirstLine_ = new QRadioButton(QStringLiteral("スキップする"));
    skipFirstLine_->setObjectName(QStringLiteral("skipFirstLine"));
    processFirstLine_ = new QRadioButton(QStringLiteral("通常処理"));
    processFirstLine_->setObjectName(QStringLiteral("processFirstLine"));
    auto* firstLine = new QGroupBox(QStringLiteral("1行目の処理"));
    auto* firstLineLayout = new QVBoxLayout(firstLine);
    firstLineLayout->addWidget(skipFirstLine_);
    firstLineLayout->addWidget(processFirstLine_);

    // In the order of EncodingChoice.
    encoding_ = new QComboBox;
    encoding_->setObjectName(QStringLiteral("encoding"));
    encoding_->addItems(
        {QStringLiteral("自動"), QStringLiteral("Shift-JIS"), QStringLiteral("UTF-8")});
    encoding_->setToolTip(QStringLiteral(
        "自動: バイト順マークがあるか、UTF-8 として正しく多バイト文字を含めば UTF-8、"
        "それ以外は Shift-JIS"));
    auto* encodingBox = new QGroupBox(QStringLiteral("文字コード"));
    auto* encodingLayout = new QVBoxLayout(encodingBox);
    encodingLayout->addWidget(encoding_);
    encodingLayout->addStretch();

    auto* row = new QHBoxLayout;
    row->addLayout(types);
    row->addWidget(firstLine);
    row->addWidget(encodingBox);
    return row;
}

EncodingChoice DataFileDialog::encoding() const {
    return static_cast<EncodingChoice>(std::clamp(encoding_->currentIndex(), 0, 2));
}

// The field list with the record length beside it, then the edit boxes and buttons below.
QLayout* DataFileDialog::buildFieldArea() {
    fields_ = new QListWidget;
    fields_->setObjectName(QStringLiteral("fields"));
    fields_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));  // aligned numbers
    recordLengthTitle_ = new QLabel(QStringLiteral("ﾚｺｰﾄﾞ長"));
    recordLength_ = new QLabel;
    recordLength_->setObjectName(QStringLiteral("recordLength"));
    auto* side = new QVBoxLayout;
    side->addWidget(recordLengthTitle_);
    side->addWidget(recordLength_);
    side->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(fields_, 1);
    listRow->addLayout(side);

    auto* area = new QVBoxLayout;
    area->addLayout(listRow);
    area->addLayout(buildFieldEdits());
    return area;
}

QLayout* DataFileDialog::buildFieldEdits() {
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("fieldName"));
    length_ = new QLineEdit;
    length_->setObjectName(QStringLiteral("fieldLength"));
    length_->setValidator(new QIntValidator(0, kLargestLength, length_));
    addAbove_ = new QCheckBox(QStringLiteral("上に追加"));
    addAbove_->setObjectName(QStringLiteral("addAbove"));
    add_ = namedButton(QStringLiteral("追加"), "add");
    modify_ = namedButton(QStringLiteral("修正"), "modify");
    delete_ = namedButton(QStringLiteral("削除"), "delete");
    takeNames_ = namedButton(QStringLiteral("ﾌｨｰﾙﾄﾞSET"), "takeNames");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("項目名")), 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("ﾌｨｰﾙﾄﾞ長")), 1, 0);
    grid->addWidget(length_, 1, 1);
    grid->addWidget(addAbove_, 2, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add_, modify_, delete_, takeNames_}) buttons->addWidget(button);
    grid->addLayout(buttons, 3, 0, 1, 2);
    return grid;
}

void DataFileDialog::connectControls() {
    connect(browseButton_, &QPushButton::clicked, this, &DataFileDialog::browse);
    connect(path_, &QLineEdit::editingFinished, this, &DataFileDialog::takeTypedPath);
    connect(fixedLength_, &QRadioButton::clicked, this, [this] {
        form_.chooseFixedLength();
        refresh();
    });
    connect(commaSeparated_, &QRadioButton::clicked, this, [this] {
        form_.chooseCommaSeparated();
        refresh();
    });
    connect(skipFirstLine_, &QRadioButton::clicked, this, [this] { form_.setSkipFirstLine(true); });
    connect(processFirstLine_, &QRadioButton::clicked, this,
            [this] { form_.setSkipFirstLine(false); });
    connect(fields_, &QListWidget::currentRowChanged, this, &DataFileDialog::showSelected);
    connect(addAbove_, &QCheckBox::toggled, this, [this](bool on) { form_.setAddAbove(on); });
    connectFieldButtons();
}

void DataFileDialog::connectFieldButtons() {
    connect(add_, &QPushButton::clicked, this, [this] {
        if (form_.addField(toSjis(name_->text()), length_->text().toInt())) refresh();
    });
    connect(modify_, &QPushButton::clicked, this, [this] {
        if (form_.modifyField(toSjis(name_->text()), length_->text().toInt())) refresh();
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        if (form_.deleteField()) refresh();
    });
    connect(takeNames_, &QPushButton::clicked, this, [this] {
        if (form_.takeNamesFromFile()) refresh();
    });
}

void DataFileDialog::browse() {
    const BrowseRequest request{fromUtf8(kDataFileBrowseTitle), qtFileFilter(form_.browseFilter()),
                                fromUtf8(form_.defaultExtension()),
                                fromUtf8(form_.localDataPath())};
    const QString chosen = browse_(this, request);
    if (chosen.isEmpty()) return;
    form_.choosePath(toUtf8(chosen));
    refresh();
}

// A path typed into the box counts as a chosen one, so the type follows its extension as well.
void DataFileDialog::takeTypedPath() {
    if (toSjis(path_->text()) == form_.dataFile().dataFilePath) return;
    form_.choosePath(toUtf8(path_->text()));
    refresh();
}

void DataFileDialog::showSelected(int row) {
    form_.select(row);
    if (form_.selected() < 0) return;
    const auto index = static_cast<size_t>(form_.selected());
    name_->setText(fromSjis(form_.dataFile().fieldNames[index]));
    length_->setText(QString::number(form_.dataFile().fieldLengths[index]));
}

void DataFileDialog::accept() {
    takeTypedPath();  // a path still being typed when OK is pressed
    QDialog::accept();
}

void DataFileDialog::refresh() {
    refreshChoices();
    refreshList();
    const bool fixed = form_.dataFile().dataFileType == DataFileForm::kFixedLength;
    recordLengthTitle_->setVisible(fixed);
    recordLength_->setVisible(fixed);
    recordLength_->setText(QString::number(form_.recordLength()));
    name_->setEnabled(form_.nameEditable());
    takeNames_->setEnabled(form_.canTakeNamesFromFile());
}

void DataFileDialog::refreshChoices() {
    const DataFileSpec& dataFile = form_.dataFile();
    path_->setText(fromSjis(dataFile.dataFilePath));
    fixedLength_->setChecked(dataFile.dataFileType == DataFileForm::kFixedLength);
    commaSeparated_->setChecked(dataFile.dataFileType == DataFileForm::kCommaSeparated);
    skipFirstLine_->setChecked(dataFile.skipFirstLine != 0);
    processFirstLine_->setChecked(dataFile.skipFirstLine == 0);
}

// Rebuilt from the form's lines, keeping the form's selection; the rebuild itself selects nothing.
void DataFileDialog::refreshList() {
    const QSignalBlocker blocker(fields_);
    fields_->clear();
    for (const std::string& line : form_.listLines()) fields_->addItem(fromSjis(line));
    fields_->setCurrentRow(form_.selected());
}

bool editDataFile(QWidget* parent, CQuorviDoc& document, MessageService& messages) {
    DataFileDialog dialog(document.definition().dataFile, document.definitionFolder(), messages,
                          parent, document.dataEncoding);
    if (dialog.exec() != QDialog::Accepted) return false;
    document.definition().dataFile = dialog.edited();
    document.dataEncoding = dialog.encoding();
    document.setModified();
    return true;
}

}  // namespace qv
