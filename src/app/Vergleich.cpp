#include "app/Vergleich.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>

#include "ui/Widgets.h"

namespace orvan {

namespace {

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString SummaryText(std::size_t count, const QString& otherName) {
    if (count == 0)
        return Vergleich::kNoDifferences;
    const QString what = count == 1 ? "1 Unterschied" : QString("%1 Unterschiede").arg(count);
    return what + " zwischen dem Bild und " + otherName + ":";
}

}  // namespace

Vergleich::Vergleich(const std::vector<Difference>& differences, const QString& otherColumn,
                     const QString& otherName, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(kTitle);
    summary_ = new QLabel(SummaryText(differences.size(), otherName), this);
    summary_->setWordWrap(true);

    table_ = new QTableWidget(static_cast<int>(differences.size()), 4, this);
    table_->setHorizontalHeaderLabels({"Seite", "Einstellung", "Bild", otherColumn});
    table_->setAccessibleName("Unterschiede");
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    for (int row = 0; row < static_cast<int>(differences.size()); ++row) {
        const Difference& difference = differences[static_cast<std::size_t>(row)];
        table_->setItem(row, 0, Cell(difference.page));
        table_->setItem(row, 1, Cell(difference.name));
        table_->setItem(row, 2, Cell(difference.before));
        table_->setItem(row, 3, Cell(difference.after));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setVisible(!differences.empty());
    summary_->setBuddy(table_);

    LayOutReportDialog(*this, summary_, table_);
    if (!differences.empty()) {
        // Wide enough for the longest setting names without a scroll bar, within the screen.
        int width = 2 * table_->frameWidth();
        for (int column = 0; column < table_->columnCount(); ++column)
            width += table_->columnWidth(column);
        table_->setMinimumWidth(std::clamp(width + 24, 480, 1100));
        table_->setMinimumHeight(std::min(table_->verticalHeader()->length() +
                                              table_->horizontalHeader()->height() +
                                              2 * table_->frameWidth() + 4,
                                          500));
    }
}

}  // namespace orvan
