#include "app/profile_file.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(ProfileDocument, ReadsFilesWrittenOnWindows)
{
    const auto document = ProfileDocument::parse("\xEF\xBB\xBF; written on Windows\r\n"
                                                 "[Misc]\r\n"
                                                 "Last Group=C:\\PUZ\\SCHOOL.QZ3\r\n"
                                                 "  window size  =  800  \r\n"
                                                 "[ create options ]\r\n"
                                                 "Sep Char=\";\"\r\n"
                                                 "Quoted='kept inside'\r\n"
                                                 "Half=\"open\r\n"
                                                 "Mixed=\"a'\r\n"
                                                 ";Commented=1\r\n"
                                                 "Empty=\r\n");
    EXPECT_EQ(document.value("MISC", "LAST GROUP"), "C:\\PUZ\\SCHOOL.QZ3");
    EXPECT_EQ(document.value("misc", "Window Size"), "800");
    EXPECT_EQ(document.value("Create Options", "Sep Char"), ";");
    EXPECT_EQ(document.value("Create Options", "Quoted"), "kept inside");
    EXPECT_EQ(document.value("Create Options", "Half"), "\"open");
    EXPECT_EQ(document.value("Create Options", "Mixed"), "\"a'");
    EXPECT_EQ(document.value("Create Options", "Commented"), std::nullopt);
    EXPECT_EQ(document.value("Create Options", ";Commented"), std::nullopt);
    EXPECT_EQ(document.value("Create Options", "Empty"), "");
    EXPECT_EQ(document.value("Misc", "Missing"), std::nullopt);
    EXPECT_EQ(document.value("Nowhere", "Last Group"), std::nullopt);
}

TEST(ProfileDocument, TheFirstSectionAndKeyOfANameCount)
{
    const auto document = ProfileDocument::parse("[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(document.value("A", "k"), "1");
    EXPECT_EQ(document.value("A", "j"), std::nullopt);
}

TEST(ProfileDocument, KeysBeforeAnySectionBelongToNone)
{
    const auto document = ProfileDocument::parse("k=1\n[A]\nx=2\n");
    EXPECT_EQ(document.value("A", "k"), std::nullopt);
    EXPECT_EQ(document.value("A", "x"), "2");
}

TEST(ProfileDocument, WritingKeepsOtherLinesAndEndsLinesWithCrLf)
{
    auto document = ProfileDocument::parse("; my comment\n[Misc]\nUnknown=kept\nWindow Size=640\n\n[Other]\nx=1\n");
    document.setValue("Misc", "Window Size", "1024");
    document.setValue("misc", "Show Tips", "No");
    document.setValue("Reports", "Use Grid", "Yes");
    EXPECT_EQ(document.text(), "; my comment\r\n[Misc]\r\nUnknown=kept\r\nWindow Size=1024\r\nShow Tips=No\r\n\r\n"
                               "[Other]\r\nx=1\r\n\r\n[Reports]\r\nUse Grid=Yes\r\n");
}

TEST(ProfileDocument, AnEmptyDocumentGrowsSectionBySection)
{
    auto document = ProfileDocument::parse("");
    document.setValue("Misc", "A", "1");
    document.setValue("HTML", "B", "2");
    document.setValue("Misc", "C", "3");
    EXPECT_EQ(document.text(), "[Misc]\r\nA=1\r\nC=3\r\n\r\n[HTML]\r\nB=2\r\n");
    EXPECT_EQ(ProfileDocument::parse(document.text()).text(), document.text());
}

}  // namespace
}  // namespace qm
