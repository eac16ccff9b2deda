// A data folder with the shipped update tables and a calculator over it, for the configured-savings
// tests.
#pragma once

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/configuredsavings/model.h"
#include "core/shell/shell.h"
#include "core/support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace configured_test {

using namespace ruvivavu;
using namespace ruvivavu::configuredsavings;

inline std::string shipped(const std::string& name) {
    return std::string(RUVIVAVU_SOURCE_DIR) + "/" + name;
}

// "Próximo" until the final page.
inline void walk(ConfiguredSavings& c) {
    while (c.page < kFinalPage) c.next();
}

class Calculator : public ::testing::Test {
protected:
    enginetest::TempFolder folder{"configuredsavings"};
    shell::Shell shell;

    void SetUp() override {
        shell.dataFolder = folder.path;
        for (const char* table : {"mes.tab", "mes2.tab"})
            std::filesystem::copy_file(shipped(std::string("data/") + table), shell.dataFile(table));
    }

    // A calculator shown once, with an update date, the given balances before the purges
    // (derived as leaving their fields does) and no interest or fees.
    ConfiguredSavings make(const Variant& variant, std::initializer_list<const char*> balances = {}) {
        ConfiguredSavings c(shell, variant);
        c.shown();
        c.fields.updateDate = "15/08/1994";
        int k = 0;
        for (const char* balance : balances) {
            c.fields.months[k].before = balance;
            c.leaveMonthField(k++, MonthField::Before);
        }
        return c;
    }
};

}  // namespace configured_test
