// Pieces shared by the savings wizard windows: the calculation-file dialog, memo lines, small
// labels and buttons, and the plan page ("Escolha os Expurgos") with its plan check list.
#pragma once

#include "core/dailysavings/pages.h"

#include <QString>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace ruvivavu::gui {
class GridView;
}  // namespace ruvivavu::gui

namespace ruvivavu::gui::savings {

// Calculation files: "Quorvel (*.e12)", default extension "e12".
QString chooseCalculationFile(QWidget* parent, bool save);

// The lines of a memo are its paragraphs; the empty paragraph after a final line break (where the
// cursor stands after Enter) is not a line of its own.
std::vector<std::string> memoLines(const QPlainTextEdit* memo);
QString memoText(const std::vector<std::string>& lines);

QLabel* wrappedLabel(const QString& text, QWidget* parent);
QPushButton* limparButton(QWidget* parent, const QString& objectName);

// Page 0 of a wizard: the red table label, "Adicionar Expurgo" (and "Configurar Índice" when
// asked for), the plan check list and the chosen-plans grid side by side.
struct PlanPage {
    QWidget* page = nullptr;
    QLabel* tableLabel = nullptr;
    QListWidget* planList = nullptr;
    QPushButton* addPlan = nullptr;
    QPushButton* configureIndex = nullptr;  // null when not asked for
};
PlanPage buildPlanPage(GridView* chosenPlans, bool withIndexButton);

// Page 1 "Saldo" around the balances grid (amount filter on "Saldo"), and page 2 "Diferença"
// around the read-only differences grid with the given column widths.
QWidget* buildBalancePage(GridView* balances);
QWidget* buildDifferencePage(GridView* differences, const std::vector<int>& columnWidths);

// Shows the plans in the check list: rebuilt when the plan table changed its items, only the
// checks set otherwise.
void showPlanList(QListWidget* list, const std::vector<dailysavings::PlanItem>& plans);

}  // namespace ruvivavu::gui::savings
