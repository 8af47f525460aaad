#include "app/SettingsReport.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include "report/Description.h"

namespace orvan {

namespace {

QString Escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString TableStart(const QString& left, const QString& right) {
    return "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
           "<thead><tr><th align=\"left\" width=\"60%\">" +
           left + "</th><th align=\"left\">" + right + "</th></tr></thead>";
}

QString Row(const std::string& name, const std::string& value) {
    return "<tr><td>" + Escaped(name) + "</td><td>" + Escaped(value) + "</td></tr>";
}

std::string VersionLine(const Register& image) {
    std::string version = image.versionText;
    while (!version.empty() && (version.back() == '\r' || version.back() == '\n'))
        version.pop_back();
    return version;
}

QString ReportHtml(const Register& image, const QDateTime& when) {
    QString html = "<html><body style=\"font-family: sans-serif; font-size: 9pt\">";
    html += "<h1>" + QString(kReportTitle).toHtmlEscaped() + "</h1><p>";
    html += "Erstellt am " + when.toString("dd.MM.yyyy") + " um " + when.toString("HH:mm") +
            " Uhr<br/>";
    html += "Registerdatei: " +
            (image.fileName.empty() ? QString("(nicht gespeichert)") : Escaped(image.fileName));
    if (image.versionText != Register::kVersionHint)
        html += "<br/>Geräteversion: " + Escaped(VersionLine(image));
    html += "</p>";

    std::string page;
    bool rawStarted = false;
    for (const DescribedSetting& setting : DescribeImage(image)) {
        if (setting.Raw() && !rawStarted) {
            rawStarted = true;
            if (!page.empty())
                html += "</table>";
            html += "<h2>Register ohne Einstellung</h2>" + TableStart("Register", "Wert");
        } else if (!setting.Raw() && setting.page != page) {
            if (!page.empty())
                html += "</table>";
            page = setting.page;
            html += "<h2>" + Escaped(page) + "</h2>" + TableStart("Einstellung", "Wert");
        }
        html += Row(setting.name, setting.words);
    }
    if (rawStarted || !page.empty())
        html += "</table>";
    return html + "</body></html>";
}

}  // namespace

QByteArray SettingsReportPdf(const Register& image, const QDateTime& when) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(kReportTitle);
        writer.setCreator("Orvan 2a/2b Programmiersoftware");
        QTextDocument document;
        document.setHtml(ReportHtml(image, when));
        document.print(&writer);
    }
    return bytes;
}

}  // namespace orvan
