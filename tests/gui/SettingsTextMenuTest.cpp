// "Datei" → "Als Text exportieren..." and "Text importieren...", with the dialogs scripted.
#include <QFile>
#include <QListWidget>

#include "ShellTestSupport.h"
#include "app/SettingsTextCommands.h"
#include "core/RegisterFile.h"
#include "report/SettingsText.h"

namespace orvan::test {
namespace {

const QString kAllowedNo = "Funkkreiskonfiguration › Funkkreis 2 erlaubt: nein\n";

class SettingsTextMenu : public ShellTest {
  protected:
    void SetUp() override { OpenWindow(); }
    QString Write(const QString& name, const QString& text) {
        QFile file(FilePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text.toUtf8());
        return FilePath(name);
    }
    void Import(const QString& path) {
        ui_.openPaths.push_back(path);
        Action(kImportTextItem).trigger();
    }
    // The lines of the next error dialog go to refusal_; the dialog is closed.
    void ReadNextRefusal() {
        auto shown = std::make_shared<QStringList>();
        OnNextModal([shown](QWidget& modal) {
            const auto* list = modal.findChild<QListWidget*>();
            for (int row = 0; list != nullptr && row < list->count(); ++row)
                *shown << list->item(row)->text();
            FindByText<QPushButton>(modal, "&Schließen")->click();
        });
        refusal_ = shown;
    }
    std::shared_ptr<QStringList> refusal_;
};

TEST_F(SettingsTextMenu, ACompleteTextOpensLikeAFileAPartOneChangesTheImage) {
    Register typical;
    typical.fileName = std::string(ORVAN_TEST_DATA) + "/typical.rvx2a2";
    ASSERT_TRUE(LoadFromFile(typical).Succeeded());
    const QString complete = Write("anlage.txt", QString::fromStdString(SettingsText(typical)));
    EXPECT_FALSE(On("Senden"));

    Import(complete);
    EXPECT_EQ(RegisterFileText(Image()), RegisterFileText(typical));
    EXPECT_TRUE(On("Senden"));
    EXPECT_TRUE(Tree().isEnabled());
    EXPECT_FALSE(Image().changed);
    EXPECT_TRUE(Image().fileName.empty());

    Import(Write("teil.txt", QString(kSettingsTextHeader.data()) + "\n" + kAllowedNo));
    EXPECT_EQ(Image().Value(0), "10110000");
    EXPECT_TRUE(Image().changed);

    // Unsaved changes: a complete text asks first, and "Nein" keeps them.
    Import(complete);
    EXPECT_EQ(ui_.messages.back().caption, kDiscardCaption);
    EXPECT_EQ(Image().Value(0), "10110000");
    ui_.answers.push_back(MessageAnswer::Yes);
    Import(complete);
    EXPECT_EQ(Image().Value(0), typical.Value(0));

    ui_.savePaths.push_back(FilePath("wieder.txt"));
    Action(kExportTextItem).trigger();
    QFile exported(FilePath("wieder.txt"));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll().toStdString(), SettingsText(typical));
}

TEST_F(SettingsTextMenu, ARefusedTextListsEveryProblemAndLeavesTheImageAlone) {
    Import(Write("teil.txt", QString(kSettingsTextHeader.data()) + "\n" + kAllowedNo));
    const std::string before = RegisterFileText(Image());
    ReadNextRefusal();
    Import(Write("fehler.txt", QString(kSettingsTextHeader.data()) +
                                   "\nFunkkreiskonfiguration › Funkkreis 2 erlaubt: vielleicht\n"
                                   "Register 250 (Zeichen 1): 12\n"));
    ASSERT_EQ(refusal_->size(), 2);
    EXPECT_TRUE((*refusal_)[0].startsWith("fehler.txt:2: ")) << (*refusal_)[0].toStdString();
    EXPECT_TRUE((*refusal_)[1].startsWith("fehler.txt:3: ")) << (*refusal_)[1].toStdString();
    EXPECT_EQ(RegisterFileText(Image()), before);
    EXPECT_FALSE(On("Senden"));
}

}  // namespace
}  // namespace orvan::test
