#include "UnitClient.h"

#include "Exchange.h"
#include "FileOps.h"
#include "PasswordCodec.h"
#include "SettingsFileWriter.h"
#include "TextRules.h"
#include "Timestamp.h"
#include "UnitFailure.h"
#include "UnitFileReader.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

const PostParam kAccess{"access", "APP"};

void sleepMs(long ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string firstLine(const std::string& text)
{
    return text.substr(0, text.find_first_of("\r\n"));
}

// A reply the job cannot go on with: noted with its first line (shortened), and false.
bool unexpected(const std::string& reply)
{
    std::string shown = firstLine(reply).substr(0, 40);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e)
            c = '?';
    }
    UnitFailure::note(UnitFailure::Reason::UnexpectedReply, "answered \"" + shown + "\"");
    return false;
}

bool unreadable(const std::string& path)
{
    UnitFailure::note(UnitFailure::Reason::LocalFile, "cannot read " + path);
    return false;
}

} // namespace

UnitClient::UnitClient(Exchange& unit, CredentialsPrompt* prompt)
    : UnitClient(unit, prompt, Options())
{
}

UnitClient::UnitClient(Exchange& unit, CredentialsPrompt* prompt, Options options)
    : unit_(unit), prompt_(prompt), options_(std::move(options))
{
}

UnitClient::Login UnitClient::plain(const std::string& name, const std::string& storedPassword)
{
    Login login{name, {}};
    // A stored form that does not decode cannot log in; the recovery takes over.
    PasswordCodec::decode(storedPassword, name, login.password);
    return login;
}

UnitClient::Login UnitClient::own() const
{
    return plain(unit_.systemName(), unit_.password());
}

std::string UnitClient::stamp() const
{
    if (!options_.stamp.empty())
        return options_.stamp;
    std::string now;
    std::string error;
    Timestamp::current(now, error);
    return now;
}

bool UnitClient::get(Login& login, const std::string& path, std::string* reply)
{
    std::string body;
    Cgi cgi(prompt_, options_.cgi);
    const bool ok = cgi.get(body, unit_.targetAddressText(), unit_.targetWebPort(), login.name,
                            login.password, path);
    if (reply)
        *reply = std::move(body);
    return ok;
}

bool UnitClient::upload(Login& login, const std::string& path, std::string file, std::string* reply)
{
    // Settings files are large and every unit sends one at the same time: the file is
    // moved, not copied, into the form.
    std::vector<PostParam> fields{kAccess};
    fields.push_back({"file", std::move(file)});
    return post(login, path, fields, Cgi::Encoding::Multipart, reply);
}

bool UnitClient::post(Login& login, const std::string& path, const std::vector<PostParam>& fields,
                      Cgi::Encoding encoding, std::string* reply)
{
    std::string body;
    Cgi cgi(prompt_, options_.cgi);
    const bool ok = cgi.post(body, fields, unit_.targetAddressText(), unit_.targetWebPort(),
                             login.name, login.password, path, encoding);
    if (reply)
        *reply = std::move(body);
    return ok;
}

bool UnitClient::resetAfterWait(Login& login)
{
    sleepMs(options_.resetWaitMs);
    return get(login, "/reset.cgi");
}

bool UnitClient::finishUpload(bool sent, const std::string& reply, Login& login)
{
    if (!sent)
        return false;
    if (TextRules::equalsIgnoreCase(reply, "RESET"))
        return resetAfterWait(login);
    return TextRules::equalsIgnoreCase(reply, "OK") || unexpected(reply);
}

std::vector<PostParam> UnitClient::clockFields(const std::tm& t)
{
    static constexpr const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char date[16];
    char hour[4];
    char minute[4];
    std::snprintf(date, sizeof date, "%s/%02d/%04d", months[(t.tm_mon % 12 + 12) % 12],
                  t.tm_mday % 100, (t.tm_year + 1900) % 10000);
    std::snprintf(hour, sizeof hour, "%02d", t.tm_hour % 100);
    std::snprintf(minute, sizeof minute, "%02d", t.tm_min % 100);
    return {{"t_yy", date}, {"t_hh", hour}, {"t_mm", minute}};
}

bool UnitClient::setClock()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return setClock(local);
}

bool UnitClient::setClock(const std::tm& localTime)
{
    Login login = own();
    return post(login, "/time.cgi", clockFields(localTime), Cgi::Encoding::UrlEncoded);
}

bool UnitClient::checkLogin()
{
    Login login = own();
    if (!get(login, "/"))
        return false;
    // The credentials that worked (defaults or typed ones) are what the unit knows now.
    if (login.name != unit_.systemName() ||
        !PasswordCodec::matches(unit_.password(), login.name, login.password)) {
        unit_.setSystemName(login.name);
        unit_.setPassword(PasswordCodec::encode(login.password, login.name));
    }
    return true;
}

bool UnitClient::downloadSettings(FileOps& files, const std::string& path)
{
    std::string body;
    if (!fetchSettings(body))
        return false;
    if (!files.writeFile(path, body)) {
        UnitFailure::note(UnitFailure::Reason::LocalFile, "cannot write " + path);
        return false;
    }
    return true;
}

bool UnitClient::fetchSettings(std::string& file)
{
    Login login = own();
    Cgi cgi(prompt_, options_.cgi);
    // Only a whole settings file of this very unit may stand for its settings.
    if (!cgi.get(file, unit_.targetAddressText(), unit_.targetWebPort(), login.name, login.password,
                 "/file_download.cgi"))
        return false;
    using Reason = UnitFailure::Reason;
    if (!cgi.lastReplyComplete()) {
        UnitFailure::note(Reason::TimedOut, "the settings file stopped coming");
        return false;
    }
    const int number = UnitFileReader::unitNumber(file);
    if (number != unit_.exchangeNumber()) {
        UnitFailure::note(Reason::UnexpectedReply,
                          number > 0 ? "the settings file of unit " + std::to_string(number)
                                     : "no settings file");
        return false;
    }
    return true;
}

bool UnitClient::uploadSettings(const std::string& name, const std::string& storedPassword)
{
    Login login = plain(name, storedPassword);
    std::string reply;
    const bool sent =
        upload(login, "/file_upload.cgi", SettingsFileWriter::write(unit_, stamp()), &reply);
    return finishUpload(sent, reply, login);
}

bool UnitClient::uploadOwnSettings()
{
    return uploadSettings(unit_.systemName(), unit_.password());
}

bool UnitClient::changeSystemPassword(const std::string& newName,
                                      const std::string& newStoredPassword)
{
    Login old = own();
    unit_.setSystemName(newName);
    unit_.setPassword(newStoredPassword);
    const std::string file =
        SettingsFileWriter::writeCredentials(unit_, stamp(), newName, newStoredPassword);
    if (!upload(old, "/file_upload.cgi", file))
        return false;
    // The unit takes the new values when it restarts; until then it knows the old ones.
    return resetAfterWait(old);
}

bool UnitClient::uploadMaintenancePassword(const std::string& name,
                                           const std::string& storedPassword)
{
    Login login = plain(name, storedPassword);
    if (!upload(login, "/file_upload.cgi",
                SettingsFileWriter::writeMaintenancePassword(unit_, stamp())))
        return false;
    return resetAfterWait(login);
}

bool UnitClient::uploadOwnMaintenancePassword()
{
    return uploadMaintenancePassword(unit_.systemName(), unit_.password());
}

bool UnitClient::resetUnit(const std::string& name, const std::string& storedPassword)
{
    Login login = plain(name, storedPassword);
    return get(login, "/reset.cgi");
}

bool UnitClient::resetOwnUnit()
{
    return resetUnit(unit_.systemName(), unit_.password());
}

bool UnitClient::readFirmwareVersion()
{
    Login login = own();
    std::string reply;
    if (!get(login, "/prg_version.cgi", &reply))
        return false;
    unit_.setFirmwareVersion(firstLine(reply));
    return true;
}

const std::string& UnitClient::firmwareVersion() const
{
    return unit_.firmwareVersion();
}

bool UnitClient::uploadFirmware(const std::string& image)
{
    Login login = own();
    std::string reply;
    if (!upload(login, "/prg_upload.cgi", image, &reply))
        return false;
    if (TextRules::equalsIgnoreCase(reply, "BUSY")) {
        // The unit is still writing the image: ask again until it says how it went.
        const auto giveUp =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.busyPollLimitMs);
        bool polled = true;
        while (polled && TextRules::equalsIgnoreCase(reply, "BUSY")) {
            if (std::chrono::steady_clock::now() >= giveUp) {
                UnitFailure::note(UnitFailure::Reason::Busy,
                                  "still BUSY after " + std::to_string(options_.busyPollLimitMs) +
                                      " ms");
                return false;
            }
            polled = get(login, "/prg_upload.cgi?access=APP", &reply);
            if (polled && TextRules::equalsIgnoreCase(reply, "BUSY"))
                sleepMs(options_.busyPollWaitMs);
        }
        if (!polled)
            return false;
        if (!TextRules::equalsIgnoreCase(reply, "OK"))
            return unexpected(reply);
        return resetOwnUnit();
    }
    if (TextRules::equalsIgnoreCase(reply, "RESET"))
        return resetAfterWait(login);
    if (TextRules::equalsIgnoreCase(reply, "OK"))
        return resetOwnUnit();
    return unexpected(reply);
}

bool UnitClient::uploadFirmwareFile(FileOps& files, const std::string& path)
{
    std::string image;
    if (!files.readFile(path, image))
        return unreadable(path);
    return uploadFirmware(image);
}

bool UnitClient::uploadMessage(const std::string& data)
{
    Login login = own();
    return post(login, "/msg_upload.cgi", {kAccess, {"file", data}, {"upload", "test"}},
                Cgi::Encoding::Multipart);
}

bool UnitClient::uploadMessageFile(FileOps& files, const std::string& path)
{
    if (!files.exists(path))
        return true;
    std::string data;
    if (!files.readFile(path, data))
        return unreadable(path);
    return uploadMessage(data);
}

bool UnitClient::uploadMessagePaging(const std::string& name, const std::string& storedPassword)
{
    Login login = plain(name, storedPassword);
    std::string reply;
    const bool sent = upload(login, "/file_upload.cgi",
                             SettingsFileWriter::writeMessagePaging(unit_, stamp()), &reply);
    return finishUpload(sent, reply, login);
}

bool UnitClient::uploadOwnMessagePaging()
{
    return uploadMessagePaging(unit_.systemName(), unit_.password());
}
