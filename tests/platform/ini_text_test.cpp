// SPDX-License-Identifier: MIT
#include "platform/ini_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace varnholt;

namespace {

struct Save {
    const char* section;
    const char* key;
    const char* value;
};

std::string edited(const std::string& before, const std::vector<Save>& saves)
{
    IniText text(QByteArray::fromStdString(before));
    for (const Save& save : saves)
        text.setValue(QString::fromUtf8(save.section), QString::fromUtf8(save.key), QString::fromUtf8(save.value));
    return text.bytes().toStdString();
}

std::string read(const std::string& file, const char* section, const char* key)
{
    const auto value = IniText(QByteArray::fromStdString(file))
                           .value(QString::fromUtf8(section), QString::fromUtf8(key));
    return value ? value->toStdString() : "(none)";
}

} // namespace

TEST(IniText, HandEditedFilesKeepTheirShape)
{
    struct Row {
        const char* name;
        std::string before;
        std::vector<Save> saves;
        std::string after;
    };
    const std::vector<Row> rows{
        {"comments stay where they stand, a header may carry one",
         "; mine\n[Common] ; shared\nTitle=a\n; note\n",
         {{"Common", "Title", "b"}},
         "; mine\n[Common] ; shared\nTitle=b\n; note\n"},
        {"names match without regard to case, spelling kept",
         "[common]\ntitle=a\n",
         {{"Common", "Title", "b"}},
         "[common]\ntitle=b\n"},
        {"blanks around = are no part of the value",
         "[Common]\nTitle = a\n",
         {{"Common", "Title", "b"}},
         "[Common]\nTitle=b\n"},
        {"a line whose value stays is kept byte for byte",
         "[Common]\nTitle = caf\xE9\n[Other]\nLatin=caf\xE9\n",
         {{"Common", "Title", "caf\xC3\xA9"}},
         "[Common]\nTitle = caf\xE9\n[Other]\nLatin=caf\xE9\n"},
        {"new keys end their section, new sections the file, in the order saved",
         "[Common]\nTitle=a\n\n[Other]\nx=1",
         {{"ScreenSaver", "Speed", "5"}, {"Common", "Date", "2012-03-01"}, {"ScreenSaver", "Style", "1"}},
         "[Common]\nTitle=a\nDate=2012-03-01\n\n[Other]\nx=1\n[ScreenSaver]\nSpeed=5\nStyle=1\n"},
        {"leading blanks and own quotes survive in quotes",
         "",
         {{"A", "k", "  x"}, {"A", "q", "\"y\""}},
         "[A]\nk=\"  x\"\nq=\"\"y\"\"\n"},
        {"Windows line breaks stay", "[A]\r\nk=1\r\n", {{"A", "k", "2"}, {"A", "n", "3"}}, "[A]\r\nk=2\r\nn=3\r\n"},
        {"keys before the first header stay there", "[A]\nk=1\n", {{"", "top", "0"}}, "top=0\n[A]\nk=1\n"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(edited(row.before, row.saves), row.after) << row.name;
}

TEST(IniText, GarbageLinesAreIgnored)
{
    static const char
        text[] = "\xEF\xBB\xBFno equals sign here\r\n=no key\r\n[Common]\r\nSynchronize=0\r\n; comment=1\r\n"
                 "[broken\r\n  Title  =  spaced\r\n\0\xFF\xFE garbage\r\n\r\n[]\r\nLoose=1";
    const std::string file(text, sizeof text - 1);
    EXPECT_EQ(read(file, "Common", "Synchronize"), "0");
    EXPECT_EQ(read(file, "Common", "Title"), "spaced");
    EXPECT_EQ(read(file, "Common", "comment"), "(none)");
}

TEST(IniText, ValuesReadAsTyped)
{
    struct Row {
        std::string file;
        const char* section;
        const char* key;
        std::string value;
    };
    const std::vector<Row> rows{
        {"[Common] ; shared\nTitle=a\n", "Common", "Title", "a"},
        {"[COMMON]\nTITLE = a b  \n", "common", "title", "a b  "},
        {"\xEF\xBB\xBFTitle=a\n[X]\n", "", "Title", "a"},
        {"[A]\nk=caf\xE9 \x80\n", "A", "k", "caf\xC3\xA9 \xE2\x82\xAC"}, // Windows-1252 where no UTF-8
        {"[A]\nk=caf\xC3\xA9\n", "A", "k", "caf\xC3\xA9"},
        {"[A]\nk=\"  x\"\n", "A", "k", "  x"},
        {"[A]\nk=\"\n", "A", "k", "\""},
        {"[A]\n; k=1\n", "A", "k", "(none)"},
        {"[A] extra\nk=1\n", "A", "k", "(none)"}, // no header: its keys belong to the section before
        {"[A]\nk=1\n[B]\n", "B", "k", "(none)"},
        // Names match without regard to case, as other programs read the file: the first one counts.
        {"[A]\r\nspeed=1\r\nSpeed=75\r\nSPEED=2\r\n", "A", "Speed", "1"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(read(row.file, row.section, row.key), row.value) << row.file;
}
