// Pieces shared by the savings wizard windows.
#include "gui/savings/wizardparts.h"

#include "core/common/text.h"
#include "gui/common/filedialog.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"
#include "gui/common/maskdelegate.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace ruvivavu::gui::savings {

QString chooseCalculationFile(QWidget* parent, bool save) {
    return askForFile(parent, {save ? FileRequest::Save : FileRequest::Open,
                               save ? QStringLiteral("Salvar o Cálculo") : QStringLiteral("Abrir o Cálculo"),
                               QStringLiteral("Quorvel (*.e12 *.E12)"), QStringLiteral("e12"), QString()});
}

std::vector<std::string> memoLines(const QPlainTextEdit* memo) {
    return ruvivavu::memoLines(ss(memo->toPlainText()));
}

QString memoText(const std::vector<std::string>& lines) {
    return qs(ruvivavu::memoText(lines));
}

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QPushButton* limparButton(QWidget* parent, const QString& objectName) {
    auto* button = new QPushButton(QStringLiteral("Limpar"), parent);
    button->setObjectName(objectName);
    button->setIcon(parent->style()->standardIcon(QStyle::SP_LineEditClearButton));
    return button;
}

PlanPage buildPlanPage(GridView* chosenPlans, bool withIndexButton) {
    PlanPage parts;
    auto* page = new QWidget;
    parts.page = page;
    page->setObjectName(QStringLiteral("planPage"));
    page->setWindowTitle(QStringLiteral("Escolha o plano  "));

    parts.tableLabel = new QLabel(page);
    parts.tableLabel->setObjectName(QStringLiteral("tableLabel"));
    QPalette red = parts.tableLabel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    parts.tableLabel->setPalette(red);

    parts.addPlan = new QPushButton(QStringLiteral("Adicionar Expurgo"), page);
    parts.addPlan->setObjectName(QStringLiteral("AdicionarExpurgo"));
    if (withIndexButton) {
        parts.configureIndex = new QPushButton(QStringLiteral("Configurar Índice"), page);
        parts.configureIndex->setObjectName(QStringLiteral("ConfigurarIndice"));
    }

    auto* group = new QGroupBox(QStringLiteral(" Escolha os Expurgos"), page);
    group->setObjectName(QStringLiteral("planGroup"));
    parts.planList = new QListWidget(group);
    parts.planList->setObjectName(QStringLiteral("CPlanos"));
    chosenPlans->setParent(group);
    chosenPlans->setMinimumWidth(232);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(parts.planList, 1);
    groupLayout->addWidget(chosenPlans, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(parts.tableLabel, 1);
    buttons->addWidget(parts.addPlan);
    if (parts.configureIndex) buttons->addWidget(parts.configureIndex);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(group, 1);

    QWidget::setTabOrder(parts.planList, chosenPlans);
    return parts;
}

void showPlanList(QListWidget* list, const std::vector<dailysavings::PlanItem>& plans) {
    bool sameItems = list->count() == static_cast<int>(plans.size());
    for (int i = 0; sameItems && i < list->count(); ++i) sameItems = list->item(i)->text() == qs(plans[i].text);
    if (!sameItems) {
        list->clear();
        for (const auto& plan : plans) {
            auto* item = new QListWidgetItem(qs(plan.text), list);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(plans[static_cast<size_t>(i)].checked ? Qt::Checked : Qt::Unchecked);
}

QWidget* buildBalancePage(GridView* balances) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("balancePage"));
    page->setWindowTitle(QStringLiteral("Saldo"));
    auto* label = wrappedLabel(QStringLiteral("Digite o DIA do aniversário e o SALDO da conta poupança no dia "
                                              "indicado e na moeda indicada: "),
                               page);
    balances->setParent(page);
    balances->horizontalHeader()->setFixedHeight(28);
    balances->verticalHeader()->setDefaultSectionSize(24);
    static_cast<MaskDelegate*>(balances->itemDelegate())
        ->setHeadingFilter(QStringLiteral("Saldo"), MaskDelegate::Filter::Amount);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(label);
    layout->addWidget(balances, 1);
    return page;
}

QWidget* buildDifferencePage(GridView* differences, const std::vector<int>& columnWidths) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("differencePage"));
    page->setWindowTitle(QStringLiteral("Diferença"));
    differences->setParent(page);
    differences->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter |
                                                         Qt::Alignment(Qt::TextWordWrap));
    differences->horizontalHeader()->setFixedHeight(44);
    differences->setFitHeadings(false);
    differences->setColumnWidths(columnWidths);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(differences, 1);
    return page;
}

}  // namespace ruvivavu::gui::savings
