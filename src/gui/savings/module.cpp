// Plugs the savings windows into the main window: the plan table, the index-application table and
// the daily-savings calculator, created once and living as long as the main window.
#include "gui/shell/modules.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/dailysavings/calculationfile.h"
#include "core/dailysavings/model.h"
#include "core/saopaulo/model.h"
#include "core/shell/plantables.h"
#include "gui/savings/dailysavingswindow.h"
#include "gui/savings/indextablewindow.h"
#include "gui/savings/plantablewindow.h"
#include "gui/savings/saopaulowindow.h"
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
          planTable(std::make_unique<ruvivavu::shell::PlanTable>()),
          yieldOverrides(std::make_unique<ruvivavu::shell::IndexApplicationTable>()),
          dailySavings(
              std::make_unique<ruvivavu::dailysavings::DailySavings>(mainWindow.shell(), *planTable, *yieldOverrides)),
          courtDebt(std::make_unique<ruvivavu::dailysavings::DailySavings>(
              mainWindow.shell(), *planTable, *yieldOverrides, ruvivavu::dailysavings::Variant::CourtDebtMonthly)),
          saoPaulo(std::make_unique<ruvivavu::saopaulo::SaoPauloCourtDebt>(mainWindow.shell(), *planTable)) {
        planTableWindow = new PlanTableWindow(&mainWindow, mainWindow.shell(), *planTable);
        indexTableWindow = new IndexTableWindow(&mainWindow, mainWindow.shell(), *yieldOverrides);
        dailySavingsWindow = new DailySavingsWindow(&mainWindow, *dailySavings, planTableWindow, indexTableWindow);
        courtDebtWindow = new DailySavingsWindow(&mainWindow, *courtDebt, planTableWindow, nullptr);
        courtDebtWindow->setObjectName(QStringLiteral("CourtDebtMonthlyWindow"));
        saoPauloWindow = new SaoPauloWindow(&mainWindow, *saoPaulo, planTableWindow);
        // Which calculator a file belongs to is told by its first line, before any table is loaded.
        auto toSaoPaulo = [this](const QString& path) {
            if (!isSaoPauloFile(path)) return false;
            saoPauloWindow->openCalculationFile(path);
            return true;
        };
        dailySavingsWindow->setForeignFileHandler(toSaoPaulo);
        courtDebtWindow->setForeignFileHandler(toSaoPaulo);
        saoPauloWindow->setForeignFileHandler([this](const QString& path) {
            if (isSaoPauloFile(path)) return false;
            dailySavingsWindow->openCalculationFile(path);
            return true;
        });
        // The plan list on screen follows the table's "Gravar" (the model rebuilds its items
        // first, it registered before this).
        listener = planTable->addPlanListListener([this] {
            if (dailySavingsWindow) dailySavingsWindow->syncFromModel();
            if (courtDebtWindow) courtDebtWindow->syncFromModel();
            if (saoPauloWindow) saoPauloWindow->syncFromModel();
        });
    }

    ~SavingsModule() override {
        planTable->removePlanListListener(listener);
        delete dailySavingsWindow.data();
        delete courtDebtWindow.data();
        delete saoPauloWindow.data();
        delete planTableWindow.data();
        delete indexTableWindow.data();
        dailySavings.reset();
        courtDebt.reset();
        saoPaulo.reset();
    }

    // An "estados" file: the São Paulo calculator's layout. A file that cannot be read is left to
    // the window that was asked, which reports it.
    static bool isSaoPauloFile(const QString& path) {
        try {
            return ruvivavu::dailysavings::firstLine(ruvivavu::readTextFileBytes(path.toStdString())) ==
                   ruvivavu::saopaulo::kFormatMark;
        } catch (const ruvivavu::Error&) {
            return false;
        }
    }

    std::unique_ptr<ruvivavu::shell::PlanTable> planTable;
    std::unique_ptr<ruvivavu::shell::IndexApplicationTable> yieldOverrides;
    std::unique_ptr<ruvivavu::dailysavings::DailySavings> dailySavings;
    // The month-by-month court-debt calculator: the same model and window on a court table.
    std::unique_ptr<ruvivavu::dailysavings::DailySavings> courtDebt;
    QPointer<DailySavingsWindow> dailySavingsWindow;
    QPointer<DailySavingsWindow> courtDebtWindow;
    // The São Paulo factor-table calculator.
    std::unique_ptr<ruvivavu::saopaulo::SaoPauloCourtDebt> saoPaulo;
    QPointer<SaoPauloWindow> saoPauloWindow;
    QPointer<PlanTableWindow> planTableWindow;
    QPointer<IndexTableWindow> indexTableWindow;
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
        module->courtDebt->loadPlansAtStart();
        module->planTableWindow->refresh();
        module->dailySavingsWindow->syncFromModel();
        module->courtDebtWindow->syncFromModel();
    });
    mainWindow.addStartupStep(5, [module] {
        module->dailySavings->loadHeaderAtStart();
        module->courtDebt->loadHeaderAtStart();
        module->dailySavingsWindow->syncFromModel();
        module->courtDebtWindow->syncFromModel();
    });
    mainWindow.addStartupStep(6, [module] {
        module->dailySavings->loadFooterAtStart();
        module->courtDebt->loadFooterAtStart();
        module->saoPaulo->loadAtStart();  // its plan list, header and footer
        module->dailySavingsWindow->syncFromModel();
        module->courtDebtWindow->syncFromModel();
        module->saoPauloWindow->syncFromModel();
    });
    mainWindow.addUnsavedTypingQuery([module] {
        auto holds = [](auto* window) { return window && window->holdsUnsavedTyping(); };
        return holds(module->dailySavingsWindow.data()) || holds(module->courtDebtWindow.data()) ||
               holds(module->saoPauloWindow.data());
    });
    mainWindow.addStartupStep(8, [module, &shell] {
        module->yieldOverrides->loadAtStart(shell);
        module->indexTableWindow->refresh();
    });

    // "Poupança Diária - com opções de configuração" (the pop-up twin enables the preview first).
    mainWindow.setCommandHandler(Command::DailySavings, [module] { module->dailySavingsWindow->startCalculation(); });
    // "Débitos Judiciais São Paulo": the factor-table calculator.
    mainWindow.setCommandHandler(Command::SaoPauloCourtDebt, [module] { module->saoPauloWindow->startCalculation(); });
    // The month-by-month court-debt entries; the São Paulo one loads tjsp.tab from either menu.
    mainWindow.setCommandHandler(Command::SaoPauloMonthly, [module] {
        module->courtDebtWindow->startMonthlyCalculation(ruvivavu::dailysavings::kSaoPauloMonthlyCaption);
    });
    mainWindow.setCommandHandler(Command::MinasMonthly, [module] {
        module->courtDebtWindow->startMonthlyCalculation(ruvivavu::dailysavings::kMinasMonthlyCaption);
    });
    // The calculation-file routines of the main window.
    mainWindow.setCommandHandler(Command::SaveCalculation, [module] { module->dailySavingsWindow->saveCalculation(); });
    mainWindow.setCommandHandler(Command::OpenCalculation, [module] { module->dailySavingsWindow->openCalculation(); });
    // A ".e12" file given to the program opens in the calculator its first line names.
    mainWindow.setFileHandler(QStringLiteral("e12"),
                              [module](const QString& path) { module->dailySavingsWindow->openCalculationFile(path); });
}

}  // namespace ruvivavu::gui::savings
