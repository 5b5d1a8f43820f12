// The modeless placement dialogs: as they open the list gets the focus, but no entry is chosen
// for the user, so 修正 and 削除 act on nothing until the user picks one; a right click chooses
// the clicked field; the end of setting mode takes the literal and line dialogs with it.
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "label/app/main_frame.h"
#include "label/editor/widgets/field_placement_dialog.h"
#include "label/editor/widgets/layout_view.h"
#include "label/editor/widgets/literal_dialog.h"
#include "label/editor/widgets/ruled_line_dialog.h"
#include "tests/label_app/main_frame_parts.h"

namespace qv {
namespace {

LabelDefinition definitionWithEntries() {
    LabelDefinition d = newLabelDefinition();
    d.dataFile.fieldNames = {"JAN", "NAME"};
    d.dataFile.fieldLengths = {13, 10};
    d.fields[0] = {5, 5, kDefaultFaceName, 10, 40, 15, 8 | 1, 0, 0};
    d.literals[0] = {"PRICE,ＭＳ 明朝,0", 10, 0, 5, 30};
    d.ruledLines[0] = {0, -20, 40, -20};
    return d;
}

// Shows the dialog, gives its list the focus as a click into the window would, and tells
// whether the list has a current row then.
bool listHasCurrentRow(QDialog& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* list = dialog.findChild<QListWidget*>();
    EXPECT_NE(list, nullptr);
    list->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    return list->currentRow() >= 0;
}

TEST(ModelessSelectionTest, NoEntryIsChosenWhenTheDialogsOpen) {
    LabelDefinition d = definitionWithEntries();
    RecordingMessageService messages;
    FieldPlacementDialog fields(d, messages);
    EXPECT_FALSE(listHasCurrentRow(fields));
    EXPECT_EQ(fields.form().selectedField(), -1);

    LiteralDialog literals(d, messages, MacroClock(), DateSettings());
    EXPECT_FALSE(listHasCurrentRow(literals));
    EXPECT_EQ(literals.form().selectedSlot(), -1);

    RuledLineDialog lines(d, messages);
    EXPECT_FALSE(listHasCurrentRow(lines));
    EXPECT_EQ(lines.form().selectedSlot(), -1);
}

// A right click on the second field opens フィールドの配置 with that field chosen.
TEST(ModelessSelectionTest, ARightClickedFieldIsTheChosenOne) {
    test::MainFrameParts parts;
    parts.document.definition() = definitionWithEntries();
    parts.document.definition().fields[1] = {5, 22, kDefaultFaceName, 10, 0, 0, 0, 0, 0};
    const std::unique_ptr<CMainFrame> frame = parts.makeFrame();
    frame->show();
    emit frame->findChild<CBarLayoutView*>()->fieldHit(1);
    auto* dialog = frame->findChild<FieldPlacementDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->form().selectedField(), 1);
}

TEST(ModelessSelectionTest, EndingSettingModeEndsTheLiteralAndLineModes) {
    test::MainFrameParts parts;
    parts.document.definition() = definitionWithEntries();
    const std::unique_ptr<CMainFrame> frame = parts.makeFrame();
    frame->show();
    auto* layout = frame->findChild<CBarLayoutView*>();
    for (const char* mode : {"リテラル文字の配置", "ラベル内罫線の配置"}) {
        test::triggerCommand(*frame, QStringLiteral("設定モード"));
        test::triggerCommand(*frame, QString::fromUtf8(mode));
        EXPECT_NE(layout->mode(), CBarLayoutView::Mode::Normal) << mode;
        test::triggerCommand(*frame, QStringLiteral("設定の終了"));
        EXPECT_EQ(layout->mode(), CBarLayoutView::Mode::Normal) << mode;
        EXPECT_FALSE(frame->findChild<LiteralDialog*>() &&
                     frame->findChild<LiteralDialog*>()->isVisible());
        EXPECT_FALSE(frame->findChild<RuledLineDialog*>() &&
                     frame->findChild<RuledLineDialog*>()->isVisible());
    }
}

}  // namespace
}  // namespace qv
