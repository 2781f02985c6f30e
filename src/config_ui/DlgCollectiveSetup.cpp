#include "DlgCollectiveSetup.h"

#include "LineField.h"
#include "ModelText.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "UserMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

enum Text {
    Caption = 0,
    RangeGroup,
    AllLabel,
    SelectedLabel,
    TypeCheck,
    TypeLabel,
    NumberCheck,
    StartLabel,
    NameCheck,
    NameLabel,
    OkButton,
    CancelButton,
};

constexpr int kMaxNameLength = 8;

} // namespace

DlgCollectiveSetup::DlgCollectiveSetup(const ResourceChain& resources,
                                       const UserMessages& messages, const QStringList& types,
                                       std::size_t allCount, std::size_t selectedCount,
                                       int stationDigits, int codePage, QWidget* parent)
    : QDialog(parent), messages_(messages), allCount_(allCount), selectedCount_(selectedCount),
      stationDigits_(stationDigits), codePage_(codePage)
{
    const auto text = [&resources](int control) {
        return resources.dialogText(DialogId::CollectiveSetup, control);
    };
    setWindowTitle(text(Caption));

    auto* range = new QGroupBox(text(RangeGroup), this);
    auto* rangeLayout = new QVBoxLayout(range);
    all_ = new QRadioButton(text(AllLabel), range);
    all_->setObjectName(QStringLiteral("allStations"));
    selected_ = new QRadioButton(text(SelectedLabel), range);
    selected_->setObjectName(QStringLiteral("selectedStations"));
    rangeLayout->addWidget(all_);
    rangeLayout->addWidget(selected_);
    // The selected rows are the range whenever there are some.
    (selectedCount > 0 ? selected_ : all_)->setChecked(true);
    selected_->setEnabled(selectedCount > 0);

    changeType_ = new QCheckBox(text(TypeCheck), this);
    changeType_->setObjectName(QStringLiteral("changeType"));
    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("type"));
    type_->addItems(types);
    assignNumbers_ = new QCheckBox(text(NumberCheck), this);
    assignNumbers_->setObjectName(QStringLiteral("assignNumbers"));
    startEdit_ = new QLineEdit(this);
    startEdit_->setObjectName(QStringLiteral("start"));
    startEdit_->setMaxLength(stationDigits);
    start_ = new LineField(
        *startEdit_, messages, [this] { return startText_; },
        [this](const QString& entered) { return takeStart(entered); });
    changeNames_ = new QCheckBox(text(NameCheck), this);
    changeNames_->setObjectName(QStringLiteral("changeNames"));
    prefix_ = new QLineEdit(this);
    prefix_->setObjectName(QStringLiteral("prefix"));
    prefix_->setMaxLength(kMaxNameLength);

    auto* settings = new QGridLayout;
    const auto row = [&](int at, QCheckBox* check, int labelId, QWidget* field) {
        settings->addWidget(check, at, 0, 1, 2);
        auto* label = new QLabel(text(labelId), this);
        label->setBuddy(field);
        settings->addWidget(label, at + 1, 0);
        settings->addWidget(field, at + 1, 1);
        field->setEnabled(false);
        connect(check, &QCheckBox::toggled, field, &QWidget::setEnabled);
    };
    row(0, changeType_, TypeLabel, type_);
    row(2, assignNumbers_, StartLabel, startEdit_);
    row(4, changeNames_, NameLabel, prefix_);
    settings->setColumnMinimumWidth(0, 120);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(text(OkButton));
    buttons->button(QDialogButtonBox::Cancel)->setText(text(CancelButton));
    connect(buttons, &QDialogButtonBox::accepted, this, &DlgCollectiveSetup::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DlgCollectiveSetup::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addLayout(settings);
    layout->addWidget(buttons);
}

DlgCollectiveSetup::~DlgCollectiveSetup()
{
    LineField::releaseAll(*this);
}

bool DlgCollectiveSetup::selectedOnly() const
{
    return selected_->isChecked();
}

Refusal DlgCollectiveSetup::takeStart(const QString& entered)
{
    const QString trimmed = entered.trimmed();
    int number = 0;
    if (!trimmed.isEmpty() && !ModelText::toNumber(trimmed, number))
        return {StringId::EnterDigits, {QString::number(stationDigits_)}};
    startText_ = trimmed;
    return {};
}

void DlgCollectiveSetup::accept()
{
    if (!start_->commit())
        return;
    const std::size_t count = selectedOnly() ? selectedCount_ : allCount_;
    CollectiveSetup setup;
    if (changeType_->isChecked())
        setup.model = type_->currentText().isEmpty() ? std::string("NONE")
                                                     : type_->currentText().toStdString();
    if (changeNames_->isChecked()) {
        std::string bytes;
        const bool encoded = ModelText::fromUi(prefix_->text(), codePage_, bytes);
        setup.namePrefix = bytes;
        if (!encoded || !setup.namesFit(count)) {
            messages_.tell(encoded ? StringId::NameTooLong : StringId::EnterUpTo8);
            prefix_->setFocus();
            prefix_->selectAll();
            return;
        }
    }
    // An empty start number assigns none.
    if (assignNumbers_->isChecked() && !startText_.isEmpty()) {
        setup.start = startText_.toLong();
        if (!setup.numbersFit(count, stationDigits_)) {
            messages_.tell(StringId::NumberTooLong);
            startEdit_->setFocus();
            startEdit_->selectAll();
            return;
        }
    }
    setup_ = setup;
    QDialog::accept();
}
