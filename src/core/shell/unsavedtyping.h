// Whether a calculator holds typing that was neither saved nor finalised, asked before the program
// closes. A calculator keeps the text of its inputs (as its calculation file would hold them) from
// the last moment they were settled — start-up, "Finalizar", "Abrir", "Abrir Backup", "Novo" — and
// compares it with the text now. Work the calculator does on its own (showing the window, walking
// the pages, rebuilding the plan list) runs through keepSettled(), so that it never makes a
// settled calculation look typed.
#pragma once

#include <functional>
#include <string>
#include <utility>

namespace ruvivavu::shell {

class SettledInputs {
public:
    explicit SettledInputs(std::function<std::string()> inputsText) : inputsText_(std::move(inputsText)) {}

    void settle() { settled_ = inputsText_(); }
    bool changed() const { return inputsText_() != settled_; }

    // Runs work that is not typing; when the inputs were settled before, they are settled again
    // afterwards, also when the work ends in an error.
    template <class Work>
    void keepSettled(Work&& work) {
        struct Resettle {
            SettledInputs* inputs;
            ~Resettle() {
                if (inputs) inputs->settle();
            }
        } resettle{changed() ? nullptr : this};
        std::forward<Work>(work)();
    }

private:
    std::function<std::string()> inputsText_;
    std::string settled_;
};

}  // namespace ruvivavu::shell
