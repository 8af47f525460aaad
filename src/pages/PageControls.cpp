#include "pages/PageControls.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>

#include "pages/PageMessages.h"
#include "ui/Widgets.h"

namespace orvan {

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString CircuitName(std::size_t circuit) {
    return QStringLiteral("Funkkreis %1").arg(circuit + 1);
}

QLabel* AddBuddyLabel(QWidget& parent, const QString& text, QWidget& field) {
    auto* label = new QLabel(text, &parent);
    label->setBuddy(&field);
    field.setAccessibleName(text.simplified());
    return label;
}

QCheckBox* AddCheckBox(QWidget& parent, QBoxLayout& layout, const QString& text,
                       std::function<void(bool)> clicked) {
    auto* box = new QCheckBox(text, &parent);
    layout.addWidget(box);
    QObject::connect(box, &QCheckBox::clicked, box, std::move(clicked));
    return box;
}

CheckBoxRow MakeCheckBoxRow(QWidget& parent, const QString& label, const QStringList& texts,
                            std::function<void(std::size_t, bool)> clicked) {
    CheckBoxRow made{new QLabel(label, &parent), new QWidget(&parent), {}};
    made.row->setAccessibleName(label.simplified());
    auto* row = new QHBoxLayout(made.row);
    row->setContentsMargins(0, 0, 0, 0);
    for (const QString& text : texts) {
        const std::size_t number = made.boxes.size();
        made.boxes.push_back(AddCheckBox(*made.row, *row, text,
                                         [clicked, number](bool on) { clicked(number, on); }));
    }
    row->addStretch();
    if (!made.boxes.empty())
        made.label->setBuddy(made.boxes.front());
    return made;
}

QButtonGroup* AddChoiceGroup(QWidget& parent, QBoxLayout& layout, const QString& title,
                             std::span<const ChoiceOption> options,
                             std::function<void(std::size_t)> chosen) {
    QGroupBox* box = MakeGroupBox(title, &parent);
    layout.addWidget(box);
    auto* buttons = new QVBoxLayout(box);
    return AddChoiceButtons(*box, *buttons, options, std::move(chosen));
}

QButtonGroup* AddChoiceButtons(QWidget& parent, QBoxLayout& layout,
                               std::span<const ChoiceOption> options,
                               std::function<void(std::size_t)> chosen) {
    auto* group = new QButtonGroup(&parent);
    for (std::size_t option = 0; option < options.size(); ++option) {
        auto* button = new QRadioButton(ToQString(options[option].text), &parent);
        layout.addWidget(button);
        group->addButton(button, static_cast<int>(option));
    }
    QObject::connect(group, &QButtonGroup::idClicked, group, [chosen = std::move(chosen)](int id) {
        chosen(static_cast<std::size_t>(id));
    });
    return group;
}

void ShowChoice(QButtonGroup& group, std::optional<std::size_t> option) {
    if (option) {
        group.button(static_cast<int>(*option))->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button.
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons())
        button->setChecked(false);
    group.setExclusive(true);
}

QComboBox* MakeChoiceList(QWidget& parent, std::span<const ChoiceOption> options,
                          std::function<void(std::string)> chosen) {
    auto* list = new QComboBox(&parent);
    for (const ChoiceOption& option : options)
        list->addItem(ToQString(option.text));
    QObject::connect(
        list, &QComboBox::textActivated, list,
        [chosen = std::move(chosen)](const QString& text) { chosen(text.toStdString()); });
    return list;
}

void ShowChoice(QComboBox& list, std::string_view text) {
    list.setCurrentIndex(list.findText(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QLineEdit* MakeTextField(QWidget& parent, int width, std::function<void(std::string)> edited) {
    auto* field = new QLineEdit(&parent);
    // As wide as the characters and the caret need in the page's font and style, no wider; "0"
    // is among the widest of the characters these fields take.
    QStyleOptionFrame frame;
    frame.initFrom(field);
    const QFontMetrics metrics = field->fontMetrics();
    const QSize characters(metrics.horizontalAdvance(QString(width + 1, QLatin1Char('0'))) + 4,
                           metrics.height());
    field->setMaximumWidth(
        field->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, characters, field).width());
    QObject::connect(
        field, &QLineEdit::textEdited, field,
        [edited = std::move(edited)](const QString& text) { edited(text.toStdString()); });
    return field;
}

QLineEdit* MakeDigitField(QWidget& parent, int maxLength, std::function<void(std::string)> edited,
                          std::function<void()> left) {
    QLineEdit* field = MakeTextField(parent, maxLength, std::move(edited));
    field->setMaxLength(maxLength);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    QObject::connect(field, &QLineEdit::editingFinished, field, [field, left = std::move(left)] {
        // Closing or destroying the page takes the focus as well; then there is nothing left to
        // show, and a page being destroyed has lost its model already.
        if (!field->window()->isHidden())
            left();
    });
    return field;
}

void ShowText(QLineEdit& field, std::string_view text) {
    const QString shown = ToQString(text);
    if (field.text() != shown)
        field.setText(shown);
}

QLineEdit* AddDecimalRow(QWidget& parent, QGridLayout& grid, int line, const QString& label,
                         FixedDecimal& value, int maxLength, std::function<void()> left,
                         const QString& unit) {
    QLineEdit* field = MakeDigitField(
        parent, maxLength, [&value](std::string text) { value.SetText(std::move(text)); },
        std::move(left));
    grid.addWidget(AddBuddyLabel(parent, label, *field), line, 0);
    grid.addWidget(field, line, 1);
    if (!unit.isEmpty())
        grid.addWidget(new QLabel(unit, &parent), line, 2);
    return field;
}

PageButtons AddPageButtons(QDialog& page, QBoxLayout& layout, const QString& helpText,
                           std::initializer_list<QString> extras) {
    auto* row = new QHBoxLayout;
    layout.addLayout(row);
    PageButtons buttons{};
    if (!helpText.isEmpty()) {
        buttons.help = new QPushButton(helpText, &page);
        row->addWidget(buttons.help);
    }
    for (const QString& text : extras) {
        buttons.extras.push_back(new QPushButton(text, &page));
        row->addWidget(buttons.extras.back());
    }
    buttons.ok = AddOkAndCancel(page, *row);
    return buttons;
}

QPushButton* AddOkAndCancel(QDialog& page, QBoxLayout& row) {
    row.addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), &page);
    ok->setDefault(true);
    row.addWidget(ok);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), &page);
    row.addWidget(cancel);
    QObject::connect(cancel, &QPushButton::clicked, &page, &QDialog::reject);
    return ok;
}

void ConnectHelpAndOk(QDialog& page, const PageButtons& buttons, UserInterface& ui, HelpText help,
                      std::function<bool()> commit) {
    if (buttons.help != nullptr) {
        QObject::connect(buttons.help, &QPushButton::clicked, &page,
                         [&page, &ui, help = std::move(help)] { ShowHelp(ui, &page, help); });
    }
    QObject::connect(buttons.ok, &QPushButton::clicked, &page, [&page, commit = std::move(commit)] {
        if (commit())
            page.accept();
    });
}

}  // namespace orvan
