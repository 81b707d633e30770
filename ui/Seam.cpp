// The seam's Qt side: real message boxes, dialogs and the desktop's browser.
#include "Seam.h"

#include "Colors.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

void QtSeam::ShowMessage(std::string_view text, std::string_view caption, int flag)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (flag == kestrune::kMbError)
        icon = QMessageBox::Critical;
    else if (flag == kestrune::kMbWarning)
        icon = QMessageBox::Warning;
    QMessageBox box(icon, QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtSeam::ShowModal(QDialog& dialog)
{
    dialog.exec();
}

namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogSettings& settings, bool save)
{
    QFileDialog dialog(parent, settings.title);
    dialog.setNameFilter(settings.filter);
    dialog.setDefaultSuffix(settings.defaultSuffix);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> QtSeam::GetSaveFileName(QWidget* parent, const FileDialogSettings& settings)
{
    return RunFileDialog(parent, settings, true);
}

std::optional<QString> QtSeam::GetOpenFileName(QWidget* parent, const FileDialogSettings& settings)
{
    return RunFileDialog(parent, settings, false);
}

std::optional<kestrune::Color> QtSeam::ChooseColor(QWidget* parent, kestrune::Color initial)
{
    const QColor chosen = QColorDialog::getColor(kestrune::ToQColor(initial), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return kestrune::FromQColor(chosen);
}

void QtSeam::OpenUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}

QString FilterFromPipes(const QString& pipes)
{
    const QStringList parts = pipes.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype n = 0; n + 1 < parts.size(); n += 2) {
        QString description = parts[n];
        QString pattern = QString(parts[n + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" means every file where the notation comes from; here a name need not hold a dot.
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
        // Qt reads the patterns from the parentheses at the end of each entry.
        filters << QStringLiteral("%1 (%2)").arg(description, pattern);
    }
    return filters.join(QStringLiteral(";;"));
}
