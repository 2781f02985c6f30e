#include "Tool.h"

#include "CommandError.h"
#include "CommandLine.h"
#include "Commands.h"
#include "DataFolder.h"
#include "PosixFileOps.h"

#include <algorithm>
#include <ostream>

namespace {

enum class Command { Systems, Check, Export, Settings, New };

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
          {},
          "list the known systems",
          "Lists the systems of the data folder, one name a line, sorted.\n"}},
        {Command::Check,
         {"check",
          {"SYSTEM"},
          {},
          "load a system and summarise it",
          "Loads SYSTEM and prints its name, its station, paging and access-number digit\n"
          "counts, and one line per unit: number, type (EX exchange, MI multi-interface\n"
          "unit, IP IP station), model, name and address.\n"}},
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
          {{"password", "P", "the system password: 1 to 15 ASCII characters"}},
          "create a new, empty system",
          "Creates an empty system named SYSTEM (leading and trailing white space removed;\n"
          "up to 15 characters, none of \\/:,;*?\"<>|) protected by the password P.\n"}},
    };
    return table;
}

const Entry* find(const std::string& name)
{
    const auto& table = commands();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&name](const Entry& e) { return e.syntax.name == name; });
    return it == table.end() ? nullptr : &*it;
}

} // namespace

std::string Tool::help() const
{
    std::string text = "usage: r4000ctl [--data-dir DIR] <command> [options]\n"
                       "\n"
                       "Sets up and maintains an R-4000 intercom system.\n"
                       "\n"
                       "Commands:\n";
    for (const Entry& entry : commands()) {
        std::string usage = CommandLine::usage(entry.syntax);
        usage = "  " + usage.substr(usage.find(entry.syntax.name));
        usage.resize(std::max<std::size_t>(usage.size() + 2, 34), ' ');
        text += usage + entry.syntax.summary + "\n";
    }
    text += "\n"
            "Options:\n"
            "  --data-dir DIR                  the data folder; default $R4000_DATA_DIR, else\n"
            "                                  $XDG_DATA_HOME/ZUN/R-4000 or\n"
            "                                  ~/.local/share/ZUN/R-4000\n"
            "  -h, --help                      this help; 'r4000ctl COMMAND --help' for a command\n"
            "\n"
            "Exit status: 0 success, 1 some units failed, 2 bad usage or bad input.\n";
    return text;
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
    std::string dataFolder;
    std::size_t i = 0;
    for (; i < args.size() && args[i].size() > 1 && args[i][0] == '-'; ++i) {
        const std::string& word = args[i];
        if (word == "--help" || word == "-h") {
            out_ << help();
            return Success;
        }
        if (word == "--data-dir")
            dataFolder = i + 1 < args.size() ? args[++i] : std::string();
        else if (word.compare(0, 11, "--data-dir=") == 0)
            dataFolder = word.substr(11);
        else
            throw CommandError("unknown option '" + word + "' (see 'r4000ctl --help')");
        if (dataFolder.empty())
            throw CommandError("option '--data-dir' needs a value (DIR)");
    }
    if (i == args.size())
        throw CommandError("missing command (see 'r4000ctl --help')");
    const Entry* entry = find(args[i]);
    if (!entry)
        throw CommandError("unknown command '" + args[i] + "' (see 'r4000ctl --help')");

    const CommandLine line(entry->syntax,
                           std::vector<std::string>(args.begin() + long(i) + 1, args.end()));
    if (line.helpRequested()) {
        out_ << CommandLine::help(entry->syntax);
        return Success;
    }

    PosixFileOps files;
    Commands run(files, dataFolder.empty() ? DataFolder::resolve() : dataFolder, out_, err_);
    switch (entry->command) {
    case Command::Systems:
        return run.systems();
    case Command::Check:
        return run.check(line.operand(0));
    case Command::Export:
        return run.exportTo(line.operand(0), line.option("to"));
    case Command::Settings:
        return run.settings(line.operand(0), line.operand(1));
    case Command::New:
        return run.create(line.operand(0), line.option("password"));
    }
    return BadUsage;
}
