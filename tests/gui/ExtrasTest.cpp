// The "Extras" menu through the main window: comparing the image with a file and with the unit
// in the "Vergleich" dialog, and the settings report as a PDF.
#include <QDate>
#include <QHeaderView>
#include <QProcess>
#include <QTableWidget>

#include "ShellTestSupport.h"
#include "app/Vergleich.h"
#include "report/PageCatalogue.h"

namespace orvan::test {
namespace {

// What a "Vergleich" dialog showed.
struct Shown {
    bool seen = false;
    QString title;
    QString summary;
    QStringList headers;
    std::vector<QStringList> rows;
};

// Reads the next "Vergleich" dialog through its widgets and closes it.
void ReadNextComparison(Shown& shown) {
    OnNextModal([&shown](QWidget& modal) {
        shown.seen = true;
        shown.title = modal.windowTitle();
        auto* table = modal.findChild<QTableWidget*>();
        auto* summary = modal.findChild<QLabel*>();
        shown.summary = summary != nullptr ? summary->text() : QString();
        if (table != nullptr && table->isVisible()) {
            for (int column = 0; column < table->columnCount(); ++column)
                shown.headers << table->horizontalHeaderItem(column)->text();
            for (int row = 0; row < table->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < table->columnCount(); ++column)
                    cells << table->item(row, column)->text();
                shown.rows.push_back(cells);
            }
        }
        FindByText<QPushButton>(modal, "&Schließen")->click();
    });
}

QString TestFile(const char* name) {
    return QString(ORVAN_TEST_DATA) + "/" + name;
}

class Extras : public ShellTest {
  protected:
    void Read() {
        Button("Lesen").click();
        ASSERT_TRUE(WaitForTransferEnd());
    }
    void OpenTypical() {
        ui_.openPaths.push_back(TestFile("typical.rvx2a2"));
        Action("Ö&ffnen ...").trigger();
    }
    bool ExtrasMenuOn() {
        for (QMenu* menu : Window().findChildren<QMenu*>()) {
            if (menu->title() == "&Extras")
                return menu->menuAction()->isEnabled();
        }
        throw std::runtime_error("no extras menu");
    }
    std::vector<std::string> Values() {
        std::vector<std::string> values;
        for (int n = 0; n < kRegisterCount; ++n)
            values.push_back(Image().Value(n));
        return values;
    }
    std::vector<bool> ButtonStates() {
        return {On("Lesen"), On("Senden"), On("Werkseinstellungen"), On("Version des Orvans"),
                Tree().isEnabled()};
    }
    Shown CheckDevice() {
        Shown shown;
        ReadNextComparison(shown);
        Action("&Gerät prüfen").trigger();
        EXPECT_FALSE(FileMenuOn());
        EXPECT_FALSE(ExtrasMenuOn());
        EXPECT_FALSE(On("Lesen"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown.seen; }, 20000))
            << (ui_.messages.empty() ? "" : ui_.messages.back().text.toStdString());
        EXPECT_TRUE(WaitForTransferEnd());
        return shown;
    }
};

TEST_F(Extras, CompareWithFileListsEachDifferenceAndLeavesTheImageAlone) {
    OpenWindow();
    OpenTypical();
    Image().ReplaceChars(0, 1, "0");
    Image().changed = true;
    const std::vector<std::string> before = Values();

    Shown differing;
    ReadNextComparison(differing);
    ui_.openPaths.push_back(TestFile("typical.rvx2a2"));
    Action("Mit &Datei vergleichen...").trigger();
    ASSERT_TRUE(differing.seen);
    EXPECT_EQ(differing.title, "Vergleich");
    EXPECT_EQ(differing.headers, QStringList({"Seite", "Einstellung", "Bild", "Datei"}));
    ASSERT_EQ(differing.rows.size(), 1u);
    EXPECT_EQ(differing.rows[0],
              QStringList({"Funkkreiskonfiguration", "Funkkreis 2 erlaubt", "nein", "ja"}));
    EXPECT_EQ(Values(), before);
    EXPECT_TRUE(Image().changed);
    EXPECT_EQ(Image().fileName, TestFile("typical.rvx2a2").toStdString());

    Shown equal;
    ReadNextComparison(equal);
    ui_.openPaths.push_back(TestFile("lf-endings.rvx2a2"));
    Image().ReplaceChars(0, 1, "1");
    Action("Mit &Datei vergleichen...").trigger();
    ASSERT_TRUE(equal.seen);
    EXPECT_EQ(equal.summary, "Keine Unterschiede.");
    EXPECT_TRUE(equal.rows.empty());

    // A file that cannot be read is reported and compared with nothing.
    ui_.openPaths.push_back(FilePath("missing.rvx2a2"));
    Action("Mit &Datei vergleichen...").trigger();
    ASSERT_FALSE(ui_.messages.empty());
    EXPECT_TRUE(ui_.messages.back().text.startsWith("Die Datei konnte nicht geöffnet werden:"));
    EXPECT_EQ(Image().fileName, TestFile("typical.rvx2a2").toStdString());
}

TEST_F(Extras, DeviceCheckCatchesAWriteTheUnitStoredWronglyAndKeepsTheWindowAsItWas) {
    AddUnit({.fault = sim::Fault::CorruptWrite, .faultAfter = 0});
    OpenWindow();
    EXPECT_FALSE(Action("&Gerät prüfen").isEnabled()) << "follows \"Senden\"";
    Read();
    EXPECT_TRUE(Action("&Gerät prüfen").isEnabled());
    Image().changed = false;
    const std::vector<std::string> read = Values();
    const std::vector<bool> buttons = ButtonStates();

    for (int n = 0; n < kRegisterCount; ++n)
        ASSERT_EQ(Image().Value(n), Unit().RegisterValue(n)) << "read: register " << n;
    const Shown clean = CheckDevice();
    EXPECT_EQ(clean.summary, "Keine Unterschiede.");
    for (const QStringList& row : clean.rows)
        ADD_FAILURE() << row.join(" | ").toStdString();
    EXPECT_EQ(Progress().value(), 299) << "stepped like a read: 300 more steps wrap the bar";

    Button("Senden").click();
    ASSERT_TRUE(WaitForTransferEnd());
    const Shown corrupt = CheckDevice();
    EXPECT_EQ(corrupt.headers, QStringList({"Seite", "Einstellung", "Bild", "Gerät"}));
    ASSERT_EQ(corrupt.rows.size(), 1u);
    EXPECT_EQ(corrupt.rows[0][0], "Funkkreiskonfiguration");
    EXPECT_EQ(corrupt.rows[0][1], "Funkkreis 1 erlaubt");
    EXPECT_NE(corrupt.rows[0][2], corrupt.rows[0][3]);

    EXPECT_EQ(Values(), read);
    EXPECT_FALSE(Image().changed);
    EXPECT_EQ(ButtonStates(), buttons);
    EXPECT_TRUE(FileMenuOn());
    EXPECT_TRUE(ExtrasMenuOn());
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_FALSE(Image().IsPortOpen());
}

// One menu holds the tools; a check of the unit goes through the traced port but leaves no backup.
TEST_F(Extras, DeviceCheckIsTracedAndLeavesNoBackup) {
    AddUnit();
    OpenWindow();
    QStringList entries;
    for (QMenu* menu : Window().findChildren<QMenu*>()) {
        if (menu->title() == "&Extras") {
            for (QAction* action : menu->actions())
                entries << (action->isSeparator() ? "-" : action->text());
        }
    }
    EXPECT_EQ(entries, QStringList({"Mit &Datei vergleichen...", "&Gerät prüfen",
                                    "Einstellungs&bericht als PDF...", "-",
                                    "Verbindungs&protokoll aufzeichnen..."}));
    Read();
    const auto backups = [this] {
        return QDir(BackupFolder()).entryList({"*.rvx2a2"}, QDir::Files).size();
    };
    ASSERT_EQ(backups(), 1);

    const QString trace = FilePath("trace.txt");
    ui_.savePaths.push_back(trace);
    Action("Verbindungs&protokoll aufzeichnen...").trigger();
    ASSERT_TRUE(Action("Verbindungs&protokoll aufzeichnen...").isChecked());
    EXPECT_EQ(CheckDevice().summary, "Keine Unterschiede.");
    Action("Verbindungs&protokoll aufzeichnen...").trigger();

    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray recorded = file.readAll();
    EXPECT_EQ(recorded.count(">> $R"), 300);
    EXPECT_TRUE(recorded.contains("<< #V"));
    EXPECT_EQ(backups(), 1);
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(Extras, DeviceCheckWithoutAUnitShowsThePortMessageAndChangesNothing) {
    AddUnit();
    OpenWindow();
    Read();
    const std::vector<bool> buttons = ButtonStates();
    RemoveUnit();
    // Any dialog that opens is closed (and counted) by a watcher that ends with the test.
    bool dialogShown = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&dialogShown] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogShown = true;
            modal->close();
        }
    });
    watcher.start(5);
    Action("&Gerät prüfen").trigger();
    ASSERT_TRUE(WaitForTransferEnd());
    QTest::qWait(50);
    EXPECT_FALSE(dialogShown);
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, "Fehler");
    EXPECT_TRUE(ui_.messages[0].text.startsWith("Das Gerät konnte nicht initialisiert werden."));
    EXPECT_EQ(ButtonStates(), buttons);
    EXPECT_TRUE(FileMenuOn());
}

TEST_F(Extras, SettingsReportIsAPdfWithEveryPageItsSettingsAndTheRawRegisters) {
    OpenWindow();
    OpenTypical();
    const QString pdf = FilePath("bericht.pdf");
    ui_.savePaths.push_back(pdf);
    ui_.fileRequests.clear();  // the open dialog's
    Action("Einstellungs&bericht als PDF...").trigger();
    ASSERT_EQ(ui_.fileRequests.size(), 1u);
    EXPECT_TRUE(ui_.fileRequests[0].save);
    EXPECT_EQ(ui_.fileRequests[0].filter, "PDF-Dateien (*.pdf)");
    EXPECT_EQ(ui_.fileRequests[0].name, TestFile("typical.pdf"));
    EXPECT_TRUE(ui_.messages.empty());
    ASSERT_TRUE(QFile::exists(pdf));

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    ASSERT_EQ(pdftotext.exitCode(), 0);
    // Qt's PDFs may set "fi" as a ligature.
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput())
                             .normalized(QString::NormalizationForm_KC);
    const QStringList expected = {"Orvan 2a/2b – Einstellungsbericht",
                                  QDate::currentDate().toString("dd.MM.yyyy"),
                                  "typical.rvx2a2",
                                  "Einstellung",
                                  "Wert",
                                  "Funkkreis 1 erlaubt",
                                  "Letzten Kreis aktivieren",
                                  "Register ohne Einstellung",
                                  "Register 299",
                                  "000000FF"};
    for (const QString& sample : expected)
        EXPECT_TRUE(text.contains(sample)) << sample.toStdString();
    for (const CataloguedPage& page : CataloguedPages())
        EXPECT_TRUE(text.contains(QString::fromUtf8(page.title.data(), page.title.size())))
            << page.title;
    EXPECT_FALSE(text.contains("Geräteversion")) << "no read, no version";
    EXPECT_LT(text.indexOf(QString::fromUtf8(CataloguedPages()[0].title.data(),
                                             CataloguedPages()[0].title.size())),
              text.indexOf("Register ohne Einstellung"));

    // A folder that does not exist: a message, no file.
    ui_.savePaths.push_back(FilePath("no/such/folder/bericht.pdf"));
    Action("Einstellungs&bericht als PDF...").trigger();
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_TRUE(ui_.messages[0].text.startsWith("Der Bericht konnte nicht gespeichert werden:"));
}

}  // namespace
}  // namespace orvan::test
