// The FGTS purge calculator ("Expurgos do FGTS") without its window: every field as the window
// holds it, the wizard's page counter, the result sheet and the operations its buttons trigger.
// The window shows this state and calls these operations; the command-line tool and the tests
// drive it without a window.
#pragma once

#include "core/common/errors.h"
#include "core/common/grid.h"

#include <string>
#include <vector>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::fgts {

// The text of an untouched date field ("!99/99/9999;1;_" with nothing typed).
inline constexpr const char* kEmptyDate = "  /  /    ";

inline constexpr const char* kTableFile = "fgts.tab";
inline constexpr const char* kBackupFile = "fgts.back";
inline constexpr const char* kStatementFile = "fgt.html";

inline constexpr const char* kNoTable = "A tabela não foi encontrada, atualize os índices";
inline constexpr const char* kNeedUpdateDate = "Preencha a data de atualização";
inline constexpr const char* kNeedInterestStart = "Preencha a Data de início  - juros de mora";

// The last page the wizard walks to (the result page 6 is never shown).
inline constexpr int kLastPage = 5;

// What the user typed and ticked. Texts are exactly what the edit boxes hold.
struct Fields {
    std::vector<std::string> header;         // Edit1, one text per memo line
    std::string updateDate = kEmptyDate;     // dataini, "Data de atualização"
    bool withInterest = false;               // cjuros, moratory interest
    bool withFees = false;                   // chonorarios, lawyer's fees
    bool withCosts = false;                  // ccustas, court costs
    std::string interestStart = kEmptyDate;  // datajuros, start of the moratory interest
    std::string interestRate = "0,00";       // txjur, % a year
    std::string feePercent = "0,00";         // hono
    std::string costs = "0,00";              // cust
    bool withVerao = true;                   // cverao, Plano Verão
    std::string veraoBalance = "0,00";       // jcsaldos, balance of January 1989
    bool withCollor = true;                  // ccollor, Plano Collor I
    std::string collorBalance = "0,00";      // jcollor, balance of April 1990
    bool jam3 = true;                        // JR3, JAM coefficients with 3 %
    bool jam6 = false;                       // JR6, JAM coefficients with 6 %

    friend bool operator==(const Fields&, const Fields&) = default;
};

// The date field a failed page check sends the focus back to.
enum class DateField { UpdateDate, InterestStart };

// A page check of "Próximo" that failed: the message to show and the field to focus.
class PageCheckFailed : public UserMessage {
public:
    PageCheckFailed(const std::string& message, DateField field) : UserMessage(message), field(field) {}
    DateField field;
};

class FgtsPurge {
public:
    explicit FgtsPurge(shell::Shell& shell);

    Fields fields;
    // The result sheet (planilha), 7 columns; row 0 the headings.
    StringGrid sheet;
    int page = 0;                // the wizard's page counter, 0 to 5
    bool finishEnabled = false;  // "Finalizar": off at creation, after "Novo" and after opening

    // "Expurgos do FGTS": empties `indice` (so rows of a longer table loaded earlier are never
    // scanned) and loads fgts.tab into it; the window is shown afterwards. UserMessage(kNoTable)
    // when the table is missing, leaving `indice` as it was.
    void launch();
    // Each time the window is shown: page 0 and the headings of the sheet.
    void shown();

    // "Próximo": the checks of pages 0 and 1, then one page on, skipping pages whose option is
    // clear. A failed check throws PageCheckFailed with the page as it was.
    void next();
    // "Anterior": one page back, skipping pages whose option is clear.
    void previous();
    // "Novo": every field back to its empty state (both plans and both options clear, "3%").
    void reset();

    // "Finalizar": computes the sheet, then writes the backup fgts.back and the statement fgt.html
    // and shows it. Nothing is written when the computation fails.
    void finish();
    // "Abrir" of a chosen file: the header is emptied, the file read; page 0 and "Finalizar" off
    // (also when reading fails).
    void open(const std::string& path);
    // "Abrir Backup": as open() for fgts.back, when it exists.
    void openBackup();
    // "Salvar o cálculo": copies fgts.back to the chosen file. UserMessage with the copy failure.
    void saveCopy(const std::string& target) const;

    // Whether the fields hold typing neither finalised nor settled otherwise (start, "Abrir",
    // "Abrir Backup", "Novo"). "Salvar" copies the finalised backup, so it settles nothing.
    bool hasUnsavedTyping() const { return fields != settled_; }

    shell::Shell& shell() { return shell_; }

private:
    void afterOpen();

    Fields settled_;  // the fields at the last settling point
    shell::Shell& shell_;
};

}  // namespace ruvivavu::fgts
