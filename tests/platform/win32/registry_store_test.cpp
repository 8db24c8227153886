// SPDX-License-Identifier: MIT
#include "platform/win32/registry_store.h"

#include "core/settings/settings_io.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>
#include <windows.h>

namespace varnholt {
namespace {

using Values = std::map<std::wstring, std::wstring>;

// Each test works in a key of its own below HKEY_CURRENT_USER, removed after it.
class RegistryStoreTest : public testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()); }

    void put(const std::wstring& section, const wchar_t* name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, (path + L'\\' + section).c_str(), name, type, data, size),
                  ERROR_SUCCESS);
    }
    void putText(const std::wstring& section, const wchar_t* name, const std::wstring& text)
    {
        put(section, name, REG_SZ, text.c_str(), DWORD((text.size() + 1) * sizeof(wchar_t)));
    }

    // The values of a section by name (the registry keeps no order of its own); a value that is not
    // REG_SZ is shown by its type.
    Values listed(const std::wstring& section) const
    {
        Values values;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, (path + L'\\' + section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return values;
        wchar_t name[256];
        BYTE data[1024];
        for (DWORD i = 0;; ++i) {
            DWORD nameLength = 256, type = 0, size = sizeof data;
            if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS)
                break;
            values[std::wstring(name, nameLength)] = type == REG_SZ ? reinterpret_cast<const wchar_t*>(data)
                                                                    : L"(type " + std::to_wstring(type) + L')';
        }
        RegCloseKey(key);
        return values;
    }

    const std::wstring path = L"Software\\Kestle\\VarnholtTest\\" + std::to_wstring(GetCurrentProcessId());
};

TEST_F(RegistryStoreTest, ReadsTextValuesOfEverySectionWithoutCase)
{
    putText(L"Common", L"Title", L"Gr\u00fc\u00dfe \u2014 \u65e5\u672c");
    putText(L"ScreenSaver", L"Speed", L"75");
    const wchar_t expandable[] = L"%TEMP%\\x";
    put(L"ScreenSaver", L"ImagePath", REG_EXPAND_SZ, expandable, sizeof expandable);
    const DWORD seven = 7;
    put(L"ScreenSaver", L"Style", REG_DWORD, &seven, sizeof seven);
    put(L"ScreenSaver", L"Position", REG_BINARY, "\1\2", 2);
    RegistryStore store(path);

    struct Row {
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"Common", "Title", "Gr\u00fc\u00dfe \u2014 \u65e5\u672c"}, // UTF-8 for the core
        {"screensaver", "SPEED", "75"},
        {"ScreenSaver", "ImagePath", "%TEMP%\\x"}, // as written, not expanded
        {"ScreenSaver", "Style", "7"},
        {"ScreenSaver", "Position", std::nullopt}, // no text
        {"ScreenSaver", "Title", std::nullopt},
        {"Elsewhere", "Title", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(store.value(row.section, row.key), row.expected) << row.section << '\\' << row.key;

    // Another program's change shows from the next refresh on, as a load begins with one.
    putText(L"ScreenSaver", L"Speed", L"20");
    EXPECT_EQ(store.value("ScreenSaver", "Speed"), "75");
    store.refresh();
    EXPECT_EQ(store.value("ScreenSaver", "Speed"), "20");
    EXPECT_EQ(RegistryStore().location(), "HKEY_CURRENT_USER\\Software\\Kestle\\Varnholt");
}

TEST_F(RegistryStoreTest, CommitWritesTheSavedValuesInOrderAndDeletesNothing)
{
    putText(L"Common", L"Comment", L"another program's");
    putText(L"Other", L"Kept", L"yes");
    RegistryStore store(path);
    store.saveSetting("Common", "Title", "Line one\r\nline two");
    store.saveSetting("ScreenSaver", "Speed", "60");
    store.saveSetting("Common", "Date", "2011-01-01");
    store.saveSetting("Common", "Date", "2012-02-29"); // the later write stands
    EXPECT_EQ(listed(L"Common"), (Values{{L"Comment", L"another program's"}})) << "written before the commit";

    ASSERT_TRUE(store.commit());
    EXPECT_EQ(
        listed(L"Common"),
        (Values{{L"Comment", L"another program's"}, {L"Date", L"2012-02-29"}, {L"Title", L"Line one\r\nline two"}}));
    EXPECT_EQ(listed(L"ScreenSaver"), (Values{{L"Speed", L"60"}}));
    EXPECT_EQ(listed(L"Other"), (Values{{L"Kept", L"yes"}}));
    EXPECT_EQ(store.value("Common", "Date"), "2012-02-29");

    putText(L"ScreenSaver", L"Speed", L"20");
    ASSERT_TRUE(store.commit()); // nothing saved since: nothing written again
    EXPECT_EQ(listed(L"ScreenSaver"), (Values{{L"Speed", L"20"}}));
}

// The core's own load and write over the registry give what they give over memory.
TEST_F(RegistryStoreTest, SettingsWrittenAndLoadedByTheCoreMatchMemory)
{
    test::MemoryStore memory;
    RegistryStore registry(path);
    const test::FixedClock clock(test::ymd(2011, 3, 15));
    EXPECT_EQ(loadSettings(registry, clock).settings, loadSettings(memory, clock).settings) << "defaults";

    EditedSettings edited;
    edited.record.Title = "A title";
    edited.record.TextFontBold[1] = false;
    edited.date = test::ymd(2012, 2, 29);
    ASSERT_TRUE(writeSettings(memory, edited));
    ASSERT_TRUE(writeSettings(registry, edited));

    Values expected;
    for (const auto& [section, key] : memory.writes) {
        const std::string& text = memory.values.at({section, key});
        if (section == "ScreenSaver")
            expected[std::wstring(key.begin(), key.end())] = std::wstring(text.begin(), text.end());
    }
    EXPECT_EQ(listed(L"ScreenSaver"), expected);
    EXPECT_EQ(loadSettings(RegistryStore(path), clock).settings, loadSettings(memory, clock).settings);
}

TEST_F(RegistryStoreTest, TwoWritersKeepEachOthersValues)
{
    RegistryStore first(path);
    RegistryStore second(path);
    first.saveSetting("Common", "Title", "first");
    first.saveSetting("ScreenSaver", "Speed", "10");
    second.saveSetting("Common", "Title", "second");
    second.saveSetting("ScreenSaver", "Style", "1");
    ASSERT_TRUE(first.commit());
    ASSERT_TRUE(second.commit());

    first.refresh();
    EXPECT_EQ(first.value("Common", "Title"), "second");
    EXPECT_EQ(listed(L"ScreenSaver"), (Values{{L"Speed", L"10"}, {L"Style", L"1"}}));
}

TEST_F(RegistryStoreTest, CommitThatFailsSaysWhyAndKeepsTheValues)
{
    RegistryStore store(path);
    store.saveSetting(std::string(300, 's'), "Title", "x"); // longer than a key name may be
    const CommitResult result = store.commit();
    ASSERT_FALSE(result);
    EXPECT_FALSE(result.failure->empty());
    EXPECT_FALSE(store.commit()) << "the value is still to be written";
}

} // namespace
} // namespace varnholt
