#pragma once

#include "UserDialogs.h"

class R4000App;
class QWidget;

// The program's own dialogs and message boxes.
class WidgetDialogs : public UserDialogs
{
public:
    explicit WidgetDialogs(R4000App& app);

    void message(const QString& caption, const QString& text, Icon icon) override;
    bool question(const QString& caption, const QString& text) override;
    Answer questionWithCancel(const QString& caption, const QString& text) override;
    bool selectSystem(SystemSelection& selection, const std::string& currentName,
                      std::string& chosen) override;
    bool nameSystem(System& system, std::string& name) override;
    bool confirm(const QString& caption, const QString& text) override;
    QString openFileName(const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& proposedPath, const QString& filter,
                         const QString& defaultSuffix) override;
    std::optional<Credentials> unitCredentials(const std::string& address, int webPort,
                                               const Credentials& tried) override;
    int exec(QDialog& dialog) override;

private:
    // The main window once it shows; before that dialogs stand on their own.
    QWidget* parent() const;

    R4000App& app_;
};
