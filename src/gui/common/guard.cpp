// The program's one error handler and its message boxes.
#include "gui/common/guard.h"

#include <QMessageBox>
#include <QPushButton>

namespace ruvivavu::gui {

namespace {
MessagePresenter g_presenter = nullptr;
QuestionAnswerer g_answerer = nullptr;
}  // namespace

void setMessagePresenter(MessagePresenter presenter) {
    g_presenter = presenter;
}
void setQuestionAnswerer(QuestionAnswerer answerer) {
    g_answerer = answerer;
}

void showMessage(QWidget* parent, const QString& message) {
    if (g_presenter) {
        g_presenter(parent, message);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, message, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& question, bool noIsDefault) {
    if (g_answerer) return g_answerer(parent, question);
    QMessageBox box(QMessageBox::Question, kAppTitle, question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    box.setDefaultButton(noIsDefault ? no : yes);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace ruvivavu::gui
