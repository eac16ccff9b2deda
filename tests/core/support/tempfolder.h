// A fresh folder under the system's temporary folder for one engine test, removed afterwards.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace enginetest {

class TempFolder {
public:
    explicit TempFolder(const std::string& suite) {
        auto base = std::filesystem::temp_directory_path() / ("ruvivavu_" + suite + "_test");
        std::filesystem::create_directories(base);
        for (int i = 0;; ++i) {
            auto candidate = base / (std::to_string(::getpid()) + "_" + std::to_string(i));
            if (std::filesystem::create_directory(candidate)) {
                path = candidate.string();
                break;
            }
        }
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path;
};

}  // namespace enginetest
