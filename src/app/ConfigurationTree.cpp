#include "app/ConfigurationTree.h"

#include <QTimer>

#include "app/Topics.h"

namespace orvan {

ConfigurationTree::ConfigurationTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAccessibleName("Konfiguration");
    QTreeWidgetItem* group = nullptr;
    for (const TreeLine& line : TreeLayout()) {
        const QStringList text{QString::fromUtf8(line.text)};
        if (line.child && group != nullptr) {
            new QTreeWidgetItem(group, text);
        } else {
            group = new QTreeWidgetItem(this, text);
        }
    }
    collapseAll();
    // Room for every top-level topic at any font size.
    setMinimumHeight(sizeHintForRow(0) * (topLevelItemCount() + 1) + 2 * frameWidth());
    connect(this, &QTreeWidget::itemSelectionChanged, this, &ConfigurationTree::OnSelection);
}

void ConfigurationTree::OnSelection() {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
        return;
    const QString text = selected.front()->text(0);
    clearSelection();
    // Announced once the selecting click or key has been handled, not inside it; a key selects
    // twice, which must not open the page twice.
    if (topicPending_)
        return;
    topicPending_ = true;
    QTimer::singleShot(0, this, [this, text] {
        topicPending_ = false;
        emit topicChosen(text);
    });
}

}  // namespace orvan
