// The system clipboard under the record commands: Shift-JIS in, Unicode on the clipboard, and
// the answers a paste needs for data that is not text.
#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace qv {
namespace {

const std::string kGoodsAndPrice = "\x8f\xa4\x95\x69,\x89\xbf\x8a\x69";  // 商品,価格

TEST(QtClipboardPort, ShiftJisTextRoundTripsThroughUnicode) {
    QtClipboardPort port;
    bool opened = false;
    ASSERT_TRUE(port.write(kGoodsAndPrice, opened));
    EXPECT_TRUE(opened);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("商品,価格"));
    EXPECT_TRUE(port.hasText());
    std::string back;
    EXPECT_EQ(port.read(back), ClipboardPort::Read::Text);
    EXPECT_EQ(back, kGoodsAndPrice);
}

// A UTF-8 document reads every character; the Shift-JIS read names those it cannot take.
TEST(QtClipboardPort, Utf8ReadKeepsWhatShiftJisLacks) {
    QtClipboardPort port;
    QGuiApplication::clipboard()->setText(QStringLiteral("😀,𠮷"));
    std::string text;
    EXPECT_EQ(port.readUtf8(text), ClipboardPort::Read::Text);
    EXPECT_EQ(text, "😀,𠮷");
    EXPECT_EQ(port.read(text), ClipboardPort::Read::Unencodable);
    EXPECT_EQ(text, "😀𠮷");
}

TEST(QtClipboardPort, BinaryDataIsNotTextAndEmptyTextIsEmpty) {
    QtClipboardPort port;
    auto* binary = new QMimeData;
    binary->setData(QStringLiteral("application/octet-stream"), QByteArray("\x01\x02", 2));
    QGuiApplication::clipboard()->setMimeData(binary);
    std::string text = "kept";
    EXPECT_FALSE(port.hasText());
    EXPECT_EQ(port.read(text), ClipboardPort::Read::NotText);
    EXPECT_EQ(text, "kept");

    QGuiApplication::clipboard()->setText(QString());
    EXPECT_EQ(port.read(text), ClipboardPort::Read::Empty);
    EXPECT_EQ(text, "kept");
}

}  // namespace
}  // namespace qv
