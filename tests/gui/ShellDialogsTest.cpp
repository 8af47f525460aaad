// The small displays of the shell (help, version, info), the German toolkit texts, the message
// boxes and file dialogs of the Qt service, and keyboard and accessibility wiring.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QTranslator>

#include "ShellTestSupport.h"
#include "app/CVEXA2aApp.h"
#include "app/ShellTexts.h"
#include "app/VersionText.h"
#include "ui/QtUserInterface.h"
#include "ui/Widgets.h"

namespace orvan::test {
namespace {

TEST(VersionTextTest, DropsTheFrontUpToNinePastTheFirstArt) {
    EXPECT_EQ(ShortenedVersionText("VEXA 2a2 PROGSTART ok:  V1.33 NF"), "V1.33 NF");
    EXPECT_EQ(ShortenedVersionText("ART123456789"), "789");
    EXPECT_EQ(ShortenedVersionText("xxART1"), "");
    EXPECT_EQ(ShortenedVersionText("ART"), "");
    EXPECT_EQ(ShortenedVersionText(Register::kVersionHint), Register::kVersionHint);
    EXPECT_EQ(ShortenedVersionText("art ARt"), "art ARt");
}

TEST(VersionTextTest, ShortensAgainOnlyWhileArtRemains) {
    const std::string once = ShortenedVersionText("ART456789ART456789tail");
    EXPECT_EQ(once, "ART456789tail");
    EXPECT_EQ(ShortenedVersionText(once), "tail");
    EXPECT_EQ(ShortenedVersionText("tail"), "tail");
}

TEST(GermanTranslationTest, QtsOwnButtonsReadGerman) {
    QTranslator translator;
    ASSERT_TRUE(LoadGermanQtTranslations(translator));
    QApplication::installTranslator(&translator);
    QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Yes | QMessageBox::No);
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    const QString yes = box.button(QMessageBox::Yes)->text();
    const QString no = box.button(QMessageBox::No)->text();
    const QString cancel = buttons.button(QDialogButtonBox::Cancel)->text();
    const QString save = buttons.button(QDialogButtonBox::Save)->text();
    QApplication::removeTranslator(&translator);
    EXPECT_EQ(AccessibleText(yes), "Ja");
    EXPECT_EQ(AccessibleText(no), "Nein");
    EXPECT_EQ(AccessibleText(cancel), "Abbrechen");
    EXPECT_EQ(AccessibleText(save), "Speichern");
}

TEST(QtUserInterfaceTest, AnswersWithTheClickedButton) {
    QtUserInterface ui;
    OnNextModal(
        [](QWidget& box) { static_cast<QMessageBox&>(box).button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(ui.ShowMessage(nullptr, "c", "t", MessageIcon::Question, MessageButtons::YesNo),
              MessageAnswer::Yes);
    OnNextModal([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(ui.ShowMessage(nullptr, "c", "t", MessageIcon::Warning, MessageButtons::OkCancel),
              MessageAnswer::Cancel);
}

TEST(QtUserInterfaceTest, FileDialogsUseTheRegisterFilterAndSuffix) {
    auto save = MakeFileDialog(nullptr, true);
    EXPECT_EQ(save->nameFilters(), QStringList{"Register VEXA2a2 (*.rvx2a2)"});
    EXPECT_EQ(save->defaultSuffix(), "rvx2a2");
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
    auto open = MakeFileDialog(nullptr, false);
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(open->defaultSuffix(), "rvx2a2");
}

class MainWindowLook : public ShellTest {
  protected:
    void SetUp() override { OpenWindow(); }
};

TEST_F(MainWindowLook, TitleGroupsAndHelpText) {
    EXPECT_EQ(Window().windowTitle(), "Orvan 2a/2b Programmiersoftware");
    // Drawn PNGs at every size the desktop asks for: no image plugin needed on any platform.
    EXPECT_EQ(Window().windowIcon().availableSizes().size(), 7);
    EXPECT_FALSE(Window().windowIcon().pixmap(32, 32).isNull());
    QStringList groups;
    for (QGroupBox* group : Window().findChildren<QGroupBox*>())
        groups << group->title();
    EXPECT_EQ(groups, (QStringList{"Verbindungsdaten", "Kommunikation mit Orvan"}));
    EXPECT_NE(FindAction(Window(), "Inf&o über VEXA2a..."), nullptr);

    Button("Hilfe...").click();
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, "Hilfe");
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Information);
    const QStringList lines = ui_.messages[0].text.split('\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[2], "stellungen über \"Datei\"->\"Öffnen\".");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[8], "als Datei für die spätere Wiederherstellung gesichert werden.");
}

TEST_F(MainWindowLook, ButtonsStandInTheirRows) {
    auto position = [this](const char* text) {
        return Button(text).mapTo(&Window(), QPoint(0, 0));
    };
    EXPECT_EQ(position("Lesen").y(), position("Senden").y());
    EXPECT_LT(position("Lesen").x(), position("Senden").x());
    EXPECT_LT(position("Lesen").y(), position("Werkseinstellungen").y());
    EXPECT_LT(position("Werkseinstellungen").y(), position("Potentiometer-Abgleich").y());
    EXPECT_EQ(position("Potentiometer-Abgleich").y(), position("Headset-Erkennung").y());
    EXPECT_LT(position("Hilfe...").y(), position("Info...").y());
    EXPECT_GT(position("Hilfe...").x(), Selector().mapTo(&Window(), QPoint(0, 0)).x());
    EXPECT_LT(Progress().mapTo(&Window(), QPoint(0, 0)).y(),
              Tree().mapTo(&Window(), QPoint(0, 0)).y());
}

TEST_F(MainWindowLook, LabelsAreBuddiesAndNamesAreTheVisibleTexts) {
    EXPECT_EQ(FieldOf(Window(), "Port:"), &Selector());
    EXPECT_EQ(Selector().accessibleName(), "Port:");
    for (QPushButton* button : Window().findChildren<QPushButton*>()) {
        EXPECT_EQ(button->accessibleName(), AccessibleText(button->text()));
    }
    for (QLabel* label : Window().findChildren<QLabel*>()) {
        if (label->isVisible()) {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
}

TEST_F(MainWindowLook, TabOrderFollowsTheLayout) {
    Window().findChild<QTreeWidget*>()->setEnabled(true);
    for (QPushButton* button : Window().findChildren<QPushButton*>())
        button->setEnabled(true);
    QStringList order;
    QWidget* widget = &Selector();
    for (int k = 0; k < 10; ++k) {
        order << widget->accessibleName();
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled() ||
                 !widget->isVisibleTo(&Window()));
    }
    EXPECT_EQ(order, (QStringList{"Port:", "Hilfe...", "Info...", "Lesen", "Senden",
                                  "Werkseinstellungen", "Version des Orvans",
                                  "Potentiometer-Abgleich", "Headset-Erkennung", "Konfiguration"}));
}

}  // namespace
}  // namespace orvan::test
