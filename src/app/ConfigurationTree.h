#pragma once

#include <QTreeWidget>

namespace orvan {

// The configuration tree of the main window, built from the tree layout. Choosing an item
// announces its text once the choosing click or key has been handled.
class ConfigurationTree : public QTreeWidget {
    Q_OBJECT

  public:
    explicit ConfigurationTree(QWidget* parent);

  signals:
    void topicChosen(const QString& text);

  private:
    void OnSelection();

    bool topicPending_ = false;
};

}  // namespace orvan
