#include "common/paths.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Paths, NameAndFolderTakeBothSeparators) {
    const struct {
        const char* path;
        const char* name;
        const char* folder;
    } cases[] = {
        {"/labels/shop.qvd", "shop.qvd", "/labels"},
        {"C:\\LABEL\\SHOP.QVD", "SHOP.QVD", "C:\\LABEL"},
        {"mixed/a\\b", "b", "mixed/a"},
        {"plain", "plain", ""},
        {"dir/", "", "dir"},
        {"/top", "top", "/"},  // the root stays, so the folder is still absolute
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(baseName(c.path), c.name);
        EXPECT_EQ(folderOf(c.path), c.folder);
    }
}

TEST(Paths, CompanionPathReplacesTheFileNamesExtensionOnly) {
    EXPECT_EQ(companionPath("SHOP.CSV", "CSL"), "SHOP.CSL");
    EXPECT_EQ(companionPath("a.b.csv", "CSL"), "a.b.CSL");
    EXPECT_EQ(companionPath("SHOP.", "CSL"), "SHOP.CSL");
    EXPECT_EQ(companionPath("SHOP", "CSL"), "SHOP.CSL");  // not a shared "CSL" elsewhere
    // A dot in a folder name is no extension.
    EXPECT_EQ(companionPath("/data/v1.2/SHOP", "CSB"), "/data/v1.2/SHOP.CSB");
    EXPECT_EQ(companionPath("proj.v2/items", "CSL"), "proj.v2/items.CSL");
    EXPECT_EQ(companionPath("C:\\PROJ.V2\\ITEMS", "CSL"), "C:\\PROJ.V2\\ITEMS.CSL");
    EXPECT_EQ(companionPath("proj.v2/items.csv", "CSL"), "proj.v2/items.CSL");
}

TEST(Paths, StoredPathsBecomeLocalPaths) {
    const struct {
        const char* stored;
        const char* base;
        const char* local;
        const char* note;
    } cases[] = {
        {"C:\\LABEL\\SHOP.CSV", "/home/u/labels", "/home/u/labels/SHOP.CSV", "drive path"},
        {"c:SHOP.CSV", "/b", "/b/SHOP.CSV", "drive-relative path"},
        {"\\\\server\\share\\SHOP.CSV", "/b", "/b/SHOP.CSV", "network path"},
        {"/srv/data/shop.csv", "/b", "/srv/data/shop.csv", "absolute local path"},
        {"data\\shop.csv", "/b", "/b/data/shop.csv", "relative with backslash"},
        {"shop.csv", "/b/", "/b/shop.csv", "base with trailing slash"},
        {"shop.csv", "", "shop.csv", "no base: stays relative"},
        {"\x95\x5C\\x.csv", "/b", "/b/表/x.csv", "表's trail byte 0x5C is no separator"},
        {"C:\\\x95\x5C.csv", "/b", "/b/表.csv", "drive path ending in 表"},
        {"\x85\x40.csv", "/b", "/b/\uFFFD@.csv", "invalid bytes are shown, not dropped"},
        {"", "/b", "", "empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(localFromStoredPath(c.stored, c.base), c.local);
    }
    EXPECT_EQ(storedFromLocalPath("/b/表.csv"), "/b/\x95\x5C.csv");
}

}  // namespace
}  // namespace qv
