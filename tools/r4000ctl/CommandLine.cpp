#include "CommandLine.h"

#include "CommandError.h"

#include <algorithm>

namespace {

const CommandLine::Option* findOption(const CommandLine::Syntax& syntax, std::string_view name)
{
    for (const CommandLine::Option& option : syntax.options) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

} // namespace

CommandLine::CommandLine(const Syntax& syntax, const std::vector<std::string>& words)
{
    const auto end = std::find(words.begin(), words.end(), std::string("--"));
    if (std::find(words.begin(), end, std::string("--help")) != end ||
        std::find(words.begin(), end, std::string("-h")) != end) {
        help_ = true;
        return;
    }

    const std::string context = syntax.name + ": ";
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            if (operands_.size() == syntax.operands.size())
                throw CommandError(context + "unexpected argument '" + word + "'");
            operands_.push_back(word);
            continue;
        }
        if (word.compare(0, 2, "--") != 0)
            throw CommandError(context + "unknown option '" + word + "'");
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(2, equals == std::string::npos ? equals : equals - 2);
        const Option* option = findOption(syntax, name);
        if (!option)
            throw CommandError(context + "unknown option '--" + name + "'");
        std::string value;
        if (option->kind == Kind::Switch) {
            if (equals != std::string::npos)
                throw CommandError(context + "option '--" + name + "' takes no value");
        } else if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            throw CommandError(context + "option '--" + name + "' needs a value (" + option->value +
                               ")");
        }
        if (option->kind == Kind::Repeated)
            repeated_[name].push_back(value);
        if (!options_.emplace(name, value).second && option->kind != Kind::Repeated)
            throw CommandError(context + "option '--" + name + "' given twice");
    }

    if (operands_.size() + syntax.optionalOperands < syntax.operands.size())
        throw CommandError(context + "missing " + syntax.operands[operands_.size()] +
                           " (see 'r4000ctl " + syntax.name + " --help')");
    for (const Option& option : syntax.options) {
        if (option.kind == Kind::Required && !options_.count(option.name))
            throw CommandError(context + "missing option '--" + option.name + " " + option.value +
                               "'");
    }
}

std::vector<std::string> CommandLine::all(const std::string& name) const
{
    const auto values = repeated_.find(name);
    return values == repeated_.end() ? std::vector<std::string>() : values->second;
}

std::string CommandLine::usage(const Syntax& syntax)
{
    std::string text = "usage: r4000ctl [--data-dir DIR] " + syntax.name;
    for (std::size_t i = 0; i < syntax.operands.size(); ++i) {
        const bool optional = i + syntax.optionalOperands >= syntax.operands.size();
        text += optional ? " [" + syntax.operands[i] + "]" : " " + syntax.operands[i];
    }
    for (const Option& option : syntax.options) {
        const std::string word =
            "--" + option.name + (option.kind == Kind::Switch ? "" : " " + option.value);
        text += option.kind == Kind::Required   ? " " + word
                : option.kind == Kind::Repeated ? " [" + word + "]..."
                                                : " [" + word + "]";
    }
    return text;
}

std::string CommandLine::help(const Syntax& syntax)
{
    std::string text = usage(syntax) + "\n\n" + syntax.details;
    if (!syntax.options.empty()) {
        text += "\nOptions:\n";
        for (const Option& option : syntax.options) {
            std::string head =
                "  --" + option.name + (option.value.empty() ? "" : " ") + option.value;
            head.resize(std::max<std::size_t>(head.size() + 2, 24), ' ');
            text += head + option.help + "\n";
        }
    }
    return text;
}
