#pragma once

#include "CR4700RecordData.h"
#include "DlgMessageList.h"
#include "DlgMsgTransfer.h"
#include "Exchange.h"
#include "MessageFile.h"
#include "MessageTestData.h"
#include "MessageView.h"
#include "PosixFileOps.h"
#include "R4000App.h"
#include "R4000MessageDoc.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "ScriptedDialogs.h"
#include "SystemCredentials.h"
#include "SystemFolder.h"
#include "TempFolder.h"
#include "TowerUnits.h"

#include <QObject>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>
#include <memory>

// The program under Japanese with the system Tower of the given units, saved in a data folder
// of the test's own and shown in the Message Tool; the standard messages and the siren
// previews come from a program folder of the test's own too.
// (No Q_OBJECT: the test classes deriving from it carry the slots.)
class MessageToolFixture : public QObject
{
protected:
    std::unique_ptr<TempFolder> data_;
    std::unique_ptr<TempFolder> program_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<R4000App> app_;

    static std::string address(int n) { return TowerUnits::address(n); }

    void makeFolders()
    {
        data_ = std::make_unique<TempFolder>();
        program_ = std::make_unique<TempFolder>();
        dialogs_ = ScriptedDialogs();
    }

    // Tower with units of these models, EX1, EX2, ... at 198.18.0.11, .12, ...
    bool saveSystem(const std::vector<const char*>& models)
    {
        R4000System system(Locale::fromCode("ja"));
        if (!SystemCredentials::apply(system, "Tower", "secret", "secret").ok())
            return false;
        for (int n = 1; n <= int(models.size()); ++n) {
            Exchange* unit = system.insertEquipment(n, models[std::size_t(n - 1)]);
            if (!unit || !unit->setExchangeName("EX" + std::to_string(n)) ||
                !unit->setIpAddressText(address(n)))
                return false;
        }
        PosixFileOps files;
        std::string error;
        return SystemFolder(files, SystemFolder::folderFor(data_->path(), "Tower"), "Tower")
            .save(system, "2026/12/10 09:00:00", error);
    }

    R4000App::Options options()
    {
        dialogs_.selectName = "Tower";
        R4000App::Options options;
        options.arguments = {QStringLiteral("-ja")};
        options.environment = [](const char*) { return nullptr; };
        options.libraryDirectory = R4000_LIBRARY_DIR;
        options.dataFolder = data_->path();
        options.dialogs = &dialogs_;
        options.programFolder = program_->path();
        options.unitOptions.resetWaitMs = 20;
        options.unitOptions.cgi.connectTimeoutMs = 2000;
        options.unitOptions.cgi.transferTimeoutMs = 4000;
        options.unitOptions.cgi.watchdogMs = 8000;
        return options;
    }

    // Starts the program and shows the Message Tool.
    bool start()
    {
        app_ = std::make_unique<R4000App>(options());
        if (!app_->initInstance())
            return false;
        app_->switchView(ToolId::Message);
        return app_->currentView() == &view();
    }

    MessageView& view() const { return *static_cast<MessageView*>(app_->view(ToolId::Message)); }
    DlgMessageList& list() const { return view().list(); }
    DlgMsgTransfer& transfer() const { return view().transfer(); }
    R4000MessageDoc& document() const { return view().document(); }
    QTreeWidget& listWidget() const
    {
        return *list().findChild<QTreeWidget*>(QStringLiteral("messages"));
    }
    QString text(int id) const { return app_->resources().string(id); }

    std::string folder() const { return data_->path() + "/Tower"; }
    std::string ownFolder() const { return folder() + "/Message"; }

    // A record of a tone: seconds of hz.
    static CR4700RecordData tone(double seconds, double hz = 1000, const std::string& name = {})
    {
        CR4700RecordData record;
        const auto wide =
            msgtest::Bytes(msgtest::Sine(std::size_t(16000 * seconds), hz, 16000, 8000));
        std::vector<std::uint8_t> narrow(wide.size() / 2 + 2);
        narrow.resize(
            CR4700RecordData::KeepEverySecondSample(wide.data(), wide.size(), 16, narrow.data()));
        record.SetSamples(name, RecordTime{2026, 3, 6, 9, 5, 0}, wide.data(), wide.size(),
                          narrow.data(), narrow.size());
        return record;
    }

    // A message file of a tone at path, its folder made.
    static bool writeMessage(const std::string& path, double seconds, double hz = 1000)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        CR4700RecordData record = tone(seconds, hz, std::filesystem::path(path).stem());
        PosixFileOps files;
        return MessageFile::write(files, record, path);
    }

    // The titles the list shows, in order.
    QStringList shownTitles() const
    {
        QStringList titles;
        for (int i = 0; i < listWidget().topLevelItemCount(); ++i)
            titles << listWidget().topLevelItem(i)->text(0);
        return titles;
    }

    // As a click selects a message: the tool takes the selection once the view is done.
    void selectRow(int row) const
    {
        listWidget().setCurrentItem(listWidget().topLevelItem(row));
        QCoreApplication::processEvents();
    }

    QStringList told() const
    {
        QStringList texts;
        for (const auto& message : dialogs_.messages)
            texts << message.text;
        return texts;
    }
};
