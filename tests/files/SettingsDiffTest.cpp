#include "SettingsDiff.h"

#include <gtest/gtest.h>

namespace {

std::string file(const std::string& body, const std::string& stamp = "2026/12/10 09:00:00")
{
    return "IP Intercom Configuration File\r\nZUN Corporation.\r\n\r\n[header]\r\nupdate=" + stamp +
           "\r\nver=\r\n\r\n" + body;
}

std::string shown(const std::vector<SettingsDiff::Change>& changes)
{
    std::string text;
    for (const SettingsDiff::Change& c : changes)
        text += c.section + " " + c.key + ": " + (c.onlyAfter ? "-" : c.before) + " -> " +
                (c.onlyBefore ? "-" : c.after) + "\n";
    return text;
}

TEST(SettingsDiff, ListsEachChangedKeyAndNothingElse)
{
    const struct {
        const char* name;
        std::string before;
        std::string after;
        const char* changes;
    } cases[] = {
        {"only the time differs", file("[network]\r\nip_address=198.18.0.11\r\n"),
         file("[network]\r\nip_address=198.18.0.11\r\n", "2027/01/01 00:00:00"), ""},
        {"a value", file("[network]\r\nip_address=198.18.0.11\r\nsubnet=255.255.255.0\r\n"),
         file("[network]\r\nip_address=198.18.0.12\r\nsubnet=255.255.255.0\r\n"),
         "[network] ip_address: 198.18.0.11 -> 198.18.0.12\n"},
        {"a key on one side", file("[network]\r\nip_address=198.18.0.11\r\n"),
         file("[network]\r\nip_address=198.18.0.11\r\ngateway=\r\n"), "[network] gateway: - -> \n"},
        {"a section on one side", file(""), file("[remote]\r\nport=5\r\n"),
         "[remote] port: - -> 5\n"},
        {"records of a section by place", file("[station]\r\nsta_no=100\r\n--\r\nsta_no=101\r\n"),
         file("[station]\r\nsta_no=100\r\n--\r\nsta_no=102\r\n"),
         "[station] 2 sta_no: 101 -> 102\n"},
        {"a key given twice, by place", file("[paging]\r\nzone=1\r\nzone=2\r\n"),
         file("[paging]\r\nzone=1\r\nzone=3\r\n"), "[paging] zone: 2 -> 3\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shown(SettingsDiff::compare(c.before, c.after)), c.changes);
    }
}

} // namespace
