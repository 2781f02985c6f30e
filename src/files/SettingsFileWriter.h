#pragma once

#include <string>
#include <string_view>

class AudioOut;
class ContactOut;
class Exchange;
class Station;
class System;

// Writes the settings file of one unit: the header lines, then every section in the order
// the units expect, CR LF line ends, "--" between the records of a section. The text is
// what is saved as "%03d.cfg" and what is uploaded to the unit.
//
// The writer only reads the model: run System::applyModelRules() first, so that what is
// written and what stays in memory agree.
class SettingsFileWriter
{
public:
    // stamp: local date and time of writing, "YYYY/MM/DD hh:mm:ss".
    static std::string write(const Exchange& unit, std::string_view stamp);

    // The partial files that change a unit's credentials, maintenance password or message
    // paging only: the header, an empty line, "[system]" with system_name and passwd, and
    // what the change needs.
    // Name and password the unit is to take.
    static std::string writeCredentials(const Exchange& unit, std::string_view stamp,
                                        std::string_view name, std::string_view storedPassword);
    // The unit's credentials and the system's maintenance password.
    static std::string writeMaintenancePassword(const Exchange& unit, std::string_view stamp);
    // The unit's credentials and its message-paging section.
    static std::string writeMessagePaging(const Exchange& unit, std::string_view stamp);

private:
    SettingsFileWriter(const Exchange& unit) : unit_(unit) {}

    void heading(std::string_view section);
    void line(std::string_view key, std::string_view value);
    void line(std::string_view key, int value);
    void separator(bool& first);
    // One record per line 1..perUnit of every unit: "idKey=X:n", then what body(unit, n)
    // writes.
    template <class Body>
    void everyLine(std::string_view section, std::string_view idKey, int perUnit, Body body);

    void header(std::string_view stamp);
    void credentials(std::string_view name, std::string_view storedPassword);
    void network();
    void wanAccess();
    void streamSpec();
    void otherExchanges();
    void systemSection();
    void stationTable();
    void audioInTable();
    void audioOutTable();
    void contactInTable();
    void contactOutTable();
    void groupBlock();
    void paging();
    void function();
    void bgm();
    void stationAttributes();
    void messagePaging();
    void transfer();
    void oneTouchDial();
    void bgmMode();
    void remote();
    void audioInAttributes();
    void audioOutAttributes();
    void contactInAttributes();
    void contactOutAttributes();

    const Exchange& unit_;
    std::string out_;
};
