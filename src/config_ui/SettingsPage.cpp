#include "SettingsPage.h"

#include "ModelText.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "WheelGuard.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

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
    if (!ModelText::toNumber(text, number) || number < min || number > max || !apply(number))
        return enterNumber(min, max);
    return {};
}

void SettingsPage::fitWidth(QLineEdit& edit, int characters)
{
    const int digit = edit.fontMetrics().horizontalAdvance(QLatin1Char('8'));
    edit.setFixedWidth(digit * characters + 16);
}

void SettingsPage::fillNumbers(QComboBox& list, const std::vector<int>& numbers, int chosen,
                               bool blank)
{
    const QSignalBlocker block(&list);
    list.clear();
    if (blank)
        list.addItem(QString(), 0);
    for (int number : numbers)
        list.addItem(QString::number(number), number);
    list.setCurrentIndex(list.findData(chosen));
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

QStringList SettingsPage::texts(std::initializer_list<int> controls) const
{
    QStringList shown;
    for (int control : controls)
        shown << text(control);
    return shown;
}

QLabel* SettingsPage::label(int control, QWidget* buddy)
{
    auto* shown = new QLabel(text(control), this);
    if (buddy)
        shown->setBuddy(buddy);
    return shown;
}

QButtonGroup* SettingsPage::addChoice(QGroupBox*& frame, const QString& title,
                                      const QStringList& texts, const QString& objectName,
                                      std::function<void(int)> chosen)
{
    frame = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(frame);
    int index = 0;
    for (const QString& shown : texts) {
        auto* button = new QRadioButton(shown, frame);
        button->setObjectName(objectName + QString::number(index));
        group->addButton(button, index++);
        layout->addWidget(button);
    }
    connect(group, &QButtonGroup::idClicked, this, std::move(chosen));
    return group;
}

QComboBox* SettingsPage::addList(const QString& objectName, std::function<void(int)> chosen)
{
    auto* list = new QComboBox(this);
    list->setObjectName(objectName);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    WheelGuard::guard(*list);
    connect(list, &QComboBox::activated, this, [list, chosen = std::move(chosen)](int index) {
        chosen(list->itemData(index).toInt());
    });
    return list;
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
