// What a screen reader hears: walked through QAccessible, no label, button or group of any page or
// dialog may carry a name other than its visible text.
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>

#include "ShellTestSupport.h"
#include "app/AboutBox.h"
#include "app/Vergleich.h"
#include "procedures/AusgabepegelAendern.h"
#include "procedures/HSErkennung.h"
#include "procedures/PotiAbgleich.h"
#include "ui/Widgets.h"

namespace orvan::test {
namespace {

QString VisibleText(QObject* object) {
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->title();
    return {};
}

// "Dialog › widget: name hides text" for every hidden text below node.
void CollectHiddenTexts(QAccessibleInterface* node, const QString& where, QStringList& found) {
    for (int k = 0; k < node->childCount(); ++k) {
        QAccessibleInterface* child = node->child(k);
        if (child == nullptr)
            continue;
        const QString visible = AccessibleText(VisibleText(child->object())).simplified();
        const QString name = child->text(QAccessible::Name).simplified();
        if (!visible.isEmpty() && name != visible)
            found << where + ": \"" + name + "\" hides \"" + visible + "\"";
        CollectHiddenTexts(child, where, found);
    }
}

QStringList HiddenTexts(QWidget& dialog) {
    dialog.show();
    QStringList found;
    CollectHiddenTexts(QAccessible::queryAccessibleInterface(&dialog), dialog.windowTitle(), found);
    dialog.hide();
    return found;
}

class Accessibility : public ShellTest {};

TEST_F(Accessibility, EveryPageAndDialogNamesItsTextsAsShown) {
    Register image;
    image.Reset();
    std::vector<std::unique_ptr<QDialog>> dialogs;
    for (const Topic& topic : DispatchTable())
        if (topic.factory != nullptr)
            dialogs.push_back(topic.factory(image, ui_));
    dialogs.push_back(std::make_unique<AboutBox>());
    dialogs.push_back(std::make_unique<Vergleich>(std::vector<Difference>{}, "Datei", "a"));
    dialogs.push_back(std::make_unique<AusgabepegelAendern>(image, LevelChoice{'2', '0'}));
    dialogs.push_back(std::make_unique<HSErkennung>(image, "", ui_));
    dialogs.push_back(std::make_unique<PotiAbgleich>(image, "", ui_));
    QStringList found = HiddenTexts(OpenWindow());
    for (const auto& dialog : dialogs)
        found << HiddenTexts(*dialog);
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
}

}  // namespace
}  // namespace orvan::test
