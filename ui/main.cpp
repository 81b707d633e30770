// Program entry: the application, its three windows in their order, and the message loop.
#include "Seam.h"
#include "Unit1.h"
#include "Windows.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <exception>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestrune"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kestrune.Kestrune"));
    // Every window, the dialogs included, shows the game's icon in its title bar and task bar entry.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/kestrune.svg")));
    QtSeam seam;
    try {
        const std::unique_ptr<Windows> windows = CreateWindows(seam);
        windows->form1->show();
        QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Kestrune for Windows"), QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
