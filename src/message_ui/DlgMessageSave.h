#pragma once

#include <QDialog>
#include <set>
#include <string>

class QLineEdit;
class ResourceChain;
class UserMessages;

// "メッセージの保存": the name a message is saved (or renamed) under. OK trims the name and
// refuses, in this order, an empty name, one with a character a file name may not hold (or
// one the code page has no form for), one over 128 bytes, and the name of another message.
class DlgMessageSave : public QDialog
{
    Q_OBJECT

public:
    // taken: the titles of the system's messages; current: the one being saved, which keeps
    // its own name freely.
    DlgMessageSave(const ResourceChain& resources, const UserMessages& messages, int codePage,
                   std::set<std::string> taken, const std::string& current,
                   QWidget* parent = nullptr);

    // The name accepted, in the code page.
    const std::string& name() const { return name_; }

    void accept() override;

private:
    const UserMessages& messages_;
    int codePage_;
    std::set<std::string> taken_;
    std::string current_;
    QLineEdit* edit_;
    std::string name_;
};
