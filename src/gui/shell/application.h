// The program's QApplication: sets the title and the Brazilian locale, and is the last resort of
// the error handler for an engine error escaping an event outside a guarded command.
#pragma once

#include <QApplication>

namespace ruvivavu::gui {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ruvivavu::gui
