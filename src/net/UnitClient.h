#pragma once

#include "Cgi.h"

#include <ctime>
#include <string>

class CredentialsPrompt;
class Exchange;
class FileOps;

// The jobs the program does on one unit through its CGI programs: settings upload and
// download, clock, reset, credentials, maintenance password, firmware, messages and
// message paging. The unit is reached at the Exchange's target address and web port.
//
// "Own" credentials are the system name and stored password the Exchange holds; "given"
// ones are passed by the caller in the same stored form. Every job returns true on
// success and shows nothing; callers collect the units that failed.
class UnitClient
{
public:
    struct Options {
        Cgi::Options cgi;
        // Before a reset that follows an upload.
        long resetWaitMs = 2000;
        // Between polls of a firmware upload that answered "BUSY", and the longest the
        // polling may go on before the upload counts as failed.
        long busyPollWaitMs = 2000;
        long busyPollLimitMs = 10 * 60 * 1000;
        // Date and time in the header of the files sent; empty for now.
        std::string stamp;
    };

    UnitClient(Exchange& unit, CredentialsPrompt* prompt);
    UnitClient(Exchange& unit, CredentialsPrompt* prompt, Options options);

    // The unit's clock to the PC's local time.
    bool setClock();
    bool setClock(const std::tm& localTime);
    // Logs in; the credentials that worked become the Exchange's own.
    bool checkLogin();
    // The unit's settings file into path. A failed or cut-short download, or an answer that
    // is no settings file of a unit, leaves any file at path as it was.
    bool downloadSettings(FileOps& files, const std::string& path);
    // The unit's settings file, whole and its own, into file; false (file unspecified)
    // otherwise.
    bool fetchSettings(std::string& file);
    bool uploadSettings(const std::string& name, const std::string& storedPassword);
    bool uploadOwnSettings();
    // Sends the new name and password, authenticated with the old ones, then resets the
    // unit. The Exchange holds the new ones from the start.
    bool changeSystemPassword(const std::string& newName, const std::string& newStoredPassword);
    bool uploadMaintenancePassword(const std::string& name, const std::string& storedPassword);
    bool uploadOwnMaintenancePassword();
    bool resetUnit(const std::string& name, const std::string& storedPassword);
    bool resetOwnUnit();
    // The first line of the unit's answer becomes the Exchange's firmware version.
    bool readFirmwareVersion();
    const std::string& firmwareVersion() const;
    bool uploadFirmware(const std::string& image);
    bool uploadFirmwareFile(FileOps& files, const std::string& path);
    bool uploadMessage(const std::string& data);
    // True without sending anything when there is no file at path.
    bool uploadMessageFile(FileOps& files, const std::string& path);
    bool uploadMessagePaging(const std::string& name, const std::string& storedPassword);
    bool uploadOwnMessagePaging();

    // The fields of a clock request: "Mar/06/2026", "09", "05" whatever the user's locale.
    static std::vector<PostParam> clockFields(const std::tm& localTime);

private:
    struct Login {
        std::string name;
        std::string password; // plain
    };
    static Login plain(const std::string& name, const std::string& storedPassword);
    Login own() const;

    bool get(Login& login, const std::string& path, std::string* reply = nullptr);
    bool upload(Login& login, const std::string& path, std::string file,
                std::string* reply = nullptr);
    bool post(Login& login, const std::string& path, const std::vector<PostParam>& fields,
              Cgi::Encoding encoding, std::string* reply = nullptr);
    // Reply rule of the settings uploads: "OK" is done, "RESET" wants a reset first.
    bool finishUpload(bool sent, const std::string& reply, Login& login);
    bool resetAfterWait(Login& login);
    std::string stamp() const;

    Exchange& unit_;
    CredentialsPrompt* prompt_;
    Options options_;
};
