// The São Paulo court-debt calculator ("Cálculos por Estado - Débitos Judiciais São Paulo",
// `TForm5`): every grid, text and switch of its wizard and the operations its buttons and pages
// trigger. Pages 0 to 2 are those of the daily-savings wizard (plan list, balances, differences);
// page 3 takes the court-interest periods, simple or compound; reaching page 4 computes the court
// interest and the sheet of sheet.h; page 5 holds the header and footer and enables "Finalizar".
//
// Messages are thrown as UserMessage after the model has been left as the calculator is when the
// message box appears; conversion, arithmetic and file failures as ConversionError,
// ArithmeticError and FileError. The window shows either in one message box.
#pragma once

#include "core/common/grid.h"
#include "core/dailysavings/pages.h"
#include "core/shell/unsavedtyping.h"

#include <functional>
#include <string>
#include <vector>

namespace ruvivavu::shell {
class Shell;
class PlanTable;
}  // namespace ruvivavu::shell

namespace ruvivavu::saopaulo {

using dailysavings::PlanItem;

inline constexpr const char* kFactorTable = "t0001.tab";
inline constexpr const char* kBackupFile = "tempsp.back";
inline constexpr const char* kStatementFile = "teste.html";
inline constexpr const char* kFormatMark = "estados";
inline constexpr const char* kCaption = "Cálculos por Estado - Débitos Judiciais São Paulo";

class SaoPauloCourtDebt {
public:
    static constexpr int kLastPage = 5;

    // Registers the plan list with the plan table so that its "Gravar" rebuilds it.
    SaoPauloCourtDebt(shell::Shell& shell, shell::PlanTable& planTable);
    ~SaoPauloCourtDebt();
    SaoPauloCourtDebt(const SaoPauloCourtDebt&) = delete;
    SaoPauloCourtDebt& operator=(const SaoPauloCourtDebt&) = delete;

    // ---- Grids (row 0 = headings; data rows from 1) ----

    // Page 0, chosen plans (SPlanos): "Expurgo" | "Data"; the last row "Data Atual" | update month.
    StringGrid chosenPlans;
    // Page 1, balances (SSaldo): "Expurgo", "Data", "Moeda", "Dia base", "Saldo".
    StringGrid balances;
    // Page 2, differences (SBase): "Expurgo", "Diferença sobre o saldo em:", "Diferença %",
    // "Base de cálculo - valor faltante na conta em:", "Valor".
    StringGrid differences;
    // Page 3, court-interest periods (STJuros): "Data Inicial", "Data Final", "Juros %", then the
    // period's percentage and a "Total" row once computed.
    StringGrid courtInterest;
    // The hidden monthly-interest periods (Jmes), kept only for the calculation file.
    StringGrid monthlyInterest;
    // Page 4, the sheet (planilha), see sheet.h.
    StringGrid sheet;

    std::vector<std::string> header;   // "Cabeçalho"
    std::vector<std::string> footer;   // "Rodapé"
    std::vector<PlanItem> planList;    // CPlanos
    bool showNotes = true;             // "Exibir Notas Finais sobre cálculos" (Cnotas)
    bool proRata = false;              // "Pró-rata"
    bool compound = false;             // "Compostos" (Rcomposto)
    bool simple = true;                // "Simples" (Rsimples)
    bool monthByMonth = false;         // hidden "Mês a mês"
    bool withMonthlyInterest = false;  // hidden monthly interest "Sim"; "Não" stays chosen
    int page = 0;                      // 0 to 5
    bool finishEnabled = false;

    // One of the two interest kinds on, the other off.
    void setCompound(bool on);
    // "Tabela atualizada até: " + the latest month of `indice`.
    std::string tableLabel() const;

    // ---- Window events ----

    // The show routine: headings, "Não" in empty quarterly cells, page 0.
    void shown();
    std::function<void()> showWindow;  // when unset, shown() runs directly

    void planListClicked();
    void setPlanChecked(int item, bool checked);
    void rebuildPlanList();

    void leaveChosenPlans();
    void leaveBalances();
    void leaveDifferences();
    void leaveCourtInterest();

    // ---- Navigation ----

    // "Próximo": page + 1 (not above 5), then the work of the page reached:
    // 1: UserMessage "escolha um plano" (page back at 0); balances laid out;
    // 2: difference values;
    // 4: court interest, then the sheet. A sheet that cannot be built (a month without a factor:
    //    UserMessage "A data <mm/yyyy> não existe na tabela, atualize o índice") is emptied and
    //    the wizard goes back to page 3;
    // 5: "Finalizar" enabled.
    void next();
    void previous();
    void reachPage(int page);

    // ---- Buttons ----

    void clearCourtInterest();  // "Limpar"
    // The statement's bytes (teste.html); may set a court-interest total without a digit to "0".
    std::string finishToBytes();
    // "Finalizar": teste.html written and shown, tempsp.back written, "Finalizar" disabled, the
    // viewer refreshed.
    void finish();
    // Whether the inputs hold typing neither finalised nor settled otherwise (start-up, "Abrir",
    // "Abrir Backup", "Novo"; see shell/unsavedtyping.h).
    bool hasUnsavedTyping() const;

    // ---- Files ----

    void writeBackup() const;  // tempsp.back in the "estados" layout
    bool backupExists() const;
    // "Para Salvar o Cálculo Clique Aqui": copies tempsp.back (nothing without it). UserMessage
    // "Erro ao copiar <backup> para <target>" when the copy fails.
    void saveCopy(const std::string& target) const;
    // "Abrir" of an "estados" file: indice emptied and t0001.tab loaded, the file read, the window
    // shown, header and footer files loaded; wizard on page 0 with the sheet emptied. UserMessage
    // "Este programa não abre o arquivo da versão anterior, use a versão 1.0" for a file of
    // another layout and "O arquivo possui <n> Plano(s) adicionai(s), impossível abrir" for more
    // plans than the list (nothing read in both cases).
    void open(const std::string& path);
    // "Abrir Backup": restores tempsp.back when it exists and is an "estados" file; a backup with
    // more plans than the list is refused with the message above and kept.
    void openBackup();

    // ---- Launch, reset and start-up ----

    // "Débitos Judiciais São Paulo": indice emptied, t0001.tab loaded, window shown.
    void launch();
    // "Novo": page 0, t0001.tab reloaded, checks cleared, data rows emptied, "Simples" on,
    // "Pró-rata" off, monthly interest 5 rows of "Não", header and footer reloaded, shown. The
    // backups are left alone.
    void reset();
    // Start-up: planos.ini into the plan table, the plan list from it, cabecalho.dat, rodape.dat.
    void loadAtStart();

    shell::Shell& shell() { return shell_; }
    const shell::Shell& shell() const { return shell_; }
    const shell::PlanTable& planTable() const { return planTable_; }

private:
    void writeHeadings();
    void show();
    void clearSheet();
    void afterOpen();
    void loadHeaderFooterFiles();

    shell::Shell& shell_;
    shell::PlanTable& planTable_;
    int listenerId_ = 0;
    // The inputs as the calculation file holds them, at the last settling point.
    shell::SettledInputs settledInputs_;
};

}  // namespace ruvivavu::saopaulo
