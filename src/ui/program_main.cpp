// Marlowe: the program. Chooses the data folder, starts the table session (resource module,
// preferences, catalogue, card pictures), shows the main window as it was left, and deals the
// remembered game at its first activation.

#include "app/data_folder.h"
#include "ui/main_window.h"
#include "ui/start_timing.h"
#include "ui/table_session.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Marlowe 2002");
    QApplication::setDesktopFileName("org.marlowe.Marlowe");
    QApplication::setWindowIcon(QIcon(":/application-icon.svg"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    const QString applicationData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const marlowe::DataFolderChoice data = marlowe::ChooseDataFolder(programFolder, applicationData.toStdString());
    if (!data.message.empty())
        QMessageBox::information(nullptr, "Marlowe 2002", QString::fromStdString(data.message));

    marlowe::TableSession session(programFolder, data.folder);
    const QScreen* screen = QGuiApplication::primaryScreen();
    marlowe::DisplayFacts display;
    if (screen) {
        display.screenWidth = screen->size().width();
        display.screenHeight = screen->size().height();
    }
    if (const marlowe::Outcome started = session.Start(display); !started) {
        QApplication::restoreOverrideCursor();
        QMessageBox::critical(nullptr, "Marlowe 2002", QString::fromStdString(started.message()));
        return 1;
    }
    marlowe::MainWindow window(session);
    if (QCoreApplication::arguments().contains("--report-start"))
        marlowe::ReportFirstPaintAndQuit(window);
    window.RestoreWindowState();
    QApplication::restoreOverrideCursor();
    // The first activation deals the remembered game once the window is on the screen (a
    // desktop without a window manager never activates it, so the event loop's start counts).
    QTimer::singleShot(0, &window, &marlowe::MainWindow::OnFirstActivation);
    return QApplication::exec();
}
