#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "FakeUserInterface.h"

// Finds page controls the way a user sees them: by their visible texts and labels.
namespace orvan::pagetest {

inline QString VisibleText(const QWidget& widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&widget))
        return group->title();
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    return {};
}

// The one widget of type W below root showing text; a test failure when there is none or more.
template <typename W>
W* Find(QWidget& root, const QString& text,
        Qt::FindChildOptions options = Qt::FindChildrenRecursively) {
    W* found = nullptr;
    for (W* widget : root.findChildren<W*>(QString(), options)) {
        if (VisibleText(*widget) != text)
            continue;
        if (found != nullptr) {
            ADD_FAILURE() << "more than one control shows " << text.toStdString();
            return nullptr;
        }
        found = widget;
    }
    if (found == nullptr)
        ADD_FAILURE() << "no control shows " << text.toStdString();
    return found;
}

inline QGroupBox& Group(QWidget& root, const QString& title) {
    return *Find<QGroupBox>(root, title);
}

inline QAbstractButton& Button(QWidget& root, const QString& text) {
    return *Find<QAbstractButton>(root, text);
}

// The field a label is the buddy label of.
template <typename W>
W& Field(QWidget& root, const QString& label) {
    return *qobject_cast<W*>(Find<QLabel>(root, label)->buddy());
}

// Shows the page as the active window, so that focus and keys behave as for a user.
inline void ShowActive(QDialog& page) {
    page.show();
    QApplication::setActiveWindow(&page);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
}

// Runs check on the modal dialog that the next action opens, then leaves it with the button
// named close. Without a modal dialog the test fails instead of hanging.
inline void OnNextModal(std::function<void(QDialog&)> check, QString close) {
    QTimer::singleShot(0, [check = std::move(check), close = std::move(close)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal dialog opened";
            return;
        }
        check(*dialog);
        Button(*dialog, close).click();
    });
}

// Clicks the help button and expects the one help box it shows, with one OK button.
inline void ExpectHelp(QWidget& page, const QString& button, FakeUserInterface& ui,
                       const QString& caption, const QString& start) {
    Button(page, button).click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, caption);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(ui.messages[0].text.startsWith(start));
    EXPECT_TRUE(page.isVisible());
}

}  // namespace orvan::pagetest
