#include "shell/ui/history_list.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include "shell/ui/artwork.h"
#include "shell/ui/ui_fonts.h"
#include "shell/ui/window_layout.h"

namespace velmora::ui {

namespace {

constexpr int kRowHeight = 19;

class NumbersDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QStringList cars = index.data(Qt::DisplayRole).toString().split(QLatin1Char(','));
        if (cars.size() != 10) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);

        const QRectF cell = QRectF(option.rect).adjusted(1, 2, -1, -2);
        const qreal step = cell.width() / 10;
        const qreal side = std::min(step - 1.5, cell.height());
        QFont font = option.font;
        font.setPixelSize(static_cast<int>(side) - 3);
        for (int i = 0; i < 10; ++i) {
            const QRectF badge(cell.left() + i * step + (step - side) / 2, cell.center().y() - side / 2, side, side);
            artwork::paintCarBadge(*painter, badge, cars[i], font);
        }
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), kRowHeight));
        return size;
    }
};

class PeriodDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), kRowHeight));
        return size;
    }
};

}  // namespace

HistoryList::HistoryList(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("开奖期号"), QStringLiteral("开奖号")});
    // The caption label above the list names the columns.
    setHeaderHidden(true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::Fixed);
    setColumnWidth(0, layout::kHistoryPeriodColumn);
    setColumnWidth(1, layout::kHistoryNumbersColumn);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::NoFocus);
    setIndentation(0);
    setFont(uiFont(FontFace::YaHei, 10));
    setItemDelegateForColumn(0, new PeriodDelegate(this));
    setItemDelegateForColumn(1, new NumbersDelegate(this));
}

void HistoryList::addRow(const QString& period, const QString& numbers)
{
    auto* item = new QTreeWidgetItem({period, numbers});
    item->setTextAlignment(0, Qt::AlignCenter);
    item->setToolTip(1, numbers);
    insertTopLevelItem(0, item);
}

void HistoryList::clearRows()
{
    clear();
}

int HistoryList::rowCount() const
{
    return topLevelItemCount();
}

QString HistoryList::rowText(int row, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

}  // namespace velmora::ui
