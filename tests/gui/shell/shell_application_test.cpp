// The program's application object: an engine error escaping an event outside a guarded command is
// shown in the program's message box and the event loop goes on.
#include "gui/support/windowtest.h"

#include "core/common/errors.h"
#include "gui/shell/application.h"

#include <QEvent>
#include <QLocale>
#include <QtTest>

using windowtest::Dialogs;

namespace {

class Thrower : public QObject {
public:
    int handled = 0;
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            ++handled;
            throw ruvivavu::ArithmeticError("Floating point division by zero");
        }
        return QObject::event(event);
    }
};

}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void init() { dialogs.clear(); }

    void titleAndLocale() {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Ruvivavu da Dudovizu"));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QCOMPARE(QLocale().groupSeparator(), QStringLiteral("."));
    }

    void anErrorEscapingAnEventIsShownAndTheLoopGoesOn() {
        Thrower thrower;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTRY_COMPARE(thrower.handled, 2);
        QCOMPARE(dialogs.messages, (QStringList{QStringLiteral("Floating point division by zero"),
                                                QStringLiteral("Floating point division by zero")}));
    }

private:
    Dialogs dialogs;
};

int main(int argc, char** argv) {
    ruvivavu::gui::Application app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "shell_application_test.moc"
