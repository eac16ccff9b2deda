// Loading the PDF library at run time.
#include "cli/pdfwriter.h"

#include "cli/pdf/pdfmodule.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/platform.h"
#include "core/shell/shell.h"

#include <algorithm>
#include <array>
#include <vector>

#ifndef RUVIVAVU_PDF_LIBRARY_DIR
#define RUVIVAVU_PDF_LIBRARY_DIR "../lib/ruvivavu"
#endif

namespace ruvivavu::cli {

namespace {

// Beside the tool (the build folder, Windows), then where the installation keeps its libraries.
std::vector<std::string> libraryCandidates() {
    const std::string folder = shell::runningProgramFolder(nullptr);
    const std::string file = platform::libraryFileName(RUVIVAVU_PDF_LIBRARY);
    return {joinPath(folder, file), joinPath(joinPath(folder, RUVIVAVU_PDF_LIBRARY_DIR), file)};
}

[[noreturn]] void cannotLoad(const std::string& file, const std::string& reason) {
    throw UserMessage("Não foi possível carregar o gerador de PDF " + file + ": " + reason);
}

}  // namespace

PdfWriter::PdfWriter() {
    const std::vector<std::string> candidates = libraryCandidates();
    const auto found = std::find_if(candidates.begin(), candidates.end(), fileExists);
    if (found == candidates.end()) cannotLoad(candidates.back(), "arquivo não encontrado");
    const std::string& path = *found;
    std::string error;
    void* library = platform::loadLibrary(path, error);
    if (!library) cannotLoad(path, error);
    auto open = reinterpret_cast<RuvivavuPdfOpen>(platform::librarySymbol(library, RUVIVAVU_PDF_OPEN));
    write_ = platform::librarySymbol(library, RUVIVAVU_PDF_WRITE);
    close_ = platform::librarySymbol(library, RUVIVAVU_PDF_CLOSE);
    if (!open || !write_ || !close_) cannotLoad(path, "biblioteca incompleta");
    session_ = open();
    if (!session_) cannotLoad(path, "Qt não iniciou");
}

PdfWriter::~PdfWriter() {
    reinterpret_cast<RuvivavuPdfClose>(close_)(session_);
}

void PdfWriter::write(const std::string& statement, const std::string& path) {
    std::array<char, 1024> error{};
    const int failed = reinterpret_cast<RuvivavuPdfWrite>(write_)(session_, statement.data(), statement.size(),
                                                                  path.c_str(), error.data(), error.size());
    if (failed) throw FileError(error.data());
}

}  // namespace ruvivavu::cli
