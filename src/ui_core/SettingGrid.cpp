#include "SettingGrid.h"

#include "LimitedTextDelegate.h"
#include "Refusal.h"
#include "UserMessages.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QStyle>

SettingGrid::SettingGrid(QWidget* parent) : QTableView(parent)
{
    setItemDelegate(new LimitedTextDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
}

void SettingGrid::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    if (model)
        connect(model, &QAbstractItemModel::modelReset, this, &SettingGrid::fitColumns);
    fitColumns();
}

void SettingGrid::fitColumns()
{
    if (!model())
        return;
    const QFontMetrics metrics = horizontalHeader()->fontMetrics();
    // Room for the header's margins and its sort indicator's space.
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    int lines = 1;
    for (int column = 0; column < model()->columnCount(); ++column) {
        int width = sizeHintForColumn(column);
        const QString heading = model()->headerData(column, Qt::Horizontal).toString();
        for (const QString& word : heading.split(QRegularExpression(QStringLiteral("\\s+")),
                                                 Qt::SkipEmptyParts))
            width = std::max(width, metrics.horizontalAdvance(word) + margin);
        setColumnWidth(column, width);
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, width - margin, 1000), Qt::TextWordWrap, heading);
        lines = std::max(lines, (wrapped.height() + metrics.lineSpacing() - 1) /
                                    metrics.lineSpacing());
    }
    // The header is as high as its most wrapped heading.
    horizontalHeader()->setFixedHeight(lines * metrics.lineSpacing() + 8);
}

void SettingGrid::tellRefusal(const UserMessages& messages, const Refusal& refusal)
{
    // Told from inside the model's setData, a message box would take the focus from the
    // editor while it is still closing.
    const QPersistentModelIndex cell = currentIndex();
    QMetaObject::invokeMethod(
        this,
        [this, &messages, refusal, cell] {
            messages.tell(refusal.messageId, refusal.values);
            if (cell.isValid())
                setCurrentIndex(cell);
            setFocus();
        },
        Qt::QueuedConnection);
}
