#pragma once

#include "CollectiveSetup.h"
#include "Refusal.h"

#include <QDialog>

class LineField;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class ResourceChain;
class UserMessages;

// "Collective setup" of the station table: over all stations or the selected rows, change
// the type, number in sequence from a start, name with a prefix and the sequence. OK keeps
// the dialog open, with the field selected, when the last name or number would be too long.
class DlgCollectiveSetup : public QDialog
{
    Q_OBJECT

public:
    // types: the station models offered (blank first, for no station); allCount and
    // selectedCount: the stations in each range.
    DlgCollectiveSetup(const ResourceChain& resources, const UserMessages& messages,
                       const QStringList& types, std::size_t allCount, std::size_t selectedCount,
                       int stationDigits, int codePage, QWidget* parent = nullptr);
    ~DlgCollectiveSetup() override;

    // The range and what to do, as accepted.
    bool selectedOnly() const;
    const CollectiveSetup& setup() const { return setup_; }

    void accept() override;

private:
    Refusal takeStart(const QString& text);

    const UserMessages& messages_;
    std::size_t allCount_;
    std::size_t selectedCount_;
    int stationDigits_;
    int codePage_;
    QRadioButton* all_;
    QRadioButton* selected_;
    QCheckBox* changeType_;
    QComboBox* type_;
    QCheckBox* assignNumbers_;
    QLineEdit* startEdit_;
    LineField* start_;
    QString startText_;
    QCheckBox* changeNames_;
    QLineEdit* prefix_;
    CollectiveSetup setup_;
};
