#include "UnitPage.h"

#include "Exchange.h"
#include "LineField.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "System.h"

#include <QLabel>
#include <QLineEdit>

UnitPage::UnitPage(const ResourceChain& resources, const UserMessages& messages, int dialogId,
                   QWidget* parent)
    : QWidget(parent), resources_(resources), messages_(messages), dialogId_(dialogId)
{
}

UnitPage::~UnitPage()
{
    LineField::releaseAll(*this);
}

void UnitPage::setUnit(Exchange* unit)
{
    unit_ = unit;
    refresh();
}

void UnitPage::refresh()
{
    setEnabled(unit_ && appliesTo(*unit_));
    for (LineField* field : fields_)
        if (field)
            field->refresh();
    refreshControls();
}

bool UnitPage::commitField(int field)
{
    return field >= 0 && field < int(fields_.size()) && fields_[std::size_t(field)] &&
           fields_[std::size_t(field)]->commit();
}

Refusal UnitPage::enterNumber(int min, int max)
{
    return {StringId::EnterNumber, {QString::number(min), QString::number(max)}};
}

void UnitPage::fitWidth(QLineEdit& edit, int characters)
{
    const int digit = edit.fontMetrics().horizontalAdvance(QLatin1Char('8'));
    edit.setFixedWidth(digit * characters + 16);
}

void UnitPage::chainTabOrder(const std::vector<QWidget*>& controls)
{
    for (std::size_t i = 1; i < controls.size(); ++i)
        setTabOrder(controls[i - 1], controls[i]);
}

QString UnitPage::text(int control) const
{
    return resources_.dialogText(dialogId_, control);
}

QLabel* UnitPage::label(int control, QWidget* buddy)
{
    auto* shown = new QLabel(text(control), this);
    if (buddy)
        shown->setBuddy(buddy);
    return shown;
}

QLineEdit* UnitPage::addField(int field, const QString& objectName, int maxLength, Show show,
                              Commit commit)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setMaxLength(maxLength);
    fitWidth(*edit, maxLength);
    if (field >= int(fields_.size()))
        fields_.resize(std::size_t(field) + 1, nullptr);
    fields_[std::size_t(field)] = new LineField(
        *edit, messages_, [this, show] { return unit_ ? show(*unit_) : QString(); },
        [this, commit](const QString& entered) {
            if (!unit_)
                return Refusal{};
            const Refusal refusal = commit(*unit_, entered.trimmed());
            // What depends on the value shows it at once (ranges, enabled fields).
            if (!refusal)
                refreshControls();
            return refusal;
        });
    return edit;
}

QLineEdit* UnitPage::addNumberField(int field, const QString& objectName, int min, int max,
                                    std::function<int(const Exchange&)> value,
                                    std::function<bool(Exchange&, int)> apply, const char* key)
{
    QLineEdit* edit = addField(
        field, objectName, int(QString::number(max).size()),
        [value](const Exchange& unit) { return QString::number(value(unit)); },
        [=](Exchange& unit, const QString& entered) -> Refusal {
            int number = 0;
            if (!LineField::toNumber(entered, number) || number < min || number > max ||
                !apply(unit, number))
                return enterNumber(min, max);
            unit.system().announce(key);
            return {};
        });
    edit->setAlignment(Qt::AlignRight);
    return edit;
}
