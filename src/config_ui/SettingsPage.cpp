#include "SettingsPage.h"

#include "ResourceChain.h"
#include "ResourceIds.h"

#include <QLabel>
#include <QLineEdit>

SettingsPage::SettingsPage(const ResourceChain& resources, const UserMessages& messages,
                           int dialogId, QWidget* parent)
    : QWidget(parent), resources_(resources), messages_(messages), dialogId_(dialogId)
{
}

SettingsPage::~SettingsPage()
{
    LineField::releaseAll(*this);
}

bool SettingsPage::commitField(int field)
{
    return field >= 0 && field < int(fields_.size()) && fields_[std::size_t(field)] &&
           fields_[std::size_t(field)]->commit();
}

Refusal SettingsPage::enterNumber(int min, int max)
{
    return {StringId::EnterNumber, {QString::number(min), QString::number(max)}};
}

Refusal SettingsPage::takeNumber(const QString& text, int min, int max,
                                 const std::function<bool(int)>& apply)
{
    int number = 0;
    if (!LineField::toNumber(text, number) || number < min || number > max || !apply(number))
        return enterNumber(min, max);
    return {};
}

void SettingsPage::fitWidth(QLineEdit& edit, int characters)
{
    const int digit = edit.fontMetrics().horizontalAdvance(QLatin1Char('8'));
    edit.setFixedWidth(digit * characters + 16);
}

void SettingsPage::chainTabOrder(const std::vector<QWidget*>& controls)
{
    for (std::size_t i = 1; i < controls.size(); ++i)
        setTabOrder(controls[i - 1], controls[i]);
}

QString SettingsPage::text(int control) const
{
    return resources_.dialogText(dialogId_, control);
}

QLabel* SettingsPage::label(int control, QWidget* buddy)
{
    auto* shown = new QLabel(text(control), this);
    if (buddy)
        shown->setBuddy(buddy);
    return shown;
}

QLineEdit* SettingsPage::addLineField(int field, const QString& objectName, int maxLength,
                                      LineField::Show show, LineField::Commit commit)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setMaxLength(maxLength);
    fitWidth(*edit, maxLength);
    if (field >= int(fields_.size()))
        fields_.resize(std::size_t(field) + 1, nullptr);
    fields_[std::size_t(field)] =
        new LineField(*edit, messages_, std::move(show), std::move(commit));
    return edit;
}

void SettingsPage::refreshFields()
{
    for (LineField* field : fields_)
        if (field)
            field->refresh();
}
