#pragma once

#include <QTableView>

class UserMessages;
struct Refusal;

// A table of settings as the tools' pages show them: fixed headers, one cell edited at a
// time (typing starts an edit, Enter commits, Escape cancels, Tab moves on), editors no
// longer than the model allows.
class SettingGrid : public QTableView
{
    Q_OBJECT

public:
    explicit SettingGrid(QWidget* parent = nullptr);

    // The columns are sized to their contents whenever the model's rows are made again.
    void setModel(QAbstractItemModel* model) override;
    // Sizes each column to its cells and to the longest word of its heading: headings wrap
    // at their spaces, so a long heading over short values does not widen the table.
    void fitColumns();
    // Tells a refused edit once its editor has closed and puts the cell back in front.
    void tellRefusal(const UserMessages& messages, const Refusal& refusal);
};
