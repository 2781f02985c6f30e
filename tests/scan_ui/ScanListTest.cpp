// The scan tool's unit list without a network: units reported into the document, then
// listed, selected, assigned and edited as the user would.
#include "DlgScanIpPool.h"
#include "DlgSetSubnetMask.h"
#include "FileText.h"
#include "LimitedTextDelegate.h"
#include "PosixFileOps.h"
#include "R4000ScanDoc.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ScanCellRules.h"
#include "ScanPrinter.h"
#include "ScanReports.h"
#include "ScanTableModel.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "UserMessages.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QtTest>
#include <fstream>
#include <sstream>

namespace {

// The texts of the messages the user was shown.
QStringList shownTexts(const ScriptedDialogs& dialogs)
{
    QStringList texts;
    for (const auto& shown : dialogs.messages)
        texts << shown.text;
    return texts;
}

} // namespace

class ScanListTest : public QObject
{
    Q_OBJECT

private:
    ResourceChain resources_{QStringLiteral("en")};
    std::unique_ptr<R4000ScanDoc> doc_;
    std::unique_ptr<ScanTableModel> model_;
    QStringList refusals_;

    QString cell(int row, int column) const
    {
        return model_->data(model_->index(row, column), Qt::DisplayRole).toString();
    }

private slots:
    void init()
    {
        doc_ = std::make_unique<R4000ScanDoc>();
        ScanReports::deliver(*doc_, 11, "R-4100EX", "Office");
        ScanReports::deliver(*doc_, 12, "R-4720MS", "Desk");
        ScanReports::deliver(*doc_, 13, "", "Sensor"); // reads as QG-210
        ScanReports::deliver(*doc_, 14, "R-4100MI", "Gate");
        ScanReports::deliver(*doc_, 15, "R-4760DS", "Door");
        model_ = std::make_unique<ScanTableModel>(*doc_, resources_, Locale::english());
        refusals_.clear();
        connect(model_.get(), &ScanTableModel::refused, this,
                [this](int id, const QStringList& values) {
                    refusals_ << ResourceChain::substitute(resources_.string(id), values);
                });
        model_->reload();
    }

    void listsTheEquipmentOnlyButSavesEveryUnit()
    {
        QCOMPARE(model_->rowCount(), 4);
        QCOMPARE(cell(1, ScanTableModel::Mac), QStringLiteral("02-00-00-00-00-0C"));
        QCOMPARE(cell(1, ScanTableModel::Model), QStringLiteral("R-4720/5MS"));
        QCOMPARE(model_->headerData(7, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Name"));

        TempFolder folder;
        PosixFileOps files;
        const std::string path = folder.path() + "/scan.csv";
        QVERIFY(doc_->saveCsv(files, path));
        QCOMPARE(QString::fromStdString(readWholeFile(path)),
                 QStringLiteral(
                     "MAC Address,Type,IP Address,Subnet mask,Default gateway,Web port,Name\r\n"
                     "02-00-00-00-00-0B,R-4100EX,198.18.1.11,255.255.255.0,0.0.0.0,80,Office\r\n"
                     "02-00-00-00-00-0C,R-4720MS,198.18.1.12,255.255.255.0,0.0.0.0,80,Desk\r\n"
                     "02-00-00-00-00-0D,QG-210,198.18.1.13,255.255.255.0,0.0.0.0,80,Sensor\r\n"
                     "02-00-00-00-00-0E,R-4100MI,198.18.1.14,255.255.255.0,0.0.0.0,80,Gate\r\n"
                     "02-00-00-00-00-0F,R-4760DS,198.18.1.15,255.255.255.0,0.0.0.0,80,Door\r\n"));
    }

    // The cell editors and the dialogs take no more characters than their rules allow.
    void editorsTakeNoMoreThanTheRulesAllow()
    {
        QTableView table;
        table.setModel(model_.get());
        LimitedTextDelegate delegate;
        const std::pair<int, QString> cells[] = {
            {ScanTableModel::IpAddress, QStringLiteral("198.018.001.011")},
            {ScanTableModel::SubnetMask, QStringLiteral("255.255.255.000")},
            {ScanTableModel::Gateway, QStringLiteral("198.018.001.001")},
            {ScanTableModel::WebPort, QStringLiteral("08080")},
            {ScanTableModel::Name, QStringLiteral("ABCDEFGH")},
        };
        for (const auto& [column, longest] : cells) {
            std::unique_ptr<QWidget> editor(
                delegate.createEditor(&table, {}, model_->index(0, column)));
            auto* line = qobject_cast<QLineEdit*>(editor.get());
            QVERIFY(line);
            QTest::keyClicks(line, longest + QStringLiteral("9"));
            QCOMPARE(line->text(), longest);
        }

        ScriptedDialogs dialogs;
        const UserMessages messages(resources_, dialogs);
        DlgSetSubnetMask mask(messages);
        QCOMPARE(mask.findChild<QLineEdit*>(QStringLiteral("address"))->maxLength(), 15);
        DlgScanIpPool range(messages);
        QCOMPARE(range.findChild<QLineEdit*>(QStringLiteral("start"))->maxLength(), 15);
        QCOMPARE(range.findChild<QLineEdit*>(QStringLiteral("numbers"))->maxLength(), 2);
    }

    void printedListHasTitleNumberedLinesAndPageNumbers()
    {
        // Enough units for more than one page.
        for (int n = 0; n < 120; ++n)
            ScanReports::deliver(*doc_, std::uint8_t(100 + n % 100), "R-4100EX",
                                 "U" + std::to_string(n), std::uint8_t(n / 100 + 1));
        model_->reload();
        QCOMPARE(model_->rowCount(), 124);
        TempFolder folder;
        const QString pdf = QString::fromStdString(folder.path() + "/list.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        const int pages = ScanPrinter(*model_, false).print(printer);
        QVERIFY(pages >= 2);

        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(10000));
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(pages))));
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(10000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(printed.count(QStringLiteral("ZUN LinkTalk R-4000 Series")), pages);
        // "- 1 -" at the bottom of each page (the text tool may drop the blanks).
        for (int p = 1; p <= pages; ++p)
            QVERIFY(printed.contains(QRegularExpression(QStringLiteral("-\\s*%1\\s*-").arg(p))));
        QVERIFY(printed.contains(QStringLiteral("No.")));
        QVERIFY(printed.contains(QRegularExpression(
            QStringLiteral("1\\.\\s+02-00-00-00-00-0B\\s+R-4100EX\\s+198\\.18\\.1\\.11"))));
        QVERIFY(printed.contains(QStringLiteral("124.")));
        QVERIFY(printed.contains(QStringLiteral("R-4720/5MS")));
    }

    void autoAssignmentCountsOnAcrossTheOctetAndStops()
    {
        model_->selectAll();
        QCOMPARE(model_->selectedCount(), 4);
        model_->autoAssign(Ipv4Address(192, 168, 1, 254), 3);
        QCOMPARE(cell(0, ScanTableModel::IpAddress), QStringLiteral("192.168.1.254"));
        QCOMPARE(cell(1, ScanTableModel::IpAddress), QStringLiteral("192.168.1.255"));
        QCOMPARE(cell(2, ScanTableModel::IpAddress), QStringLiteral("192.168.2.0"));
        QCOMPARE(cell(3, ScanTableModel::IpAddress), QStringLiteral("198.18.1.15"));
    }

    void unselectedRowsKeepTheirAddresses()
    {
        QVERIFY(model_->setData(model_->index(1, 0), Qt::Checked, Qt::CheckStateRole));
        model_->autoAssign(Ipv4Address(10, 0, 0, 1), 5);
        QCOMPARE(cell(0, ScanTableModel::IpAddress), QStringLiteral("198.18.1.11"));
        QCOMPARE(cell(1, ScanTableModel::IpAddress), QStringLiteral("10.0.0.1"));
    }

    void cellsTakeOnlyWhatTheRulesAllow_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        const QString port = QStringLiteral("Enter number. (1-65535)");
        QTest::newRow("port 0") << int(ScanTableModel::WebPort) << "0"
                                << "80" << port;
        QTest::newRow("port 65536") << int(ScanTableModel::WebPort) << "65536"
                                    << "80" << port;
        QTest::newRow("port 12a") << int(ScanTableModel::WebPort) << "12a"
                                  << "80" << port;
        QTest::newRow("port 65535") << int(ScanTableModel::WebPort) << "65535"
                                    << "65535"
                                    << "";
        QTest::newRow("port with leading zeros") << int(ScanTableModel::WebPort) << "000080"
                                                 << "80"
                                                 << "";
        QTest::newRow("nine characters") << int(ScanTableModel::Name) << "ABCDEFGHI"
                                         << "Office"
                                         << "Enter using up to 8 characters.";
        QTest::newRow("eight characters") << int(ScanTableModel::Name) << "ABCDEFGH"
                                          << "ABCDEFGH"
                                          << "";
        QTest::newRow("network address") << int(ScanTableModel::IpAddress) << "198.18.1.0"
                                         << "198.18.1.11"
                                         << "Invalid IP address.";
        QTest::newRow("loopback") << int(ScanTableModel::IpAddress) << "127.0.0.5"
                                  << "198.18.1.11"
                                  << "Invalid IP address.";
        QTest::newRow("mask the address survives")
            << int(ScanTableModel::SubnetMask) << "255.0.255.0"
            << "255.0.255.0"
            << "";
        QTest::newRow("mask making it the broadcast address")
            << int(ScanTableModel::SubnetMask) << "255.255.255.252"
            << "255.255.255.0"
            << "Invalid subnet mask.";
        QTest::newRow("no gateway") << int(ScanTableModel::Gateway) << "0.0.0.0"
                                    << "0.0.0.0"
                                    << "";
        QTest::newRow("gateway 224.0.0.1") << int(ScanTableModel::Gateway) << "224.0.0.1"
                                           << "0.0.0.0"
                                           << "Invalid default gateway.";
    }

    void cellsTakeOnlyWhatTheRulesAllow()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        const bool taken = model_->setData(model_->index(0, column), typed, Qt::EditRole);
        QCOMPARE(taken, message.isEmpty());
        QCOMPARE(cell(0, column), shown);
        QCOMPARE(refusals_, message.isEmpty() ? QStringList() : QStringList{message});
    }

    // Names are kept in the code page of the language, eight bytes at most, without
    // double-byte characters; what the code page cannot hold is refused, never stored as "?".
    void namesCrossTheEdgeInTheCodePage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored"); // empty: refused
        QTest::newRow("en umlaut") << "en" << QStringLiteral("Büro") << QByteArray("B\xfcro");
        QTest::newRow("en eight with umlaut")
            << "en" << QStringLiteral("Büroraum") << QByteArray("B\xfcroraum");
        QTest::newRow("en nine") << "en" << QStringLiteral("Büroräume") << QByteArray();
        QTest::newRow("en kanji") << "en" << QStringLiteral("受付") << QByteArray();
        QTest::newRow("ja half-width katakana")
            << "ja" << QStringLiteral("ﾛﾋﾞｰ") << QByteArray("\xdb\xcb\xde\xb0");
        QTest::newRow("ja kanji") << "ja" << QStringLiteral("受付") << QByteArray();
        QTest::newRow("ko hangul") << "ko" << QStringLiteral("접수") << QByteArray();
        QTest::newRow("ko ascii") << "ko" << QStringLiteral("Lobby") << QByteArray("Lobby");
    }

    void namesCrossTheEdgeInTheCodePage()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        ScanTableModel model(*doc_, resources_, Locale::fromCode(language.toStdString()));
        model.reload();
        QStringList refused;
        connect(&model, &ScanTableModel::refused, this,
                [&](int id, const QStringList&) { refused << resources_.string(id); });
        const QModelIndex name = model.index(0, ScanTableModel::Name);
        QCOMPARE(model.setData(name, typed, Qt::EditRole), !stored.isEmpty());
        const ScanElement& unit = *doc_->find("02-00-00-00-00-0B");
        if (stored.isEmpty()) {
            QCOMPARE(refused, QStringList{QStringLiteral("Enter using up to 8 characters.")});
            QCOMPARE(unit.unitName, std::string("Office"));
            return;
        }
        QCOMPARE(QByteArray::fromStdString(unit.unitName), stored);
        QCOMPARE(model.data(name, Qt::DisplayRole).toString(), typed);
        // The file keeps the unit's bytes as they are.
        TempFolder folder;
        PosixFileOps files;
        QVERIFY(doc_->saveCsv(files, folder.path() + "/scan.csv"));
        QVERIFY(
            readWholeFile(folder.path() + "/scan.csv").find("," + stored.toStdString() + "\r\n") !=
            std::string::npos);
    }

    void subnetDialogWantsAProperMask_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::newRow("/24") << "255.255.255.0" << true;
        QTest::newRow("/31") << "255.255.255.254" << false;
        QTest::newRow("holes") << "255.0.255.0" << false;
        QTest::newRow("zero") << "0.0.0.0" << false;
    }

    void subnetDialogWantsAProperMask()
    {
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        ScriptedDialogs dialogs;
        const UserMessages messages(resources_, dialogs);
        DlgSetSubnetMask dialog(messages);
        dialog.findChild<QLineEdit*>(QStringLiteral("address"))->setText(typed);
        dialog.accept();
        const QStringList told = shownTexts(dialogs);
        QCOMPARE(dialog.result() == QDialog::Accepted, taken);
        QCOMPARE(told, taken ? QStringList() : QStringList{QStringLiteral("Invalid subnet mask.")});
    }

    void rangeDialogKeepsTheCountWithinTheSystem_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("message");
        QTest::newRow("good") << "192.168.1.10"
                              << "5"
                              << "";
        QTest::newRow("count 0") << "192.168.1.10"
                                 << "0"
                                 << "Enter number. (1-5)";
        QTest::newRow("more than the units") << "192.168.1.10"
                                             << "6"
                                             << "Enter number. (1-5)";
        QTest::newRow("loopback start") << "127.0.0.1"
                                        << "2"
                                        << "Invalid IP address.";
    }

    void rangeDialogKeepsTheCountWithinTheSystem()
    {
        QFETCH(QString, start);
        QFETCH(QString, count);
        QFETCH(QString, message);
        R4000System system;
        for (int n = 1; n <= 5; ++n)
            QVERIFY(system.insertEquipment(n, "R-4100EX"));
        system.setScanStartAddress(Ipv4Address(10, 0, 0, 1));
        system.setScanAssignCount(1);
        ScriptedDialogs dialogs;
        const UserMessages messages(resources_, dialogs);
        DlgScanIpPool dialog(messages);
        dialog.attach(system);
        dialog.findChild<QLineEdit*>(QStringLiteral("start"))->setText(start);
        dialog.findChild<QLineEdit*>(QStringLiteral("numbers"))->setText(count);
        dialog.accept();
        const QStringList told = shownTexts(dialogs);
        QCOMPARE(told, message.isEmpty() ? QStringList() : QStringList{message});
        if (message.isEmpty()) {
            QCOMPARE(QString::fromStdString(system.scanStartAddress().toText()), start);
            QCOMPARE(int(system.scanAssignCount()), count.toInt());
        } else if (message.startsWith(QStringLiteral("Invalid"))) {
            // The previous address comes back into the field.
            QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("start"))->text(),
                     QStringLiteral("10.0.0.1"));
        }
    }
};

QTEST_MAIN(ScanListTest)
#include "ScanListTest.moc"
