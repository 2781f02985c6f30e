#include "ScanTableModel.h"

#include "ItemRoles.h"
#include "ModelText.h"
#include "R4000ScanDoc.h"
#include "ResourceChain.h"
#include "ScanCellRules.h"

ScanTableModel::ScanTableModel(R4000ScanDoc& document, const ResourceChain& resources,
                               Locale locale, QObject* parent)
    : QAbstractTableModel(parent), document_(document), resources_(resources),
      locale_(std::move(locale))
{
}

void ScanTableModel::reload()
{
    beginResetModel();
    rows_.clear();
    for (const auto& [mac, unit] : document_.units()) {
        if (R4000ScanDoc::isListed(unit))
            rows_.push_back({mac, false});
    }
    selectedCount_ = 0;
    endResetModel();
    emit selectionCountChanged(0);
}

int ScanTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ScanTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

ScanElement* ScanTableModel::unitOf(int row) const
{
    return document_.find(rows_[std::size_t(row)].mac);
}

QString ScanTableModel::text(const ScanElement& unit, int column) const
{
    switch (column) {
    case Mac:
        return QString::fromStdString(ScanElement::macText(unit.macAddress));
    case Model:
        return QString::fromStdString(R4000ScanDoc::modelLabel(unit.modelName));
    case IpAddress:
        return QString::fromStdString(unit.ipAddress.toText());
    case SubnetMask:
        return QString::fromStdString(unit.subnetMask.toText());
    case Gateway:
        return QString::fromStdString(unit.gateway.toText());
    case WebPort:
        return QString::number(unit.webPort);
    case Name:
        return ModelText::toUi(unit.unitName, locale_.codePage());
    default:
        return {};
    }
}

QVariant ScanTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const ScanElement* unit = unitOf(index.row());
    if (!unit)
        return {};
    if (index.column() == Select)
        return role == Qt::CheckStateRole
                   ? QVariant(rows_[std::size_t(index.row())].selected ? Qt::Checked
                                                                       : Qt::Unchecked)
                   : QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(*unit, index.column());
    if (role == ItemRole::MaxLength) {
        switch (index.column()) {
        case IpAddress:
        case SubnetMask:
        case Gateway:
            return ScanCellRules::kMaxAddressLength;
        case WebPort:
            return ScanCellRules::kMaxPortLength;
        case Name:
            return ScanCellRules::kMaxNameLength;
        }
    }
    return {};
}

bool ScanTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return false;
    Row& row = rows_[std::size_t(index.row())];
    if (index.column() == Select) {
        if (role != Qt::CheckStateRole)
            return false;
        const bool selected = value.toInt() == Qt::Checked;
        if (selected != row.selected) {
            row.selected = selected;
            selectedCount_ += selected ? 1 : -1;
            emit dataChanged(index, index, {Qt::CheckStateRole});
            emit selectionCountChanged(selectedCount_);
        }
        return true;
    }
    ScanElement* unit = unitOf(index.row());
    if (role != Qt::EditRole || !unit || index.column() < IpAddress)
        return false;
    const QString typed = value.toString();
    if (typed.compare(text(*unit, index.column()), Qt::CaseInsensitive) == 0)
        return true;
    const std::string input = typed.toStdString();
    int refusal = 0;
    switch (index.column()) {
    case IpAddress:
        refusal = ScanCellRules::ipAddress(input, unit->subnetMask, unit->ipAddress);
        break;
    case SubnetMask:
        refusal = ScanCellRules::subnetMask(input, unit->ipAddress, unit->subnetMask);
        break;
    case Gateway:
        refusal = ScanCellRules::gateway(input, unit->subnetMask, unit->gateway);
        break;
    case WebPort: {
        unsigned port = 0;
        refusal = ScanCellRules::webPort(input, port);
        if (!refusal)
            unit->webPort = std::uint16_t(port);
        break;
    }
    case Name: {
        // Units keep their names in the code page; eight bytes of it at most.
        std::string bytes;
        refusal = ModelText::fromUi(typed, locale_.codePage(), bytes)
                      ? ScanCellRules::unitName(bytes, locale_, unit->unitName)
                      : ScanCellRules::kEnterUpTo8;
        break;
    }
    default:
        return false;
    }
    if (refusal) {
        emit refused(refusal, refusal == ScanCellRules::kEnterNumber
                                  ? QStringList{QStringLiteral("1"), QStringLiteral("65535")}
                                  : QStringList());
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags ScanTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Select)
        return base | Qt::ItemIsUserCheckable;
    // The MAC text links a row to its unit: it and the model cannot be typed over.
    return index.column() >= IpAddress ? base | Qt::ItemIsEditable : base;
}

QVariant ScanTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return resources_.string(5300 + section);
}

void ScanTableModel::selectAll()
{
    for (Row& row : rows_)
        row.selected = true;
    selectedCount_ = int(rows_.size());
    changedColumn(Select);
    emit selectionCountChanged(selectedCount_);
}

std::vector<ScanElement*> ScanTableModel::selectedUnits() const
{
    std::vector<ScanElement*> units;
    for (int i = 0; i < int(rows_.size()); ++i) {
        if (rows_[std::size_t(i)].selected)
            if (ScanElement* unit = unitOf(i))
                units.push_back(unit);
    }
    return units;
}

void ScanTableModel::autoAssign(Ipv4Address start, std::uint32_t count)
{
    // Addresses count up as 32-bit numbers: 192.168.1.255 is followed by 192.168.2.0.
    std::uint32_t next = start.value();
    std::uint32_t given = 0;
    for (ScanElement* unit : selectedUnits()) {
        if (given == count)
            break;
        unit->ipAddress = Ipv4Address(next++);
        ++given;
    }
    changedColumn(IpAddress);
}

void ScanTableModel::setSelectedMask(Ipv4Address mask)
{
    for (ScanElement* unit : selectedUnits())
        unit->subnetMask = mask;
    changedColumn(SubnetMask);
}

void ScanTableModel::setSelectedGateway(Ipv4Address gateway)
{
    for (ScanElement* unit : selectedUnits())
        unit->gateway = gateway;
    changedColumn(Gateway);
}

void ScanTableModel::changedColumn(int column)
{
    if (!rows_.empty())
        emit dataChanged(index(0, column), index(int(rows_.size()) - 1, column));
}
