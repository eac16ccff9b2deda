// Plugs the savings windows into the main window: the plan table, the index-application table and
// the daily-savings calculator, created once and living as long as the main window.
#include "gui/shell/modules.h"

#include "core/common/fileio.h"
#include "core/savings/dailysavings.h"
#include "core/savings/plantables.h"
#include "gui/savings/dailysavingswindow.h"
#include "gui/savings/indextablewindow.h"
#include "gui/savings/plantablewindow.h"
#include "gui/shell/mainwindow.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace ruvivavu::gui::savings {

namespace {

// Owns the models; the windows go first when the main window is torn down.
class SavingsModule : public QObject {
public:
    SavingsModule(MainWindow& mainWindow)
        : QObject(&mainWindow),
          planTable(std::make_unique<ruvivavu::savings::PlanTable>()),
          indexTable(std::make_unique<ruvivavu::savings::IndexApplicationTable>()),
          dailySavings(std::make_unique<ruvivavu::savings::DailySavings>(mainWindow.shell(), *planTable, *indexTable)) {
        form3 = new TForm3(&mainWindow, mainWindow.shell(), *planTable);
        form4 = new TForm4(&mainWindow, mainWindow.shell(), *indexTable);
        form2 = new TForm2(&mainWindow, *dailySavings, form3, form4);
        // The plan list on screen follows the table's "Gravar" (the model rebuilds its items
        // first, it registered before this).
        listener = planTable->addPlanListListener([this] {
            if (form2) form2->syncFromModel();
        });
    }

    ~SavingsModule() override {
        planTable->removePlanListListener(listener);
        delete form2.data();
        delete form3.data();
        delete form4.data();
        dailySavings.reset();
    }

    std::unique_ptr<ruvivavu::savings::PlanTable> planTable;
    std::unique_ptr<ruvivavu::savings::IndexApplicationTable> indexTable;
    std::unique_ptr<ruvivavu::savings::DailySavings> dailySavings;
    QPointer<TForm2> form2;
    QPointer<TForm3> form3;
    QPointer<TForm4> form4;
    int listener = 0;
};

}  // namespace

void install(MainWindow& mainWindow) {
    auto* module = new SavingsModule(mainWindow);
    module->setObjectName(QStringLiteral("SavingsModule"));
    shell::Shell& shell = mainWindow.shell();

    mainWindow.addStartupStep(4, [module, &shell] {
        module->planTable->loadAtStart(shell);
        module->dailySavings->loadPlansAtStart();
        module->form3->refresh();
        module->form2->syncFromModel();
    });
    mainWindow.addStartupStep(5, [module] {
        module->dailySavings->loadHeaderAtStart();
        module->form2->syncFromModel();
    });
    mainWindow.addStartupStep(6, [module] {
        module->dailySavings->loadFooterAtStart();
        module->form2->syncFromModel();
    });
    mainWindow.addStartupStep(8, [module, &shell] {
        module->indexTable->loadAtStart(shell);
        module->form4->refresh();
    });

    // "Poupança Diária - com opções de configuração" (the pop-up twin enables the preview first).
    mainWindow.setCommandHandler(Command::DailySavings, [module] {
        module->dailySavings->launch();
        module->form2->syncFromModel();
    });
    // The calculation-file routines of the main window.
    mainWindow.setCommandHandler(Command::SaveCalculation, [module] { module->form2->saveCalculation(); });
    mainWindow.setCommandHandler(Command::OpenCalculation, [module] { module->form2->openCalculation(); });
}

}  // namespace ruvivavu::gui::savings
