// A small JAM table and a scratch data folder for the FGTS purge tests.
#pragma once

#include "core/common/encoding.h"
#include "core/common/fileio.h"
#include "core/common/tablefile.h"
#include "core/fgts/model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fgts_test {

// Months, five columns the calculator does not read, JAM 3 %, JAM 6 %, currency.
inline const char* const kTable =
    "M\xEAs\tA\tB\tC\tD\tE\tJAM 3%\tJAM 6%\tMoeda\t\r\n"
    "02/1989\tx\tx\tx\tx\tx\t1,200000\t1,300000\tNCz$\t\r\n"
    "03/1989\tx\tx\tx\tx\tx\t1,234567\t1,300000\tNCz$\t\r\n"
    "05/1990\tx\tx\tx\tx\tx\t2,345678\t2,500000\tCr$\t\r\n"
    "06/2005\tx\tx\tx\tx\tx\t3,456789\t3,600000\tR$\t\r\n"
    "07/2005\tx\tx\tx\tx\tx\t3,500000\t3,700000\tR$\t\r\n";

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("ruvivavu-fgts-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    std::string path() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The table as the launch command leaves it in `indice`.
inline ruvivavu::StringGrid tableGrid(const char* text = kTable) {
    ruvivavu::StringGrid grid(1, 2, 0, 1);
    ruvivavu::CSV2Contents(ruvivavu::cp1252ToUtf8(text), '\t', grid);
    return grid;
}

// The worked case: both plans, moratory interest since 10/01/2000 at 6 % a year, 10 % fees and
// 150,00 of costs, updated to 01/06/2005 with the 3 % coefficients.
inline ruvivavu::fgts::Fields workedCase() {
    ruvivavu::fgts::Fields f;
    f.header = {"Reclamante: Jo\xC3\xA3o da Silva", "", "Processo n\xC2\xBA 123/2005"};
    f.updateDate = "01/06/2005";
    f.withInterest = f.withFees = f.withCosts = true;
    f.interestStart = "10/01/2000";
    f.interestRate = "6,00";
    f.feePercent = "10,00";
    f.costs = "150,00";
    f.veraoBalance = "1.234,56";
    f.collorBalance = "2.345,67";
    return f;
}

}  // namespace fgts_test
