// Turning a spreadsheet of accounts into daily-savings calculation files.
#include "core/tools/accountimport.h"

#include "core/common/csv.h"
#include "core/common/dates.h"
#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/dailysavings/calculationfile.h"
#include "core/dailysavings/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>

namespace ruvivavu::tools {

namespace {

// Headings compared as people type them: lower case, without accents, "-" and "_" as blanks, one
// blank between words, without a leading "saldo".
std::string headingKey(std::string_view text) {
    static constexpr std::pair<std::string_view, char> kFolded[] = {
        {"á", 'a'}, {"à", 'a'}, {"â", 'a'}, {"ã", 'a'}, {"ä", 'a'}, {"é", 'e'}, {"ê", 'e'},
        {"è", 'e'}, {"í", 'i'}, {"ó", 'o'}, {"ô", 'o'}, {"õ", 'o'}, {"ú", 'u'}, {"ü", 'u'},
        {"ç", 'c'}, {"Á", 'a'}, {"À", 'a'}, {"Â", 'a'}, {"Ã", 'a'}, {"É", 'e'}, {"Ê", 'e'},
        {"Í", 'i'}, {"Ó", 'o'}, {"Ô", 'o'}, {"Õ", 'o'}, {"Ú", 'u'}, {"Ü", 'u'}, {"Ç", 'c'}};
    std::string key;
    for (size_t i = 0; i < text.size();) {
        char c = text[i];
        size_t width = 1;
        for (const auto& [accented, plain] : kFolded) {
            if (text.substr(i, accented.size()) == accented) {
                c = plain;
                width = accented.size();
                break;
            }
        }
        i += width;
        if (c == '-' || c == '_' || c == ' ' || c == '\t') {
            if (!key.empty() && key.back() != ' ') key += ' ';
            continue;
        }
        key += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    while (!key.empty() && key.back() == ' ') key.pop_back();
    if (key.starts_with("saldo ")) key.erase(0, 6);
    return key;
}

std::string trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "196.992,00", "196992,00", "196992": digits with points between groups of three, at most two
// decimals after the comma.
bool isAmount(std::string_view text) {
    const size_t comma = text.find(',');
    const std::string_view whole = text.substr(0, comma);
    if (comma != std::string_view::npos) {
        const std::string_view decimals = text.substr(comma + 1);
        if (!allDigits(decimals) || decimals.size() > 2) return false;
    }
    if (whole.find('.') == std::string_view::npos) return allDigits(whole);
    size_t start = 0;
    for (size_t group = 0;; ++group) {
        const size_t point = whole.find('.', start);
        const std::string_view part = whole.substr(start, point == std::string_view::npos ? point : point - start);
        if (!allDigits(part) || part.size() > 3 || (group > 0 && part.size() != 3)) return false;
        if (point == std::string_view::npos) return true;
        start = point + 1;
    }
}

// A rate: digits with an optional decimal comma.
bool isRate(std::string_view text) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return allDigits(text);
    return allDigits(text.substr(0, comma)) && allDigits(text.substr(comma + 1));
}

std::optional<Date> parseDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/') return std::nullopt;
    const std::string_view d = text.substr(0, 2), m = text.substr(3, 2), y = text.substr(6, 4);
    if (!allDigits(d) || !allDigits(m) || !allDigits(y)) return std::nullopt;
    const Date date{std::stoi(std::string(y)), std::stoi(std::string(m)), std::stoi(std::string(d))};
    if (!isValidDate(date.year, date.month, date.day)) return std::nullopt;
    return date;
}

bool isMonth(std::string_view text) {
    if (text.size() != 7 || text[2] != '/' || !allDigits(text.substr(0, 2)) || !allDigits(text.substr(3))) return false;
    const int month = std::stoi(std::string(text.substr(0, 2)));
    return month >= 1 && month <= 12;
}

struct Period {
    std::string start;
    std::string end;
    std::string rate;
    bool quarterly = false;
};

// "dd/mm/aaaa a dd/mm/aaaa taxa [trimestral]" | ...; answers the reason when a period is malformed.
std::string parsePeriods(std::string_view text, bool quarterlyAllowed, std::vector<Period>& periods) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t bar = text.find('|', start);
        const std::string part = trimmed(text.substr(start, bar == std::string_view::npos ? bar : bar - start));
        start = bar == std::string_view::npos ? text.size() + 1 : bar + 1;
        std::vector<std::string> words;
        for (size_t i = 0; i < part.size();) {
            const size_t end = part.find(' ', i);
            if (end != i) words.push_back(part.substr(i, end == std::string::npos ? end : end - i));
            i = end == std::string::npos ? part.size() : end + 1;
        }
        Period period;
        if (words.size() == 5 && quarterlyAllowed && headingKey(words[4]) == "trimestral") {
            period.quarterly = true;
            words.pop_back();
        }
        const std::string example = "\"" + part + "\" (use dd/mm/aaaa a dd/mm/aaaa taxa";
        if (words.size() != 4 || words[1] != "a")
            return "período inválido " + example + (quarterlyAllowed ? " [trimestral])" : ")");
        const std::optional<Date> from = parseDate(words[0]);
        const std::optional<Date> to = parseDate(words[2]);
        if (!from) return "data inválida \"" + words[0] + "\"";
        if (!to) return "data inválida \"" + words[2] + "\"";
        if (*to < *from) return "período termina antes de começar \"" + part + "\"";
        if (!isRate(words[3])) return "taxa inválida \"" + words[3] + "\"";
        period.start = words[0];
        period.end = words[2];
        period.rate = words[3];
        periods.push_back(period);
    }
    return {};
}

struct Payment {
    std::string month;
    std::string amount;
    std::string description;
};

// "mm/aaaa valor descrição" | ...; answers the reason when a payment is malformed.
std::string parsePayments(std::string_view text, std::vector<Payment>& payments) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t bar = text.find('|', start);
        const std::string part = trimmed(text.substr(start, bar == std::string_view::npos ? bar : bar - start));
        start = bar == std::string_view::npos ? text.size() + 1 : bar + 1;
        const size_t first = part.find(' ');
        const size_t second = first == std::string::npos ? first : part.find(' ', first + 1);
        Payment payment{
            part.substr(0, first),
            first == std::string::npos
                ? ""
                : trimmed(part.substr(first + 1, second == std::string::npos ? second : second - first - 1)),
            second == std::string::npos ? "" : trimmed(part.substr(second + 1))};
        if (!isMonth(payment.month) || !isAmount(payment.amount))
            return "pagamento inválido \"" + part + "\" (use mm/aaaa valor descrição)";
        payments.push_back(payment);
    }
    return {};
}

// The file's name from the row: no character a Windows or Linux folder refuses.
std::string safeFileName(std::string_view text) {
    std::string name;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        name += u < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos ? '_' : c;
    }
    name = trimmed(name);
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    return name;
}

std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// One account as the wizard takes it.
struct Account {
    std::string day;
    std::map<std::string, std::string> balances;  // by plan name
    std::string endMonth;
    bool proRata = false;
    std::vector<Period> court;
    std::vector<Period> monthly;
    std::vector<Payment> payments;
};

enum class Field {
    Holder,
    Bank,
    Agency,
    Account,
    Day,
    EndMonth,
    ProRata,
    CourtInterest,
    MonthlyInterest,
    Payments,
    FileName
};

// The columns of the layout besides the plans.
const std::map<std::string, Field>& fieldKeys() {
    static const std::map<std::string, Field> keys{{"titular", Field::Holder},
                                                   {"banco", Field::Bank},
                                                   {"agencia", Field::Agency},
                                                   {"conta", Field::Account},
                                                   {"dia", Field::Day},
                                                   {"atualizar ate", Field::EndMonth},
                                                   {"pro rata", Field::ProRata},
                                                   {"juros de mora", Field::CourtInterest},
                                                   {"juros mensais", Field::MonthlyInterest},
                                                   {"valores pagos", Field::Payments},
                                                   {"arquivo", Field::FileName}};
    return keys;
}

// The accounts' calculator: the data folder loaded once as at program start; every row walks a
// fresh wizard over the same tables.
class Importer {
public:
    Importer(const std::string& dataFolder, const std::string& outputFolder) : outputFolder_(outputFolder) {
        shell_.dataFolder = dataFolder;
        dailysavings::DailySavings loader(shell_, planTable_, yieldOverrides_);
        loader.loadAtStart();
        planNames_ = loader.planList;
    }

    // Reads the heading row; answers false (with its problems) when the layout is unusable.
    bool readHeadings(const CsvRecord& headings, std::vector<ImportProblem>& problems) {
        std::map<std::string, int> seen;
        for (size_t c = 0; c < headings.fields.size(); ++c) {
            const std::string& text = headings.fields[c];
            const std::string key = headingKey(text);
            if (key.empty()) {
                // Spreadsheets may save empty columns after the last heading: they must stay empty.
                untitled_.push_back(c);
                continue;
            }
            if (!seen.emplace(key, static_cast<int>(c)).second) {
                problems.push_back({headings.line, text, "coluna repetida"});
                continue;
            }
            if (const auto field = fieldKeys().find(key); field != fieldKeys().end()) {
                fields_[field->second] = c;
                continue;
            }
            const auto plan = std::find_if(planNames_.begin(), planNames_.end(),
                                           [&](const dailysavings::PlanItem& p) { return headingKey(p.text) == key; });
            if (plan == planNames_.end()) {
                problems.push_back(
                    {headings.line, text, "coluna desconhecida (nem campo da planilha nem plano da tabela de planos)"});
                continue;
            }
            planColumns_.emplace_back(static_cast<int>(plan - planNames_.begin()), c);
        }
        headings_ = headings.fields;
        if (!fields_.count(Field::Holder)) problems.push_back({headings.line, "", "falta a coluna Titular"});
        if (!fields_.count(Field::Day)) problems.push_back({headings.line, "", "falta a coluna Dia"});
        if (planColumns_.empty())
            problems.push_back(
                {headings.line, "", "falta uma coluna de saldo com o nome de um plano da tabela de planos"});
        return problems.empty();
    }

    // One account: its calculation file, or its problems.
    void importRow(const CsvRecord& row, ImportReport& report) {
        std::vector<ImportProblem> problems;
        auto problem = [&](size_t column, const std::string& reason) {
            problems.push_back({row.line, headings_[column], reason});
        };
        auto value = [&](Field field) -> std::string {
            const auto at = fields_.find(field);
            return at == fields_.end() || at->second >= row.fields.size() ? std::string()
                                                                          : trimmed(row.fields[at->second]);
        };
        // Spreadsheets save the blank rows below the accounts as separators only.
        if (std::all_of(row.fields.begin(), row.fields.end(), [](const std::string& f) { return trimmed(f).empty(); }))
            return;
        if (row.fields.size() > headings_.size()) {
            report.problems.push_back({row.line, "",
                                       "mais campos (" + std::to_string(row.fields.size()) +
                                           ") que colunas no cabeçalho (" + std::to_string(headings_.size()) + ")"});
            ++report.rejectedRows;
            return;
        }
        for (size_t column : untitled_) {
            if (column < row.fields.size() && !trimmed(row.fields[column]).empty())
                problems.push_back(
                    {row.line, "", "valor na coluna " + std::to_string(column + 1) + ", que não tem título"});
        }
        const std::string holder = value(Field::Holder);
        if (holder.empty()) problem(fields_[Field::Holder], "titular em branco");
        const std::string day = value(Field::Day);
        if (!allDigits(day) || std::stoi(day.substr(0, 3)) < 1 || std::stoi(day.substr(0, 3)) > 28)
            problem(fields_[Field::Day], "dia de aniversário deve ser de 1 a 28 (\"" + day + "\")");
        std::map<std::string, std::string> balances;  // by plan name
        bool badBalance = false;
        for (const auto& [plan, column] : planColumns_) {
            const std::string text = column < row.fields.size() ? trimmed(row.fields[column]) : std::string();
            if (text.empty()) continue;
            badBalance = badBalance || !isAmount(text);
            if (!isAmount(text))
                problem(column, "saldo inválido \"" + text + "\" (use 1.234,56)");
            else
                balances[planNames_[static_cast<size_t>(plan)].text] = text;
        }
        if (balances.empty() && !badBalance) problems.push_back({row.line, "", "nenhum saldo de plano informado"});
        const std::string endMonth = value(Field::EndMonth);
        if (!endMonth.empty() && !isMonth(endMonth))
            problem(fields_[Field::EndMonth], "mês inválido \"" + endMonth + "\" (use mm/aaaa)");
        const std::string proRata = headingKey(value(Field::ProRata));
        if (!proRata.empty() && proRata != "sim" && proRata != "nao")
            problem(fields_[Field::ProRata], "use sim ou não (\"" + value(Field::ProRata) + "\")");
        std::vector<Period> court, monthly;
        if (const std::string text = value(Field::CourtInterest); !text.empty()) {
            if (std::string reason = parsePeriods(text, false, court); !reason.empty())
                problem(fields_[Field::CourtInterest], reason);
        }
        if (const std::string text = value(Field::MonthlyInterest); !text.empty()) {
            if (std::string reason = parsePeriods(text, true, monthly); !reason.empty())
                problem(fields_[Field::MonthlyInterest], reason);
            else if (monthly.size() > 4)
                problem(fields_[Field::MonthlyInterest], "no máximo 4 períodos de juros mensais");
        }
        std::vector<Payment> payments;
        if (const std::string text = value(Field::Payments); !text.empty()) {
            if (std::string reason = parsePayments(text, payments); !reason.empty())
                problem(fields_[Field::Payments], reason);
        }
        std::string name = safeFileName(value(Field::FileName));
        if (name.empty()) {
            name = holder + " -";
            for (Field part : {Field::Bank, Field::Agency, Field::Account})
                if (const std::string text = value(part); !text.empty()) name += " " + text;
            name = safeFileName(name);
            while (!name.empty() && (name.back() == '-' || name.back() == ' ')) name.pop_back();
        }
        if (lowerAscii(name).ends_with(".e12")) name.resize(name.size() - 4);
        if (name.empty()) name = "linha " + std::to_string(row.line);
        const auto previous = names_.find(lowerAscii(name));
        if (problems.empty() && previous != names_.end())
            problems.push_back({row.line, "",
                                "o arquivo \"" + name + ".e12\" já é o da linha " + std::to_string(previous->second) +
                                    " (use a coluna Arquivo)"});

        std::string bytes;
        if (problems.empty()) {
            try {
                bytes = calculation(Account{day, balances, endMonth, proRata == "sim", court, monthly, payments});
            } catch (const std::exception& e) {
                problems.push_back({row.line, "", e.what()});
            }
        }
        if (!problems.empty()) {
            report.problems.insert(report.problems.end(), problems.begin(), problems.end());
            ++report.rejectedRows;
            return;
        }
        const std::string path = joinPath(outputFolder_, name + ".e12");
        try {
            writeFileAtomic(path, bytes);
        } catch (const FileError& e) {
            report.problems.push_back({row.line, "", e.what()});
            ++report.rejectedRows;
            return;
        }
        names_.emplace(lowerAscii(name), row.line);
        report.written.push_back(path);
    }

private:
    // The wizard walked as a user typing the row would, up to "Finalizar": the file it then keeps.
    std::string calculation(const Account& a) {
        dailysavings::DailySavings c(shell_, planTable_, yieldOverrides_);
        c.loadPlansAtStart();
        c.shown();
        for (size_t i = 0; i < c.planList.size(); ++i)
            if (a.balances.count(c.planList[i].text)) c.setPlanChecked(static_cast<int>(i), true);
        if (!a.endMonth.empty()) {
            c.chosenPlans.setCell(1, c.chosenPlans.rowCount() - 1, a.endMonth);
            c.leaveChosenPlans();
        }
        c.next();  // the balances
        for (int row = 1; row < c.balances.rowCount(); ++row) {
            c.balances.setCell(3, row, a.day);
            c.balances.setCell(4, row, a.balances.at(c.balances.cell(0, row)));
        }
        c.leaveBalances();
        c.next();  // the differences
        c.next();  // the interest periods
        c.proRata = a.proRata;
        const std::vector<Period>& court = a.court;
        const std::vector<Period>& monthly = a.monthly;
        // The grid keeps the rows the window gives it; more periods get more rows.
        c.courtInterest.setRowCount(std::max(c.courtInterest.rowCount(), static_cast<int>(court.size()) + 2));
        for (size_t i = 0; i < court.size(); ++i)
            c.courtInterest.setRow(static_cast<int>(i) + 1, {court[i].start, court[i].end, court[i].rate});
        c.leaveCourtInterest();
        c.setWithMonthlyInterest(!monthly.empty());
        for (size_t i = 0; i < monthly.size(); ++i)
            c.monthlyInterest.setRow(static_cast<int>(i) + 1, {monthly[i].start, monthly[i].end, monthly[i].rate,
                                                               monthly[i].quarterly ? "Sim" : "Não"});
        c.leaveMonthlyInterest();
        c.next();  // the amounts paid back, on the months the wizard laid out
        for (const Payment& payment : a.payments) {
            int row = 1;
            while (row < c.paidBack.rowCount() && c.paidBack.cell(0, row) != payment.month) ++row;
            if (row == c.paidBack.rowCount())
                throw UserMessage("pagamento em " + payment.month + ", fora dos meses do cálculo");
            c.paidBack.setCell(1, row, payment.description);
            c.paidBack.setCell(2, row, payment.amount);
        }
        while (c.page < dailysavings::DailySavings::kLastPage) c.next();
        c.finishToBytes();
        return dailysavings::writeCalculation(c);
    }

    shell::Shell shell_;
    shell::PlanTable planTable_;
    shell::IndexApplicationTable yieldOverrides_;
    std::vector<dailysavings::PlanItem> planNames_;
    std::string outputFolder_;
    std::vector<std::string> headings_;
    std::map<Field, size_t> fields_;
    std::vector<std::pair<int, size_t>> planColumns_;  // plan index, column
    std::vector<size_t> untitled_;                     // columns without a heading
    std::map<std::string, int> names_;                 // files written, by lower-case name: their line
};

}  // namespace

std::string describe(const ImportProblem& problem) {
    if (problem.line <= 0) return problem.reason;
    std::string text = "linha " + std::to_string(problem.line);
    if (!problem.column.empty()) text += ", coluna " + problem.column;
    return text + ": " + problem.reason;
}

ImportReport importAccountsText(const std::string& dataFolder, std::string_view csvBytes,
                                const std::string& outputFolder) {
    ImportReport report;
    const std::string text = utf8OrCp1252(csvBytes);
    std::vector<CsvRecord> records;
    try {
        records = parseCsv(text, detectCsvSeparator(text));
    } catch (const ConversionError& e) {
        report.problems.push_back({0, "", e.what()});
        return report;
    }
    if (records.empty()) {
        report.problems.push_back({1, "", "planilha vazia"});
        return report;
    }
    Importer importer(dataFolder, outputFolder);
    if (!importer.readHeadings(records.front(), report.problems)) return report;
    std::error_code error;
    std::filesystem::create_directories(toPath(outputFolder), error);
    for (size_t i = 1; i < records.size(); ++i) importer.importRow(records[i], report);
    return report;
}

ImportReport importAccounts(const std::string& dataFolder, const std::string& csvPath,
                            const std::string& outputFolder) {
    return importAccountsText(dataFolder, readFileBytes(csvPath), outputFolder);
}

}  // namespace ruvivavu::tools
