// Running many calculation files over the cores.
#include "cli/batch.h"

#include "cli/pdfwriter.h"
#include "cli/statementsummary.h"
#include "core/common/csv.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace ruvivavu::cli {

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The same file named twice (or by a folder and by name) is run once.
std::string identity(const std::string& path) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(toPath(path), error);
    return error ? path : fromPath(canonical);
}

constexpr const char* kUnknownType = "tipo de arquivo de cálculo não reconhecido";

// A text cell of the summary as a spreadsheet must show it: a text that Excel or LibreOffice would
// take for a formula ("=", "+", "-", "@", or a TAB or CR before one) gets an apostrophe in front, so
// that a file name or a header typed by someone else never runs as one. Amounts are not texts.
std::string textCell(const std::string& text) {
    if (text.empty() || std::string_view("=+-@\t\r").find(text.front()) == std::string_view::npos) return text;
    return "'" + text;
}

// A statement waiting for its PDF, which only the batch's own thread writes (Qt's documents are
// not to be painted from many threads).
struct PdfJob {
    size_t item;
    std::string statement;
};

}  // namespace

int BatchReport::failures() const {
    return static_cast<int>(
        std::count_if(items.begin(), items.end(), [](const BatchItem& i) { return !i.message.empty(); }));
}

std::vector<std::string> collectCalculationFiles(const std::vector<std::string>& inputs, int& skipped) {
    std::vector<std::string> files;
    std::set<std::string> seen;
    auto add = [&](const std::string& file) {
        if (seen.insert(identity(file)).second) files.push_back(file);
    };
    for (const std::string& input : inputs) {
        std::error_code error;
        if (!fs::is_directory(toPath(input), error)) {
            add(input);
            continue;
        }
        std::vector<std::string> found;
        for (const fs::directory_entry& entry : fs::directory_iterator(toPath(input), error)) {
            std::error_code typeError;
            if (!entry.is_regular_file(typeError)) continue;
            const std::string file = fromPath(entry.path());
            if (calculatorFor(lowerExtension(file), {}))
                found.push_back(file);
            else
                ++skipped;
        }
        if (error) throw FileError("Cannot open file \"" + input + "\". " + error.message());
        std::sort(found.begin(), found.end());
        for (const std::string& file : found) add(file);
    }
    return files;
}

std::vector<std::string> statementNames(const std::vector<std::string>& files) {
    std::map<std::string, int> stems;
    for (const std::string& file : files) ++stems[lowerCase(fromPath(toPath(file).stem()))];
    std::vector<std::string> names;
    std::set<std::string> taken;  // compared without case: Windows folders do not tell them apart
    for (const std::string& file : files) {
        const fs::path path = toPath(file);
        const std::string stem = fromPath(path.stem());
        const std::string base = stems[lowerCase(stem)] > 1 ? fromPath(path.filename()) : stem;
        std::string name = base;
        for (int n = 2; !taken.insert(lowerCase(name)).second; ++n) name = base + " (" + std::to_string(n) + ")";
        names.push_back(name);
    }
    return names;
}

BatchReport runBatch(const BatchRequest& request, const BatchProgress& progress) {
    BatchReport report;
    const std::vector<std::string> files = collectCalculationFiles(request.inputs, report.skipped);
    const std::vector<std::string> names = statementNames(files);
    std::error_code error;
    fs::create_directories(toPath(request.outputFolder), error);
    if (error || !fs::is_directory(toPath(request.outputFolder)))
        throw FileError("Cannot create file \"" + request.outputFolder + "\". " + error.message());
    report.items.resize(files.size());
    auto output = [&](size_t i, const char* extension) { return joinPath(request.outputFolder, names[i] + extension); };

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<PdfJob> pdfJobs;
    size_t done = 0;
    std::atomic<size_t> next{0};
    // Statements wait for their PDF in memory: the workers pause rather than pile them up.
    const size_t pdfBacklog = 16;

    auto runOne = [&](size_t i) {
        BatchItem& item = report.items[i];
        item.source = files[i];
        item.statement = names[i] + ".html";
        std::string statement;
        try {
            const Calculator* calculator = calculatorForFile(files[i], request.named);
            if (!calculator) throw UserMessage(kUnknownType);
            item.calculator = calculatorLabel(*calculator);
            statement = runCalculation(*calculator, request.dataFolder, files[i]);
            writeFileAtomic(output(i, ".html"), statement);
            const StatementSummary summary = summarizeStatement(statement);
            item.header = summary.header;
            item.amount = summary.amount;
        } catch (const std::exception& e) {
            item.message = e.what();
        } catch (...) {
            item.message = "erro inesperado";
        }
        if (!item.message.empty()) {
            // No statement of an earlier batch may stand beside a summary that says this one failed.
            deleteFile(output(i, ".html"));
            if (request.pdf) deleteFile(output(i, ".pdf"));
            item.statement.clear();
            statement.clear();
        }
        std::unique_lock lock(mutex);
        if (request.pdf && item.message.empty()) {
            changed.wait(lock, [&] { return pdfJobs.size() < pdfBacklog; });
            pdfJobs.push_back({i, std::move(statement)});
        } else {
            ++done;
        }
        changed.notify_all();
    };

    unsigned threads = request.threads ? request.threads : std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<size_t>(threads, std::max<size_t>(files.size(), 1)));
    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (size_t i = next++; i < files.size(); i = next++) runOne(i);
        });
    }

    // This thread writes the PDFs and reports the progress until every file is done.
    std::unique_ptr<PdfWriter> pdf;
    std::optional<std::string> pdfUnavailable;
    std::unique_lock lock(mutex);
    while (done < files.size()) {
        changed.wait_for(lock, std::chrono::milliseconds(100),
                         [&] { return !pdfJobs.empty() || done == files.size(); });
        while (!pdfJobs.empty()) {
            PdfJob job = std::move(pdfJobs.front());
            pdfJobs.pop_front();
            changed.notify_all();
            lock.unlock();
            BatchItem& item = report.items[job.item];
            try {
                if (!pdf && !pdfUnavailable) {
                    try {
                        pdf = std::make_unique<PdfWriter>();
                    } catch (const std::exception& e) {
                        pdfUnavailable = e.what();
                    }
                }
                if (pdfUnavailable) throw UserMessage(*pdfUnavailable);
                pdf->write(job.statement, output(job.item, ".pdf"));
            } catch (const std::exception& e) {
                item.message = e.what();
                deleteFile(output(job.item, ".pdf"));
            }
            lock.lock();
            ++done;
        }
        if (progress) {
            const size_t now = done;
            lock.unlock();
            progress(now, files.size());
            lock.lock();
        }
    }
    lock.unlock();
    if (progress) progress(files.size(), files.size());
    workers.clear();
    pdf.reset();
    writeFileAtomic(joinPath(request.outputFolder, kSummaryFile), summaryCsv(report));
    return report;
}

std::string summaryCsv(const BatchReport& report) {
    std::string out = "\xEF\xBB\xBF";
    out += csvLine({"Arquivo", "Demonstrativo", "Calculadora", "Cabeçalho", "Valor final", "Situação"}, ';');
    for (const BatchItem& item : report.items) {
        out += csvLine({textCell(item.source), textCell(item.statement), textCell(item.calculator),
                        textCell(item.header), item.amount, textCell(item.message.empty() ? "OK" : item.message)},
                       ';');
    }
    return out;
}

}  // namespace ruvivavu::cli
