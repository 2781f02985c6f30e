#pragma once

#include "LineField.h"
#include "Refusal.h"

#include <QWidget>
#include <functional>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class ResourceChain;
class UserMessages;

// What every page of one object's settings (a unit, a station) shares: its texts, its text
// fields by the page's own numbering, and the layout rules of its fields.
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    SettingsPage(const ResourceChain& resources, const UserMessages& messages, int dialogId,
                 QWidget* parent = nullptr);
    ~SettingsPage() override;

    // Commits one field by its page number; false when the object refused it.
    bool commitField(int field);

    // "Enter number. (%d-%d)" with the field's range.
    static Refusal enterNumber(int min, int max);
    // A number field's text: digits within min..max that apply takes, else enterNumber.
    static Refusal takeNumber(const QString& text, int min, int max,
                              const std::function<bool(int)>& apply);
    // Makes a field as wide as characters digits.
    static void fitWidth(QLineEdit& edit, int characters);
    // Fills a list with numbers (after a blank entry for none, when blank), showing chosen;
    // no choice signal goes out.
    static void fillNumbers(QComboBox& list, const std::vector<int>& numbers, int chosen,
                            bool blank);
    // Tab goes through the controls in this order, as the page reads.
    static void chainTabOrder(const std::vector<QWidget*>& controls);

protected:
    // The page's text of control.
    QString text(int control) const;
    QLabel* label(int control, QWidget* buddy = nullptr);
    // A frame titled title with one radio button per text, one under the other; a click on
    // the i-th calls chosen(i). The buttons are named objectName0, 1, ...
    QButtonGroup* addChoice(QGroupBox*& frame, const QString& title, const QStringList& texts,
                            const QString& objectName, std::function<void(int)> chosen);
    // The page's texts of controls.
    QStringList texts(std::initializer_list<int> controls) const;
    // A drop-down list whose choice, by the user, calls chosen with the item's data.
    QComboBox* addList(const QString& objectName, std::function<void(int)> chosen);
    // A text field numbered field over one value of the page's object.
    QLineEdit* addLineField(int field, const QString& objectName, int maxLength,
                            LineField::Show show, LineField::Commit commit);
    // Shows the object's values in every field again.
    void refreshFields();
    const UserMessages& messages() const { return messages_; }

private:
    const ResourceChain& resources_;
    const UserMessages& messages_;
    int dialogId_;
    std::vector<LineField*> fields_;
};
