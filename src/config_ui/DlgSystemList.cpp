#include "DlgSystemList.h"

#include "EquipmentTableModel.h"
#include "LineField.h"
#include "ModelObserver.h"
#include "ModelText.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SettingGrid.h"
#include "System.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Controls of the page's texts.
enum Text { ExchangeLabel = 1, IPStationLabel, MultiInterfaceLabel, TotalLabel, ImportButton };

} // namespace

DlgSystemList::DlgSystemList(const ResourceChain& resources, const UserMessages& messages,
                             Locale locale, QWidget* parent)
    : QWidget(parent), resources_(resources), messages_(messages), total_(new QLabel(this)),
      grid_(new SettingGrid(this)), table_(new EquipmentTableModel(resources, locale, this)),
      import_(new QPushButton(resources.dialogText(DialogId::SystemList, ImportButton), this)),
      observer_(new ModelObserver(this))
{
    using Category = EquipmentCounts::Category;
    const struct {
        int label;
        const char* name;
        Category category;
    } counts[FieldCount] = {{ExchangeLabel, "exchangeCount", Category::Exchange},
                            {IPStationLabel, "ipStationCount", Category::IPStation},
                            {MultiInterfaceLabel, "multiInterfaceCount", Category::MultiInterface}};

    auto* fields = new QHBoxLayout;
    for (int i = 0; i < FieldCount; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(counts[i].name));
        edit->setMaxLength(2);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
        edit->setAlignment(Qt::AlignRight);
        auto* label = new QLabel(resources.dialogText(DialogId::SystemList, counts[i].label), this);
        label->setBuddy(edit);
        fields->addWidget(label);
        fields->addWidget(edit);
        fields->addSpacing(12);
        const Category category = counts[i].category;
        counts_[std::size_t(i)] = new LineField(
            *edit, messages,
            [this, category] {
                return system_ ? QString::number(EquipmentCounts::count(*system_, category))
                               : QString();
            },
            [this, category](const QString& text) { return setCount(category, text); });
    }
    fields->addStretch();
    import_->setObjectName(QStringLiteral("importFromScan"));
    import_->setEnabled(false);
    fields->addWidget(import_);

    auto* totalLine = new QHBoxLayout;
    totalLine->addWidget(new QLabel(resources.dialogText(DialogId::SystemList, TotalLabel), this));
    total_->setObjectName(QStringLiteral("total"));
    totalLine->addWidget(total_);
    totalLine->addStretch();

    grid_->setObjectName(QStringLiteral("equipment"));
    // The unit number is a column of its own.
    grid_->verticalHeader()->hide();
    grid_->setModel(table_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(totalLine);
    layout->addWidget(grid_);

    // Tab goes as the page reads: the counts, the import, the list.
    setTabOrder(&counts_[ExchangeCount]->edit(), &counts_[IPStationCount]->edit());
    setTabOrder(&counts_[IPStationCount]->edit(), &counts_[MultiInterfaceCount]->edit());
    setTabOrder(&counts_[MultiInterfaceCount]->edit(), import_);
    setTabOrder(import_, grid_);
    connect(table_, &EquipmentTableModel::refused, this,
            [this](const Refusal& refusal) { grid_->tellRefusal(messages_, refusal); });
    connect(observer_, &ModelObserver::changed, this, &DlgSystemList::refresh);
}

DlgSystemList::~DlgSystemList()
{
    LineField::releaseAll(*this);
}

void DlgSystemList::attach(System& system)
{
    system_ = &system;
    observer_->observe(system);
    table_->setSystem(system_);
    refresh();
}

void DlgSystemList::detach()
{
    observer_->release();
    system_ = nullptr;
    table_->setSystem(nullptr);
    refresh();
}

void DlgSystemList::refresh()
{
    for (LineField* field : counts_)
        field->refresh();
    total_->setText(system_ ? QString::number(system_->registeredCount()) : QString());
    // Found units are copied onto registered ones.
    import_->setEnabled(system_ && system_->registeredCount() > 0);
    table_->refresh();
}

bool DlgSystemList::commitField(int field)
{
    return field >= 0 && field < FieldCount && counts_[std::size_t(field)]->commit();
}

Refusal DlgSystemList::setCount(EquipmentCounts::Category category, const QString& text)
{
    int count = 0;
    if (!ModelText::toNumber(text, count))
        return {StringId::EnterNumber,
                {QStringLiteral("0"), QString::number(system_->maxEquipment())}};
    if (!EquipmentCounts::setCount(*system_, category, count))
        return {StringId::EquipmentLimit, {QString::number(system_->maxEquipment())}};
    system_->announce({});
    return {};
}
