// What the FGTS purge window's commands do with the data folder: load the JAM table, the backup
// fgts.back, the statement fgt.html and the saved calculations.
#pragma once

#include "core/fgts/calculo.h"
#include "core/shell/shell.h"

#include <string>

namespace ruvivavu::fgts {

// "Expurgos do FGTS": empties `indice` (so rows of a longer table loaded earlier are never
// scanned) and loads fgts.tab into it. Raises UserMessage(kNoTable) when the table is missing.
void loadTable(shell::Shell& shell);

// Writes fgts.back from the fields.
void salvarx(const shell::Shell& shell, const Fields& fields);

// Writes fgt.html and shows it in the report viewer.
void imp(const shell::Shell& shell, const Calculo& calculo);

// "Finalizar" without the window: computes planilha, then saves the backup and writes and shows
// the statement. Nothing is written when the computation fails.
void finalizar(const shell::Shell& shell, Calculo& calculo);

// "Abrir Backup": the header is emptied; fgts.back is read when it exists; page 0.
void abrirBackup(const shell::Shell& shell, Calculo& calculo);

// "Abrir" of a chosen file: the header is emptied, the file read; page 0 (also on failure).
void abrir(const std::string& path, Calculo& calculo);

// "Salvar o cálculo": copies fgts.back to the chosen file. Raises UserMessage with the copy
// failure text.
void salvarComo(const shell::Shell& shell, const std::string& target);

// A saved calculation run without the window (the command-line tool): fgts.tab into an emptied
// `indice`, the file read as "Abrir" reads it, "Próximo" to the last page (a failed page check
// raises UserMessage with the window's message) and "Finalizar"'s computation. Answers the
// statement's bytes; nothing is written into the data folder.
std::string calcularArquivo(shell::Shell& shell, const std::string& path);

}  // namespace ruvivavu::fgts
