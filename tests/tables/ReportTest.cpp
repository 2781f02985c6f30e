// The configuration report printed to PDF files and read back with pdftotext, pdfinfo and
// pdffonts: its header, footer and sections, a table split over pages, a range of pages
// printed exactly as in a full print, and the face it is set in.
#include "ConfigReport.h"
#include "Exchange.h"
#include "Paging.h"
#include "R4000System.h"
#include "ReportPrinter.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "Station.h"
#include "TempFolder.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

class ReportTest : public QObject
{
    Q_OBJECT

private:
    TempFolder folder_;
    ResourceChain english_{QStringLiteral("en")};

    QString path(const char* name) const
    {
        return QString::fromStdString(folder_.path()) + u'/' + QLatin1String(name);
    }

    // Tower: six exchanges of sixteen stations, numbered 1001.. and named S001..S096.
    static std::unique_ptr<R4000System> tower(const char* language = "en")
    {
        auto system = std::make_unique<R4000System>(Locale::fromCode(language));
        system->setSystemName("Tower");
        system->setStationDigits(4);
        int count = 0;
        for (int n = 1; n <= 6; ++n) {
            Exchange* unit = system->insertEquipment(n, "R-4100EX");
            unit->setIpAddressText("198.18.1." + std::to_string(10 + n));
            for (int line = 1; line <= unit->stationCount(); ++line) {
                ++count;
                unit->changeStationModel(line, "R-4100MS");
                unit->station(line)->setNumber(std::to_string(1000 + count));
                const std::string digits = std::to_string(count);
                unit->station(line)->setName("S" + std::string(3 - digits.size(), '0') + digits);
            }
        }
        return system;
    }

    // Prints pages from..to of system's report into file; the pages printed.
    static int print(System& system, const ResourceChain& resources, const QString& file,
                     int from = 1, int to = 0)
    {
        const ConfigReport report(resources, system);
        ReportPrinter printer(report, resources, resources.language() == QStringLiteral("ja"));
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        return printer.print(writer, from, to);
    }

    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            qFatal("%s failed", qPrintable(program));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The text of pages first..last, one line per line of text; the face's "fi" ligature
    // reads as its letters.
    static QString text(const QString& file, int first, int last)
    {
        return run(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(first),
                    QStringLiteral("-l"), QString::number(last), file, QStringLiteral("-")})
            .replace(QChar(0xFB01), QStringLiteral("fi"));
    }

    // "- n -" as pdftotext lays it out, with or without its spaces.
    static QRegularExpression footer(int page)
    {
        return QRegularExpression(QStringLiteral("-\\s*%1\\s*-").arg(page));
    }

    static int pages(const QString& file)
    {
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                                  .match(run(QStringLiteral("pdfinfo"), {file}));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

private slots:
    void everyPageHasHeaderAndFooterAndEverySectionIsThere()
    {
        auto system = tower();
        const QString file = path("full.pdf");
        const int printed = print(*system, english_, file);
        QCOMPARE(pages(file), printed);
        QVERIFY(printed > 2);
        for (int page = 1; page <= printed; ++page) {
            const QString shown = text(file, page, page);
            QVERIFY2(
                shown.contains(QStringLiteral("ZUN LinkTalk R-4000 Series, Configuration Data")),
                qPrintable(shown));
            QVERIFY(shown.contains(QStringLiteral("System name: Tower")));
            QVERIFY(shown.contains(footer(page)));
        }
        const QString all = text(file, 1, printed);
        for (const char* heading :
             {"[General]", "[Equipment Registration]", "[Station Table]",
              "[Network Communication Registration]", "[Multicast Registration]",
              "[Exchange/Multi Interface/IP Station]", "[Network Settings]",
              "[Sampling Frequency Correction]", "[Audio I/O]", "[Contact Input]",
              "[Contact Output]", "[Station]", "[Speed Dialing]", "[Scan Monitor]", "[Paging]",
              "[Group]", "[Group blocking group]", "[Group blocking to]",
              "[Remote response group]"})
            QVERIFY2(all.contains(QLatin1String(heading)), heading);
    }

    // The station table runs over pages: every station once, in order.
    void splitTableLosesAndRepeatsNoRow()
    {
        auto system = tower();
        const QString file = path("split.pdf");
        const int printed = print(*system, english_, file);
        const QString all = text(file, 1, printed);
        const int tableStart = all.indexOf(QStringLiteral("[Station Table]"));
        const int tableEnd = all.indexOf(QStringLiteral("[Network Communication Registration]"));
        const QString table = all.mid(tableStart, tableEnd - tableStart);
        // The table crosses a page, under its heading row again.
        QVERIFY(table.contains(footer(1)));
        QCOMPARE(table.count(QStringLiteral("Station name")), 2);
        int at = 0;
        for (int n = 1; n <= 96; ++n) {
            const QString name = QStringLiteral("S%1").arg(n, 3, 10, QLatin1Char('0'));
            QCOMPARE(table.count(name), 1);
            const int found = table.indexOf(name);
            QVERIFY2(found > at, qPrintable(name));
            at = found;
        }
    }

    // A table wider than the page goes in bands of columns, each naming its rows again; a
    // zone's table is headed by the zone; a name in the system's code page reads as itself.
    void wideTablesZonesAndNamesReadRight()
    {
        auto system = std::make_unique<R4000System>(Locale::fromCode("en"));
        system->setSystemName("Tower");
        Exchange* unit = system->insertEquipment(1, "R-4100EX");
        // "Café" in code page 1252.
        QVERIFY(unit->setExchangeName("Caf\xe9"));
        QVERIFY(unit->changeStationModel(1, "R-4100MS"));
        QVERIFY(unit->station(1)->setNumber("11"));
        QVERIFY(system->paging(1)->addStation(unit->station(1)));
        QVERIFY(system->paging(1)->setName("Lobby"));
        // A source of correction data, sending it to one destination.
        QVERIFY(unit->setSynMode("SOURCE"));
        QVERIFY(unit->addSynDestination("198.18.5.5", 5006));
        const QString file = path("wide.pdf");
        const int printed = print(*system, english_, file);
        const QString all = text(file, 1, printed);
        const QString network = all.mid(all.indexOf(QStringLiteral("[Network Settings]")),
                                        all.indexOf(QStringLiteral("[Sampling Frequency")) -
                                            all.indexOf(QStringLiteral("[Network Settings]")));
        QCOMPARE(network.count(QStringLiteral("WAN TCP Port")), 1);
        // The heading of the transmission mode's column.
        QCOMPARE(network.count(english_.string(StringId::ReportColumns + 16)), 1);
        QVERIFY(network.count(QStringLiteral("Equipment name")) >= 2);
        QVERIFY(network.count(QString::fromUtf8("Café")) >= 2);
        QVERIFY(all.contains(QRegularExpression(QStringLiteral("ZONE 1\\s+Lobby"))));
        QVERIFY(all.contains(
            QRegularExpression(QStringLiteral("R-4100EX\\s+Transmission\\s+198\\.18\\.5\\.5"))));
        QVERIFY(all.contains(QStringLiteral("ZONE 9")));
    }

    // Pages too short for a heading row and a row still move the report on, row by row.
    void shortPagesStillEnd()
    {
        auto system = tower();
        const ConfigReport report(english_, *system);
        ReportPrinter printer(report, english_, false);
        QPdfWriter writer(path("short.pdf"));
        writer.setPageSize(QPageSize(QSizeF(210, 20), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        const int pages = printer.pageCount(writer);
        QVERIFY(pages > 100);
        QVERIFY(pages < 5000);
    }

    void rangeIsPrintedAsInTheFullPrint()
    {
        auto system = tower();
        const QString full = path("all.pdf");
        const QString range = path("range.pdf");
        QVERIFY(print(*system, english_, full) >= 4);
        QCOMPARE(print(*system, english_, range, 3, 4), 2);
        QCOMPARE(pages(range), 2);
        QCOMPARE(text(range, 1, 2), text(full, 3, 4));
    }

    // A system without units on a long sheet: one page, and nothing from page 2.
    void rangeBeyondTheReportPrintsNothing()
    {
        R4000System empty(Locale::fromCode("en"));
        empty.setSystemName("Empty");
        const ConfigReport report(english_, empty);
        ReportPrinter printer(report, english_, false);
        QPdfWriter writer(path("empty.pdf"));
        writer.setPageSize(QPageSize(QSizeF(210, 1200), QPageSize::Millimeter));
        writer.setResolution(150);
        QCOMPARE(printer.pageCount(writer), 1);
        QCOMPARE(printer.print(writer, 2, 0), 0);
        QCOMPARE(printer.print(writer, 1, 0), 1);
    }

    void japaneseIsSetInTheJapaneseFace()
    {
        auto system = tower("ja");
        const ResourceChain japanese(QStringLiteral("ja"));
        const QString file = path("ja.pdf");
        QVERIFY(print(*system, japanese, file) > 0);
        const QString fonts = run(QStringLiteral("pdffonts"), {file});
        QVERIFY2(fonts.contains(ReportPrinter::family(true)), qPrintable(fonts));
        QVERIFY(!fonts.contains(QStringLiteral("Tahoma")));
        const QString english = path("en.pdf");
        QVERIFY(print(*system, english_, english) > 0);
        QVERIFY(run(QStringLiteral("pdffonts"), {english}).contains(QStringLiteral("Tahoma")));
    }
};

QTEST_MAIN(ReportTest)
#include "ReportTest.moc"
