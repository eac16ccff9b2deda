// PDF statements from the command-line tool: the PDF library (and Qt with it) is loaded by the
// first writer and only then, so HTML statements never pay for Qt.
#pragma once

#include <string>

namespace ruvivavu::cli {

class PdfWriter {
public:
    // Loads the PDF library from the tool's folder (or from the installed library folder) and
    // starts Qt. UserMessage "Não foi possível carregar o gerador de PDF <file>: <reason>" when
    // the library is missing ("arquivo não encontrado") or unusable.
    PdfWriter();
    ~PdfWriter();
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    // Writes the statement's bytes as a PDF file; FileError with the platform's message when the
    // file cannot be written. Not to be called from two threads at once.
    void write(const std::string& statement, const std::string& path);

private:
    void* session_ = nullptr;
    void* write_ = nullptr;
    void* close_ = nullptr;
};

}  // namespace ruvivavu::cli
