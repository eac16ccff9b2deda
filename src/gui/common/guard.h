// The program's one error handler: an engine error escaping a user action is shown in a message
// box captioned with the program's title, and the program goes on.
#pragma once

#include "core/common/errors.h"

#include <QString>
#include <QWidget>

#include <exception>
#include <string>

namespace ruvivavu::gui {

inline const QString kAppTitle = QStringLiteral("Ruvivavu da Dudovizu");

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ss(const QString& text) {
    return text.toStdString();
}

// Shows a message box captioned "Ruvivavu da Dudovizu". Tests may replace the presenter to record
// messages instead of opening a modal box.
void showMessage(QWidget* parent, const QString& message);
using MessagePresenter = void (*)(QWidget* parent, const QString& message);
void setMessagePresenter(MessagePresenter presenter);  // nullptr restores the message box

// Yes/No confirmation captioned "Ruvivavu da Dudovizu", "Sim" the default unless `noIsDefault`;
// tests may replace the answerer.
bool askYesNo(QWidget* parent, const QString& question, bool noIsDefault = false);
using QuestionAnswerer = bool (*)(QWidget* parent, const QString& question);
void setQuestionAnswerer(QuestionAnswerer answerer);  // nullptr restores the message box

// Runs a user action; an error it raises is shown and the action ends there. Answers whether the
// action ran to its end.
template <class F>
bool guarded(QWidget* parent, F&& action) {
    try {
        action();
        return true;
    } catch (const ruvivavu::Error& e) {
        showMessage(parent, QString::fromStdString(e.what()));
    } catch (const std::exception& e) {
        showMessage(parent, QString::fromStdString(e.what()));
    }
    return false;
}

}  // namespace ruvivavu::gui
