// BMP headers: the depths taken and refused, both header forms, and damaged or hostile files.
#include "label/definition/bmp_file.h"

#include <random>

#include <gtest/gtest.h>

#include "tests/support/bmp_builder.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

using test::bmpBytes;

TEST(BmpFile, DepthsUpTo256ColoursAreTaken) {
    BmpInfo info;
    ASSERT_EQ(parseBmp(bmpBytes(3, 2, 1, 2), info), BmpStatus::Ok);
    EXPECT_EQ(info.width, 3);
    EXPECT_EQ(info.height, 2);
    EXPECT_EQ(info.bitCount, 1);
    EXPECT_EQ(info.palette, (std::vector<uint32_t>{0, 0xFF0000}));
    EXPECT_EQ(parseBmp(bmpBytes(5, 5, 4, 16), info), BmpStatus::Ok);
    ASSERT_EQ(parseBmp(bmpBytes(7, 3, 8, 256), info), BmpStatus::Ok);
    EXPECT_EQ(info.palette.size(), 256u);
    EXPECT_EQ(info.pixelOffset, 14u + 40u + 1024u);
    EXPECT_EQ(parseBmp(bmpBytes(2, 2, 24, 0), info), BmpStatus::UnsupportedDepth);
    EXPECT_EQ(std::string(kBitmapTooManyColours), "ビットマップは２５６色以下を扱えます。");
}

TEST(BmpFile, TheOlderCoreHeader) {
    // 12-byte header: 16-bit width, height, planes, bit count; 3-byte colour entries.
    const std::string out = test::coreBmpBytes(1, 1, 1, {0xFFFFFF, 0x0000FF});
    BmpInfo info;
    ASSERT_EQ(parseBmp(out, info), BmpStatus::Ok);
    EXPECT_EQ(info.palette, (std::vector<uint32_t>{0xFFFFFF, 0x0000FF}));
}

TEST(BmpFile, DamagedFilesAreRefusedWithoutReadingPastThem) {
    const std::string good = bmpBytes(9, 4, 8, 256);
    BmpInfo info;
    for (size_t length = 0; length < good.size(); ++length) {
        EXPECT_NE(parseBmp(good.substr(0, length), info), BmpStatus::Ok) << length;
    }
    std::string hostile = good;
    hostile[10] = '\xFF';  // pixels said to start beyond the file
    hostile[13] = '\x7F';
    EXPECT_EQ(parseBmp(hostile, info), BmpStatus::NotABitmap);
    hostile = good;
    hostile[18] = '\xFF';  // an enormous width
    hostile[21] = '\x7F';
    EXPECT_EQ(parseBmp(hostile, info), BmpStatus::NotABitmap);
    hostile = good;
    hostile[14] = '\xF0';  // a header larger than the file
    hostile[17] = '\x7F';
    EXPECT_EQ(parseBmp(hostile, info), BmpStatus::NotABitmap);
    EXPECT_EQ(parseBmp("PK" + good.substr(2), info), BmpStatus::NotABitmap);

    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = good;
        for (int flips = 0; flips < 3; ++flips) {
            bytes[random() % bytes.size()] = static_cast<char>(random() & 0xFF);
        }
        parseBmp(bytes, info);  // must not crash or read past the data
    }
}

TEST(BmpFile, ZeroSizedImagesAreRefused) {
    BmpInfo info;
    EXPECT_EQ(parseBmp(bmpBytes(0, 4, 8, 256), info), BmpStatus::NotABitmap);
    EXPECT_EQ(parseBmp(bmpBytes(4, 0, 8, 256), info), BmpStatus::NotABitmap);
    EXPECT_EQ(parseBmp(test::coreBmpBytes(0, 0, 1, {0, 0xFFFFFF}), info), BmpStatus::NotABitmap);
}

// Run-length pixels take less room than the rows they make: only their start must lie inside.
TEST(BmpFile, RunLengthEncodedPixelsAreTaken) {
    std::string rle = bmpBytes(16, 16, 8, 256);
    rle.resize(14 + 40 + 1024 + 4);
    rle.replace(rle.size() - 4, 4, std::string("\x00\x00\x00\x01", 4));  // end of line, end
    rle[30] = 1;                                                         // compression: RLE8
    BmpInfo info;
    EXPECT_EQ(parseBmp(rle, info), BmpStatus::Ok);
    EXPECT_EQ(parseBmp(rle.substr(0, 14 + 40 + 1024), info), BmpStatus::NotABitmap);
    rle[30] = 0;  // the same bytes read as plain rows do not fit
    EXPECT_EQ(parseBmp(rle, info), BmpStatus::NotABitmap);
}

TEST(BmpFile, LoadingFromDisk) {
    test::TempFolder folder;
    test::writeBytes(folder.file("logo.bmp"), bmpBytes(4, 4, 8, 256));
    test::writeBytes(folder.file("photo.bmp"), bmpBytes(4, 4, 24, 0));
    LoadedBitmap bitmap;
    BmpStatus status = BmpStatus::Ok;
    EXPECT_EQ(LoadBitmapFile(folder.file("logo.bmp"), bitmap, &status), 8);
    EXPECT_TRUE(bitmap.loaded());
    LoadedBitmap refused;
    EXPECT_EQ(LoadBitmapFile(folder.file("photo.bmp"), refused, &status), -1);
    EXPECT_EQ(status, BmpStatus::UnsupportedDepth);
    EXPECT_FALSE(refused.loaded());
    EXPECT_EQ(LoadBitmapFile(folder.file("none.bmp"), refused, &status), -1);
    EXPECT_EQ(status, BmpStatus::CannotRead);
}

}  // namespace
}  // namespace qv
