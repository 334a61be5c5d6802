#include "shell/windows/replacement_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

std::optional<int> numberIn(const QString& text, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    if (!ok || text.isEmpty() || value < 0 || value > highest)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> askReplacementNumber(QWidget* owner, std::string_view prompt, int suggested, int highest)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(QCoreApplication::translate("replacement_dialog", "Replace"));
    auto* label = new QLabel(QString::fromUtf8(prompt.data(), qsizetype(prompt.size())), &dialog);
    auto* field = new QLineEdit(QString::asprintf("%.2X", unsigned(suggested) & 0xFFu), &dialog);
    field->setMaxLength(2);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9A-Fa-f]{0,2}"), field));
    field->selectAll();
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* replace =
        buttons->addButton(QCoreApplication::translate("replacement_dialog", "Replace"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QCoreApplication::translate("replacement_dialog", "Cancel"), QDialogButtonBox::RejectRole);
    replace->setDefault(true);
    // A number beyond the kind's last item (a map set past 1F) cannot be chosen.
    QObject::connect(field, &QLineEdit::textChanged,
                     [=](const QString& text) { replace->setEnabled(numberIn(text, highest).has_value()); });
    replace->setEnabled(numberIn(field->text(), highest).has_value());
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return numberIn(field->text(), highest);
}
