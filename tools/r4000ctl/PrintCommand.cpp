#include "PrintCommand.h"

#include "CommandError.h"
#include "ConfigReport.h"
#include "LanguageChoice.h"
#include "R4000System.h"
#include "ReportPrinter.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SystemStore.h"
#include "TextRules.h"

#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>
#include <ostream>

namespace {

// "FROM-TO" or "N"; pages count from 1.
void readPages(const std::string& text, int& from, int& to)
{
    const std::size_t dash = text.find('-');
    unsigned long first = 0;
    unsigned long last = 0;
    const bool read = dash == std::string::npos
                          ? TextRules::parseNumber(text, 99999, first) && (last = first, true)
                          : TextRules::parseNumber(text.substr(0, dash), 99999, first) &&
                                TextRules::parseNumber(text.substr(dash + 1), 99999, last);
    if (!read || first == 0 || last < first)
        throw CommandError("print: --pages takes FROM-TO or N, pages from 1 (not '" + text + "')");
    from = int(first);
    to = int(last);
}

} // namespace

PrintCommand::PrintCommand(const SystemStore& store, std::ostream& out) : store_(store), out_(out)
{
}

int PrintCommand::print(const std::string& name, const std::string& pdf,
                        const std::optional<std::string>& pages)
{
    int from = 1;
    int to = 0;
    if (pages)
        readPages(*pages, from, to);
    R4000System system(store_.locale());
    store_.load(name, system);
    const ResourceChain resources(
        QString::fromStdString(LanguageChoice::activate(store_.locale().code())));
    const ConfigReport report(resources, system);
    ReportPrinter printer(report, resources, resources.language() == QStringLiteral("ja"));

    // Written beside the file and put in its place once whole.
    const QString target = QString::fromStdString(pdf);
    const QString partial = target + QStringLiteral(".part");
    int printed = 0;
    int total = 0;
    {
        QPdfWriter writer(partial);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        writer.setTitle(resources.string(StringId::ReportTitle));
        total = printer.pageCount(writer);
        if (from > total) {
            QFile::remove(partial);
            throw CommandError(
                "print: " + resources.string(StringId::NothingToPrint).toStdString() +
                " (the report has " + std::to_string(total) + (total == 1 ? " page)" : " pages)"));
        }
        printed = printer.print(writer, from, to);
    }
    // rename() puts the whole report in the old file's place at once.
    if (printed <= 0 || std::rename(QFile::encodeName(partial).constData(),
                                    QFile::encodeName(target).constData()) != 0) {
        QFile::remove(partial);
        throw CommandError("print: cannot write " + pdf);
    }
    const int last = from + printed - 1;
    out_ << "printed page"
         << (printed == 1 ? " " + std::to_string(from)
                          : "s " + std::to_string(from) + "-" + std::to_string(last))
         << " of " << total << " to " << pdf << '\n';
    return 0;
}
