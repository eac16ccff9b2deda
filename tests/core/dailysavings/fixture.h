// A daily-savings calculator on a temporary data folder with small tables built by the tests.
#pragma once

#include "core/common/dates.h"
#include "core/common/fileio.h"
#include "core/common/numeric.h"
#include "core/common/tablefile.h"
#include "core/dailysavings/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"
#include "core/support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace dailysavings_test {

using namespace ruvivavu;
using namespace ruvivavu::dailysavings;
using namespace ruvivavu::shell;

// A temporary data folder of this suite.
struct TempFolder : enginetest::TempFolder {
    TempFolder() : enginetest::TempFolder("savings") {}
};

// One index-table row: month, the same rate for every anniversary day unless `byDay` is given,
// currency and divisor.
struct IndexRow {
    IndexRow(std::string m, std::string r, std::string c = "NCz$", std::string d = "")
        : month(std::move(m)), rate(std::move(r)), currency(std::move(c)), divisor(std::move(d)) {}
    std::string month;
    std::string rate;
    std::string currency;
    std::string divisor;
};

struct Calculator {
    TempFolder folder;
    shell::Shell shell;
    PlanTable planTable;
    IndexApplicationTable yieldOverrides;
    DailySavings model;

    explicit Calculator(Variant variant = Variant::DailySavings) : model(shell, planTable, yieldOverrides, variant) {
        shell.dataFolder = folder.path;
    }

    std::string file(const std::string& name) const { return shell.dataFile(name); }

    // The index table with a heading line, as the data folder would hold it; also loaded.
    void writeIndex(const std::vector<IndexRow>& rows, std::function<std::string(int row, int day)> byDay = {},
                    const std::string& tableFile = "zurivodo13.tab") {
        StringGrid grid(34, static_cast<int>(rows.size()) + 1, 0, 1);
        grid.setCell(0, 0, "mes");
        for (int d = 1; d <= 28; ++d) grid.setCell(d, 0, std::to_string(d));
        grid.setCell(32, 0, "moeda");
        grid.setCell(33, 0, "divisor");
        for (size_t i = 0; i < rows.size(); ++i) {
            const int r = static_cast<int>(i) + 1;
            grid.setCell(0, r, rows[i].month);
            for (int d = 1; d <= 28; ++d) grid.setCell(d, r, byDay ? byDay(r, d) : rows[i].rate);
            grid.setCell(32, r, rows[i].currency);
            grid.setCell(33, r, rows[i].divisor);
        }
        SaveToFile(file(tableFile), grid);
        shell.loadIndice(tableFile);
    }

    // Monthly rows from `first` ("mm/yyyy") on, all with the same rate.
    static std::vector<IndexRow> months(const std::string& first, int count, const std::string& rate) {
        std::vector<IndexRow> rows;
        Date d = StrToDate("01/" + first);
        for (int i = 0; i < count; ++i) rows.push_back({FormatDate("mm/yyyy", IncMonth(d, i)), rate, "NCz$", ""});
        return rows;
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

    // Day and balance of plan row p on page 1.
    void balance(int p, const std::string& day, const std::string& amount) {
        model.balances.setCell(3, p, day);
        model.balances.setCell(4, p, amount);
    }

    void goTo(int page) {
        while (model.page < page) model.next();
    }

    const StringGrid& sheet() const { return model.sheet; }
};

// A small two-plan case: plan A 01/1989 (day 1), plan B 03/1989 (day 15) joining it, end month
// 06/1989; a currency change (divisor 10) in the period 04/1989; an amount paid back in 03/1989;
// quarterly monthly interest from 03/1989; court interest of 12,0000 % and 6,4998 %.
// Leaves the wizard on page 0 with every input typed.
inline void typeTwoPlanCase(Calculator& c) {
    std::vector<IndexRow> index = {{"12/1988", ""},
                                   {"01/1989", ""},
                                   {"02/1989", ""},
                                   {"03/1989", ""},
                                   {"04/1989", "", "Cr$", "10"},
                                   {"05/1989", "", "Cr$", ""},
                                   {"06/1989", "", "Cr$", ""}};
    // Day 1 and day 15 earn different yields.
    const char* day1[] = {"1", "2", "10", "5", "4", "3", "2,5"};
    const char* day15[] = {"1", "2,2", "11", "6", "4,4", "3,3", "2,75"};
    c.writeIndex(index, [&](int row, int day) { return std::string(day == 15 ? day15[row - 1] : day1[row - 1]); });
    c.setPlans({{"Plano A", "01/1989", "20,37", "", "NCz$", "LFT", "22,35", "IPC", "42,72", ""},
                {"Plano B", "03/1989", "10", "10", "NCz$", "BTN", "10", "IPC", "20", "Cr$"},
                {"Plano C", "05/1990", "7,87", "", "Cr$", "BTN", "", "IPC", "", ""}});
    c.shell.fontName = "Arial";
    c.shell.fontSize = "9";
    c.model.header = {"Autor: José da Silva", "Processo nº 123/1990"};
    c.model.footer = {"São Paulo, 1º de março de 1990."};
    c.check(0);
    c.check(1);
    c.model.chosenPlans.setCell(1, 3, "06/1989");
    c.model.next();
    c.balance(1, "01", "1.000,00");
    c.balance(2, "15", "2000");
    c.model.leaveBalances();
    c.model.next();
    c.model.courtInterest.setRow(1, {"01/01/2000", "01/01/2001", "1"});
    c.model.courtInterest.setRow(2, {"01/01/2001", "01/07/2001", "1,0833"});
    c.model.setWithMonthlyInterest(true);
    c.model.monthlyInterest.setRow(1, {"01/03/1989", "31/12/1989", "1", "Sim"});
    c.model.next();
    c.model.next();
    c.model.paidBack.setCell(1, 2, "Pagamento parcial");
    c.model.paidBack.setCell(2, 2, "50,00");
    while (c.model.page > 0) c.model.previous();
}

}  // namespace dailysavings_test
