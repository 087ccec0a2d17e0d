#include "platform/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// "name|pattern|name|pattern" becomes Qt's "name (pattern);;name (pattern)".
QString QtFilter(const std::string& filter)
{
    const QStringList parts = Q(filter).split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) entries << parts[i] + " (" + parts[i + 1] + ")";
    return entries.join(";;");
}

QFileDialog* MakeFileDialog(const FileDialogSettings& settings)
{
    auto* dialog = new QFileDialog(QApplication::activeWindow(), Q(settings.Title), Q(settings.InitialDir));
    dialog->setNameFilter(QtFilter(settings.Filter));
    if (!settings.DefaultExt.empty()) dialog->setDefaultSuffix(Q(settings.DefaultExt));
    if (!settings.FileName.empty()) dialog->selectFile(Q(settings.FileName));
    return dialog;
}

std::optional<std::string> RunFileDialog(QFileDialog* dialog)
{
    std::optional<std::string> chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
        chosen = dialog->selectedFiles().first().toStdString();
    delete dialog;
    return chosen;
}

} // namespace

std::optional<TColor> Dialogs::ChooseColor(TColor initial)
{
    const QColor start(RedOf(initial), GreenOf(initial), BlueOf(initial));
    const QColor chosen = QColorDialog::getColor(start, QApplication::activeWindow());
    if (!chosen.isValid()) return std::nullopt;
    return RGB(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<std::string> Dialogs::OpenFile(const FileDialogSettings& settings)
{
    QFileDialog* dialog = MakeFileDialog(settings);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::AnyFile); // the chosen file need not exist
    return RunFileDialog(dialog);
}

std::optional<std::string> Dialogs::SaveFile(const FileDialogSettings& settings)
{
    QFileDialog* dialog = MakeFileDialog(settings);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return RunFileDialog(dialog);
}

std::string Dialogs::InputBox(const std::string& caption, const std::string& prompt, const std::string& initial)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(Q(caption));
    dialog.setLabelText(Q(prompt));
    dialog.setTextValue(Q(initial));
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("キャンセル");
    if (dialog.exec() != QDialog::Accepted) return initial;
    return dialog.textValue().left(255).toStdString();
}

void Dialogs::ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon, Q(caption), Q(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void Dialogs::OpenDocument(const std::string& name)
{
    // A relative name is taken from the current directory.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(Q(name)).absoluteFilePath()));
}
