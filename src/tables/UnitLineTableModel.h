#pragma once

#include "Locale.h"
#include "Refusal.h"
#include "UnitLines.h"

#include <QAbstractTableModel>
#include <QList>
#include <string_view>
#include <vector>

class ResourceChain;
class System;

// A table of check boxes over lines of the units: each row one line, first the columns that
// tell which line it is, then one check box column per zone or group. Checking a box in a row
// that is among several selected rows sets that box in every selected row; whatever the
// model refused in one such action is reported once through refused(), each reason once.
// The rows are made again only when the lines listed change, so a toggle redraws its cells.
class UnitLineTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using Caption = UnitLines::Caption;

    UnitLineTableModel(const ResourceChain& resources, Locale locale, std::vector<Caption> captions,
                       QObject* parent = nullptr);

    // The system listed; null lists nothing.
    void setSystem(System* system);
    // The model may have changed: the rows and columns follow it again.
    void refresh();
    // The rows the user selected, for the actions on several rows.
    void setSelectedRows(std::vector<int> rows) { selected_ = std::move(rows); }

    int captionCount() const { return int(captions_.size()); }
    // What the column, one of the first captionCount(), tells of its line.
    Caption caption(int column) const { return captions_[std::size_t(column)]; }
    const UnitLine& line(int row) const { return rows_[std::size_t(row)]; }
    // The refusals' texts, one a line.
    QString describe(const QList<Refusal>& refusals) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void refused(const QList<Refusal>& refusals);

protected:
    System* system() const { return system_; }
    const ResourceChain& resources() const { return resources_; }
    const Locale& locale() const { return locale_; }

    virtual std::vector<UnitLine> linesOf(const System& system) const = 0;
    virtual int checkColumnsOf(const System& system) const = 0;
    // check: the check box column, counted from 0.
    virtual bool isChecked(int row, int check) const = 0;
    virtual bool canCheck(int row, int check) const;
    // Changes the model; the refusal when it was not taken.
    virtual Refusal setChecked(int row, int check, bool on) = 0;
    virtual QString checkHeading(int check) const = 0;
    // The settings key the system's observers hear after a change of the line.
    virtual std::string_view changeKey(const UnitLine& line) const = 0;
    // Called when the rows or the model's values may have changed, before they are shown.
    virtual void rebuilt() {}
    // Checks or clears one box in each of rows; the distinct refusals, first met first.
    virtual QList<Refusal> apply(const std::vector<int>& rows, int check, bool on);
    // Redraws the check boxes of every row.
    void checksChanged();

private:
    void rebuild(System* system);

    const ResourceChain& resources_;
    Locale locale_;
    std::vector<Caption> captions_;
    System* system_ = nullptr;
    std::vector<UnitLine> rows_;
    int checks_ = 0;
    std::vector<int> selected_;
};
