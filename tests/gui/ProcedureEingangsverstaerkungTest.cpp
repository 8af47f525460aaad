#include <QLineEdit>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "procedures/Eingangsverstaerkung.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Group;

class ProcedureEingangsverstaerkungTest : public ::testing::Test {
  protected:
    void SetUp() override { pagetest::ShowActive(page); }

    QLineEdit& Gain(int circuit) {
        return pagetest::Field<QLineEdit>(Group(page, QStringLiteral("Funkkreis %1").arg(circuit)),
                                          "Eingangspegel:");
    }
    QLineEdit& Level(int circuit) {
        return pagetest::Field<QLineEdit>(Group(page, QStringLiteral("Funkkreis %1").arg(circuit)),
                                          "Pegel für minimale Lautstärke:");
    }
    QLineEdit& Overall() {
        return pagetest::Field<QLineEdit>(page, "Pegel für minimale Gesamtlautstärke:");
    }
    static void Type(QLineEdit& field, const QString& text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, text);
    }

    static Register& Loaded(Register& image) {
        image.SetValue(260, "07512345");
        image.SetValue(261, "00000000");
        image.SetValue(262, "25500001x");
        image.SetValue(263, "060");
        image.SetValue(264, "abc00099");
        return image;
    }

    Register image;
    FakeUserInterface ui;
    Eingangsverstaerkung page{Loaded(image), ui};
};

TEST_F(ProcedureEingangsverstaerkungTest, ShowsGainsInDecibelsAndTheLevels) {
    EXPECT_EQ(page.windowTitle(), "Eingangsverstärkung");
    EXPECT_EQ(Gain(1).text(), "1.5");
    EXPECT_EQ(Gain(2).text(), "-6");
    EXPECT_EQ(Gain(3).text(), "19.5");
    EXPECT_EQ(Gain(4).text(), "0");
    EXPECT_EQ(Level(1).text(), "12345");
    EXPECT_EQ(Level(4).text(), "00000");
    EXPECT_EQ(Overall().text(), "00099");
    EXPECT_LT(Group(page, "Funkkreis 1").x(), Group(page, "Funkkreis 3").x());
    EXPECT_LT(Group(page, "Funkkreis 1").y(), Group(page, "Funkkreis 2").y());
}

TEST_F(ProcedureEingangsverstaerkungTest, LeavingFieldsNormalisesThem) {
    struct Case {
        QLineEdit& field;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {Gain(1), "25", "0"},       {Gain(1), "-7", "0"},          {Gain(2), "1.29", "1.2"},
        {Gain(2), "-1.25", "-1.3"}, {Gain(3), "-6.0", "-6"},       {Level(2), "40000", "00000"},
        {Level(2), "12", "00012"},  {Overall(), "32768", "00000"},
    };
    for (const Case& c : cases) {
        Type(c.field, c.typed);
        QTest::keyClick(&c.field, Qt::Key_Tab);
        EXPECT_EQ(c.field.text(), c.shown) << c.typed;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProcedureEingangsverstaerkungTest, ACommaIsRefusedOnLeavingAndOnOk) {
    Type(Gain(3), "1,5");
    QTest::keyClick(&Gain(3), Qt::Key_Tab);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Geben Sie eine Zahl ein.");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(Gain(3).hasFocus());
    EXPECT_EQ(Gain(3).text(), "1,5");

    Type(Level(1), "7");
    Button(page, "OK").click();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "Geben Sie eine Zahl ein.");
    EXPECT_TRUE(page.isVisible());
    EXPECT_TRUE(Gain(3).hasFocus());
    EXPECT_EQ(image.Value(260), "07512345");
    EXPECT_FALSE(image.changed);
}

TEST_F(ProcedureEingangsverstaerkungTest, EnterWritesEveryFieldAsLeavingWould) {
    Type(Gain(1), "1.3");
    QTest::keyClick(&Gain(1), Qt::Key_Tab);
    Type(Level(3), "4");
    Type(Gain(4), "0.79");
    QTest::keyClick(&Gain(4), Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(260), "07312345");
    EXPECT_EQ(image.Value(261), "00000000");
    EXPECT_EQ(image.Value(262), "25500004x");
    EXPECT_EQ(image.Value(263), "06700000");
    EXPECT_EQ(image.Value(264), "abc00099");
    EXPECT_TRUE(image.changed);
}

TEST_F(ProcedureEingangsverstaerkungTest, CancelLeavesTheRegistersAlone) {
    Type(Gain(2), "3");
    Type(Overall(), "1");
    Button(page, "Abbrechen").click();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(261), "00000000");
    EXPECT_EQ(image.Value(264), "abc00099");
    EXPECT_FALSE(image.changed);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProcedureEingangsverstaerkungTest, Help) {
    pagetest::ExpectHelp(page, "Hilfe...", ui, "Hilfe Ausgabepegel",
                         "Hier können die Pegel von eingehender NF der Funkkreise separat\n");
}

}  // namespace
}  // namespace orvan
