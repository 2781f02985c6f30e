#include "Tool.h"

#include "CommandError.h"
#include "CommandLine.h"
#include "Commands.h"
#include "DataFolder.h"
#include "LanguageChoice.h"
#include "MessageCommands.h"
#include "MessageFolder.h"
#include "PosixFileOps.h"
#include "PrintCommand.h"
#include "ScanCommands.h"
#include "SecretInput.h"
#include "SystemStore.h"
#include "TerminalPrompt.h"
#include "TextRules.h"
#include "UnitCommands.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <ostream>
#include <set>
#include <unistd.h>

namespace {

enum class Command {
    Systems,
    Check,
    Export,
    Settings,
    New,
    Add,
    Upload,
    Download,
    Clock,
    Passwd,
    Firmware,
    Login,
    ScanUnits,
    Survey,
    Netset,
    MsgImport,
    MsgExport,
    MsgInfo,
    MsgRecord,
    MsgPlay,
    MsgList,
    MsgSend,
    Print
};

using Kind = CommandLine::Kind;
const CommandLine::Option kNoPrompt{
    "no-prompt", "", "fail a unit that refuses the login instead of asking", Kind::Switch};
const CommandLine::Option kUnits{
    "unit", "N[,M...]", "only these units: numbers and ranges, like 1,3,5-7", Kind::Optional};
const CommandLine::Option kJson{"json", "", "print one JSON document instead of lines",
                                Kind::Switch};
const CommandLine::Option kInterface{
    "interface", "IF", "broadcast from this interface only (again for more)", Kind::Repeated};
const CommandLine::Option kPasswordFile{
    "password-file", "FILE", "read the password from the first line of FILE (- for standard input)",
    Kind::Optional};
constexpr const char* kUnitsNote =
    "Every registered unit is reached at once, one worker each. Prints one line per unit as\n"
    "it ends (number, name, address, ok, or failed with the reason: unreachable, refused\n"
    "the connection (still restarting?), login refused, timed out, unexpected reply, busy,\n"
    "local file), then a recap of the counts, then the units that failed on stderr; the\n"
    "exit status is 1 when any failed. On a terminal a counter of the units done and\n"
    "failed stands on stderr meanwhile. --json prints one document instead: command,\n"
    "system, units (number, name, address, result, reason, detail, elapsedMs), and the\n"
    "counts ok, failed and unchanged. A unit that refuses the system's credentials is\n"
    "tried with the factory ones (R-4000, r4000), then the name and password are asked\n"
    "for on the terminal, twice at most.\n";

const CommandLine::Option kGain{"gain", "DB", "louder or softer: -15 to 15 dB in steps of 3",
                                Kind::Optional};
const CommandLine::Option kNarrowband{"narrowband", "", "the 8 kHz track instead of the 16 kHz one",
                                      Kind::Switch};
const CommandLine::Option kStandardMessages{
    "messages", "DIR", "the standard messages (default: the folder Message beside r4000ctl)",
    Kind::Optional};
constexpr const char* kMessageNote =
    "A file that is not what it should be is named with the reason (exit status 2), and\n"
    "nothing is written.\n";

struct Entry {
    Command command;
    CommandLine::Syntax syntax;
};

const std::vector<Entry>& commands()
{
    static const std::vector<Entry> table = {
        {Command::Systems,
         {"systems",
          {},
          {kJson},
          "list the known systems",
          "Lists the systems of the data folder, one name a line, sorted; with --json\n"
          "{\"systems\": [names]}.\n"}},
        {Command::Check,
         {"check",
          {"SYSTEM"},
          {kJson},
          "load a system and summarise it",
          "Loads SYSTEM and prints its name, its station, paging and access-number digit\n"
          "counts, and one line per unit: number, type (EX exchange, MI multi-interface\n"
          "unit, IP IP station), model, name and address. --json gives the same as one\n"
          "object: name, stationDigits, pagingDigits, accessNumberDigits and units\n"
          "(number, type, model, name, address).\n"}},
        {Command::Export,
         {"export",
          {"SYSTEM"},
          {{"to", "OUTDIR", "the folder to write into (created when missing)"}},
          "write a system's files into another folder",
          "Loads SYSTEM and writes its system file and settings files into OUTDIR exactly\n"
          "as a save writes them into the system folder. The system itself is not changed.\n"
          "$R4000_TIMESTAMP (\"YYYY/MM/DD hh:mm:ss\") fixes the time in the file headers.\n"}},
        {Command::Settings,
         {"settings",
          {"SYSTEM", "N"},
          {},
          "print the settings file of unit N",
          "Prints the settings file of unit N of SYSTEM to standard output: the bytes an\n"
          "upload sends to the unit. $R4000_TIMESTAMP fixes the time in the header.\n"}},
        {Command::New,
         {"new",
          {"SYSTEM"},
          {{"password", "P", "the system password: 1 to 15 ASCII characters", Kind::Optional},
           kPasswordFile},
          "create a new, empty system",
          "Creates an empty system named SYSTEM (leading and trailing white space removed;\n"
          "up to 15 characters, none of \\/:,;*?\"<>|) protected by a password: from\n"
          "--password-file, or typed twice without echo on a terminal. --password P also\n"
          "works, but every user of the machine sees P in the process list meanwhile.\n"}},
        {Command::Add,
         {"add",
          {"SYSTEM", "MODEL"},
          {{"ip", "ADDRESS", "the unit's LAN address"},
           {"name", "NAME", "the unit's name (default: the model's)", Kind::Optional}},
          "add a unit to a system",
          "Adds a unit of MODEL (R-4100EX, R-4120EX, R-4100MI, R-4700MS, R-4760DS, ...)\n"
          "after the last unit of SYSTEM, at ADDRESS, with the model's default settings.\n"}},
        {Command::Upload,
         {"upload",
          {"SYSTEM"},
          {kUnits,
           {"diff", "", "first show each unit's settings that will change; send only those",
            Kind::Switch},
           {"dry-run", "", "show what would change, and send nothing", Kind::Switch},
           {"verify", "", "after the units restart, check that they took what was sent",
            Kind::Switch},
           {"restart-wait", "MS",
            "--verify: how long a unit may take to restart and show its new settings "
            "(default 30000)",
            Kind::Optional},
           kJson,
           kNoPrompt},
          "send every unit its settings",
          std::string(
              "Saves SYSTEM, then sends every unit its settings file; a unit that wants it is\n"
              "reset. A unit with other credentials takes the system's.\n"
              "--diff first fetches each unit's settings and lists, under its line, each\n"
              "setting that will change: [section] (and record) key: \"unit's\" -> \"system's\"\n"
              "(the header's time left out, passwords hidden); a unit is then unchanged or\n"
              "differs, and only the units that differ are sent their settings. --dry-run stops\n"
              "after that list and changes nothing. --verify fetches the settings of each unit\n"
              "that was sent them once it has restarted, and fails a unit whose settings are\n"
              "not what was sent (\"settings did not take\"), listing the ones that differ.\n") +
              kUnitsNote}},
        {Command::Download,
         {"download",
          {"SYSTEM"},
          {{"restart-wait", "MS",
            "how long a unit given the system's credentials may take to restart "
            "(default 30000)",
            Kind::Optional},
           {"check", "", "compare the units' settings with the system's, and change nothing",
            Kind::Switch},
           kUnits,
           kJson,
           kNoPrompt},
          "fetch every unit's settings into the system",
          std::string("Gives every unit with other credentials the system's, then fetches the\n"
                      "settings file of each unit into the system folder and loads the system\n"
                      "from it. A unit that fails keeps its local file.\n"
                      "--check fetches each unit's settings and holds them against what the\n"
                      "system would send it, as upload --diff shows them, changing nothing; the\n"
                      "exit status is 1 when any unit differs or failed.\n") +
              kUnitsNote}},
        {Command::Clock,
         {"clock",
          {"SYSTEM"},
          {kUnits, kJson, kNoPrompt},
          "set every unit's clock to this computer's",
          std::string("Sets the clock of every unit to this computer's local time (minutes).\n") +
              kUnitsNote}},
        {Command::Passwd,
         {"passwd",
          {"SYSTEM"},
          {{"name", "NEW", "the new system name", Kind::Optional},
           {"password", "NEW",
            "the new system password (seen in the process list: prefer --password-file)",
            Kind::Optional},
           kPasswordFile,
           {"maintenance", "DIGITS", "the new station-maintenance password (4 digits)",
            Kind::Optional},
           kJson,
           kNoPrompt},
          "change the system or maintenance password on every unit",
          std::string(
              "Gives every unit the new system name and/or password (each unit is reset), or\n"
              "the new station-maintenance password, then saves SYSTEM; under a new name the\n"
              "system folder is renamed. A unit that fails keeps its old credentials in the\n"
              "system, so a later attempt still logs in.\n") +
              kUnitsNote}},
        {Command::Firmware,
         {"firmware",
          {"SYSTEM", "N", "FILE"},
          {{"all-at-once", "", "send to every unit named at the same time", Kind::Switch},
           kJson,
           kNoPrompt},
          "send a firmware image to units",
          std::string(
              "Sends the firmware image FILE to the units N of SYSTEM: a number, numbers and\n"
              "ranges like 1,3,5-7, or all. Each unit is sent the image, waited for while it\n"
              "answers BUSY, and reset when it took the image; one unit after the other,\n"
              "stopping at the first that fails, or all of them at once with --all-at-once.\n") +
              kUnitsNote}},
        {Command::Login,
         {"login",
          {"SYSTEM"},
          {kUnits, kJson, kNoPrompt},
          "check that every unit can be logged in to",
          std::string("Logs in to every unit. The credentials that worked are kept in SYSTEM.\n") +
              kUnitsNote}},
        {Command::ScanUnits,
         {"scan",
          {},
          {{"csv", "FILE", "also write the units found into FILE (scan.csv form)", Kind::Optional},
           kInterface,
           kJson},
          "find the units on the local networks",
          "Broadcasts a request from every local interface that is up (or from each\n"
          "--interface), all at the same time, waits 3 s for the answers and lists every unit\n"
          "that answered: MAC address, model, IP address, subnet mask, default gateway, web\n"
          "port and name. --json gives {\"units\": [...]} with mac, model, address, mask,\n"
          "gateway, port, name and interface (the local address the answer came in on).\n"
          "Exit status 2 without a usable interface.\n"}},
        {Command::Survey,
         {"survey",
          {"SYSTEM"},
          {kInterface, kJson},
          "scan the site and hold it against a system",
          "Scans as scan does and holds the units that answered against SYSTEM. Each unit of\n"
          "the system is found (at its address, of its model), of another model (at its\n"
          "address), at another address (found by its unit name), or missing. Then the\n"
          "units that answered and are not in the system, and any address more than one\n"
          "unit answered from. Exit status 1 when anything differs. --json gives system,\n"
          "units (number, name, model, address, status: found, model-differs, elsewhere or\n"
          "missing, and found: what answered), notInSystem, sharedAddresses (address, macs)\n"
          "and differs.\n"}},
        {Command::Netset,
         {"netset",
          {"MAC"},
          {{"ip", "ADDRESS", "the new IP address", Kind::Optional},
           {"mask", "MASK", "the new subnet mask", Kind::Optional},
           {"gateway", "ADDRESS", "the new default gateway (0.0.0.0 for none)", Kind::Optional},
           {"name", "NAME", "the new unit name, up to 8 characters (default: kept)",
            Kind::Optional},
           {"port", "PORT", "the new web port (default: kept)", Kind::Optional},
           {"from", "FILE", "every unit of a scan list (scan --csv), edited, instead of MAC",
            Kind::Optional},
           {"restart-wait", "MS", "how long the units may take to restart (default 30000)",
            Kind::Optional},
           kInterface},
          "give units found by scan new addresses",
          "Scans, writes the new settings into the unit with that MAC address (like\n"
          "00-1A-2B-3C-4D-5E; --ip, --mask and --gateway are needed), resets it, waits for it\n"
          "to restart and scans again to show its new settings. Exit status 1 when the unit\n"
          "does not answer, does not acknowledge, or does not come back with the new settings.\n"
          "--from FILE does the same for every row of a scan list as scan --csv writes it,\n"
          "with its addresses, masks, gateways, ports and names edited: every row is checked\n"
          "first (nothing is sent when one is refused), a unit already so set is left\n"
          "unchanged, the others are written and reset, and after one wait a second scan\n"
          "shows each as ok or failed with the reason.\n",
          1}},
        {Command::MsgImport,
         {"msg import",
          {"WAVE"},
          {{"to", "FILE.pmf", "the message file to write"},
           {"name", "NAME", "the message's name (default: the WAVE file's title)", Kind::Optional},
           kGain},
          "make a message file of a WAVE file",
          "WAVE is a 16 kHz, 16-bit mono WAVE file of at most 20 s (longer ones are cut);\n"
          "writes the message file --to FILE.pmf.\n" +
              std::string(kMessageNote)}},
        {Command::MsgExport,
         {"msg export",
          {"MESSAGE"},
          {{"to", "FILE.wav", "the WAVE file to write"}, kNarrowband},
          "write a message's track as a WAVE file",
          "Writes the track of the message file MESSAGE --to FILE.wav.\n" +
              std::string(kMessageNote)}},
        {Command::MsgInfo,
         {"msg info",
          {"MESSAGE"},
          {},
          "describe a message file",
          "Prints the name, date, track lengths and sizes of the message file MESSAGE.\n" +
              std::string(kMessageNote)}},
        {Command::MsgRecord,
         {"msg record",
          {},
          {{"seconds", "N", "how long, 1 to 20 seconds"},
           {"to", "FILE.pmf", "the message file to write"},
           {"name", "NAME", "the message's name"}},
          "record a message from the sound input",
          "Records --seconds N from the default sound input into the message file --to\n"
          "FILE.pmf, named --name NAME.\n"}},
        {Command::MsgPlay,
         {"msg play",
          {"MESSAGE"},
          {kNarrowband, kGain},
          "play a message on the sound output",
          "Plays the message file MESSAGE on the default sound output.\n" +
              std::string(kMessageNote)}},
        {Command::MsgList,
         {"msg list",
          {"SYSTEM"},
          {kStandardMessages},
          "list the message each station is given",
          "Lists the IP master stations of SYSTEM with the message msglist.csv gives each\n"
          "(and where it is found), and the system's siren.\n"}},
        {Command::MsgSend,
         {"msg send",
          {"SYSTEM"},
          {{"siren", "VALUE",
            "first give every unit this siren: 1 zone paging chime, 0 all-call chime, 32-36 "
            "sirens 1-5, 255 none",
            Kind::Optional},
           kStandardMessages,
           kJson,
           kNoPrompt},
          "send each station its message",
          std::string("Sends each IP master station of SYSTEM the message msglist.csv gives it\n"
                      "(the system's own messages first, then the standard ones); with --siren,\n"
                      "first gives every unit the new siren and saves the system.\n") +
              kUnitsNote}},
        {Command::Print,
         {"print",
          {"SYSTEM"},
          {{"pdf", "FILE", "the PDF file to write"},
           {"pages", "FROM-TO", "only these pages (or one page N)", Kind::Optional}},
          "print a system's configuration report as a PDF",
          "Writes the configuration report of SYSTEM, as the System Setting Tool prints it,\n"
          "into the PDF FILE (A4), in the language of the environment. Needs no display.\n"
          "Exit status 2, and nothing written, when FROM is beyond the report's last page.\n"}},
    };
    return table;
}

// How long a unit may take to restart, in milliseconds.
long restartWait(const std::optional<std::string>& value)
{
    if (!value)
        return 30000;
    unsigned long ms = 0;
    if (!TextRules::parseNumber(*value, 600000, ms))
        throw CommandError("--restart-wait must be 0..600000 milliseconds");
    return long(ms);
}

// The options before the command word: the data folder, or a request for help.
struct GlobalOptions {
    std::string dataFolder;
    bool verbose = false;
    bool help = false;
    bool version = false;
    // The place of the command word; args.size() when there is none.
    std::size_t command = 0;
};

GlobalOptions readGlobalOptions(const std::vector<std::string>& args)
{
    static const std::vector<CommandLine::Option> taken = {
        {"data-dir", "DIR", "", Kind::Optional},
    };
    QCommandLineParser parser;
    // The first word that is no option is the command; the words after it are its own.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOptions(
        {{{"h", "help"}, {}}, {"version", {}}, {{"v", "verbose"}, {}}, {"data-dir", {}, "DIR"}});
    if (!parser.parse(CommandLine::arguments(args))) {
        const bool unknown = !parser.unknownOptionNames().isEmpty();
        throw CommandError(CommandLine::failure(parser, taken) +
                           (unknown ? " (see 'r4000ctl --help')" : ""));
    }
    GlobalOptions options;
    options.help = parser.isSet("help");
    options.version = parser.isSet("version");
    options.verbose = parser.isSet("verbose");
    if (parser.isSet("data-dir")) {
        options.dataFolder = parser.value("data-dir").toStdString();
        if (options.dataFolder.empty())
            throw CommandError("option '--data-dir' needs a value (DIR)");
    }
    options.command = args.size() - std::size_t(parser.positionalArguments().size());
    return options;
}

const Entry* find(const std::string& name)
{
    const auto& table = commands();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&name](const Entry& e) { return e.syntax.name == name; });
    return it == table.end() ? nullptr : &*it;
}

} // namespace

bool Tool::draws(const std::vector<std::string>& args)
{
    try {
        const GlobalOptions options = readGlobalOptions(args);
        return !options.help && options.command < args.size() && args[options.command] == "print";
    } catch (const CommandError&) {
        return false;
    }
}

std::string Tool::help() const
{
    std::string text = "usage: r4000ctl [-v] [--data-dir DIR] <command> [options]\n"
                       "\n"
                       "Sets up and maintains an R-4000 intercom system.\n"
                       "\n"
                       "Commands:\n";
    for (const Entry& entry : commands()) {
        std::string usage = CommandLine::usage(entry.syntax);
        usage = "  " + usage.substr(usage.find(entry.syntax.name));
        // A long usage gets its summary on a line of its own.
        usage = usage.size() + 2 > 34 ? usage + "\n" + std::string(34, ' ')
                                      : usage + std::string(34 - usage.size(), ' ');
        text += usage + entry.syntax.summary + "\n";
    }
    text += "\n"
            "Options:\n"
            "  --data-dir DIR                  the data folder; default $R4000_DATA_DIR, else\n"
            "                                  $XDG_DATA_HOME/ZUN/R-4000 or\n"
            "                                  ~/.local/share/ZUN/R-4000\n"
            "  -v, --verbose                   every HTTP request to a unit on stderr: unit,\n"
            "                                  method, path, status, time (never credentials\n"
            "                                  or contents)\n"
            "  -h, --help                      this help; 'r4000ctl COMMAND --help' for a command\n"
            "  --version                       the version of r4000ctl\n"
            "\n"
            "Exit status: 0 success, 1 some units failed, 2 bad usage or bad input.\n";
    return text;
}

std::string Tool::messageHelp() const
{
    std::string text = "usage: r4000ctl msg ACTION ...\n"
                       "\n"
                       "Makes, describes and sends voice messages. ACTION is one of:\n";
    for (const Entry& entry : commands()) {
        if (entry.syntax.name.rfind("msg ", 0) == 0)
            text += "  " + entry.syntax.name.substr(4) +
                    std::string(10 - (entry.syntax.name.size() - 4), ' ') + entry.syntax.summary +
                    "\n";
    }
    return text + "\n'r4000ctl msg ACTION --help' tells more of each.\n";
}

int Tool::run(const std::vector<std::string>& args)
{
    int status = BadUsage;
    try {
        status = runCommand(args);
    } catch (const CommandError& error) {
        err_ << "r4000ctl: " << error.what() << '\n';
        return BadUsage;
    } catch (const std::exception& error) {
        err_ << "r4000ctl: " << error.what() << '\n';
        return BadUsage;
    }
    if (!out_.flush()) {
        err_ << "r4000ctl: cannot write to standard output\n";
        return BadUsage;
    }
    return status;
}

int Tool::runCommand(const std::vector<std::string>& args)
{
    const GlobalOptions options = readGlobalOptions(args);
    if (options.help) {
        out_ << help();
        return Success;
    }
    if (options.version) {
        out_ << "r4000ctl " R4000_VERSION "\n";
        return Success;
    }
    const std::string& dataFolder = options.dataFolder;
    const std::size_t i = options.command;
    if (i == args.size())
        throw CommandError("missing command (see 'r4000ctl --help')");
    // msg has subcommands of its own: "msg import", "msg send", ...
    std::string name = args[i];
    std::size_t words = i + 1;
    if (name == "msg") {
        if (words == args.size())
            throw CommandError("msg: missing ACTION (see 'r4000ctl msg --help')");
        if (args[words] == "--help" || args[words] == "-h") {
            out_ << messageHelp();
            return Success;
        }
        name += " " + args[words++];
    }
    const Entry* entry = find(name);
    if (!entry && name.rfind("msg ", 0) == 0)
        throw CommandError(
            "msg: ACTION is import, export, info, record, play, list or send, not '" +
            name.substr(4) + "' (see 'r4000ctl msg --help')");
    if (!entry)
        throw CommandError("unknown command '" + name + "' (see 'r4000ctl --help')");

    const CommandLine line(entry->syntax,
                           std::vector<std::string>(args.begin() + long(words), args.end()));
    if (line.helpRequested()) {
        out_ << CommandLine::help(entry->syntax);
        return Success;
    }

    PosixFileOps files;
    // The language of the user's locale, as the program takes it without a command line.
    const Locale locale = Locale::fromCode(
        LanguageChoice::requested({}, [](const char* name) { return std::getenv(name); }));
    const SystemStore store(files, dataFolder.empty() ? DataFolder::resolve() : dataFolder, locale);
    Commands run(store, out_, err_);
    // Held by whatever writes to the terminal while units are at work.
    std::mutex terminalLock;
    TerminalPrompt terminal(stdin, stderr, UnitClient::Options().cgi.watchdogMs, terminalLock);
    ScanCommands scans(files, locale, line.all("interface"), out_, err_);
    UnitClient::Options unitOptions;
    if (options.verbose)
        unitOptions.cgi.log = [this, &terminalLock](const Cgi::Request& request) {
            char line[512];
            std::snprintf(line, sizeof line, "http %s:%d %s %s %03ld %ld ms%s%s\n",
                          request.server.c_str(), request.port, request.method,
                          request.path.c_str(), request.status, request.elapsedMs,
                          request.error.empty() ? "" : "  ", request.error.c_str());
            const std::lock_guard<std::mutex> lock(terminalLock);
            err_ << line << std::flush;
        };
    // The request log goes to stderr line by line: no counter there to write over.
    UnitCommands units(
        store, line.has("no-prompt") ? nullptr : &terminal, unitOptions,
        {line.has("json"), isatty(STDERR_FILENO) != 0 && !options.verbose, &terminalLock}, out_,
        err_);
    const auto optional = [&line](const char* name) {
        return line.has(name) ? std::optional<std::string>(line.option(name)) : std::nullopt;
    };
    const auto standardMessages = [&line] {
        return line.has("messages") ? line.option("messages") : MessageFolder::standardFolder();
    };
    // A password for the system: typed when the command needs one and none was given.
    const auto newPassword = [&](const std::string& action, bool needed) {
        const auto password =
            SecretInput(files, stdin, stderr)
                .read(action, optional("password"), optional("password-file"), needed);
        if (needed && !password)
            throw CommandError(action + ": give --password-file FILE (- for standard input), "
                                        "or run it on a terminal to type the password");
        return password;
    };
    switch (entry->command) {
    case Command::Systems:
        return run.systems(line.has("json"));
    case Command::Check:
        return run.check(line.operand(0), line.has("json"));
    case Command::Export:
        return run.exportTo(line.operand(0), line.option("to"));
    case Command::Settings:
        return run.settings(line.operand(0), line.operand(1));
    case Command::New:
        return run.create(line.operand(0), *newPassword("new", true));
    case Command::Add:
        return run.add(line.operand(0), line.operand(1), line.option("ip"),
                       line.has("name") ? line.option("name") : std::string());
    case Command::Upload: {
        UnitCommands::UploadChecks checks;
        checks.diff = line.has("diff");
        checks.dryRun = line.has("dry-run");
        checks.verify = line.has("verify");
        checks.restartWaitMs = restartWait(optional("restart-wait"));
        if (checks.dryRun && checks.verify)
            throw CommandError("upload: --dry-run sends nothing to verify");
        if (line.has("restart-wait") && !checks.verify)
            throw CommandError("upload: --restart-wait goes with --verify");
        return units.upload(line.operand(0), optional("unit"), checks);
    }
    case Command::Download:
        if (line.has("check")) {
            if (line.has("restart-wait"))
                throw CommandError("download: --check gives no unit new credentials to wait for");
            return units.check(line.operand(0), optional("unit"));
        }
        return units.download(line.operand(0), restartWait(optional("restart-wait")),
                              optional("unit"));
    case Command::Clock:
        return units.clock(line.operand(0), optional("unit"));
    case Command::Passwd:
        return units.passwd(line.operand(0), optional("name"), newPassword("passwd", false),
                            optional("maintenance"));
    case Command::Firmware:
        return units.firmware(line.operand(0), line.operand(1), line.operand(2),
                              line.has("all-at-once"));
    case Command::Login:
        return units.login(line.operand(0), optional("unit"));
    case Command::ScanUnits:
        return scans.scan(optional("csv"), line.has("json"));
    case Command::Survey:
        return scans.survey(store, line.operand(0), line.has("json"));
    case Command::MsgImport:
        return MessageCommands(files, out_)
            .importWave(line.operand(0), line.option("to"), optional("name"), optional("gain"));
    case Command::MsgExport:
        return MessageCommands(files, out_)
            .exportWave(line.operand(0), line.option("to"), line.has("narrowband"));
    case Command::MsgInfo:
        return MessageCommands(files, out_).info(line.operand(0));
    case Command::MsgRecord:
        return MessageCommands(files, out_)
            .record(line.option("seconds"), line.option("to"), line.option("name"));
    case Command::MsgPlay:
        return MessageCommands(files, out_)
            .play(line.operand(0), line.has("narrowband"), optional("gain"));
    case Command::MsgList:
        return units.listMessages(line.operand(0), standardMessages());
    case Command::MsgSend:
        return units.sendMessages(line.operand(0), optional("siren"), standardMessages());
    case Command::Print:
        return PrintCommand(store, out_)
            .print(line.operand(0), line.option("pdf"), optional("pages"));
    case Command::Netset:
        if (line.has("from")) {
            if (line.operandCount() > 0)
                throw CommandError("netset: give a MAC or --from FILE, not both");
            for (const char* single : {"ip", "mask", "gateway", "name", "port"}) {
                if (line.has(single))
                    throw CommandError(std::string("netset: --from takes every setting from the "
                                                   "file, not from --") +
                                       single);
            }
            return scans.netsetFrom(line.option("from"), restartWait(optional("restart-wait")));
        }
        if (line.operandCount() == 0)
            throw CommandError("netset: missing MAC (see 'r4000ctl netset --help')");
        for (const char* needed : {"ip", "mask", "gateway"}) {
            if (!line.has(needed))
                throw CommandError(std::string("netset: missing option '--") + needed + "'");
        }
        return scans.netset(line.operand(0), line.option("ip"), line.option("mask"),
                            line.option("gateway"), optional("name"), optional("port"),
                            restartWait(optional("restart-wait")));
    }
    return BadUsage;
}
