// Pictures of the launcher and the dialogs in English, Korean and Japanese, for people to
// look at: written as PNG files into the screenshot folder.
#include "AudioIn.h"
#include "AudioOut.h"
#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "ConfigView.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "DlgCertification.h"
#include "DlgCertification2.h"
#include "DlgChangePasswd.h"
#include "DlgExConfig.h"
#include "DlgGroup.h"
#include "DlgImport.h"
#include "DlgMessageList.h"
#include "DlgMessageSave.h"
#include "DlgMiConfig.h"
#include "DlgMsg.h"
#include "DlgMsgTransfer.h"
#include "DlgProgress.h"
#include "DlgSave.h"
#include "DlgStationConfig.h"
#include "DlgSystemConfig.h"
#include "DlgTime.h"
#include "Exchange.h"
#include "MessageFile.h"
#include "MessageListFile.h"
#include "MessageTestData.h"
#include "MessageView.h"
#include "Paging.h"
#include "PosixFileOps.h"
#include "R4000App.h"
#include "R4000Doc.h"
#include "R4000ScanDoc.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "ScanPrinter.h"
#include "ScanReports.h"
#include "ScanTableModel.h"
#include "ScanView.h"
#include "ScriptedDialogs.h"
#include "Station.h"
#include "SystemDocument.h"
#include "SystemFixture.h"
#include "TempFolder.h"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

class Screenshots : public QObject
{
    Q_OBJECT

private:
    TempFolder data_;
    QDir out_;

    void save(QWidget& widget, const QString& name)
    {
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        // Layouts follow the last changes first.
        QApplication::processEvents();
        const QString path = out_.filePath(name + QStringLiteral(".png"));
        QVERIFY(widget.grab().save(path));
        QVERIFY(QFileInfo(path).size() > 0);
    }

    // A system as an installer builds it: exchanges, a multi-interface unit and IP stations,
    // two units behind NAPT routers.
    static void fillSystem(SystemDocument& document)
    {
        System& system = document.system();
        const SystemDocument::Rebuild rebuild(document);
        system.clear();
        system.init();
        const struct {
            const char* model;
            const char* name;
        } units[] = {{"R-4100EX", "Office"}, {"R-4100EX", "Lobby"}, {"R-4120EX", "Annex"},
                     {"R-4100MI", "PBX"},    {"R-4100MI", "Music"}, {"R-4700MS", "Desk"},
                     {"R-4700MS", "Guard"},  {"R-4760DS", "Gate"},  {"R-4760DS", "Garage"},
                     {"R-4700MS", "Store"}};
        int n = 1;
        for (const auto& each : units) {
            Exchange* unit = system.insertEquipment(n, each.model);
            unit->setExchangeName(each.name);
            unit->setIpAddressText("198.18.1." + std::to_string(10 + n));
            unit->setSubnetMaskText("255.255.255.0");
            unit->setGatewayAddressText("198.18.1.1");
            unit->mirrorWanValues();
            ++n;
        }
        for (int napt : {2, 3}) {
            Exchange& unit = *system.equipment(napt);
            unit.setNapt(true);
            unit.setNetworkId(napt);
            unit.setWanIpAddressText("198.19.0." + std::to_string(napt));
            unit.setWanWebsPort(8080 + napt);
        }
        Exchange& office = *system.equipment(1);
        office.setSynMode("SOURCE");
        office.addSynDestination("198.18.1.12", 5006);
        office.addSynDestination("225.0.0.9", 6000);
        office.setCallTimeLimit(6);
        office.setTimeForwarding(true);
        office.setBgmSource(1, system.audioInAt(4, 1));
        // The lines of multi-interface unit 4: a PBX trunk, a paging input and contacts.
        Exchange& pbx = *system.equipment(4);
        pbx.audioIn(1)->setMode("PBX");
        pbx.audioOut(1)->setMode("PBX");
        pbx.audioIn(1)->setAccessNumber("9");
        pbx.audioIn(2)->setMode("AUX_INPUT_PAG");
        pbx.audioIn(2)->setPagingZone(system.paging(1));
        pbx.audioOut(2)->setMode("PA_PAG");
        pbx.contactIn(1)->setMode("LEVEL");
        pbx.contactIn(1)->setBridgeOutput(system.contactOutAt(5, 2));
        pbx.contactIn(2)->setMode("AUX_INPUT_PAG");
        pbx.contactIn(2)->setPagingZone(system.paging(1));
        pbx.contactIn(2)->setAudioInLink(pbx.audioIn(2));
        pbx.contactIn(3)->setMode("REMOTE_CONTROL");
        pbx.contactIn(3)->setRemoteStation(system.stationAt(1, 2));
        pbx.contactIn(3)->setRemoteDial("PN12#");
        pbx.contactOut(1)->setOperationNumber("21");
        pbx.contactOut(1)->setLineSurveillance("1:2");
        pbx.contactOut(2)->setNetworkSurveillance("ALL");
        // Stations on the first two exchanges, two of them with one number.
        const char* names[] = {"Desk", "Hall", "Door", "Lab", "Shop", "Bay"};
        for (int line = 1; line <= 6; ++line) {
            for (int unit : {1, 2}) {
                system.equipment(unit)->changeStationModel(line,
                                                           line == 3 ? "R-4160DS" : "R-4100MS");
                Station& station = *system.stationAt(unit, line);
                station.setNumber(std::to_string(10 * unit + line));
                station.setName(std::string(names[line - 1]) + std::to_string(unit));
            }
        }
        system.stationAt(2, 6)->setNumber("11");
        system.paging(1)->setName("Lobby");
        system.paging(1)->addStation(system.stationAt(1, 1));
    }

    // The Message Tool over the filled system: the list of its own messages, a recording
    // when a sound server is there, and the registration page with messages assigned.
    void messageTool(R4000App& app, ScriptedDialogs& dialogs, const QString& language)
    {
        app.switchView(ToolId::Config);
        fillSystem(app.document());
        for (int unit : {6, 7, 10})
            app.system().stationAt(unit, 1)->setNumber(std::to_string(30 + unit));
        QVERIFY(app.document().save());
        const std::string own = data_.path() + "/Tower/Message";
        QVERIFY(QDir().mkpath(QString::fromStdString(own)));
        PosixFileOps files;
        const struct {
            const char* title;
            double seconds;
        } messages[] = {{"Closing time", 6.5}, {"Fire drill", 12.25}, {"Lunch break", 3.0}};
        for (const auto& message : messages) {
            CR4700RecordData record;
            const auto wide = msgtest::Bytes(
                msgtest::Sine(std::size_t(16000 * message.seconds), 440, 16000, 6000));
            std::vector<std::uint8_t> narrow(wide.size() / 2 + 2);
            narrow.resize(CR4700RecordData::KeepEverySecondSample(wide.data(), wide.size(), 16,
                                                                  narrow.data()));
            QVERIFY(record.SetSamples(message.title, RecordTime{2026, 12, 9, 17, 30, 0},
                                      wide.data(), wide.size(), narrow.data(), narrow.size()));
            QVERIFY(MessageFile::write(files, record, own + "/" + message.title + ".pmf"));
        }
        QVERIFY(
            files.writeFile(data_.path() + "/Tower/msglist.csv",
                            MessageListFile::write({{"6", "Fire drill", own + "/Fire drill.pmf"},
                                                    {"10", "Chime 4-tone up", "-"}})));

        app.switchView(ToolId::Message);
        auto& view = static_cast<MessageView&>(*app.view(ToolId::Message));
        auto* list = view.list().findChild<QTreeWidget*>(QStringLiteral("messages"));
        list->setCurrentItem(list->topLevelItem(1));
        save(*app.frame(), QStringLiteral("message-list-") + language);

        view.list().record();
        if (view.list().isRecording()) {
            QTest::qWait(2300);
            save(*app.frame(), QStringLiteral("message-recording-") + language);
            view.list().stop();
            dialogs.choices = {UserDialogs::Answer::No};
            view.list().newMessage();
        }

        view.tabs().setCurrentIndex(MessageView::Transfer);
        view.transfer()
            .findChild<QTableWidget*>(QStringLiteral("stations"))
            ->item(0, 0)
            ->setCheckState(Qt::Checked);
        save(*app.frame(), QStringLiteral("message-transfer-") + language);
        view.tabs().setCurrentIndex(MessageView::List);

        DlgMessageSave name(app.resources(), app.messages(), app.locale().codePage(), {},
                            "Fire drill");
        save(name, QStringLiteral("message-save-") + language);
    }

    // Every page of the System Setting Tool over a filled system, and a refusal.
    void systemSettings(R4000App& app, const QString& language)
    {
        fillSystem(app.document());
        auto& view = static_cast<ConfigView&>(*app.view(ToolId::Config));
        auto& general = static_cast<DlgSystemConfig&>(view.page(ConfigView::General));
        const char* generalTabs[] = {"equipment", "station-table", "connections", "multicast"};
        view.tabs().setCurrentIndex(ConfigView::General);
        for (int tab = 0; tab < 4; ++tab) {
            general.tabs().setCurrentIndex(tab);
            save(*app.frame(), QStringLiteral("system-settings-%1-%2")
                                   .arg(QLatin1String(generalTabs[tab]), language));
        }
        auto& exchange = static_cast<DlgExConfig&>(view.page(ConfigView::Exchange));
        view.tabs().setCurrentIndex(ConfigView::Exchange);
        const char* exchangeTabs[] = {"network", "clock", "function"};
        for (int unit : {1, 2}) {
            QVERIFY(exchange.selectUnit(unit));
            for (int tab = 0; tab < DlgExConfig::TabCount; ++tab) {
                exchange.tabs().setCurrentIndex(tab);
                save(*app.frame(), QStringLiteral("system-settings-exchange%1-%2-%3")
                                       .arg(unit)
                                       .arg(QLatin1String(exchangeTabs[tab]), language));
            }
        }
        view.tabs().setCurrentIndex(ConfigView::Station);
        auto& station = static_cast<DlgStationConfig&>(view.page(ConfigView::Station));
        const char* stationTabs[] = {"function", "speed-dial", "scan-monitor"};
        for (int tab = 0; tab < station.tabs().count(); ++tab) {
            station.tabs().setCurrentIndex(tab);
            save(*app.frame(), QStringLiteral("system-settings-station-%1-%2")
                                   .arg(QLatin1String(stationTabs[tab]), language));
        }
        view.tabs().setCurrentIndex(ConfigView::IPStation);
        save(*app.frame(), QStringLiteral("system-settings-ip-station-") + language);
        view.tabs().setCurrentIndex(ConfigView::Paging);
        save(*app.frame(), QStringLiteral("system-settings-paging-") + language);
        view.tabs().setCurrentIndex(ConfigView::Group);
        auto& group = static_cast<DlgGroup&>(view.page(ConfigView::Group));
        const char* groupTabs[] = {"blocking-group", "blocking-to", "remote-response"};
        for (int tab = 0; tab < group.tabs().count(); ++tab) {
            group.tabs().setCurrentIndex(tab);
            save(*app.frame(), QStringLiteral("system-settings-group-%1-%2")
                                   .arg(QLatin1String(groupTabs[tab]), language));
        }
        view.tabs().setCurrentIndex(ConfigView::MultiInterface);
        auto& multiInterface = static_cast<DlgMiConfig&>(view.page(ConfigView::MultiInterface));
        const char* lineTabs[] = {"audio", "contact-input", "contact-output"};
        for (int tab = DlgMiConfig::Audio; tab < DlgMiConfig::TabCount; ++tab) {
            multiInterface.tabs().setCurrentIndex(tab);
            save(*app.frame(),
                 QStringLiteral("system-settings-mi-%1-%2")
                     .arg(QLatin1String(lineTabs[tab - DlgMiConfig::Audio]), language));
        }

        // The import with the units a scan found, two of them copied.
        DlgImport import(app.resources(), app.messages(), app.system(), {});
        ScanReports::deliver(import.scan(), 21, "R-4100EX", "Hall");
        ScanReports::deliver(import.scan(), 22, "R-4760DS", "Gate");
        ScanReports::deliver(import.scan(), 23, "R-4100MI", "Paging");
        import.onScanFinished();
        QVERIFY(import.copy(0, 1));
        QVERIFY(import.copy(1, 7));
        import.foundList().selectRow(2);
        save(import, QStringLiteral("system-settings-import-") + language);

        // The print preview: the first page, and the station table running on.
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog preview(&printer, app.frame());
        connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                [&view](QPrinter* target) { view.printReport(*target, 1, 0); });
        preview.resize(900, 1000);
        auto* pages = preview.findChild<QPrintPreviewWidget*>();
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        pages->setZoomMode(QPrintPreviewWidget::FitInView);
        for (int page : {1, 2}) {
            pages->setCurrentPage(page);
            save(preview,
                 QStringLiteral("system-settings-print-page%1-%2").arg(page).arg(language));
        }
        preview.close();

        // The box a refused UDP port shows.
        const ResourceChain& resources = app.resources();
        QMessageBox refusal(QMessageBox::Warning, resources.string(StringId::Caption),
                            ResourceChain::substitute(resources.string(StringId::EnterEvenNumber),
                                                      {"1", "65516", "14981", "15000"}),
                            QMessageBox::Ok);
        save(refusal, QStringLiteral("system-settings-refusal-") + language);
    }

private slots:
    void initTestCase()
    {
        const QByteArray folder = qgetenv("R4000_SCREENSHOTS_DIR");
        out_.setPath(folder.isEmpty() ? QStringLiteral(R4000_SCREENSHOTS_DIR)
                                      : QString::fromLocal8Bit(folder));
        QVERIFY(out_.mkpath(QStringLiteral(".")));
        for (const char* name : {"Tower", "Annex", "Harbour"})
            QVERIFY(SystemFixture::save(data_.path(), name, {}, 3));
    }

    void program_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        QTest::newRow("ko") << "ko";
        QTest::newRow("ja") << "ja";
    }

    void program()
    {
        QFETCH(QString, language);
        ScriptedDialogs dialogs;
        dialogs.selectName = "Tower";
        R4000App::Options options;
        options.arguments = {u'-' + language};
        options.libraryDirectory = R4000_LIBRARY_DIR;
        options.dataFolder = data_.path();
        options.dialogs = &dialogs;
        options.programFolder = R4000_PROGRAM_DIR;
        R4000App app(std::move(options));
        QVERIFY(app.initInstance());
        save(*app.frame(), QStringLiteral("launcher-") + language);

        const ResourceChain& resources = app.resources();
        const int codePage = app.locale().codePage();
        DlgCertification selection(resources, app.initialDoc().selection(), "Tower", codePage,
                                   dialogs);
        save(selection, QStringLiteral("system-selection-") + language);

        R4000System system;
        DlgSave saveDialog(resources, system, codePage, dialogs);
        saveDialog.findChild<QLineEdit*>(QStringLiteral("systemName"))
            ->setText(QStringLiteral("Tower"));
        save(saveDialog, QStringLiteral("save-") + language);

        DlgCertification2 login(resources, QStringLiteral("192.168.1.10"), 80,
                                QStringLiteral("Tower"), QStringLiteral("r4000"));
        save(login, QStringLiteral("login-") + language);

        CAboutDlg about(resources, app.aboutInfo());
        save(about, QStringLiteral("about-") + language);

        // The launcher's maintenance jobs: the clock, both password pages, a wait window.
        DlgTime clock(resources);
        save(clock, QStringLiteral("clock-setting-") + language);
        DlgChangePasswd passwords(resources, app.messages(), app.system());
        save(passwords, QStringLiteral("password-change-system-") + language);
        passwords.pages().setCurrentIndex(DlgChangePasswd::MaintenancePage);
        save(passwords, QStringLiteral("password-change-maintenance-") + language);
        DlgMsg waiting(resources, resources.string(StringId::SettingClock), nullptr);
        save(waiting, QStringLiteral("clock-setting-wait-") + language);
        waiting.hide();

        app.switchView(ToolId::Config);
        systemSettings(app, language);

        // The scan tool with a filled list, as four units reported themselves.
        app.switchView(ToolId::Scan);
        auto& scanView = static_cast<ScanView&>(*app.view(ToolId::Scan));
        ScanReports::deliver(scanView.document(), 11, "R-4100EX", "Office");
        ScanReports::deliver(scanView.document(), 12, "R-4100MI", "Gate");
        ScanReports::deliver(scanView.document(), 13, "R-4720MS", "Desk");
        ScanReports::deliver(scanView.document(), 14, "R-4760DS", "Door");
        scanView.model().reload();
        scanView.model().setData(scanView.model().index(1, 0), Qt::Checked, Qt::CheckStateRole);
        save(*app.frame(), QStringLiteral("scan-tool-") + language);

        DlgProgress progress(resources.string(StringId::ScanStatus) + QStringLiteral(" - ") +
                                 resources.string(StringId::Caption),
                             resources.string(StringId::ScanningNow), 3,
                             resources.string(StringId::UnitsDidNotAnswer),
                             resources.dialogText(DialogId::About, 1));
        save(progress, QStringLiteral("scan-progress-") + language);

        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog preview(&printer);
        connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
            ScanPrinter(scanView.model(), app.locale().isJapanese()).print(*target);
        });
        preview.resize(720, 540);
        save(preview, QStringLiteral("scan-print-preview-") + language);

        // The Message Tool is the launcher's under Japanese; English shows its own texts.
        if (language != QStringLiteral("ko"))
            messageTool(app, dialogs, language);
    }
};

QTEST_MAIN(Screenshots)
#include "Screenshots.moc"
