#pragma once

#include <QObject>
#include <QString>
#include <string>

class R4000App;

// The System Setting Tool's document: the one system model of the program, the path of its
// system file ("<data folder>/<name>/<name>.sys"; empty for a system never saved) and its
// title, the system's name.
class R4000ConfigDoc : public QObject
{
    Q_OBJECT

public:
    explicit R4000ConfigDoc(R4000App& app, QObject* parent = nullptr);

    // A new, default system; the current system name becomes empty.
    void newDocument();
    // Loads the system file at path and makes its system current. Opening the path that is
    // already open (case ignored) changes nothing. False, after telling the user, when the
    // system cannot be read; the document is then a new system.
    bool openDocument(const std::string& path);
    // Saves to the document's path; a system never saved asks for its name first.
    bool save();
    // Asks for a name and password and saves the system under them.
    bool saveAs();

    const std::string& path() const { return path_; }
    QString title() const { return title_; }

signals:
    // The document was made, opened or saved: every view shows it again.
    void changed();

private:
    bool saveTo(const std::string& path);
    void setPath(const std::string& path);

    R4000App& app_;
    std::string path_;
    QString title_;
};
