// No lost work: a write of a backup, a configuration file, a table or a saved calculation that
// fails midway — the disk full, the folder read-only, the writer killed — leaves the old file as
// it was and no stray file beside it, and (unless the writer died) ends in the message the window
// shows; what a killed writer left is removed by the next write. Each write runs in a child
// process that carries the failure.
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/tablefile.h"
#include "core/dailysavings/model.h"
#include "core/fgts/calculationfile.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"
#include "core/support/tempfolder.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

using namespace ruvivavu;
namespace fs = std::filesystem;

namespace {

enum class Failure { None, DiskFull, ReadOnlyFolder, WriterKilled };

const char* nameOf(Failure failure) {
    switch (failure) {
        case Failure::None:
            return "sem falha";
        case Failure::DiskFull:
            return "disco cheio";
        case Failure::ReadOnlyFolder:
            return "pasta somente leitura";
        case Failure::WriterKilled:
            return "gravação interrompida";
    }
    return "";
}

// What the child saw: the message of the error the write raised ("" when none), or that it died.
struct Outcome {
    bool killed = false;
    std::string message;
};

// Runs the write in a child process under the failure. Files grow at most 4 bytes there, so every
// write below fails in its first bytes.
Outcome writeFailing(Failure failure, const std::string& folder, const std::function<void()>& write) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) ADD_FAILURE() << "pipe";
    if (failure == Failure::ReadOnlyFolder) chmod(folder.c_str(), 0555);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        if (failure == Failure::ReadOnlyFolder) {
            // The superuser writes anywhere: the child gives that up.
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        } else if (failure != Failure::None) {
            const rlimit limit{4, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &limit);
            // Ignored, the write fails with "File too large"; by default the signal kills the writer.
            std::signal(SIGXFSZ, failure == Failure::DiskFull ? SIG_IGN : SIG_DFL);
        }
        std::string message;
        try {
            write();
        } catch (const Error& e) {
            message = e.what();
        }
        (void)!::write(pipeFds[1], message.data(), message.size());
        _exit(0);
    }
    close(pipeFds[1]);
    Outcome outcome;
    char buffer[512];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) outcome.message.append(buffer, size_t(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (failure == Failure::ReadOnlyFolder) chmod(folder.c_str(), 0755);
    outcome.killed = WIFSIGNALED(status);
    EXPECT_TRUE(outcome.killed || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) << "status " << status;
    return outcome;
}

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

TEST(NoLostWork, AFailedWriteLeavesTheOldFileAndTellsWhy) {
    enginetest::TempFolder folder("nolostwork");
    shell::Shell shell;
    shell.dataFolder = folder.path;
    shell::PlanTable planTable;
    shell::IndexApplicationTable yieldOverrides;
    dailysavings::DailySavings daily(shell, planTable, yieldOverrides);
    daily.header = {"Processo nº 1234", "Autor: Fulano de Tal"};
    shell.fontName = "Liberation Serif";
    planTable.grid.setRowCount(3);
    planTable.grid.setRow(1, {"Plano Bresser", "06/1987", "8,0796975"});
    planTable.grid.setRow(2, {"Plano Verão", "01/1989", "20,4629055"});
    fgts::Fields fields;
    fields.header = {"Processo nº 1234"};
    StringGrid table(3, 2, 0, 1);
    table.setRow(1, {"01/1989", "0,291075", "NCz$"});

    const std::string cannotCreate = "Cannot create file \"";
    struct Writer {
        const char* what;
        const char* file;  // in the data folder
        std::function<void()> write;
        std::string message;  // the message, up to the system's reason where one follows
    };
    const Writer writers[] = {
        {"backup of Finalizar", "temp2.back", [&] { daily.writeBackup(); },
         cannotCreate + shell.dataFile("temp2.back") + "\". "},
        {"FGTS backup", "fgts.back", [&] { fgts::writeCalculationFile(shell.dataFile("fgts.back"), fields); },
         cannotCreate + shell.dataFile("fgts.back") + "\". "},
        {"font.ini", "font.ini", [&] { shell.saveFontIni(); }, cannotCreate + shell.dataFile("font.ini") + "\". "},
        {"plan table", "planos.ini", [&] { planTable.save(shell); },
         cannotCreate + shell.dataFile("planos.ini") + "\". "},
        {"header text", "cabecalho.dat", [&] { daily.saveHeaderFooter(); },
         cannotCreate + shell.dataFile("cabecalho.dat") + "\". "},
        {"index table", "fgts.tab", [&] { SaveToFile(shell.dataFile("fgts.tab"), table); },
         cannotCreate + shell.dataFile("fgts.tab") + "\". "},
        {"Salvar", "calculo.e12", [&] { shell.copyBackup("origem.back", shell.dataFile("calculo.e12")); },
         "Erro ao copiar " + shell.dataFile("origem.back") + " para " + shell.dataFile("calculo.e12")},
    };
    writeFileAtomic(shell.dataFile("origem.back"), "Vers 1.2\r\n5\r\ntrue\r\n");

    for (Failure failure : {Failure::DiskFull, Failure::ReadOnlyFolder, Failure::WriterKilled}) {
        for (const Writer& w : writers) {
            SCOPED_TRACE(std::string(w.what) + ", " + nameOf(failure));
            const std::string old = std::string("o cálculo de antes: ") + w.file + "\r\n";
            writeFileAtomic(shell.dataFile(w.file), old);
            const std::set<std::string> before = filesIn(folder.path);

            const Outcome outcome = writeFailing(failure, folder.path, w.write);

            EXPECT_EQ(readFileBytes(shell.dataFile(w.file)), old);
            if (failure == Failure::WriterKilled) {
                EXPECT_TRUE(outcome.killed);
                // Only the unfinished temporary file is left beside it. The next program's first
                // write into the folder goes through and, the leftover being old enough, removes it.
                for (const std::string& name : filesIn(folder.path))
                    if (!before.count(name))
                        fs::last_write_time(fs::path(folder.path) / name,
                                            fs::file_time_type::clock::now() - std::chrono::hours(1));
                EXPECT_EQ(writeFailing(Failure::None, folder.path, w.write).message, "");
                EXPECT_NE(readFileBytes(shell.dataFile(w.file)), old);
                for (const std::string& name : filesIn(folder.path))
                    EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
            } else {
                EXPECT_FALSE(outcome.killed);
                // The system's reason follows "Cannot create file": a full disk here is a file
                // that may not grow.
                const bool withReason = w.message.back() == ' ';
                const char* reason = failure == Failure::DiskFull ? "File too large" : "Permission denied";
                EXPECT_EQ(outcome.message, w.message + (withReason ? reason : ""));
                EXPECT_EQ(filesIn(folder.path), before);
            }
        }
    }
}

}  // namespace
