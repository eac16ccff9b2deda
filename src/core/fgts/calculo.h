// The FGTS purge calculator (TFormFGTS) without its window: every field as the window holds it,
// the wizard's page counter, the result grid `planilha` and the computation of "Finalizar".
#pragma once

#include "core/common/dates.h"
#include "core/common/grid.h"
#include "core/common/numeric.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruvivavu::fgts {

// The text of an untouched date field ("!99/99/9999;1;_" with nothing typed).
inline constexpr const char* kEmptyDate = "  /  /    ";

inline constexpr const char* kTableFile = "fgts.tab";
inline constexpr const char* kBackupFile = "fgts.back";
inline constexpr const char* kStatementFile = "fgt.html";

inline constexpr const char* kNoTable = "A tabela não foi encontrada, atualize os índices";
inline constexpr const char* kNeedDataini = "Preencha a data de atualização";
inline constexpr const char* kNeedDatajuros = "Preencha a Data de início  - juros de mora";

// The last page the wizard walks to (the result page 6 is never shown).
inline constexpr int kLastPage = 5;
inline constexpr int kPlanilhaCols = 7;

// What the user typed and ticked. Texts are exactly what the edit boxes hold.
struct Fields {
    std::vector<std::string> header;  // Edit1, one text per memo line
    std::string dataini = kEmptyDate;
    bool cjuros = false;
    bool chonorarios = false;
    bool ccustas = false;
    std::string datajuros = kEmptyDate;
    std::string txjur = "0,00";
    std::string hono = "0,00";
    std::string cust = "0,00";
    bool cverao = true;
    std::string jcsaldos = "0,00";
    bool ccollor = true;
    std::string jcollor = "0,00";
    bool jr3 = true;
    bool jr6 = false;

    friend bool operator==(const Fields&, const Fields&) = default;
};

// Which field a failed page check sends the focus back to.
enum class Campo { Dataini, Datajuros };

struct PageCheck {
    std::string message;
    Campo campo;
};

// The JAM coefficient for a date: the first table month whose first day is on or after the date
// (so a date inside a month takes the following month), column 6 with 3 % and column 7 with 6 %.
// No such month, or neither rate chosen, gives 0.
Number devolvevalor(const StringGrid& indice, const Date& date, bool jr3, bool jr6);

// The currency symbol and one blank for a date or month text ("01/03/1989" or "03/1989"); the last
// table row of that month wins; no row gives the empty text.
std::string devolvemoeda(const StringGrid& indice, std::string_view text);

// Whole months from the start of the moratory interest to the update date (0 when the update
// date is not after it).
int mesesDeJuros(const Date& dataini, const Date& datajuros);

// The headings of planilha row 0.
void writeHeadings(StringGrid& planilha);

// Fills planilha from the fields and the JAM table in `indice`. Every value a later step uses is
// read back from the text just written. Raises ConversionError / ArithmeticError (a base month
// missing from the table divides by zero), leaving planilha as it was.
void computePlanilha(const Fields& fields, const StringGrid& indice, StringGrid& planilha);

// The calculator as the window drives it.
class Calculo {
public:
    Calculo();

    Fields fields;
    StringGrid planilha;
    int page = 0;                   // the wizard's page counter, 0 to 5
    bool finalizarEnabled = false;  // disabled at creation, by "Novo" and by the openers

    // Each time the window is shown: page 0 and the headings of planilha.
    void onShow();

    // "Próximo": the checks of pages 0 and 1, then one page on, skipping pages whose option is
    // clear. A failed check leaves the page as it was.
    std::optional<PageCheck> proximo();
    // "Anterior": one page back, skipping pages whose option is clear.
    void anterior();
    // "Novo": every field back to its empty state (both plans and both options clear, "3%").
    void novo();

    // After a file was read into the fields ("Abrir", "Abrir Backup"): page 0, "Finalizar" off.
    void afterOpen();
};

}  // namespace ruvivavu::fgts
