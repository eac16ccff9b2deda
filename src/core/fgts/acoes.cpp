// The FGTS purge window's file commands.
#include "core/fgts/acoes.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/fgts/calcfile.h"
#include "core/fgts/statement.h"

namespace ruvivavu::fgts {

void loadTable(shell::Shell& shell) {
    // Without the table nothing changes, not even `indice`.
    if (!fileExists(shell.dataFile(kTableFile))) throw UserMessage(kNoTable);
    shell.loadIndice(kTableFile);
}

void salvarx(const shell::Shell& shell, const Fields& fields) {
    writeCalcFile(shell.dataFile(kBackupFile), fields);
}

void imp(const shell::Shell& shell, const Calculo& calculo) {
    writeFileAtomic(shell.dataFile(kStatementFile),
                    statementBytes(calculo.fields.header, calculo.planilha, shell.fontStyle()));
    shell.showStatement(kStatementFile);
}

void finalizar(const shell::Shell& shell, Calculo& calculo) {
    computePlanilha(calculo.fields, shell.indice, calculo.planilha);
    salvarx(shell, calculo.fields);
    imp(shell, calculo);
}

void abrirBackup(const shell::Shell& shell, Calculo& calculo) {
    calculo.fields.header.clear();
    calculo.afterOpen();
    const std::string path = shell.dataFile(kBackupFile);
    if (fileExists(path)) readCalcFile(path, calculo.fields);
}

void abrir(const std::string& path, Calculo& calculo) {
    calculo.fields.header.clear();
    calculo.afterOpen();
    readCalcFile(path, calculo.fields);
}

void salvarComo(const shell::Shell& shell, const std::string& target) {
    const std::string backup = shell.dataFile(kBackupFile);
    try {
        copyFileReplacing(backup, target);
    } catch (const FileError&) {
        throw UserMessage("Erro ao copiar " + backup + " para " + target);
    }
}

std::string calcularArquivo(shell::Shell& shell, const std::string& path) {
    loadTable(shell);
    Calculo calculo;
    calculo.onShow();
    abrir(path, calculo);
    while (calculo.page < kLastPage) {
        if (auto check = calculo.proximo()) throw UserMessage(check->message);
    }
    computePlanilha(calculo.fields, shell.indice, calculo.planilha);
    return statementBytes(calculo.fields.header, calculo.planilha, shell.fontStyle());
}

}  // namespace ruvivavu::fgts
