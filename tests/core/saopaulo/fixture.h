// A São Paulo court-debt calculator on a temporary data folder with a small factor table.
#pragma once

#include "core/common/fileio.h"
#include "core/common/grid.h"
#include "core/common/tablefile.h"
#include "core/saopaulo/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"
#include "core/support/tempfolder.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include "core/support/tempfolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace saopaulo_test {

using namespace ruvivavu;
using namespace ruvivavu::saopaulo;
using namespace ruvivavu::shell;

// A temporary data folder of this suite.
struct TempFolder : enginetest::TempFolder {
    TempFolder() : enginetest::TempFolder("saopaulo") {}
};

// month, factor, currency
struct FactorRow {
    std::string month;
    std::string factor;
    std::string currency;
};

struct Calculator {
    TempFolder folder;
    shell::Shell shell;
    PlanTable planTable;
    SaoPauloCourtDebt model;

    Calculator() : model(shell, planTable) { shell.dataFolder = folder.path; }

    std::string file(const std::string& name) const { return shell.dataFile(name); }

    // t0001.tab with its heading line, written and launched.
    void writeFactors(const std::vector<FactorRow>& rows) {
        StringGrid grid(3, static_cast<int>(rows.size()) + 1, 0, 1);
        grid.setRow(0, {"Mês", "Fator", "Moeda"});
        for (size_t i = 0; i < rows.size(); ++i)
            grid.setRow(static_cast<int>(i) + 1, {rows[i].month, rows[i].factor, rows[i].currency});
        SaveToFile(file("t0001.tab"), grid);
        model.launch();
    }

    // The shipped factor table, launched.
    void useShippedFactors() {
        std::filesystem::copy_file(std::string(RUVIVAVU_SOURCE_DIR) + "/data/t0001.tab", file("t0001.tab"));
        model.launch();
    }

    // Plan-table rows (10 cells each); the plan list follows the table.
    void setPlans(const std::vector<std::vector<std::string>>& rows) {
        planTable.grid.setRowCount(static_cast<int>(rows.size()) + 1);
        planTable.writeHeadings();
        for (size_t i = 0; i < rows.size(); ++i) planTable.grid.setRow(static_cast<int>(i) + 1, rows[i]);
        model.rebuildPlanList();
        model.shown();
    }

    void check(int item) { model.setPlanChecked(item, true); }

    void balance(int p, const std::string& day, const std::string& amount) {
        model.balances.setCell(3, p, day);
        model.balances.setCell(4, p, amount);
    }

    void goTo(int page) {
        while (model.page < page) model.next();
    }
};

// Two plans whose differences are 100,00 (base month 02/1989, factor 2) and 200,00 (base month
// 04/1989, factor 4), updated to 06/1990 (factor 8, a new currency): 400,00 each, Cr$ 800,00 in
// all. The wizard is left on page 3 with header and footer typed.
inline void typeTwoPlanCase(Calculator& c) {
    c.writeFactors({{"01/1989", "1", "NCz$"},
                    {"02/1989", "2", "NCz$"},
                    {"03/1989", "3", "NCz$"},
                    {"04/1989", "4", "NCz$"},
                    {"06/1990", "8", "Cr$"}});
    c.setPlans({{"Plano A", "01/1989", "10", "", "NCz$", "LFT", "22,35", "IPC", "42,72", ""},
                {"Plano B", "03/1989", "10", "", "NCz$", "BTN", "10", "IPC", "20", ""}});
    c.shell.fontName = "Arial";
    c.shell.fontSize = "9";
    c.model.header = {"Autor: José da Silva"};
    c.model.footer = {"São Paulo, 1º de março de 1990."};
    c.check(0);
    c.check(1);
    c.model.next();
    c.balance(1, "5", "1.000,00");
    c.balance(2, "15", "2.000,00");
    c.model.leaveBalances();
    c.model.next();
    c.model.next();
}

}  // namespace saopaulo_test
