#pragma once

#include "Locale.h"
#include "ReportBlock.h"

#include <vector>

class QAbstractItemModel;
class ResourceChain;
class System;
class UnitLineTableModel;

// The whole system as its printed report tells it, in five sections: general (units,
// stations, connections, multicast), the units' settings, the stations' settings, paging and
// groups. The tables that the pages show as grids come from the same table models, cell by
// cell as shown; the others are read from the model. Building it needs no window.
class ConfigReport
{
public:
    ConfigReport(const ResourceChain& resources, System& system);

    const std::vector<ReportBlock>& blocks() const { return blocks_; }
    // The system's name, as the header of every page shows it.
    const QString& systemName() const { return systemName_; }

    // A grid as shown: its heading row, then each row's cells (a check box as "O").
    static ReportBlock tableOf(const QAbstractItemModel& model, const QStringList& templates,
                               int keyColumns);
    // The templates of the columns that name a grid's lines.
    static QStringList captionTemplates(const UnitLineTableModel& model);

private:
    void general();
    void units();
    void stations();
    void paging();
    void groups();

    void section(int nameId);
    void section(const QString& name);
    void subSection(int nameId);
    void subSection(const QString& name);
    void text(const QString& line);
    void table(ReportBlock block);
    QString string(int id) const;
    // A heading or value of the tables read from the model, by its place after the first.
    QString heading(int column) const;
    QString onOff(bool on) const;
    QString name(const std::string& bytes) const;

    const ResourceChain& resources_;
    System& system_;
    Locale locale_;
    QString systemName_;
    std::vector<ReportBlock> blocks_;
};
