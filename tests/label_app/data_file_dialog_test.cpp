// The data file dialog's binding: each control reaches the form, and the widgets show the form's
// state afterwards. The form's own rules are tested beside it; here only what the user sees.
#include "label/app/dialogs/data_file_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "label/definition/quorvi_doc.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

// Two fields of 5 and 3 bytes: a fixed-length record of 8 bytes.
DataFileSpec twoFields(int type) {
    DataFileSpec dataFile;
    dataFile.dataFilePath = "shop.txt";
    dataFile.dataFileType = type;
    dataFile.fieldNames = {"A", "B"};
    dataFile.fieldLengths[0] = 5;
    dataFile.fieldLengths[1] = 3;
    return dataFile;
}

class DataFileDialogTest : public ::testing::Test {
  protected:
    void open(const DataFileSpec& dataFile) {
        dialog = std::make_unique<DataFileDialog>(dataFile, folder.path(), messages);
    }
    template <typename T>
    T* child(const char* name) const {
        T* found = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    void type(const char* edit, const QString& text) { child<QLineEdit>(edit)->setText(text); }
    QStringList lines() const {
        QStringList out;
        auto* list = child<QListWidget>("fields");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    void addField(const QString& name, const QString& length) {
        type("fieldName", name);
        type("fieldLength", length);
        click("add");
    }

    test::TempFolder folder;
    RecordingMessageService messages;
    std::unique_ptr<DataFileDialog> dialog;
};

// --- What the dialog shows ----------------------------------------------------------------------

TEST_F(DataFileDialogTest, ShowsTheDefinitionsDataFile) {
    open(twoFields(DataFileForm::kFixedLength));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("ファイルの設定（定義）"));
    EXPECT_EQ(child<QLineEdit>("dataPath")->text(), QStringLiteral("shop.txt"));
    EXPECT_TRUE(child<QRadioButton>("fixedLength")->isChecked());
    EXPECT_TRUE(child<QRadioButton>("processFirstLine")->isChecked());
    // Name, length, starting byte.
    EXPECT_EQ(lines(), QStringList({"A \t    5 \t    1", "B \t    3 \t    6"}));
    EXPECT_FALSE(child<QLabel>("recordLength")->isHidden());
    EXPECT_EQ(child<QLabel>("recordLength")->text(), QStringLiteral("8"));
}

TEST_F(DataFileDialogTest, TypeButtonsRenumberTheListAndHideTheRecordLength) {
    open(twoFields(DataFileForm::kFixedLength));
    child<QRadioButton>("commaSeparated")->click();
    // Comma-separated data counts fields, not bytes, and has no record length.
    EXPECT_EQ(lines(), QStringList({"A \t    5 \t    1", "B \t    3 \t    2"}));
    EXPECT_TRUE(child<QLabel>("recordLength")->isHidden());
    EXPECT_EQ(dialog->edited().dataFileType, DataFileForm::kCommaSeparated);
    child<QRadioButton>("fixedLength")->click();
    EXPECT_EQ(dialog->edited().dataFileType, DataFileForm::kFixedLength);
    EXPECT_EQ(lines().at(1), QStringLiteral("B \t    3 \t    6"));
}

TEST_F(DataFileDialogTest, FirstLineButtonsSetTheSkip) {
    open(twoFields(DataFileForm::kCommaSeparated));
    child<QRadioButton>("skipFirstLine")->click();
    EXPECT_EQ(dialog->edited().skipFirstLine, 1);
    child<QRadioButton>("processFirstLine")->click();
    EXPECT_EQ(dialog->edited().skipFirstLine, 0);
}

// --- 追加 ----------------------------------------------------------------------------------------

struct AddCase {
    const char* name;
    int selectedRow;  // -1: nothing selected
    bool addAbove;
    QStringList expected;
};

class DataFileDialogAddTest : public DataFileDialogTest,
                              public ::testing::WithParamInterface<AddCase> {};

TEST_P(DataFileDialogAddTest, PutsTheNewFieldWhereTheSelectionSays) {
    DataFileSpec dataFile = twoFields(DataFileForm::kFixedLength);
    dataFile.fieldNames.push_back("C");
    dataFile.fieldLengths[2] = 2;
    open(dataFile);
    child<QListWidget>("fields")->setCurrentRow(GetParam().selectedRow);
    child<QCheckBox>("addAbove")->setChecked(GetParam().addAbove);
    addField(QStringLiteral("N"), QStringLiteral("4"));
    QStringList names;
    for (const QString& line : lines()) names << line.section(QLatin1Char(' '), 0, 0);
    EXPECT_EQ(names, GetParam().expected);
    EXPECT_TRUE(messages.texts().empty());
    // The list is redrawn with nothing selected, so a second add goes by the same rule.
    EXPECT_EQ(child<QListWidget>("fields")->currentRow(), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Placement, DataFileDialogAddTest,
    ::testing::Values(AddCase{"NoSelectionAppends", -1, false, {"A", "B", "C", "N"}},
                      AddCase{"NoSelectionAboveGoesBeforeTheLast", -1, true, {"A", "B", "N", "C"}},
                      AddCase{"AfterTheSelected", 0, false, {"A", "N", "B", "C"}},
                      AddCase{"AboveTheSelected", 1, true, {"A", "N", "B", "C"}}),
    [](const ::testing::TestParamInfo<AddCase>& info) { return std::string(info.param.name); });

TEST_F(DataFileDialogTest, AddedFieldShowsItsLengthAndMovesTheLaterPositions) {
    open(twoFields(DataFileForm::kFixedLength));
    child<QListWidget>("fields")->setCurrentRow(0);
    addField(QStringLiteral("品名"), QStringLiteral("10"));
    EXPECT_EQ(lines(),
              QStringList({"A \t    5 \t    1", "品名 \t   10 \t    6", "B \t    3 \t   16"}));
    EXPECT_EQ(child<QLabel>("recordLength")->text(), QStringLiteral("18"));
    // Names reach the definition as CP932.
    EXPECT_EQ(dialog->edited().fieldNames.at(1), std::string("\x95\x69\x96\xBC"));
}

TEST_F(DataFileDialogTest, ZeroLengthIsRefusedWithTheTypesMessage) {
    const struct {
        int type;
        const char* message;
    } cases[] = {{DataFileForm::kFixedLength, "ﾌｨｰﾙﾄﾞ長を指定して下さい"},
                 {DataFileForm::kCommaSeparated, "最大ﾌｨｰﾙﾄﾞ長を指定して下さい"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        messages.clear();
        open(twoFields(c.type));
        const QStringList before = lines();
        addField(QStringLiteral("N"), QString());  // an empty box is a length of 0
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
        addField(QStringLiteral("N"), QStringLiteral("0"));
        EXPECT_EQ(messages.texts(), (std::vector<std::string>{c.message, c.message}));
        EXPECT_EQ(lines(), before);
    }
}

TEST_F(DataFileDialogTest, NameBoxIsDisabledWhenTheListIsFull) {
    DataFileSpec dataFile;
    for (int i = 0; i < kMaxFields - 1; ++i) {
        dataFile.fieldNames.push_back("F" + std::to_string(i));
        dataFile.fieldLengths[static_cast<size_t>(i)] = 1;
    }
    open(dataFile);
    EXPECT_TRUE(child<QLineEdit>("fieldName")->isEnabled());
    addField(QStringLiteral("LAST"), QStringLiteral("1"));
    EXPECT_EQ(lines().size(), kMaxFields);
    EXPECT_FALSE(child<QLineEdit>("fieldName")->isEnabled());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"ﾌｨｰﾙﾄﾞｱｲﾃﾑが 30 になりました。"});
}

// --- 修正 and 削除 -------------------------------------------------------------------------------

TEST_F(DataFileDialogTest, SelectingALineFillsTheEditsAndModifyChangesIt) {
    open(twoFields(DataFileForm::kFixedLength));
    child<QListWidget>("fields")->setCurrentRow(1);
    EXPECT_EQ(child<QLineEdit>("fieldName")->text(), QStringLiteral("B"));
    EXPECT_EQ(child<QLineEdit>("fieldLength")->text(), QStringLiteral("3"));
    type("fieldName", QStringLiteral("価格"));
    type("fieldLength", QStringLiteral("7"));
    click("modify");
    EXPECT_EQ(lines(), QStringList({"A \t    5 \t    1", "価格 \t    7 \t    6"}));
    EXPECT_EQ(child<QListWidget>("fields")->currentRow(), 1);  // still selected
    EXPECT_EQ(child<QLabel>("recordLength")->text(), QStringLiteral("12"));
}

TEST_F(DataFileDialogTest, ModifyWithZeroLengthChangesNothing) {
    open(twoFields(DataFileForm::kCommaSeparated));
    child<QListWidget>("fields")->setCurrentRow(0);
    type("fieldLength", QStringLiteral("0"));
    click("modify");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"最大ﾌｨｰﾙﾄﾞ長を指定して下さい"});
    EXPECT_EQ(lines().at(0), QStringLiteral("A \t    5 \t    1"));
}

TEST_F(DataFileDialogTest, DeleteRemovesTheSelectedLine) {
    open(twoFields(DataFileForm::kFixedLength));
    click("delete");  // nothing selected: nothing removed
    EXPECT_EQ(lines().size(), 2);
    child<QListWidget>("fields")->setCurrentRow(0);
    click("delete");
    // B moves up with its length and now starts the record.
    EXPECT_EQ(lines(), QStringList({"B \t    3 \t    1"}));
    EXPECT_EQ(child<QLabel>("recordLength")->text(), QStringLiteral("3"));
    EXPECT_EQ(child<QListWidget>("fields")->currentRow(), -1);
}

// --- 参照 ----------------------------------------------------------------------------------------

TEST(DataFileFilter, WindowsFilterBecomesQtFilter) {
    EXPECT_EQ(qtFileFilter("ｶﾝﾏText (*.CS*)|*.cs*|TextFiles(*.TXT)|*.txt|全て(*.*)|*.*||"),
              QStringLiteral("ｶﾝﾏText (*.CS*) (*.cs* *.CS*);;TextFiles(*.TXT) (*.txt *.TXT);;"
                             "全て(*.*) (*.*)"));
    // Several patterns of one filter are separated by ";" on Windows, by blanks in Qt.
    EXPECT_EQ(qtFileFilter("Data|*.csv;*.TXT||"), QStringLiteral("Data (*.csv *.TXT *.CSV)"));
}

TEST_F(DataFileDialogTest, BrowseTakesTheFileItsTypeAndTheLayoutWidths) {
    const std::string data = folder.file("shop.csv");
    test::writeBytes(data, "1,2\r\n");
    test::writeBytes(folder.file("shop.CSL"), "   8  12\r\n");
    open(twoFields(DataFileForm::kFixedLength));
    BrowseRequest asked;
    dialog->setBrowseHook([&](QWidget*, const BrowseRequest& request) {
        asked = request;
        return QString::fromStdString(data);
    });
    click("browse");
    EXPECT_EQ(asked.title, QStringLiteral("ファイルの参照"));
    EXPECT_EQ(asked.filter, QStringLiteral("Text Files (*.TXT) (*.txt *.TXT);;"
                                           "ｶﾝﾏText(*.CS*) (*.cs* *.CS*);;全て(*.*) (*.*)"));
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("TXT"));
    EXPECT_EQ(asked.startPath, QString::fromStdString(folder.file("shop.txt")));
    EXPECT_EQ(child<QLineEdit>("dataPath")->text(), QString::fromStdString(data));
    EXPECT_TRUE(child<QRadioButton>("commaSeparated")->isChecked());
    EXPECT_EQ(lines(), QStringList({"A \t    8 \t    1", "B \t   12 \t    2"}));
    EXPECT_TRUE(child<QLabel>("recordLength")->isHidden());
}

TEST_F(DataFileDialogTest, CancelledBrowseChangesNothing) {
    open(twoFields(DataFileForm::kCommaSeparated));
    BrowseRequest asked;
    dialog->setBrowseHook([&](QWidget*, const BrowseRequest& request) {
        asked = request;
        return QString();
    });
    click("browse");
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("CSV"));
    EXPECT_TRUE(asked.filter.startsWith(QStringLiteral("ｶﾝﾏText (*.CS*) (*.cs* *.CS*);;")));
    EXPECT_EQ(child<QLineEdit>("dataPath")->text(), QStringLiteral("shop.txt"));
    EXPECT_EQ(dialog->edited().dataFileType, DataFileForm::kCommaSeparated);
}

TEST_F(DataFileDialogTest, TypedPathIsTakenLikeAChosenOne) {
    open(twoFields(DataFileForm::kFixedLength));
    auto* path = child<QLineEdit>("dataPath");
    path->setText(QStringLiteral("売上.csv"));
    emit path->editingFinished();
    EXPECT_EQ(dialog->edited().dataFilePath, std::string("\x94\x84\x8F\xE3.csv"));
    EXPECT_TRUE(child<QRadioButton>("commaSeparated")->isChecked());
}

// --- ﾌｨｰﾙﾄﾞSET -----------------------------------------------------------------------------------

TEST_F(DataFileDialogTest, FieldSetTakesTheNamesOfTheFirstLine) {
    // "品名,JAN,,rest" in CP932: the names end at the empty field.
    test::writeBytes(folder.file("names.csv"), "\x95\x69\x96\xBC,JAN,,rest\r\n1,2\r\n");
    DataFileSpec dataFile;
    dataFile.dataFilePath = "names.csv";  // relative to the definition's folder
    dataFile.dataFileType = DataFileForm::kCommaSeparated;
    open(dataFile);
    ASSERT_TRUE(child<QPushButton>("takeNames")->isEnabled());
    click("takeNames");
    EXPECT_EQ(lines(), QStringList({"品名 \t   10 \t    1", "JAN \t   10 \t    2"}));
    EXPECT_TRUE(child<QRadioButton>("skipFirstLine")->isChecked());
    EXPECT_FALSE(child<QPushButton>("takeNames")->isEnabled());  // the list is no longer empty
}

TEST_F(DataFileDialogTest, FieldSetFollowsTheTypeAndTheList) {
    DataFileSpec dataFile;
    dataFile.dataFileType = DataFileForm::kFixedLength;
    open(dataFile);
    EXPECT_FALSE(child<QPushButton>("takeNames")->isEnabled());
    child<QRadioButton>("commaSeparated")->click();
    EXPECT_TRUE(child<QPushButton>("takeNames")->isEnabled());
    addField(QStringLiteral("A"), QStringLiteral("1"));
    EXPECT_FALSE(child<QPushButton>("takeNames")->isEnabled());
    child<QListWidget>("fields")->setCurrentRow(0);
    click("delete");
    EXPECT_TRUE(child<QPushButton>("takeNames")->isEnabled());
}

// --- editDataFile: OK and Cancel -----------------------------------------------------------------

class EditDataFileTest : public ::testing::Test {
  protected:
    EditDataFileTest() : document(messages) {
        document.definition().dataFile = twoFields(DataFileForm::kFixedLength);
        document.saveDocument(folder.file("label.qvd"));
    }
    // Runs editDataFile, acting on the dialog once it is shown.
    bool run(const std::function<void(DataFileDialog&)>& act) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<DataFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            shown = true;
            act(*dialog);
        });
        return editDataFile(nullptr, document, messages);
    }
    static QPushButton* button(DataFileDialog& dialog, QDialogButtonBox::StandardButton which) {
        return dialog.findChild<QDialogButtonBox*>()->button(which);
    }
    static void addC(DataFileDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("fieldName"))->setText(QStringLiteral("C"));
        dialog.findChild<QLineEdit*>(QStringLiteral("fieldLength"))->setText(QStringLiteral("4"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("add")), Qt::LeftButton);
    }

    test::TempFolder folder;
    RecordingMessageService messages;
    CQuorviDoc document;
    bool shown = false;
};

TEST_F(EditDataFileTest, OkWritesIntoTheDefinitionAndMarksItModified) {
    ASSERT_FALSE(document.isModified());
    const bool accepted = run([](DataFileDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QListWidget*>()->count(), 2);
        addC(dialog);
        QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(accepted);
    const DataFileSpec& stored = document.definition().dataFile;
    EXPECT_EQ(stored.fieldNames, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(stored.fieldLengths[2], 4);
    EXPECT_EQ(stored.dataFileName, "shop.txt");
    EXPECT_TRUE(document.isModified());
}

TEST_F(EditDataFileTest, CancelChangesNothing) {
    const bool accepted = run([](DataFileDialog& dialog) {
        addC(dialog);
        QTest::mouseClick(button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(document.definition().dataFile.fieldNames, (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(document.isModified());
}

}  // namespace
}  // namespace qv
