#include <QComboBox>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "pages/BUSYInKonfig.h"
#include "pages/BUSYOutKonfig.h"
#include "pages/DuplexKonfig.h"
#include "pages/TXKonfig.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Group;

QStringList Items(const QComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

class PageCircuitChoiceTest : public ::testing::Test {
  protected:
    Register image;
    FakeUserInterface ui;
};

TEST_F(PageCircuitChoiceTest, BusyOutputListsShowTheCodesItemAndOkWritesTheChosenOne) {
    image.SetValue(4, "0123");
    BUSYOutKonfig page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "BUSY Ausgang Konfiguration");
    auto list = [&](int circuit) -> QComboBox& {
        return pagetest::Field<QComboBox>(page, QString("BUSY Ausgang Funkkreis %1:").arg(circuit));
    };
    EXPECT_EQ(Items(list(1)), QStringList({"BUSY immer aus", "BUSY aktiv bei TX aktiv",
                                           "BUSY aktiv bei Kreis an"}));
    EXPECT_EQ(list(3).currentText(), "BUSY aktiv bei Kreis an");
    EXPECT_EQ(list(4).currentIndex(), -1) << "\"3\" is no option";
    EXPECT_EQ(list(4).accessibleName(), "BUSY Ausgang Funkkreis 4:");

    list(2).setFocus();
    QTest::keyClick(&list(2), Qt::Key_Up);
    EXPECT_EQ(list(2).currentText(), "BUSY immer aus");
    Button(page, "OK").click();
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(4), "0023");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageCircuitChoiceTest, BusyInputFunctionListsHoldEightItemsTheExtraTwoLast) {
    image.SetValue(5, "2100");
    image.SetValue(6, "0468");
    BUSYInKonfig page(image, ui);
    pagetest::ShowActive(page);
    QGroupBox& led = Group(page, "LED wenn BUSY Eingang aktiv");
    QGroupBox& function = Group(page, "Funktion wenn BUSY Eingang aktiv");
    auto& firstFunction = pagetest::Field<QComboBox>(function, "Funkkreis 1:");
    EXPECT_EQ(Items(firstFunction),
              QStringList({"Keine Funktion", "Mutet Kreis", "Sperrt Kreisaktivierung",
                           "Sperrt Kreisaktivierung + mutet Kreis", "Sperrt Sendertastung",
                           "Sperrt Sendertastung + mutet Kreis", "Sperrt jegliche Kreisaktivierung",
                           "Sperrt jegliche Kreisaktivierung + mutet Kreis"}));
    EXPECT_EQ(Items(pagetest::Field<QComboBox>(led, "Funkkreis 2:")),
              QStringList({"Keine Funktion", "KR-LED blinkt", "TX-LED blinkt"}));
    EXPECT_EQ(pagetest::Field<QComboBox>(led, "Funkkreis 1:").currentText(), "KR-LED blinkt");
    EXPECT_EQ(pagetest::Field<QComboBox>(led, "Funkkreis 2:").currentText(), "TX-LED blinkt");
    EXPECT_EQ(pagetest::Field<QComboBox>(function, "Funkkreis 3:").currentText(),
              "Sperrt jegliche Kreisaktivierung");
    EXPECT_EQ(pagetest::Field<QComboBox>(function, "Funkkreis 4:").currentIndex(), -1);

    auto& thirdLed = pagetest::Field<QComboBox>(led, "Funkkreis 3:");
    thirdLed.setFocus();
    QTest::keyClick(&thirdLed, Qt::Key_Down);
    QTest::keyClick(&page, Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(5), "2120") << "the LED item's code, not its place in the list";
    EXPECT_EQ(image.Value(6), "0468");
}

TEST_F(PageCircuitChoiceTest, TxInputCancelLeavesTheImageAlone) {
    image.SetValue(7, "0210");
    image.SetValue(8, "0123");
    TXKonfig page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "TX Eingang Konfiguration");
    QGroupBox& led = Group(page, "LED wenn TX Eingang aktiv");
    QGroupBox& function = Group(page, "Funktion wenn TX Eingang aktiv");
    EXPECT_EQ(pagetest::Field<QComboBox>(led, "TX Eingang Funkkreis 2:").currentIndex(), -1);
    EXPECT_EQ(pagetest::Field<QComboBox>(function, "TX Eingang Funkkreis 4:").currentText(),
              "Sperrt Sendertastung + mutet Kreis");
    auto& list = pagetest::Field<QComboBox>(function, "TX Eingang Funkkreis 1:");
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&page, Qt::Key_Escape);
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(8), "0123");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageCircuitChoiceTest, DuplexRadiosShowSimplexForOddCodesAndWriteOnlyWhatWasClicked) {
    image.SetValue(9, "0151");
    DuplexKonfig page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "Duplex Konfiguration");
    auto radio = [&](int circuit, const QString& text) -> QAbstractButton& {
        return Button(Group(page, QString("Funkkreis %1").arg(circuit)), text);
    };
    EXPECT_TRUE(radio(1, "Simplex").isChecked());
    EXPECT_TRUE(radio(2, "Duplex").isChecked());
    EXPECT_TRUE(radio(3, "Simplex").isChecked()) << "\"5\" shows as simplex";
    EXPECT_TRUE(radio(4, "Duplex").isChecked());
    radio(4, "Simplex").click();
    Button(page, "OK").click();
    EXPECT_EQ(image.Value(9), "0150");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageCircuitChoiceTest, HelpOfEachPage) {
    BUSYOutKonfig busyOut(image, ui);
    pagetest::ShowActive(busyOut);
    pagetest::ExpectHelp(busyOut, "Hilfe...", ui, "Hilfe Busy Ausgang", "Busy Ausgang:\n\n");
    ui.messages.clear();
    BUSYInKonfig busyIn(image, ui);
    pagetest::ShowActive(busyIn);
    pagetest::ExpectHelp(busyIn, "Hilfe...", ui, "Busy Eingang", "Busy Eingang:\n\n");
    ui.messages.clear();
    TXKonfig tx(image, ui);
    pagetest::ShowActive(tx);
    pagetest::ExpectHelp(tx, "Hilfe...", ui, "Hilfe TX Konfiguration", "TX Konfiguration:\n\n");
    ui.messages.clear();
    DuplexKonfig duplex(image, ui);
    pagetest::ShowActive(duplex);
    pagetest::ExpectHelp(duplex, "Hilfe...", ui, "Hilfe Duplex Konfiguration",
                         "Duplex Konfiguration:\n\n");
}

}  // namespace
}  // namespace orvan
