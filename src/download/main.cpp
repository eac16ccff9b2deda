// The download program: installs the shipped tables and configuration files into the user's
// data folder, writes lista.tab and starts the program again. Its parameters, if any, are handed
// on to the program it starts (the calculation file the program was asked to open on its first run).
#include "core/common/errors.h"
#include "core/common/platform.h"
#include "core/shell/shell.h"
#include "core/tools/tableinstall.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace ruvivavu;

namespace {

std::string fromPath(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

// On a terminal the user decides; without one the user's newer file is kept.
bool askReplace(const std::string& name) {
    if (!platform::interactiveTerminal()) return false;
    std::cout << "O arquivo " << name << " da pasta de dados é mais novo que o distribuído. Substituir? (s/N) "
              << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return !answer.empty() && (answer[0] == 's' || answer[0] == 'S');
}

}  // namespace

int main(int argc, char** argv) {
    const std::string program = ruvivavu::shell::runningProgramFolder(argv[0]);
    std::error_code ec;
    const std::string cwd = fromPath(fs::current_path(ec));
    const std::string dataFolder = shell::resolveDataFolder(program, cwd);

    // Found from this program's own folder: the installed layout, or the build tree's marker.
    const std::string shipped = tools::shippedDataFolder(program);
    if (shipped.empty()) {
        std::cerr << "download: as tabelas distribuídas não foram encontradas. Procurado em:\n";
        for (const std::string& folder : tools::shippedDataCandidates(program)) std::cerr << "  " << folder << "\n";
        return 1;
    }

    try {
        std::cout << "Instalando as tabelas de " << shipped << " em " << dataFolder << "\n";
        const tools::InstallResult r = tools::installTables(shipped, dataFolder, askReplace);
        for (const std::string& name : r.installed) std::cout << "  instalado: " << name << "\n";
        for (const std::string& name : r.kept) std::cout << "  mantido (mais novo): " << name << "\n";
        std::cout << r.installed.size() << " instalado(s), " << r.unchanged.size() << " sem mudança, " << r.kept.size()
                  << " mantido(s).\n";
    } catch (const Error& e) {
        std::cerr << "download: " << e.what() << "\n";
        return 1;
    }

    const std::string again = tools::programToRestart(program);
    if (!again.empty()) {
        std::string error;
        if (!tools::startDetached(again, std::vector<std::string>(argv + 1, argv + argc), error))
            std::cerr << "download: o programa não pôde ser iniciado: " << error << "\n";
    }
    return 0;
}
