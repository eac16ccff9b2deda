// ruvivavu-cli: runs a saved calculation file against a data folder and writes its statement as
// HTML (the bytes the program would write) or as PDF, without any window or display; runs many of
// them at once (--lote); turns a spreadsheet of accounts into calculation files (--importar).
#include "cli/agreement.h"
#include "cli/batch.h"
#include "cli/calculators.h"
#include "cli/pdfwriter.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/platform.h"
#include "core/shell/shell.h"
#include "core/tools/accountimport.h"
#include "core/tools/tablemanifest.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using ruvivavu::cli::Calculator;

struct Options {
    std::string dataFolder;  // --dados (default: the program's data folder)
    std::string calculator;  // --calculadora (empty: by the file)
    std::string input;       // the calculation file
};

// What the tool is asked to do.
enum class Mode { Single, Batch, Import };

// The help names the calculators of the table itself, in its own words; the usage messages take
// the names and extensions from the table.
const char* kUsage =
    "Uso: ruvivavu-cli [--dados PASTA] [--calculadora poupanca|sp-mes|mg-mes]\n"
    "                  [--saida ARQUIVO] [--pdf ARQUIVO.pdf] CALCULO\n"
    "       ruvivavu-cli --acordo [--regime 2017|2020] [--dados PASTA] [--saida ARQUIVO] CALCULO.e12\n"
    "       ruvivavu-cli [--dados PASTA] --versao-tabelas\n"
    "       ruvivavu-cli [--dados PASTA] [--calculadora NOME] [--pdf] --lote PASTA_SAIDA CALCULO_OU_PASTA...\n"
    "       ruvivavu-cli [--dados PASTA] --importar CONTAS.csv PASTA_SAIDA\n"
    "\n"
    "Abre o arquivo de cálculo CALCULO (.e12: poupança e débitos judiciais; .e20 e .ex20: poupança\n"
    "configurada, sem e com os planos Collor I e II; .fg: expurgos do FGTS; .jfgts: juros progressivos\n"
    "do FGTS), refaz o cálculo com as tabelas da pasta de dados e escreve o demonstrativo. Um\n"
    "demonstrativo já gravado (.html, como teste.html) pode ser dado no lugar do cálculo, para gerar o\n"
    "seu PDF.\n"
    "\n"
    "  --dados PASTA        pasta de dados com as tabelas (padrão: a pasta de dados do programa)\n"
    "  --calculadora NOME   para arquivos .e12: poupanca (padrão), sp-mes ou mg-mes\n"
    "  --saida ARQUIVO      grava o demonstrativo HTML (Windows-1252) em ARQUIVO em vez da saída padrão\n"
    "  --pdf ARQUIVO.pdf    grava o demonstrativo em PDF (A4, margens de 15 mm)\n"
    "  --acordo             o acordo coletivo dos planos econômicos para os saldos do cálculo .e12 da\n"
    "                       Poupança Diária, ao lado do TOTAL do cálculo (demonstrativo acordo.html)\n"
    "  --regime 2017|2020   termos originais do acordo ou termo aditivo de 2020 (padrão: 2020)\n"
    "  --versao-tabelas     mostra o conjunto de tabelas da pasta de dados (data e meses) e se cada\n"
    "                       arquivo confere com o publicado\n"
    "  --lote PASTA_SAIDA   calcula em lote todos os arquivos dados e os arquivos de cálculo das pastas\n"
    "                       dadas: um demonstrativo por arquivo em PASTA_SAIDA (bresser.e12 ->\n"
    "                       bresser.html; também bresser.pdf com --pdf) e o resumo resumo.csv\n"
    "  --importar CONTAS.csv  grava um arquivo de cálculo de poupança (.e12, ou .e20/.ex20 pela coluna\n"
    "                       Calculadora) em PASTA_SAIDA para cada conta da planilha; as linhas com\n"
    "                       erro são listadas e não geram arquivo\n"
    "  --help               mostra esta ajuda\n"
    "\n"
    "Saída: 0 em caso de sucesso, 1 quando o cálculo termina com uma mensagem (na saída de erro) ou\n"
    "quando um arquivo do lote ou uma linha da planilha tem erro, 2 para um uso incorreto.\n";

struct UsageError {
    std::string message;
};

using ruvivavu::cli::lowerExtension;

// "a, b ou c": the calculators' names, or the extensions of their files, as the messages list them.
std::string listed(const std::vector<std::string_view>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " ou " : ", ";
        text += items[i];
    }
    return text;
}

std::string calculatorNames() {
    std::vector<std::string_view> names;
    for (const Calculator& calculator : ruvivavu::cli::calculators())
        if (!calculator.name.empty()) names.push_back(calculator.name);
    return listed(names);
}

std::string calculationExtensions() {
    std::vector<std::string_view> extensions;
    for (const Calculator& calculator : ruvivavu::cli::calculators())
        if (std::find(extensions.begin(), extensions.end(), calculator.extension) == extensions.end())
            extensions.push_back(calculator.extension);
    return listed(extensions);
}

bool isStatement(const std::string& ext) {
    return ext == ".html" || ext == ".htm";
}

// The calculator that runs the file; null for a statement written before.
const Calculator* calculatorFor(const Options& options) {
    return ruvivavu::cli::calculatorForFile(options.input, ruvivavu::cli::calculatorNamed(options.calculator));
}

struct Arguments {
    Options options;
    std::string output;
    std::string pdf;
    bool help = false;
    bool agreement = false;  // --acordo
    std::string regime;      // --regime
    bool tablesVersion = false;
    Mode mode = Mode::Single;
    std::string outputFolder;         // --lote, or the folder of --importar
    std::string accounts;             // --importar
    std::vector<std::string> inputs;  // --lote
    bool batchPdf = false;            // --pdf with --lote: a PDF beside each statement
};

// With --lote, --pdf asks for a PDF beside each statement and takes no file name.
bool isBatch(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--lote") return true;
    return false;
}

// The checks of --lote and --importar once every option is read.
void checkMassOptions(Arguments& args, std::vector<std::string>& positional) {
    if (args.mode == Mode::Import) {
        if (!args.output.empty() || !args.pdf.empty() || !args.options.calculator.empty())
            throw UsageError{"--importar não aceita --saida, --pdf nem --calculadora"};
        if (positional.size() != 1) throw UsageError{"--importar precisa de uma pasta de saída"};
        args.outputFolder = positional.front();
        return;
    }
    if (!args.output.empty()) throw UsageError{"--saida não vale com --lote (os demonstrativos vão para a pasta)"};
    if (positional.empty()) throw UsageError{"falta o arquivo de cálculo ou a pasta do lote"};
    args.inputs = std::move(positional);
}

Arguments parse(int argc, char** argv) {
    Arguments args;
    std::vector<std::string> positional;
    const bool batch = isBatch(argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const std::string& name) -> std::string {
            if (i + 1 >= argc) throw UsageError{"a opção " + name + " precisa de um valor"};
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            args.help = true;
        } else if (arg == "--dados") {
            args.options.dataFolder = value(arg);
        } else if (arg == "--calculadora") {
            args.options.calculator = value(arg);
            const std::string& c = args.options.calculator;
            if (!ruvivavu::cli::calculatorNamed(c))
                throw UsageError{"calculadora desconhecida: " + c + " (use " + calculatorNames() + ")"};
        } else if (arg == "--saida") {
            args.output = value(arg);
        } else if (arg == "--pdf" && batch) {
            args.batchPdf = true;
        } else if (arg == "--pdf") {
            args.pdf = value(arg);
        } else if (arg == ruvivavu::cli::kAgreementOption) {
            args.agreement = true;
        } else if (arg == ruvivavu::cli::kRegimeOption) {
            args.regime = value(arg);
        } else if (arg == "--versao-tabelas") {
            args.tablesVersion = true;
        } else if (arg == "--lote") {
            if (args.mode == Mode::Import) throw UsageError{"--lote e --importar não vão juntos"};
            args.mode = Mode::Batch;
            args.outputFolder = value(arg);
        } else if (arg == "--importar") {
            if (args.mode == Mode::Batch) throw UsageError{"--lote e --importar não vão juntos"};
            args.mode = Mode::Import;
            args.accounts = value(arg);
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            throw UsageError{"opção desconhecida: " + arg};
        } else {
            positional.push_back(arg);
        }
    }
    if (args.tablesVersion && (!positional.empty() || args.mode != Mode::Single))
        throw UsageError{"--versao-tabelas não se usa com um arquivo de cálculo"};
    if (args.help || args.tablesVersion) return args;
    if (args.mode != Mode::Single) {
        if (args.agreement || !args.regime.empty()) throw UsageError{"--acordo não se usa com --lote ou --importar"};
        checkMassOptions(args, positional);
        return args;
    }
    if (positional.empty()) throw UsageError{"falta o arquivo de cálculo"};
    if (positional.size() > 1) throw UsageError{"apenas um arquivo de cálculo por vez"};
    args.options.input = positional.front();
    const std::string ext = lowerExtension(args.options.input);
    if (!args.regime.empty() && !args.agreement) throw UsageError{"--regime vale apenas com --acordo"};
    if (args.agreement) {
        const std::string problem = ruvivavu::cli::agreementUsageProblem(args.regime, args.options.calculator, ext);
        if (!problem.empty()) throw UsageError{problem};
        return args;
    }
    if (!ruvivavu::cli::calculatorFor(ext, {}) && !isStatement(ext))
        throw UsageError{"tipo de arquivo de cálculo não reconhecido: \"" + args.options.input + "\" (use um arquivo " +
                         calculationExtensions() + ", ou um demonstrativo .html)"};
    if (const Calculator* named = ruvivavu::cli::calculatorNamed(args.options.calculator);
        named && named->extension != ext)
        throw UsageError{"--calculadora vale apenas para arquivos " + std::string(named->extension)};
    return args;
}

// The progress of a batch on a terminal: one line redrawn in place, at most ten times a second.
class ProgressLine {
public:
    void operator()(size_t done, size_t total) {
        const auto now = std::chrono::steady_clock::now();
        if (done < total && now - last_ < std::chrono::milliseconds(100)) return;
        last_ = now;
        const std::string text = "Calculando " + std::to_string(done) + " de " + std::to_string(total) + " (" +
                                 std::to_string(total ? done * 100 / total : 100) + "%)";
        std::cerr << '\r' << text << std::string(width_ > text.size() ? width_ - text.size() : 0, ' ') << std::flush;
        width_ = text.size();
    }
    void end() {
        if (width_) std::cerr << '\n';
    }

private:
    std::chrono::steady_clock::time_point last_{};
    size_t width_ = 0;
};

int runBatch(const Arguments& args) {
    ruvivavu::cli::BatchRequest request;
    request.dataFolder = args.options.dataFolder;
    request.outputFolder = args.outputFolder;
    request.inputs = args.inputs;
    request.named = ruvivavu::cli::calculatorNamed(args.options.calculator);
    request.pdf = args.batchPdf;
    ProgressLine line;
    ruvivavu::cli::BatchProgress progress;
    if (ruvivavu::platform::errorIsTerminal()) progress = std::ref(line);
    const ruvivavu::cli::BatchReport report = ruvivavu::cli::runBatch(request, progress);
    line.end();
    const int failures = report.failures();
    std::string text = std::to_string(report.items.size()) + " arquivo(s) de cálculo: " +
                       std::to_string(report.items.size() - static_cast<size_t>(failures)) + " demonstrativo(s), " +
                       std::to_string(failures) + " com erro";
    if (report.skipped) text += "; " + std::to_string(report.skipped) + " arquivo(s) de outros tipos ignorado(s)";
    std::cerr << text << " - resumo em " << ruvivavu::joinPath(args.outputFolder, ruvivavu::cli::kSummaryFile) << '\n';
    return failures || report.items.empty() ? 1 : 0;
}

int runImport(const Arguments& args) {
    const ruvivavu::tools::ImportReport report =
        ruvivavu::tools::importAccounts(args.options.dataFolder, args.accounts, args.outputFolder);
    for (const ruvivavu::tools::ImportProblem& problem : report.problems)
        std::cerr << ruvivavu::tools::describe(problem) << '\n';
    std::cerr << report.written.size() << " arquivo(s) de cálculo gravado(s) em " << args.outputFolder << ", "
              << report.rejectedRows << " linha(s) com erro\n";
    return report.problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    try {
        args = parse(argc, argv);
    } catch (const UsageError& e) {
        std::cerr << "ruvivavu-cli: " << e.message << "\n\n" << kUsage;
        return 2;
    }
    if (args.help) {
        std::cout << kUsage;
        return 0;
    }

    try {
        if (args.options.dataFolder.empty()) {
            args.options.dataFolder = ruvivavu::shell::resolveDataFolder(ruvivavu::shell::runningProgramFolder(argv[0]),
                                                                         std::filesystem::current_path().string());
        }
        if (args.tablesVersion) {
            std::cout << ruvivavu::tools::describeInstalledSet(args.options.dataFolder);
            return 0;
        }
        if (args.mode == Mode::Batch) return runBatch(args);
        if (args.mode == Mode::Import) return runImport(args);
        std::string statement;
        if (args.agreement)
            statement = ruvivavu::cli::runAgreement(args.options.dataFolder, args.options.input, args.regime);
        else if (const Calculator* calculator = calculatorFor(args.options))
            statement = ruvivavu::cli::runCalculation(*calculator, args.options.dataFolder, args.options.input);
        else
            statement = ruvivavu::readFileBytesAtMost(args.options.input);  // a statement written before

        // Through a temporary file and a rename: a failed write never leaves half a statement.
        if (!args.output.empty()) ruvivavu::writeFileAtomic(args.output, statement);
        if (!args.pdf.empty()) ruvivavu::cli::PdfWriter().write(statement, args.pdf);
        if (args.output.empty() && args.pdf.empty()) {
            ruvivavu::platform::binaryStandardOutput();
            std::fwrite(statement.data(), 1, statement.size(), stdout);
            std::fflush(stdout);
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
