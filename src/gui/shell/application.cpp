// The program's QApplication and its general error handler.
#include "gui/shell/application.h"

#include "gui/common/guard.h"

#include <QLocale>

namespace ruvivavu::gui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // The application name only: a display name would be appended to every window caption.
    setApplicationName(kAppTitle);
    setOrganizationName(QStringLiteral("Quorvel"));
    setApplicationVersion(QStringLiteral("2.0.0.19"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        // The action that raised it ends here; the program goes on.
        showMessage(activeWindow(), QString::fromStdString(e.what()));
    }
    return false;
}

}  // namespace ruvivavu::gui
