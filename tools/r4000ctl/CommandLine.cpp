#include "CommandLine.h"

#include "CommandError.h"
#include "TextRules.h"

#include <QCommandLineParser>
#include <algorithm>

QStringList CommandLine::arguments(const std::vector<std::string>& words)
{
    // The parser takes a whole command line: the program's name first.
    QStringList arguments{QStringLiteral("r4000ctl")};
    for (const std::string& word : words) {
        arguments.append(QString::fromStdString(word));
        // The parser holds text: a word that is no UTF-8 would come back as other bytes.
        if (arguments.back().toStdString() != word)
            throw CommandError("an argument is no UTF-8 text: '" + TextRules::escapeControls(word) +
                               "'");
    }
    return arguments;
}

std::string CommandLine::failure(const QCommandLineParser& parser,
                                 const std::vector<Option>& options)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const std::string name = unknown.first().toStdString();
        return "unknown option '" + std::string(name.size() == 1 ? "-" : "--") + name + "'";
    }
    // The parser's own words name the option between quotes: "Missing value after '--to'.",
    // "Unexpected value after '--json=1'."
    const std::string text = parser.errorText().toStdString();
    const std::size_t open = text.find('\'');
    const std::size_t close = text.rfind('\'');
    if (open == std::string::npos || close <= open)
        return text;
    std::string word = text.substr(open + 1, close - open - 1);
    word = word.substr(0, word.find('='));
    if (text.rfind("Missing value", 0) == 0) {
        const auto option = std::find_if(options.begin(), options.end(), [&word](const Option& o) {
            return "--" + o.name == word;
        });
        return "option '" + word + "' needs a value" +
               (option == options.end() ? std::string() : " (" + option->value + ")");
    }
    if (text.rfind("Unexpected value", 0) == 0)
        return "option '" + word + "' takes no value";
    return text;
}

CommandLine::CommandLine(const Syntax& syntax, const std::vector<std::string>& words)
{
    const auto end = std::find(words.begin(), words.end(), std::string("--"));
    if (std::find(words.begin(), end, std::string("--help")) != end ||
        std::find(words.begin(), end, std::string("-h")) != end) {
        help_ = true;
        return;
    }

    const std::string context = syntax.name + ": ";
    QCommandLineParser parser;
    for (const Option& option : syntax.options) {
        QCommandLineOption declared(QString::fromStdString(option.name));
        if (option.kind != Kind::Switch)
            declared.setValueName(QString::fromStdString(option.value));
        parser.addOption(declared);
    }
    if (!parser.parse(arguments(words)))
        throw CommandError(context + failure(parser, syntax.options));

    for (const QString& operand : parser.positionalArguments()) {
        if (operands_.size() == syntax.operands.size())
            throw CommandError(context + "unexpected argument '" + operand.toStdString() + "'");
        operands_.push_back(operand.toStdString());
    }
    for (const Option& option : syntax.options) {
        const QString name = QString::fromStdString(option.name);
        if (!parser.isSet(name))
            continue;
        const QStringList values = parser.values(name);
        if (option.kind == Kind::Repeated) {
            for (const QString& value : values)
                repeated_[option.name].push_back(value.toStdString());
        } else if (values.size() > 1 || (option.kind == Kind::Switch &&
                                         std::count(words.begin(), end, "--" + option.name) > 1)) {
            throw CommandError(context + "option '--" + option.name + "' given twice");
        }
        options_.emplace(option.name,
                         values.isEmpty() ? std::string() : values.first().toStdString());
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
    std::string text = "usage: r4000ctl [-v] [--data-dir DIR] " + syntax.name;
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
