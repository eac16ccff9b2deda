// Daily-savings sheet and statement for four plans from 06/1987 to a table ending in 12/2026.
#include "core/common/dates.h"
#include "core/common/numeric.h"
#include "core/dailysavings/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ruvivavu;
using namespace ruvivavu::dailysavings;
using namespace ruvivavu::shell;

struct FourPlans {
    shell::Shell shell;
    PlanTable planTable;
    IndexApplicationTable indexTable;
    DailySavings model{shell, planTable, indexTable};

    FourPlans() {
        // The savings table, synthesised: a heading line and one row per month.
        StringGrid& indice = shell.indice;
        const Date first{1987, 5, 1};
        const int months = (2026 - 1987) * 12 + (12 - 5) + 1;
        indice.setRowCount(months + 1);
        indice.setColCount(34);
        indice.setCell(0, 0, "mes");
        for (int i = 0; i < months; ++i) {
            const int row = i + 1;
            const Date d = IncMonth(first, i);
            const std::string month = FormatDate("mm/yyyy", d);
            indice.setCell(0, row, month);
            for (int day = 1; day <= 28; ++day)
                indice.setCell(day, row, FormatFloat("0.0000", 0.5L + ((i * 7 + day) % 50) / 100.0L));
            std::string currency = "Cz$";
            if (d >= Date{1989, 1, 1}) currency = "NCz$";
            if (d >= Date{1990, 3, 1}) currency = "Cr$";
            if (d >= Date{1993, 8, 1}) currency = "CR$";
            if (d >= Date{1994, 7, 1}) currency = "R$";
            indice.setCell(32, row, currency);
            if (month == "01/1989" || month == "08/1993") indice.setCell(33, row, "1000");
            if (month == "07/1994") indice.setCell(33, row, "2750");
        }
        planTable.grid.setRowCount(5);
        planTable.writeHeadings();
        planTable.grid.setRow(1, {"Bresser", "06/1987", "8,04", "", "Cz$", "LBC", "18,02", "IPC", "26,06", ""});
        planTable.grid.setRow(2, {"Verão", "01/1989", "20,37", "1000", "Cz$", "LFT", "22,35", "IPC", "42,72", "NCz$"});
        planTable.grid.setRow(3, {"Collor I", "04/1990", "44,80", "", "NCz$", "BTN", "0", "IPC", "44,80", ""});
        planTable.grid.setRow(4, {"Collor II", "02/1991", "21,87", "", "Cr$", "BTN", "7", "IPC", "21,87", ""});
        model.rebuildPlanList();
        model.shown();
        for (int i = 0; i < 4; ++i) model.setPlanChecked(i, true);
        model.next();
        const char* balances[] = {"10.000,00", "25.000,00", "50.000,00", "80.000,00"};
        for (int p = 1; p <= 4; ++p) {
            model.balances.setCell(3, p, std::to_string(p * 5));
            model.balances.setCell(4, p, balances[p - 1]);
        }
        model.courtInterest.setRow(1, {"01/01/2000", "01/01/2010", "1"});
        model.setWithMonthlyInterest(true);
        model.monthlyInterest.setRow(1, {"01/01/1995", "31/12/2026", "0,5", "Sim"});
        model.next();
        model.next();
        model.next();
        model.paidBack.setCell(1, 100, "Valor incontroverso");
        model.paidBack.setCell(2, 100, "1.234,56");
    }
};

void BM_SavingsSheetAndStatement(benchmark::State& state) {
    FourPlans calc;
    size_t bytes = 0;
    for (auto _ : state) {
        calc.model.reachPage(5);
        const std::string statement = calc.model.finishToBytes();
        bytes = statement.size();
        benchmark::DoNotOptimize(statement.data());
    }
    state.counters["rows"] = calc.model.sheet.rowCount();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SavingsSheetAndStatement)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

void BM_SavingsSheetOnly(benchmark::State& state) {
    FourPlans calc;
    for (auto _ : state) {
        calc.model.reachPage(5);
        benchmark::DoNotOptimize(calc.model.sheet.cell(5, 1).data());
    }
}
BENCHMARK(BM_SavingsSheetOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
