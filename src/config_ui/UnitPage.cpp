#include "UnitPage.h"

#include "Exchange.h"
#include "LineField.h"
#include "System.h"

#include <QLineEdit>

UnitPage::UnitPage(const ResourceChain& resources, const UserMessages& messages, int dialogId,
                   QWidget* parent)
    : SettingsPage(resources, messages, dialogId, parent)
{
}

void UnitPage::setUnit(Exchange* unit)
{
    unit_ = unit;
    refresh();
}

void UnitPage::refresh()
{
    setEnabled(unit_ && appliesTo(*unit_));
    refreshFields();
    refreshControls();
}

QLineEdit* UnitPage::addField(int field, const QString& objectName, int maxLength, Show show,
                              Commit commit)
{
    return addLineField(
        field, objectName, maxLength, [this, show] { return unit_ ? show(*unit_) : QString(); },
        [this, commit](const QString& entered) {
            if (!unit_)
                return Refusal{};
            const Refusal refusal = commit(*unit_, entered.trimmed());
            // What depends on the value shows it at once (ranges, enabled fields).
            if (!refusal)
                refreshControls();
            return refusal;
        });
}

QLineEdit* UnitPage::addNumberField(int field, const QString& objectName, int min, int max,
                                    std::function<int(const Exchange&)> value,
                                    std::function<bool(Exchange&, int)> apply, const char* key)
{
    QLineEdit* edit = addField(
        field, objectName, int(QString::number(max).size()),
        [value](const Exchange& unit) { return QString::number(value(unit)); },
        [=](Exchange& unit, const QString& entered) {
            const Refusal refusal =
                takeNumber(entered, min, max, [&](int number) { return apply(unit, number); });
            if (!refusal)
                unit.system().announce(key);
            return refusal;
        });
    edit->setAlignment(Qt::AlignRight);
    return edit;
}
