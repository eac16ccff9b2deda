// The configured-savings calculators without their windows: "Poupança - configurado" (TForm7, four
// purge months) and "Poupança Configurada - com Plano Collor I e II" (TForm_conftodos, six). Both
// are one calculator told apart by a Variant: its purge months with their constants and rows in
// the update table, its table, backup and file extension, and how its fields read numbers and
// repair dates. The model holds every field as the window shows it, the wizard's page counter, the
// statement-of-account grid and the update table, and the operations the buttons trigger.
//
// The program's own messages are thrown as UserMessage with the model as it stands when the
// message box appears; conversion, arithmetic and file failures as the typed errors of
// core/common/errors.h.
#pragma once

#include "core/common/grid.h"
#include "core/common/numeric.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::configuredsavings {

// The text of an untouched date field ("!99/99/9999;1;_" with nothing typed).
inline constexpr const char* kEmptyDate = "  /  /    ";

inline constexpr const char* kStatementFile = "federal.html";
inline constexpr const char* kNoTable = "A tabela de atualização não foi localizada";
inline constexpr const char* kNeedUpdateDate = "É necessário preencher a data para atualização do cálculo";

// The wizard's pages. Page 10 (the statement-of-account grid) is never shown.
enum Page {
    kStartPage = 0,         // Dados Iniciais
    kOptionsPage = 1,       // Opções de Cálculo
    kInterestPage = 2,      // JSI: interest and inflation insurance
    kJcmPage = 3,           // JCM: both summed
    kBeforePage = 4,        // Saldo Anterior
    kAfterPage = 5,         // Saldo Posterior
    kRemuneratoryPage = 6,  // Juros Remuneratórios
    kMoratoryPage = 7,      // Juros Moratórios
    kFeesPage = 8,          // Honorários
    kFinalPage = 9,
};

// The five figures of one purge month; leaving any of them derives the others (sheet.h).
enum class MonthField {
    Interest,    // interest credited (Ejsijuros...)
    Correction,  // correction, the inflation insurance credited (Ejsiseg...)
    Jcm,         // their sum (Ejcm...)
    Before,      // balance before the credit (ESA...)
    After,       // balance after the credit (ESP...)
};

// One purge month of a calculator.
struct PurgeMonth {
    const char* heading;  // its column of the statement of account, e.g. "Jul/87"
    Number credited;      // P, % the banks credited: correction plus interest on the corrected balance
    Number correction;    // Q, % of correction alone
    int purgeRow;         // its row of the update table
    bool trailing;        // kept after line 43 of the calculation files (the six-month files only)
};

inline constexpr std::array kFourMonths{
    PurgeMonth{"Jul/87", 18.6106L, 18.0205L, 1, false},
    PurgeMonth{"Fev/89", 22.9708L, 22.3591L, 21, false},
    PurgeMonth{"Mai/90", 0.5L, 0.0L, 37, false},
    PurgeMonth{"Jun/90", 5.9069L, 5.38L, 39, false},
};

inline constexpr std::array kSixMonths{
    PurgeMonth{"Jul/87", 18.6106L, 18.0205L, 1, false}, PurgeMonth{"Fev/89", 22.9708L, 22.3591L, 21, false},
    PurgeMonth{"Abr/90", 41.9865L, 41.2801L, 36, true}, PurgeMonth{"Mai/90", 0.5L, 0.0L, 38, false},
    PurgeMonth{"Jun/90", 5.9069L, 5.38L, 40, false},    PurgeMonth{"Mar/91", 7.535L, 7.0L, 50, true},
};

struct Variant {
    const char* caption;
    const char* tableFile;               // the update table in the data folder
    const char* backupFile;              // the automatic backup in the data folder
    const char* extension;               // of its calculation files, lower case without the dot
    std::span<const PurgeMonth> months;  // in calendar order
    bool lenientFields;                  // field values read with RemovePontoTodos instead of RemovePonto
    bool februaryFrom29;                 // dates repaired with validadata instead of validadata30

    // A field value as this calculator reads it.
    Number fieldValue(const std::string& text) const;
    // The leave rule of its date fields.
    std::string repairDate(const std::string& text) const;
};

inline constexpr Variant kConfiguredSavings{
    "Cálculo - Poupança Configurada", "mes.tab", "temp3.back", "e20", kFourMonths, false, false};
inline constexpr Variant kCollorSavings{
    "Poupança Configurada - com os planos Collor I e II", "mes2.tab", "temp_4.back", "ex20", kSixMonths, true, true};

struct MonthFields {
    std::string interest = "0,00";
    std::string correction = "0,00";
    std::string jcm = "0,00";
    std::string before = "0,00";
    std::string after = "0,00";

    std::string& operator[](MonthField field);
    const std::string& operator[](MonthField field) const;
    friend bool operator==(const MonthFields&, const MonthFields&) = default;
};

// What the user typed and ticked; texts exactly as the edit boxes hold them.
struct Fields {
    std::string name;                     // Enome
    std::string bank;                     // Ebanco
    std::string branch;                   // Eagencia
    std::string account;                  // Econta
    std::string anniversaryDay = "01";    // Edia
    std::string updateDate = kEmptyDate;  // Dateate
    // The option group of pages 2 to 5 (a file may leave none chosen).
    bool byInterest = true;                      // Rjsi, "Juros e Seguro Inflação"
    bool byJcm = false;                          // Rjcm
    bool byBalanceBefore = false;                // Rsaldoant
    bool byBalanceAfter = false;                 // Rsaldopost
    bool remuneratory = false;                   // Cjc
    bool moratory = false;                       // Cjm
    bool fees = false;                           // Chonorarios
    std::vector<MonthFields> months;             // one per purge month of the variant
    std::string remuneratoryStart = kEmptyDate;  // Datejurcompinicial
    std::string remuneratoryEnd = kEmptyDate;    // Datejurcompfinal
    std::string remuneratoryRate = "0,00";       // Ejurcomp, % a month
    std::string moratoryStart = kEmptyDate;      // Datejurmorinicial
    std::string moratoryEnd = kEmptyDate;        // Datejurmorfinal
    std::string moratoryRate = "0,00";           // Ejurmor, % a month
    bool feesAsPercentage = true;                // Rhonporcentagem
    bool feesAsValue = false;                    // Rhonvalor
    std::string feeValue = "0,00";               // Ehonvalor

    friend bool operator==(const Fields&, const Fields&) = default;
};

class ConfiguredSavings {
public:
    ConfiguredSavings(shell::Shell& shell, const Variant& variant);

    const Variant& variant;
    Fields fields;
    StringGrid account;      // st2: the statement of account, months in columns 1..
    StringGrid updateTable;  // st: the update table as loaded, then as computed
    std::string tableLabel;  // "Tabela atualizada até: " + the table's last month (red label)
    int page = kStartPage;
    bool finishEnabled = false;
    // The arrival at the final page writes the backup; the command-line run writes nothing.
    bool keepsBackup = true;

    // The change rule of the fee field: an amount in value mode, kept as typed otherwise.
    std::string feeText(const std::string& text) const;

    // Each time the window is shown: "Finalizar" off, the table loaded when present, page 0, the
    // table label and the statement-of-account headings.
    void shown();
    // "Próximo": UserMessage(kNeedUpdateDate) while the update date has no digit; otherwise one
    // page on, skipping unchosen pages; reaching the final page (again) loads the table
    // (UserMessage(kNoTable) when missing), fills the statement of account, writes the backup and
    // computes the update table. A computation that fails leaves "Finalizar" off, so no statement
    // is ever made from a half-computed table.
    void next();
    // "Anterior": one page back, skipping unchosen pages.
    void previous();
    // "Novo": page 0, the texts emptied, the month figures, rates and fee zero, the dates empty;
    // the update date and the options stay. "Finalizar" goes off with the figures it would print.
    void reset();
    // Leaving a month field derives the other figures of that month from it.
    void leaveMonthField(int month, MonthField field);

    // The statement's bytes from the grids of the last arrival at the final page.
    std::string finishToBytes() const;
    // "Finalizar": federal.html written into the data folder and shown.
    void finish();

    void writeBackup() const;
    bool backupExists() const;
    // "Abrir" of a chosen file and "Abrir Backup" (when the backup exists): page 0, the file read
    // into the fields. A file that cannot be read changes nothing. "Finalizar" goes off: the
    // computed grids belong to another calculation.
    void open(const std::string& path);
    void openBackup();
    // The save button: copies the backup to the chosen file ("Erro ao copiar ..." on failure).
    void saveCopy(const std::string& target);

    // Whether the fields hold typing neither saved nor finalised (settled at start-up, "Abrir",
    // "Abrir Backup", "Novo" and "Finalizar"; "Salvar" copies the backup made on arriving at the
    // final page, so it settles the fields as they stood then).
    bool hasUnsavedTyping() const { return fields != settled_; }

    shell::Shell& shell() { return shell_; }

private:
    void reachFinalPage();

    shell::Shell& shell_;
    Fields settled_;                  // the fields at the last settling point
    std::optional<Fields> backedUp_;  // the fields the backup holds, when written here
};

}  // namespace ruvivavu::configuredsavings
