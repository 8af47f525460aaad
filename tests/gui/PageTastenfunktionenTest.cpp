#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "pages/DetailFMS.h"
#include "pages/Tastenfunktionen.h"
#include "pages/TonfolgeKonfig.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Find;
using pagetest::Group;

const QString kOptionNote =
    "Um diese Funktion zu nutzen, muss der Orvan mit der Option \"Geber/Auswerter\" "
    "ausgestattet sein!";

// Chooses an item of a drop-down list with the arrow keys, as a user does.
void ChooseWithKeys(QComboBox& list, const QString& text) {
    const int target = list.findText(text);
    ASSERT_GE(target, 0) << text.toStdString();
    list.setFocus();
    while (list.currentIndex() != target)
        QTest::keyClick(&list, list.currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}

void TypeAtEnd(QLineEdit& field, const QString& text) {
    field.setFocus();
    field.end(false);
    QTest::keyClicks(&field, text);
}

void Retype(QLineEdit& field, const QString& text) {
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, text);
}

class PageTastenfunktionenTest : public ::testing::Test {
  protected:
    void SetUp() override { pagetest::ShowActive(page); }

    QGroupBox& Key(int key) { return Group(page, QStringLiteral("RUF %1 Taste").arg(key)); }
    QComboBox& Function(int key) {
        return pagetest::Field<QComboBox>(Key(key),
                                          QStringLiteral("Funktion RUF%1-Taste:").arg(key));
    }
    QLineEdit& KeyText(int key) { return *Key(key).findChild<QLineEdit*>(); }
    QLineEdit& Identification() {
        return pagetest::Field<QLineEdit>(Group(page, "PTT"), "FMS Kennung:");
    }
    QAbstractButton& Circuit(QWidget& group, int circuit) {
        return Button(group, QString::number(circuit));
    }

    // The page copies the registers when it is built, so they are loaded first. RUF 1 sends
    // a telegram on the current circuit, RUF 2 a sequence on circuits 1 and 3.
    static Register& Loaded(Register& image) {
        image.SetValue(19, "0230005x");
        image.SetValue(20, "6A123456");
        image.SetValue(21, "11111111");
        image.SetValue(22, "22222222");
        image.SetValue(23, "3AB12340x");
        image.SetValue(31, "99999999");
        image.SetValue(32, "12345678");
        image.SetValue(82, "07707000");
        return image;
    }

    Register image;
    FakeUserInterface ui;
    Tastenfunktionen page{Loaded(image), ui};
};

TEST_F(PageTastenfunktionenTest, ShowsTheKeysAsTheRegistersSay) {
    EXPECT_EQ(page.windowTitle(), "Tastenfunktionen");
    EXPECT_FALSE(Button(page, "FMS Kennung bei PTT").isChecked());
    EXPECT_TRUE(Circuit(Group(page, "PTT"), 1).isChecked());
    EXPECT_TRUE(Circuit(Group(page, "PTT"), 2).isChecked());
    EXPECT_FALSE(Circuit(Group(page, "PTT"), 3).isChecked());
    EXPECT_EQ(Identification().text(), "6A123456AB");

    EXPECT_EQ(Function(1).currentText(), "FMS senden");
    EXPECT_TRUE(Button(Key(1), "auf aktuellen Kreis").isChecked());
    EXPECT_FALSE(Circuit(Key(1), 1).isChecked());
    EXPECT_EQ(KeyText(1).text(), "1111111112");
    EXPECT_TRUE(KeyText(1).isEnabled());
    EXPECT_TRUE(Button(Key(1), "Detail").isEnabled());
    EXPECT_EQ(KeyText(1).accessibleName(), "FMS Telegramm:");

    EXPECT_EQ(Function(2).currentText(), "Tonfolge senden");
    EXPECT_FALSE(Button(Key(2), "auf aktuellen Kreis").isChecked());
    EXPECT_TRUE(Circuit(Key(2), 1).isChecked());
    EXPECT_TRUE(Circuit(Key(2), 3).isChecked());
    EXPECT_EQ(KeyText(2).text(), "12345");
    EXPECT_EQ(pagetest::Field<QLineEdit>(Key(2), "Tonfolge:").accessibleName(), "Tonfolge:");
    EXPECT_FALSE(Button(Key(2), "Detail").isEnabled());
    EXPECT_TRUE(Button(Group(page, "PTT"), "Detail").isEnabled());
    EXPECT_TRUE(Button(page, "Konfiguration Tonfolge...").isEnabled());

    QGroupBox& preamble = Group(page, "Konfiguration Vorlauf && Schlussbit (für alle Telegramme)");
    EXPECT_TRUE(Button(preamble, "verbesserter Vorlauf").isChecked());
    EXPECT_TRUE(Button(preamble, "Schlussbit = 0").isChecked());
    QStringList items;
    for (int item = 0; item < Function(2).count(); ++item)
        items << Function(2).itemText(item);
    EXPECT_EQ(items, (QStringList{"FMS senden", "Keine", "RUF2 senden", "Tonfolge senden"}));
}

TEST_F(PageTastenfunktionenTest, FunctionsEnableAndReloadTheirTextsAndNameTheOption) {
    Button(page, "FMS Kennung bei PTT").click();
    ChooseWithKeys(Function(2), "RUF2 senden");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(KeyText(2).text(), "00000000");
    EXPECT_FALSE(KeyText(2).isEnabled());
    EXPECT_FALSE(Button(page, "Konfiguration Tonfolge...").isEnabled());
    EXPECT_TRUE(pagetest::Find<QLabel>(Key(2), "Tonfolge:") != nullptr) << "caption kept";
    EXPECT_TRUE(Button(page, "FMS Kennung bei PTT").isChecked()) << "as the user set it";

    ChooseWithKeys(Function(1), "Tonfolge senden");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages.back().text, kOptionNote);
    EXPECT_EQ(ui.messages.back().caption, "");
    EXPECT_EQ(ui.messages.back().icon, MessageIcon::None);
    EXPECT_EQ(KeyText(1).text(), "99999");
    EXPECT_TRUE(pagetest::Find<QLabel>(Key(1), "Tonfolge:") != nullptr);
    EXPECT_FALSE(Button(Key(1), "Detail").isEnabled());
    EXPECT_TRUE(Button(page, "Konfiguration Tonfolge...").isEnabled());
    EXPECT_TRUE(Button(page, "FMS Kennung bei PTT").isChecked());
}

TEST_F(PageTastenfunktionenTest, CurrentCircuitAndSingleCircuitsExcludeEachOther) {
    QAbstractButton& current = Button(Key(1), "auf aktuellen Kreis");
    current.click();
    EXPECT_TRUE(current.isChecked()) << "a checked box stays checked";
    Circuit(Key(1), 2).click();
    EXPECT_FALSE(current.isChecked());
    current.click();
    EXPECT_TRUE(current.isChecked());
    EXPECT_FALSE(Circuit(Key(1), 2).isChecked());
    Circuit(Key(2), 1).click();
    Circuit(Key(2), 3).click();
    EXPECT_FALSE(Button(Key(2), "auf aktuellen Kreis").isChecked());
    Circuit(Key(1), 4).click();
    Circuit(Group(page, "PTT"), 4).click();
    Button(page, "Ok").click();
    EXPECT_EQ(image.Value(19), "0230080x");
    EXPECT_EQ(image.Value(23)[0], 'B');
}

TEST_F(PageTastenfunktionenTest, TypingIntoAFullFieldReplacesItsLastCharacter) {
    TypeAtEnd(KeyText(2), "6");
    EXPECT_EQ(KeyText(2).text(), "12346");
    TypeAtEnd(Identification(), "7");
    EXPECT_EQ(Identification().text(), "6A123456A7");
}

TEST_F(PageTastenfunktionenTest, OkWritesTheKeysAndMarksTheImageChanged) {
    Button(page, "FMS Kennung bei PTT").click();
    Retype(Identification(), "12ab");
    Button(Group(page, "Konfiguration Vorlauf && Schlussbit (für alle Telegramme)"),
           "Richtlinien-Vorlauf")
        .click();
    ChooseWithKeys(Function(1), "Keine");
    Button(page, "Ok").click();
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(19), "1030005x");
    EXPECT_EQ(image.Value(20), "12AB0000");
    EXPECT_EQ(image.Value(21), "00000000");
    EXPECT_EQ(image.Value(32), "12345000");
    EXPECT_EQ(image.Value(22), "22222222");
    EXPECT_EQ(image.Value(23), "30000002x");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageTastenfunktionenTest, ATextThatIsNoHexadecimalKeepsThePageOpenAndWritesNothing) {
    TypeAtEnd(KeyText(1), "G");
    Button(Group(page, "Konfiguration Vorlauf && Schlussbit (für alle Telegramme)"),
           "Schlussbit = 1")
        .click();
    Button(page, "Ok").click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Hexwert eingeben!");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(ui.messages[0].caption, "");
    EXPECT_TRUE(page.isVisible());
    EXPECT_EQ(image.Value(23), "3AB12340x");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageTastenfunktionenTest, CancelLeavesTheImageAlone) {
    Button(page, "FMS Kennung bei PTT").click();
    ChooseWithKeys(Function(1), "Keine");
    Circuit(Key(2), 4).click();
    Button(page, "Abbrechen").click();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(19), "0230005x");
    EXPECT_EQ(image.Value(21), "11111111");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageTastenfunktionenTest, HelpIsAPlainBoxWithThePagesCaption) {
    Button(page, "Hilfe...").click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Hilfe Tastenfunktionen");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(ui.messages[0].text.startsWith("Allgemein:\n"));
}

TEST_F(PageTastenfunktionenTest, DetailEditsTheFieldsTextFilledToTen) {
    Retype(Identification(), "6a12");
    QString shown;
    pagetest::OnNextModal(
        [&](QDialog& detail) {
            shown = detail.windowTitle();
            auto& location = pagetest::Field<QLineEdit>(detail, "Ortskennung:");
            EXPECT_EQ(location.text(), "12");
            EXPECT_EQ(pagetest::Field<QLineEdit>(detail, "Fahrzeugkennung:").text(), "0000");
            location.selectAll();
            QTest::keyClicks(&location, "5");
        },
        "OK");
    Button(Group(page, "PTT"), "Detail").click();
    EXPECT_EQ(shown, "Detail FMS");
    EXPECT_EQ(Identification().text(), "6a05000000") << "a code that is no entry is kept";
    EXPECT_EQ(image.Value(20), "6A123456") << "the detail page writes no register";
    EXPECT_FALSE(image.changed);

    pagetest::OnNextModal([](QDialog& detail) { Button(detail, "TKI4").click(); }, "Abbrechen");
    Button(Key(1), "Detail").click();
    EXPECT_EQ(KeyText(1).text(), "1111111112");
    EXPECT_TRUE(page.isVisible());
}

TEST_F(PageTastenfunktionenTest, SequencePageCommitsOnItsOwnOk) {
    pagetest::OnNextModal(
        [](QDialog& sequence) {
            EXPECT_EQ(sequence.windowTitle(), "5-Tonfolge Konfiguration");
            auto& pause = pagetest::Field<QLineEdit>(sequence, "Pausenlänge:");
            pause.setFocus();
            pause.selectAll();
            QTest::keyClicks(&pause, "3");
        },
        "OK");
    Button(page, "Konfiguration Tonfolge...").click();
    EXPECT_EQ(image.Value(82), "07703000");
    Button(page, "Abbrechen").click();
    EXPECT_EQ(image.Value(82), "07703000");
    EXPECT_EQ(image.Value(19), "0230005x");
}

}  // namespace
}  // namespace orvan
