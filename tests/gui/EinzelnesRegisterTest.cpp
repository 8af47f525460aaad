// The single-register dialog: reading and writing one register by number, its checks and help.
#include <QLineEdit>

#include "FakeUserInterface.h"
#include "ShellTestSupport.h"
#include "app/EinzelnesRegister.h"

namespace orvan::test {
namespace {

class EinzelnesRegisterTest : public ::testing::Test {
  protected:
    EinzelnesRegisterTest() {
        for (int n = 0; n < kRegisterCount; ++n)
            image_.SetValue(n, Marked(n));
        dialog_ = std::make_unique<EinzelnesRegister>(image_, ui_);
        dialog_->show();
    }
    // A value that names its register: "R0000042".
    static std::string Marked(int n) {
        return QString("R%1").arg(n, 7, 10, QChar('0')).toStdString();
    }
    QLineEdit& Number() { return *static_cast<QLineEdit*>(FieldOf(*dialog_, "Registernummer:")); }
    QLineEdit& Content() { return *static_cast<QLineEdit*>(FieldOf(*dialog_, "Inhalt:")); }
    void Press(const char* text) { FindByText<QPushButton>(*dialog_, text)->click(); }
    void Enter(const QString& number, const QString& content) {
        Number().setText(number);
        Content().setText(content);
    }

    Register image_;
    FakeUserInterface ui_;
    std::unique_ptr<EinzelnesRegister> dialog_;
};

TEST_F(EinzelnesRegisterTest, StartsOnRegisterZero) {
    EXPECT_EQ(dialog_->windowTitle(), "Einzelnes Register Lesen/ Schreiben");
    EXPECT_EQ(Number().text(), "0");
    EXPECT_EQ(Content().text().toStdString(), Marked(0));
    EXPECT_EQ(Content().maxLength(), 8);
    for (const char* button : {"Lesen", "Schreiben", "Hilfe...", "Zurück"})
        EXPECT_NE(FindByText<QPushButton>(*dialog_, button), nullptr) << button;
}

TEST_F(EinzelnesRegisterTest, NumberFieldTakesDigitsOnly) {
    Number().clear();
    Number().setFocus();
    QTest::keyClicks(&Number(), "1x2-3");
    EXPECT_EQ(Number().text(), "123");
}

TEST_F(EinzelnesRegisterTest, ReadShowsTheChosenRegister) {
    Enter("299", "");
    Press("Lesen");
    EXPECT_EQ(Content().text().toStdString(), Marked(299));
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(EinzelnesRegisterTest, ReadOutOfRangeShowsTheMessageThenRegisterZero) {
    Enter("300", "");
    Press("Lesen");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "Geben Sie eine ganze Zahl zwischen 0 und 299 ein.");
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(Number().text(), "0");
    EXPECT_EQ(Content().text().toStdString(), Marked(0));
}

TEST_F(EinzelnesRegisterTest, WriteUpperCasesAndPadsAndSetsChanged) {
    Enter("17", "1a");
    Press("Schreiben");
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_EQ(image_.Value(17), "1A000000");
    EXPECT_EQ(Content().text(), "1A000000");
    EXPECT_TRUE(image_.changed);  // offered for saving on exit
}

TEST_F(EinzelnesRegisterTest, WriteOfAnEmptyContentWritesZeros) {
    Enter("3", "");
    Press("Schreiben");
    EXPECT_EQ(image_.Value(3), "00000000");
}

TEST_F(EinzelnesRegisterTest, WriteOfNonHexContentAsksForAHexValue) {
    Enter("4", "G1");
    Press("Schreiben");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "Hexwert eingeben!");
    EXPECT_EQ(ui_.messages[0].caption, "");
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(image_.Value(4), Marked(4));
    EXPECT_EQ(Content().text(), "G1");  // the fields are not refreshed
    EXPECT_FALSE(image_.changed);
}

TEST_F(EinzelnesRegisterTest, WriteOutOfRangeWritesNothingAndShowsNumberZero) {
    Enter("300", "12345678");
    Press("Schreiben");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "Geben Sie eine ganze Zahl zwischen 0 und 299 ein.");
    EXPECT_EQ(Number().text(), "0");
    EXPECT_EQ(image_.Value(0), Marked(0));
    EXPECT_FALSE(image_.changed);
}

TEST_F(EinzelnesRegisterTest, WriteWithoutANumberWritesNothing) {
    Enter("5", "");
    Press("Lesen");
    Enter("", "ABCD");
    Press("Schreiben");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "Geben Sie eine ganze Zahl ein.");
    EXPECT_EQ(image_.Value(5), Marked(5));
    EXPECT_FALSE(image_.changed);
    EXPECT_EQ(Number().text(), "5");
}

TEST_F(EinzelnesRegisterTest, NumbersBeyondTheIntegerRangeAreNoNumber) {
    Enter("99999999999999999999", "");
    Press("Lesen");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "Geben Sie eine ganze Zahl ein.");
}

TEST_F(EinzelnesRegisterTest, HelpShowsItsText) {
    Press("Hilfe...");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, "Hilfe Einzelnes Register");
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(
        ui_.messages[0].text.startsWith("Einzelnes Register Lesen/Schreiben:\n\nHier kann"));
    EXPECT_TRUE(ui_.messages[0].text.endsWith("Fehlfunktionen des Orvan 2a die Folge sein.\n"));
}

TEST_F(EinzelnesRegisterTest, EnterClosesOnceTheFieldsAreValidAndWritesNothing) {
    Enter("", "FF");
    Content().setFocus();
    QTest::keyClick(&Content(), Qt::Key_Return);
    EXPECT_TRUE(dialog_->isVisible());
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(dialog_->focusWidget(), &Number());

    Enter("7", "FF");
    QTest::keyClick(&Content(), Qt::Key_Return);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(image_.Value(7), Marked(7));
}

TEST_F(EinzelnesRegisterTest, EscAndBackCloseWithoutChecks) {
    Enter("", "");
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_TRUE(ui_.messages.empty());
    dialog_->show();
    Press("Zurück");
    EXPECT_FALSE(dialog_->isVisible());
}

TEST(EinzelnesRegisterModelTest, ReadAfterAFailedNumberKeepsThePreviousRegister) {
    Register image;
    image.SetValue(9, "00000009");
    EinzelnesRegisterModel model(image);
    EXPECT_EQ(model.TakeFields("9", ""), "");
    model.Read();
    EXPECT_EQ(model.TakeFields("", ""), "Geben Sie eine ganze Zahl ein.");
    model.Read();
    EXPECT_EQ(model.Number(), 9);
    EXPECT_EQ(model.Content(), "00000009");
}

}  // namespace
}  // namespace orvan::test
