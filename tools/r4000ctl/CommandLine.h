#pragma once

#include <QtContainerFwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QCommandLineParser;

// The words after a command name, read against what the command takes: operands in a fixed
// order, "--name VALUE" (or "--name=VALUE") options, required unless declared optional,
// "--name" switches without a value, and "--help". Qt's command-line parser splits the words;
// this class holds the commands' rules and says what is wrong in the program's words.
// "--" ends the options, so an operand may begin with a dash.
class CommandLine
{
public:
    // Repeated: optional, and may be given more than once.
    enum class Kind { Required, Optional, Switch, Repeated };
    struct Option {
        std::string name;  // without the dashes
        std::string value; // what the help calls the value; empty for a switch
        std::string help;
        Kind kind = Kind::Required;
    };
    struct Syntax {
        std::string name;
        std::vector<std::string> operands; // what the help calls each operand
        std::vector<Option> options;
        std::string summary; // one line for the tool's help
        std::string details; // the command's own help, after the usage line
        // How many of the last operands may be left out.
        std::size_t optionalOperands = 0;
    };

    // Throws CommandError for an unknown option, a missing value, operand or option, or a word
    // too many. With "--help" anywhere before "--", nothing else is checked.
    CommandLine(const Syntax& syntax, const std::vector<std::string>& words);

    bool helpRequested() const { return help_; }
    const std::string& operand(std::size_t index) const { return operands_.at(index); }
    std::size_t operandCount() const { return operands_.size(); }
    const std::string& option(const std::string& name) const { return options_.at(name); }
    // Whether an optional option or a switch was given.
    bool has(const std::string& name) const { return options_.count(name) > 0; }
    // Every value of a repeated option, in the order given.
    std::vector<std::string> all(const std::string& name) const;

    // "usage: r4000ctl [-v] [--data-dir DIR] NAME OPERANDS --OPTION VALUE"
    static std::string usage(const Syntax& syntax);
    // The usage line, the details and the options, for "COMMAND --help".
    static std::string help(const Syntax& syntax);

    // words as the parser takes them.
    static QStringList arguments(const std::vector<std::string>& words);
    // What is wrong, after the parser refused the words: "unknown option '--x'", "option
    // '--to' needs a value (OUTDIR)", "option '--json' takes no value".
    static std::string failure(const QCommandLineParser& parser,
                               const std::vector<Option>& options);

private:
    bool help_ = false;
    std::vector<std::string> operands_;
    std::map<std::string, std::string> options_;
    std::map<std::string, std::vector<std::string>> repeated_;
};
