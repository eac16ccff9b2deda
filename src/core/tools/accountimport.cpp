// Turning a spreadsheet of accounts into daily-savings and configured-savings calculation files.
#include "core/tools/accountimport.h"

#include "core/common/csv.h"
#include "core/common/dates.h"
#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/configuredsavings/calculationfile.h"
#include "core/configuredsavings/model.h"
#include "core/configuredsavings/sheet.h"
#include "core/dailysavings/calculationfile.h"
#include "core/dailysavings/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

#include <algorithm>
#include <filesystem>
#include <functional>
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

bool isAnniversaryDay(const std::string& day) {
    return allDigits(day) && std::stoi(day.substr(0, 3)) >= 1 && std::stoi(day.substr(0, 3)) <= 28;
}

std::string dayProblem(const std::string& day) {
    return "dia de aniversário deve ser de 1 a 28 (\"" + day + "\")";
}

// One account as the daily-savings wizard takes it.
struct Account {
    std::string day;
    std::map<std::string, std::string> balances;  // by plan name
    std::string endMonth;
    bool proRata = false;
    std::vector<Period> court;
    std::vector<Period> monthly;
    std::vector<Payment> payments;
};

// One account as the configured-savings wizard takes it: texts as the user would type them.
struct ConfiguredAccount {
    std::string holder, bank, branch, account, day;
    std::string updateDate;  // dd/mm/aaaa
    configuredsavings::MonthField typed =
        configuredsavings::MonthField::Before;  // the figure the option's page asks for
    // By month of the calculator: the figure, and the correction beside the interest.
    std::map<size_t, std::pair<std::string, std::string>> figures;
    std::optional<Period> remuneratory;
    std::optional<Period> moratory;
    std::optional<std::string> fee;  // as typed into the fee field
    bool feeAsPercentage = true;
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
    FileName,
    Calculator,
    Option,
    RemuneratoryInterest,
    Fees
};

// The columns of the layout besides the plans and the purge months.
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
                                                   {"arquivo", Field::FileName},
                                                   {"calculadora", Field::Calculator},
                                                   {"opcao", Field::Option},
                                                   {"juros remuneratorios", Field::RemuneratoryInterest},
                                                   {"honorarios", Field::Fees}};
    return keys;
}

// The calculator a row is for, by the Calculadora column (empty: daily savings).
enum class Kind { Daily, Configured, Collor };

std::optional<Kind> kindOf(std::string_view text) {
    const std::string key = headingKey(text);
    if (key.empty() || key == "poupanca") return Kind::Daily;
    if (key == "configurada") return Kind::Configured;
    if (key == "configurada collor") return Kind::Collor;
    return std::nullopt;
}

// A purge month's column: "Jul/87", or "07/1987" as a spreadsheet may turn it into.
bool isMonthHeading(const configuredsavings::PurgeMonth& month, const std::string& key) {
    static constexpr std::string_view kMonths[] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                                   "jul", "ago", "set", "out", "nov", "dez"};
    const std::string heading = lowerAscii(month.heading);
    if (key == heading) return true;
    const auto number = std::find(std::begin(kMonths), std::end(kMonths), heading.substr(0, 3)) - std::begin(kMonths);
    const std::string numeric = (number < 9 ? "0" : "") + std::to_string(number + 1) + "/19" + heading.substr(4);
    return key == numeric;
}

// The configured-savings option: which figure of each month the row gives.
std::optional<configuredsavings::MonthField> optionOf(std::string_view text) {
    using configuredsavings::MonthField;
    const std::string key = headingKey(text);  // "saldo anterior" reads "anterior"
    if (key == "juros e seguro inflacao" || key == "jsi") return MonthField::Interest;
    if (key == "jcm" || key == "juros e correcao monetaria") return MonthField::Jcm;
    if (key == "anterior" || key == "estimativa saldo anterior") return MonthField::Before;
    if (key == "posterior" || key == "estimativa saldo posterior") return MonthField::After;
    return std::nullopt;
}

// An amount as the user types it into an amount edit box: its digits with the cents.
std::string typedAmount(std::string_view amount) {
    const size_t comma = amount.find(',');
    std::string digits;
    for (char c : amount.substr(0, comma))
        if (c != '.') digits += c;
    std::string cents = comma == std::string_view::npos ? "" : std::string(amount.substr(comma + 1));
    cents.resize(2, '0');
    return formatafloat(kMoney, digits + cents);
}

// A text kept on a line of a calculation file: one line, and characters the file can hold.
std::string fileTextProblem(const std::string& text) {
    if (text.find_first_of("\r\n") != std::string::npos) return "quebra de linha no texto";
    if (cp1252ToUtf8(utf8ToCp1252(text)) != text) return "caractere que o arquivo de cálculo não guarda";
    return {};
}

// The accounts' calculators: the data folder loaded once as at program start; every row walks a
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
            const auto& months = configuredsavings::kSixMonths;
            const auto month = std::find_if(months.begin(), months.end(), [&](const configuredsavings::PurgeMonth& m) {
                return isMonthHeading(m, key);
            });
            if (month != months.end()) {
                monthColumns_.emplace_back(month->heading, c);
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
        if (planColumns_.empty() && monthColumns_.empty())
            problems.push_back({headings.line, "",
                                fields_.count(Field::Calculator)
                                    ? "falta uma coluna de saldo: um plano da tabela de planos ou um mês da "
                                      "poupança configurada (Jul/87, Fev/89, Abr/90, Mai/90, Jun/90, Mar/91)"
                                    : "falta uma coluna de saldo com o nome de um plano da tabela de planos"});
        return problems.empty();
    }

    // One account: its calculation file, or its problems.
    void importRow(const CsvRecord& row, ImportReport& report) {
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
        Row r{*this, row, {}};
        for (size_t column : untitled_) {
            if (!r.cell(column).empty())
                r.rowProblem("valor na coluna " + std::to_string(column + 1) + ", que não tem título");
        }
        const std::string holder = r.value(Field::Holder);
        if (holder.empty()) r.problem(Field::Holder, "titular em branco");
        const std::string day = r.value(Field::Day);
        if (!isAnniversaryDay(day)) r.problem(Field::Day, dayProblem(day));

        const std::optional<Kind> kind = kindOf(r.value(Field::Calculator));
        std::function<std::string()> calculate;
        std::string extension;
        if (!kind) {
            r.problem(Field::Calculator, "calculadora desconhecida \"" + r.value(Field::Calculator) +
                                             "\" (use poupanca, configurada ou configurada-collor)");
        } else if (*kind == Kind::Daily) {
            Account account = dailyAccount(r);
            extension = ".e12";
            calculate = [this, account] { return calculation(account); };
        } else {
            const configuredsavings::Variant& variant =
                *kind == Kind::Collor ? configuredsavings::kCollorSavings : configuredsavings::kConfiguredSavings;
            ConfiguredAccount account = configuredAccount(r, variant);
            extension = std::string(".") + variant.extension;
            calculate = [this, &variant, account] { return configuredCalculation(variant, account); };
        }

        std::string name = safeFileName(r.value(Field::FileName));
        if (name.empty()) {
            name = holder + " -";
            for (Field part : {Field::Bank, Field::Agency, Field::Account})
                if (const std::string text = r.value(part); !text.empty()) name += " " + text;
            name = safeFileName(name);
            while (!name.empty() && (name.back() == '-' || name.back() == ' ')) name.pop_back();
        }
        if (!extension.empty() && lowerAscii(name).ends_with(extension)) name.resize(name.size() - extension.size());
        if (name.empty()) name = "linha " + std::to_string(row.line);
        const std::string file = name + extension;
        const auto previous = names_.find(lowerAscii(file));
        if (r.problems.empty() && previous != names_.end())
            r.rowProblem("o arquivo \"" + file + "\" já é o da linha " + std::to_string(previous->second) +
                         " (use a coluna Arquivo)");

        std::string bytes;
        if (r.problems.empty()) {
            try {
                bytes = calculate();
            } catch (const std::exception& e) {
                r.rowProblem(e.what());
            }
        }
        if (!r.problems.empty()) {
            report.problems.insert(report.problems.end(), r.problems.begin(), r.problems.end());
            ++report.rejectedRows;
            return;
        }
        const std::string path = joinPath(outputFolder_, file);
        try {
            writeFileAtomic(path, bytes);
        } catch (const FileError& e) {
            report.problems.push_back({row.line, "", e.what()});
            ++report.rejectedRows;
            return;
        }
        names_.emplace(lowerAscii(file), row.line);
        report.written.push_back(path);
    }

private:
    // A row being read, with the problems found in it.
    struct Row {
        const Importer& importer;
        const CsvRecord& record;
        std::vector<ImportProblem> problems;

        std::string cell(size_t column) const {
            return column < record.fields.size() ? trimmed(record.fields[column]) : std::string();
        }
        std::string value(Field field) const {
            const auto at = importer.fields_.find(field);
            return at == importer.fields_.end() ? std::string() : cell(at->second);
        }
        void columnProblem(size_t column, const std::string& reason) {
            problems.push_back({record.line, importer.headings_[column], reason});
        }
        // A field's problem; the row's when the sheet has no such column.
        void problem(Field field, const std::string& reason) {
            const auto at = importer.fields_.find(field);
            if (at == importer.fields_.end())
                rowProblem(reason);
            else
                columnProblem(at->second, reason);
        }
        void rowProblem(const std::string& reason) { problems.push_back({record.line, "", reason}); }
        // Columns of another calculator must stay empty.
        void unused(std::initializer_list<Field> fields, const std::string& reason) {
            for (Field field : fields)
                if (!value(field).empty()) problem(field, reason);
        }
    };

    Account dailyAccount(Row& r) const {
        r.unused({Field::Option, Field::RemuneratoryInterest, Field::Fees}, "só vale para a calculadora configurada");
        for (const auto& [month, column] : monthColumns_)
            if (!r.cell(column).empty()) r.columnProblem(column, "só vale para a calculadora configurada");
        Account a;
        a.day = r.value(Field::Day);
        bool badBalance = false;
        for (const auto& [plan, column] : planColumns_) {
            const std::string text = r.cell(column);
            if (text.empty()) continue;
            badBalance = badBalance || !isAmount(text);
            if (!isAmount(text))
                r.columnProblem(column, "saldo inválido \"" + text + "\" (use 1.234,56)");
            else
                a.balances[planNames_[static_cast<size_t>(plan)].text] = text;
        }
        if (a.balances.empty() && !badBalance) r.rowProblem("nenhum saldo de plano informado");
        a.endMonth = r.value(Field::EndMonth);
        if (!a.endMonth.empty() && !isMonth(a.endMonth))
            r.problem(Field::EndMonth, "mês inválido \"" + a.endMonth + "\" (use mm/aaaa)");
        const std::string proRata = headingKey(r.value(Field::ProRata));
        if (!proRata.empty() && proRata != "sim" && proRata != "nao")
            r.problem(Field::ProRata, "use sim ou não (\"" + r.value(Field::ProRata) + "\")");
        a.proRata = proRata == "sim";
        if (const std::string text = r.value(Field::CourtInterest); !text.empty()) {
            if (std::string reason = parsePeriods(text, false, a.court); !reason.empty())
                r.problem(Field::CourtInterest, reason);
        }
        if (const std::string text = r.value(Field::MonthlyInterest); !text.empty()) {
            if (std::string reason = parsePeriods(text, true, a.monthly); !reason.empty())
                r.problem(Field::MonthlyInterest, reason);
            else if (a.monthly.size() > 4)
                r.problem(Field::MonthlyInterest, "no máximo 4 períodos de juros mensais");
        }
        if (const std::string text = r.value(Field::Payments); !text.empty()) {
            if (std::string reason = parsePayments(text, a.payments); !reason.empty())
                r.problem(Field::Payments, reason);
        }
        return a;
    }

    ConfiguredAccount configuredAccount(Row& r, const configuredsavings::Variant& variant) const {
        using configuredsavings::MonthField;
        r.unused({Field::ProRata, Field::MonthlyInterest, Field::Payments}, "não vale para a calculadora configurada");
        for (const auto& [plan, column] : planColumns_)
            if (!r.cell(column).empty())
                r.columnProblem(column, "não vale para a calculadora configurada (use as colunas dos meses)");
        ConfiguredAccount a;
        const std::pair<Field, std::string*> texts[] = {{Field::Holder, &a.holder},
                                                        {Field::Bank, &a.bank},
                                                        {Field::Agency, &a.branch},
                                                        {Field::Account, &a.account}};
        for (const auto& [field, text] : texts) {
            *text = r.value(field);
            if (const std::string reason = fileTextProblem(*text); !reason.empty()) r.problem(field, reason);
        }
        // The window's field holds two characters.
        a.day = r.value(Field::Day);
        if (isAnniversaryDay(a.day) && a.day.size() > 2) r.problem(Field::Day, dayProblem(a.day));
        a.updateDate = r.value(Field::EndMonth);
        if (a.updateDate.empty())
            r.problem(Field::EndMonth, "a calculadora configurada precisa da data de atualização (dd/mm/aaaa)");
        else if (!parseDate(a.updateDate))
            r.problem(Field::EndMonth, "data inválida \"" + a.updateDate + "\" (use dd/mm/aaaa)");

        const std::string optionText = r.value(Field::Option);
        const std::optional<MonthField> option = optionOf(optionText);
        if (!option) {
            r.problem(Field::Option, (optionText.empty() ? std::string("falta a opção")
                                                         : "opção desconhecida \"" + optionText + "\"") +
                                         " (use juros e seguro inflação, jcm, saldo anterior ou saldo posterior)");
        }
        a.typed = option.value_or(MonthField::Before);
        bool badFigure = false;
        for (const auto& [heading, column] : monthColumns_) {
            const std::string text = r.cell(column);
            if (text.empty()) continue;
            const auto& months = variant.months;
            // Clang 14 (the sanitizer and fuzzing builds) cannot capture a structured binding.
            const auto month =
                std::find_if(months.begin(), months.end(),
                             [&name = heading](const configuredsavings::PurgeMonth& m) { return m.heading == name; });
            if (month == months.end()) {
                r.columnProblem(column, "só vale para a calculadora configurada-collor");
                badFigure = true;
                continue;
            }
            if (!option) continue;
            const size_t k = static_cast<size_t>(month - months.begin());
            if (*option != MonthField::Interest) {
                if (isAmount(text))
                    a.figures[k] = {text, ""};
                else
                    r.columnProblem(column, "valor inválido \"" + text + "\" (use 1.234,56)");
                badFigure = badFigure || !isAmount(text);
                continue;
            }
            const size_t plus = text.find('+');
            const std::string interest = trimmed(text.substr(0, plus));
            const std::string correction = plus == std::string::npos ? "" : trimmed(text.substr(plus + 1));
            if (isAmount(interest) && isAmount(correction)) {
                a.figures[k] = {interest, correction};
            } else {
                r.columnProblem(column, "valores inválidos \"" + text + "\" (use juros + correção: 59,01 + 1.802,05)");
                badFigure = true;
            }
        }
        if (option && a.figures.empty() && !badFigure) r.rowProblem("nenhum valor de mês informado");

        auto onePeriod = [&](Field field, std::optional<Period>& period) {
            const std::string text = r.value(field);
            if (text.empty()) return;
            std::vector<Period> periods;
            if (std::string reason = parsePeriods(text, false, periods); !reason.empty())
                r.problem(field, reason);
            else if (periods.size() > 1)
                r.problem(field, "a calculadora configurada aceita um só período");
            else
                period = periods.front();
        };
        onePeriod(Field::RemuneratoryInterest, a.remuneratory);
        onePeriod(Field::CourtInterest, a.moratory);
        if (const std::string fee = r.value(Field::Fees); !fee.empty()) {
            const std::string percent = fee.back() == '%' ? trimmed(fee.substr(0, fee.size() - 1)) : "";
            a.feeAsPercentage = !percent.empty();
            if (a.feeAsPercentage && isRate(percent))
                a.fee = percent;
            else if (!a.feeAsPercentage && isAmount(fee))
                a.fee = typedAmount(fee);
            else
                r.problem(Field::Fees, "honorários inválidos \"" + fee + "\" (use 10% ou 1.500,00)");
        }
        return a;
    }

    // The daily-savings wizard walked as a user typing the row would, up to "Finalizar": the file
    // it then keeps.
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

    // The configured-savings wizard filled page by page as a user typing the row would (each month
    // figure left so that the month's other figures follow), walked to its final page and its
    // statement made: the file "Salvar" then keeps.
    std::string configuredCalculation(const configuredsavings::Variant& variant, const ConfiguredAccount& a) {
        using configuredsavings::MonthField;
        configuredsavings::ConfiguredSavings c(shell_, variant);
        c.keepsBackup = false;
        c.shown();
        configuredsavings::Fields& f = c.fields;
        f.name = a.holder;
        f.bank = a.bank;
        f.branch = a.branch;
        f.account = a.account;
        f.anniversaryDay = a.day;
        f.updateDate = variant.repairDate(a.updateDate);
        f.byInterest = a.typed == MonthField::Interest;
        f.byJcm = a.typed == MonthField::Jcm;
        f.byBalanceBefore = a.typed == MonthField::Before;
        f.byBalanceAfter = a.typed == MonthField::After;
        f.remuneratory = a.remuneratory.has_value();
        f.moratory = a.moratory.has_value();
        f.fees = a.fee.has_value();
        for (const auto& [k, figure] : a.figures) {
            f.months[k][a.typed] = typedAmount(figure.first);
            if (a.typed == MonthField::Interest) f.months[k].correction = typedAmount(figure.second);
            c.leaveMonthField(static_cast<int>(k), a.typed);
        }
        if (a.remuneratory) {
            f.remuneratoryStart = variant.repairDate(a.remuneratory->start);
            f.remuneratoryEnd = variant.repairDate(a.remuneratory->end);
            f.remuneratoryRate = a.remuneratory->rate;
        }
        if (a.moratory) {
            f.moratoryStart = variant.repairDate(a.moratory->start);
            f.moratoryEnd = variant.repairDate(a.moratory->end);
            f.moratoryRate = a.moratory->rate;
        }
        if (a.fee) {
            f.feesAsPercentage = a.feeAsPercentage;
            f.feesAsValue = !a.feeAsPercentage;
            f.feeValue = c.feeText(*a.fee);
        }
        while (c.page < configuredsavings::kFinalPage) c.next();
        // The window carries the table to its end when the update month is not in it, and its
        // labels have two-digit years, so that a date a century off finds a month of its own: a
        // claim would then show another month's figure under the date asked for.
        const StringGrid& table = c.updateTable;
        const int last = table.rowCount() - 1;
        if (last < 1) throw UserMessage("nenhum mês com saldo no cálculo");
        const std::string& lastLabel = table.cell(configuredsavings::kLabelColumn, last);
        const Date date = StrToDate(f.updateDate);
        if (lastLabel != configuredsavings::monthLabel(date) ||
            StrToDate("01/01/" + lastLabel.substr(4)).year != date.year)
            throw UserMessage("a data de atualização " + f.updateDate + " está fora da tabela do cálculo (" +
                              table.cell(configuredsavings::kLabelColumn, 1) + " a " +
                              c.tableLabel.substr(c.tableLabel.rfind(' ') + 1) + ")");
        c.finishToBytes();
        return textLinesBytes(configuredsavings::calculationLines(variant, f));
    }

    shell::Shell shell_;
    shell::PlanTable planTable_;
    shell::IndexApplicationTable yieldOverrides_;
    std::vector<dailysavings::PlanItem> planNames_;
    std::string outputFolder_;
    std::vector<std::string> headings_;
    std::map<Field, size_t> fields_;
    std::vector<std::pair<int, size_t>> planColumns_;           // plan index, column
    std::vector<std::pair<std::string, size_t>> monthColumns_;  // purge month's heading, column
    std::vector<size_t> untitled_;                              // columns without a heading
    std::map<std::string, int> names_;                          // files written, by lower-case name: their line
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
    return importAccountsText(dataFolder, readFileBytesAtMost(csvPath), outputFolder);
}

}  // namespace ruvivavu::tools
