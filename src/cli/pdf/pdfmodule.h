// The PDF library of the command-line tool: the tool renders statements as PDF through Qt, and Qt
// is loaded only when a PDF is asked for (loading it costs more than a whole HTML statement). The
// library is built beside the tool and loaded at run time; these are the functions it exports, in
// plain C so that nothing of C++ or Qt crosses the boundary.
#pragma once

#include <cstddef>

#ifdef _WIN32
#define RUVIVAVU_PDF_EXPORT extern "C" __declspec(dllexport)
#else
#define RUVIVAVU_PDF_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// The library's name without the system's suffix.
#define RUVIVAVU_PDF_LIBRARY "ruvivavu-pdf"

// Starts Qt (offscreen platform, no display needed). Answers a session, null when Qt cannot start.
using RuvivavuPdfOpen = void* (*)();
// Writes the statement (its bytes as the statement file holds them) as an A4 PDF file at `path`
// (UTF-8), replacing the file only when the whole document has been written. Answers 0 on
// success; otherwise 1 with the platform's message, NUL-terminated, in `error`.
using RuvivavuPdfWrite = int (*)(void* session, const char* statement, std::size_t size, const char* path, char* error,
                                 std::size_t errorSize);
// Ends the session and Qt with it.
using RuvivavuPdfClose = void (*)(void* session);

#define RUVIVAVU_PDF_OPEN "ruvivavu_pdf_open"
#define RUVIVAVU_PDF_WRITE "ruvivavu_pdf_write"
#define RUVIVAVU_PDF_CLOSE "ruvivavu_pdf_close"
