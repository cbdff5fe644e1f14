#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/Startup.h"
#include "platform/Paths.h"
#include "platform/QtString.h"
#include "platform/Window.h"
#include "qt/QtHost.h"
#include "qt/QtPrinterSurface.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kordelan");
    QGuiApplication::setDesktopFileName("kordelan");
    QApplication::setWindowIcon(QIcon(kord::Q(kord::ProgramPath("Drawings/vendrik.gif"))));
    // The windows speak Polish: so do Qt's own dialogs and buttons (file, print, questions).
    QTranslator qtPolish;
    if (qtPolish.load(QStringLiteral("qtbase_pl"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtPolish);
    kord::QtHost host;
    kord::SetHost(&host);
    kord::UseQtPrinterSurfaces();
    kord::Main();
    const int rc = QApplication::exec();
    // Whatever is still loaded goes before the host does.
    while (!kord::Forms::Loaded().empty()) kord::Forms::Loaded().back()->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    kord::Forms::Collect();
    kord::SetHost(nullptr);
    return rc;
}
