// The FGTS progressive-interest window: its controls, the live recomputation and its buttons.
#include "gui/fgts/progressiveinterestwindow.h"

#include "core/common/fileio.h"
#include "core/common/text.h"
#include "gui/common/filedialog.h"
#include "gui/common/gridmodel.h"
#include "gui/common/gridview.h"
#include "gui/common/guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace ruvivavu::gui {

namespace {

using ruvivavu::progressiveinterest::kRows;

const QString kTitle = QStringLiteral("Cálculo de Diferenças dos Juros Progressivos no FGTS");
const QString kFilter = QStringLiteral("JFGTS (*.jfgts)");
const QString kSuffix = QStringLiteral("jfgts");

// The value cells' editor: every change of its text is handed on at once, so the calculation
// follows each keystroke.
class LiveEditDelegate : public QStyledItemDelegate {
public:
    using Typed = std::function<void(const QModelIndex& index, const QString& text)>;
    LiveEditDelegate(Typed typed, QObject* parent) : QStyledItemDelegate(parent), typed_(std::move(typed)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        const QPersistentModelIndex cell(index);
        connect(line, &QLineEdit::textEdited, line, [this, cell](const QString& text) { typed_(cell, text); });
        return line;
    }

private:
    Typed typed_;
};

GridView* makeGridView(QWidget* parent, const char* name, GridModel* model, const std::vector<int>& widths) {
    auto* view = new GridView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->verticalHeader()->setDefaultSectionSize(24);
    view->setColumnWidths(widths);
    return view;
}

}  // namespace

ProgressiveInterestWindow::ProgressiveInterestWindow(shell::Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), shell_(shell), calculator_(shell) {
    setObjectName(QStringLiteral("Form_FGTS"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_QuitOnClose, false);  // closing the main window ends the program

    valuesModel_ = new GridModel(calculator_.values, GridModel::FixedRows::AsHeadings, this);
    valuesModel_->setEditableColumns({1});
    sheetModel_ = new GridModel(calculator_.sheet, GridModel::FixedRows::AsHeadings, this);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("splitter"));
    valuesView_ = makeGridView(splitter_, "svalores", valuesModel_, {64, 107});
    valuesView_->setItemDelegateForColumn(
        1, new LiveEditDelegate([this](const QModelIndex& index, const QString& text) { typed(index.row(), text); },
                                valuesView_));
    sheetView_ = makeGridView(splitter_, "sfgts", sheetModel_, {64, 90, 70, 90, 70, 70, 70, 90, 90, 90, 100, 50});
    sheetView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    splitter_->addWidget(valuesView_);
    splitter_->addWidget(sheetView_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    // Never scrolled sideways (it is shown whole), its bar keeps the rows level with the other grid.
    valuesView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Side by side, the two grids scroll together, so a month's row lines up with its value.
    QScrollBar* left = valuesView_->verticalScrollBar();
    QScrollBar* right = sheetView_->verticalScrollBar();
    connect(left, &QScrollBar::valueChanged, right, &QScrollBar::setValue);
    connect(right, &QScrollBar::valueChanged, left, &QScrollBar::setValue);

    // The cell the user selects is where "Repetir" copies to.
    connect(valuesView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!following_ && current.isValid()) calculator_.select(valuesModel_->gridRow(current));
            });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(buildTop());
    layout->addWidget(splitter_, 1);
    resize(1320, 700);
    syncFromModel();
}

ProgressiveInterestWindow::~ProgressiveInterestWindow() {
    // The grid views read the calculator's grids while the window closes: they go first.
    delete splitter_;
}

QWidget* ProgressiveInterestWindow::buildTop() {
    auto* top = new QWidget(this);
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);

    auto* headerBox = new QVBoxLayout;
    headerBox->setSpacing(2);
    headerBox->addWidget(new QLabel(QStringLiteral("Cabeçalho"), top));
    header_ = new QPlainTextEdit(top);
    header_->setObjectName(QStringLiteral("Memo1"));
    header_->setTabChangesFocus(true);
    header_->setFixedHeight(96);
    headerBox->addWidget(header_);
    row->addLayout(headerBox, 1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    auto button = [&](const char* name, const QString& caption, QStyle::StandardPixmap icon, int r, int c,
                      void (ProgressiveInterestWindow::*action)()) {
        auto* b = new QPushButton(style()->standardIcon(icon), caption, top);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumWidth(104);
        buttons->addWidget(b, r, c);
        connect(b, &QPushButton::clicked, this, action);
    };
    button("Novo", QStringLiteral("Novo"), QStyle::SP_FileIcon, 0, 0, &ProgressiveInterestWindow::reset);
    button("Abrir", QStringLiteral("Abrir"), QStyle::SP_DialogOpenButton, 1, 0, &ProgressiveInterestWindow::open);
    button("Salvar", QStringLiteral("Salvar"), QStyle::SP_DialogSaveButton, 2, 0, &ProgressiveInterestWindow::save);
    button("Repetir", QStringLiteral("Repetir"), QStyle::SP_ArrowDown, 0, 1, &ProgressiveInterestWindow::repeat);
    button("Finalizar", QStringLiteral("Finalizar"), QStyle::SP_DialogApplyButton, 1, 1,
           &ProgressiveInterestWindow::finish);
    button("Fechar", QStringLiteral("Fechar"), QStyle::SP_DialogCloseButton, 2, 1, &QWidget::hide);
    row->addLayout(buttons);

    auto* options = new QVBoxLayout;
    options->setSpacing(2);
    options->addWidget(new QLabel(QStringLiteral("Cálcular até:"), top));
    endMonth_ = new QComboBox(top);
    endMonth_->setObjectName(QStringLiteral("ComboBox1"));
    endMonth_->setEditable(true);
    endMonth_->setInsertPolicy(QComboBox::NoInsert);
    endMonth_->setMaxVisibleItems(20);
    endMonth_->setFixedWidth(120);
    options->addWidget(endMonth_);
    options->addSpacing(8);
    ipc_ = new QCheckBox(QStringLiteral("Calcular com reflexos dos expurgos do IPC de 01/89 e 04/90"), top);
    ipc_->setObjectName(QStringLiteral("Cipc89_90"));
    options->addWidget(ipc_);
    options->addStretch(1);
    row->addLayout(options);
    // The option changes g of mar/89 and mai/90: the grid shows it at once, so that a statement
    // finished right after never disagrees with the option it names.
    connect(ipc_, &QCheckBox::toggled, this, [this](bool on) {
        calculator_.ipcReflections = on;
        guarded(this, [this] { calculator_.recalc(); });
        sheetModel_->refresh();
    });
    return top;
}

void ProgressiveInterestWindow::loadAtStart() {
    calculator_.loadAtStart();
    const QSignalBlocker block(endMonth_);
    endMonth_->clear();
    for (const std::string& month : calculator_.endMonthChoices) endMonth_->addItem(qs(month));
    syncFromModel();
}

void ProgressiveInterestWindow::syncFromModel() {
    header_->setPlainText(qs(memoText(calculator_.header)));
    {
        const QSignalBlocker block(endMonth_);
        endMonth_->setEditText(qs(calculator_.endMonth));
    }
    {
        const QSignalBlocker block(ipc_);
        ipc_->setChecked(calculator_.ipcReflections);
    }
    valuesModel_->refresh();
    sheetModel_->refresh();
}

void ProgressiveInterestWindow::present() {
    show();
    raise();
    activateWindow();
}

void ProgressiveInterestWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    calculator_.shown();
    valuesModel_->refresh();
    sheetModel_->refresh();
    if (!centred_) {
        centred_ = true;
        // The values grid whole on the left, the calculation grid taking the rest.
        const int valuesWidth = valuesView_->horizontalHeader()->length() +
                                valuesView_->verticalScrollBar()->sizeHint().width() + 2 * valuesView_->frameWidth();
        valuesView_->setMinimumWidth(valuesWidth);
        splitter_->setSizes({valuesWidth, width()});
        if (QScreen* s = screen()) {
            const QRect area = s->availableGeometry();
            resize(std::min(width(), area.width() - 20), std::min(height(), area.height() - 20));
            move(area.center() - rect().center());
        }
    }
}

void ProgressiveInterestWindow::typed(int modelRow, const QString& text) {
    const int row = valuesModel_->gridRow(modelRow);
    guarded(this, [&] { calculator_.edit(row, ss(text)); });
    sheetModel_->refresh();
    const QModelIndex current = sheetView_->currentIndex();
    follow(sheetView_, sheetModel_, row, current.isValid() ? current.column() : 1);
}

void ProgressiveInterestWindow::follow(GridView* view, GridModel* model, int row, int column) {
    const QModelIndex index = model->indexOf(column, row);
    if (!index.isValid()) return;
    following_ = true;
    view->setCurrentIndex(index);
    view->scrollTo(index);
    following_ = false;
}

void ProgressiveInterestWindow::takeTyping() {
    valuesView_->endEditing();
    calculator_.header = memoLines(ss(header_->toPlainText()));
    calculator_.endMonth = ss(endMonth_->currentText());
}

void ProgressiveInterestWindow::reset() {
    valuesView_->endEditing();
    calculator_.endMonth = ss(endMonth_->currentText());
    guarded(this, [this] { calculator_.reset(); });
    setWindowTitle(kTitle);
    syncFromModel();
}

void ProgressiveInterestWindow::readFile(const QString& path) {
    bool opened = false;
    if (guarded(this, [&] { opened = calculator_.open(ss(path)); }) && opened)
        setWindowTitle(kTitle + QStringLiteral(" - ") + QFileInfo(path).fileName());
    syncFromModel();
    if (!opened) return;
    // The calculation's first month at the top (the grids scroll together).
    const StringGrid& values = calculator_.values;
    for (int row = 1; row < values.rowCount(); ++row) {
        if (checkinteiro(values.cell(1, row))) {
            valuesView_->scrollTo(valuesModel_->indexOf(0, row), QAbstractItemView::PositionAtTop);
            break;
        }
    }
}

void ProgressiveInterestWindow::open() {
    takeTyping();
    const QString path = askForFile(this, {FileRequest::Open, QStringLiteral("Abrir"), kFilter, kSuffix, QString()});
    if (!path.isEmpty()) readFile(path);
}

void ProgressiveInterestWindow::openFile(const QString& path) {
    present();
    takeTyping();
    readFile(path);
}

void ProgressiveInterestWindow::save() {
    takeTyping();
    guarded(this, [this] {
        calculator_.saveBackup();
        if (!fileExists(shell_.dataFile(ruvivavu::progressiveinterest::kBackupFile))) return;
        const QString path =
            askForFile(this, {FileRequest::Save, QStringLiteral("Salvar"), kFilter, kSuffix, QString()});
        if (path.isEmpty()) return;
        calculator_.saveCopy(ss(path));
    });
}

void ProgressiveInterestWindow::repeat() {
    takeTyping();
    const int row = calculator_.selectedRow;
    if (row >= calculator_.values.rowCount()) return;
    guarded(this, [this] { calculator_.repeat(); });
    valuesModel_->refresh();
    sheetModel_->refresh();
    follow(valuesView_, valuesModel_, row, 1);
    const QModelIndex current = sheetView_->currentIndex();
    follow(sheetView_, sheetModel_, row, current.isValid() ? current.column() : 1);
}

void ProgressiveInterestWindow::finish() {
    takeTyping();
    const bool done = guarded(this, [this] { calculator_.finish(); });
    valuesModel_->refresh();
    sheetModel_->refresh();
    if (done) hide();
}

bool ProgressiveInterestWindow::holdsUnsavedTyping() {
    takeTyping();
    return calculator_.hasUnsavedTyping();
}

}  // namespace ruvivavu::gui
