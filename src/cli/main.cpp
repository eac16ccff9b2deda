// ruvivavu-cli: runs a saved calculation file against a data folder and writes its statement as
// HTML (the bytes the program would write) or as PDF, without any window or display.
#include "cli/agreement.h"
#include "cli/calculators.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/platform.h"
#include "core/shell/shell.h"
#include "core/tools/tablemanifest.h"
#include "print/printing.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <cctype>
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

// The help names the calculators of the table itself, in its own words; the usage messages take
// the names and extensions from the table.
const char* kUsage =
    "Uso: ruvivavu-cli [--dados PASTA] [--calculadora poupanca|sp-mes|mg-mes]\n"
    "                  [--saida ARQUIVO] [--pdf ARQUIVO.pdf] CALCULO\n"
    "       ruvivavu-cli --acordo [--regime 2017|2020] [--dados PASTA] [--saida ARQUIVO] CALCULO.e12\n"
    "       ruvivavu-cli [--dados PASTA] --versao-tabelas\n"
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
    "  --help               mostra esta ajuda\n"
    "\n"
    "Saída: 0 em caso de sucesso, 1 quando o cálculo termina com uma mensagem (na saída de erro),\n"
    "2 para um uso incorreto.\n";

struct UsageError {
    std::string message;
};

std::string lowerExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

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

// The file's first line without its line break; empty when the file cannot be read (the
// calculator's own opening reports that).
std::string firstLine(const std::string& path) {
    std::string bytes;
    try {
        bytes = ruvivavu::readFileBytes(path);
    } catch (const std::exception&) {
        return {};
    }
    std::string line = bytes.substr(0, bytes.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

// The calculator that runs the file; null for a statement written before.
const Calculator* calculatorFor(const Options& options) {
    if (!options.calculator.empty()) return ruvivavu::cli::calculatorNamed(options.calculator);
    const std::string ext = lowerExtension(options.input);
    if (!ruvivavu::cli::calculatorFor(ext, {})) return nullptr;
    return ruvivavu::cli::calculatorFor(ext, firstLine(options.input));
}

struct Arguments {
    Options options;
    std::string output;
    std::string pdf;
    bool help = false;
    bool agreement = false;  // --acordo
    std::string regime;      // --regime
    bool tablesVersion = false;
};

Arguments parse(int argc, char** argv) {
    Arguments args;
    std::vector<std::string> positional;
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
        } else if (arg == "--pdf") {
            args.pdf = value(arg);
        } else if (arg == ruvivavu::cli::kAgreementOption) {
            args.agreement = true;
        } else if (arg == ruvivavu::cli::kRegimeOption) {
            args.regime = value(arg);
        } else if (arg == "--versao-tabelas") {
            args.tablesVersion = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            throw UsageError{"opção desconhecida: " + arg};
        } else {
            positional.push_back(arg);
        }
    }
    if (args.tablesVersion && !positional.empty())
        throw UsageError{"--versao-tabelas não se usa com um arquivo de cálculo"};
    if (args.help || args.tablesVersion) return args;
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

void writePdf(const std::string& statement, const std::string& path, int& argc, char** argv) {
    // The tool never needs a display: Qt paints the PDF on its offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the offscreen session are no concern of the tool's user.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
    });
    QGuiApplication app(argc, argv);
    QTextDocument document;
    document.setHtml(ruvivavu::print::decodeHtmlBytes(QByteArray::fromStdString(statement)));
    ruvivavu::print::writePdf(document, QString::fromStdString(path), ruvivavu::print::defaultPageLayout());
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
        std::string statement;
        if (args.agreement)
            statement = ruvivavu::cli::runAgreement(args.options.dataFolder, args.options.input, args.regime);
        else if (const Calculator* calculator = calculatorFor(args.options))
            statement = ruvivavu::cli::runCalculation(*calculator, args.options.dataFolder, args.options.input);
        else
            statement = ruvivavu::readFileBytes(args.options.input);  // a statement written before

        // Through a temporary file and a rename: a failed write never leaves half a statement.
        if (!args.output.empty()) ruvivavu::writeFileAtomic(args.output, statement);
        if (!args.pdf.empty()) writePdf(statement, args.pdf, argc, argv);
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
