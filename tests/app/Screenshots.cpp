// Pictures of the launcher and the dialogs in English, Korean and Japanese, for people to
// look at: written as PNG files into the screenshot folder.
#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "DlgCertification.h"
#include "DlgCertification2.h"
#include "DlgProgress.h"
#include "DlgSave.h"
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
#include "SystemFixture.h"
#include "TempFolder.h"

#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
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
        const QString path = out_.filePath(name + QStringLiteral(".png"));
        QVERIFY(widget.grab().save(path));
        QVERIFY(QFileInfo(path).size() > 0);
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
        R4000App app(std::move(options));
        QVERIFY(app.initInstance());
        save(*app.frame(), QStringLiteral("launcher-") + language);
        if (language == QStringLiteral("ja"))
            return;

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

        app.switchView(ToolId::Config);
        save(*app.frame(), QStringLiteral("system-settings-") + language);

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
    }
};

QTEST_MAIN(Screenshots)
#include "Screenshots.moc"
