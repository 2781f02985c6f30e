#pragma once

#include "UnitPage.h"

class ContactTableModel;
class QLayout;
class SettingGrid;

// A page of one kind of contact of a unit: the list of the contacts on the left, the
// settings of the one chosen in it on the right.
class ContactPage : public UnitPage
{
    Q_OBJECT

public:
    // The contact shown, 1..count; 0 while the unit has none.
    int selected() const { return selected_; }
    // Shows the contact with that number, as a click on its row does.
    void selectContact(int number);

    void refresh() override;

    SettingGrid& list() const { return *list_; }
    ContactTableModel& table() const { return *table_; }

protected:
    // The page owns table; settings holds the controls of the chosen contact.
    ContactPage(const ResourceChain& resources, const UserMessages& messages, int dialogId,
                ContactTableModel* table, QWidget* parent = nullptr);

    void setSettings(QLayout* settings);
    void refreshControls() final;
    // Shows the chosen contact's values in the controls that are not text fields.
    virtual void refreshContact() = 0;

private:
    ContactTableModel* table_;
    SettingGrid* list_;
    int selected_ = 0;
};
