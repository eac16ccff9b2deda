// In-place cell editors of the string grids.
#include "gui/common/maskdelegate.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace ruvivavu::gui {

namespace {

QChar blankOf(const QString& editMask) {
    const QStringList fields = editMask.split(QLatin1Char(';'));
    if (fields.size() >= 3 && !fields[2].isEmpty()) return fields[2].at(0);
    return QLatin1Char('_');
}

// Whether a QLineEdit input mask holds fixed characters besides its input positions.
bool qtMaskHasLiterals(const QString& qtMask) {
    const QString picture = qtMask.section(QLatin1Char(';'), 0, 0);
    for (int i = 0; i < picture.size(); ++i) {
        const QChar c = picture.at(i);
        if (c == QLatin1Char('\\')) return true;
        if (!QStringLiteral("AaNnXx90DdHhBb#><!").contains(c)) return true;
    }
    return false;
}

}  // namespace

QString toQtInputMask(const QString& editMask) {
    if (editMask.isEmpty()) return {};
    const QString picture = editMask.split(QLatin1Char(';')).first();
    QString out;
    for (int i = 0; i < picture.size(); ++i) {
        const QChar c = picture.at(i);
        switch (c.unicode()) {
            case '!':
            case '>':
            case '<':
                break;  // alignment and case switches have no input meaning here
            case '0':
            case '9':
                out += QLatin1Char('0');
                break;
            case '#':
                out += QLatin1Char('#');
                break;
            case 'L':
            case 'l':
                out += QLatin1Char('a');
                break;
            case 'A':
            case 'a':
                out += QLatin1Char('n');
                break;
            case 'C':
            case 'c':
                out += QLatin1Char('x');
                break;
            case '\\':
                if (i + 1 < picture.size()) out += QLatin1Char('\\') + picture.at(++i);
                break;
            default:
                // A literal; escape the characters Qt's masks give a meaning to.
                if (QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\").contains(c)) out += QLatin1Char('\\');
                out += c;
                break;
        }
    }
    return out + QLatin1Char(';') + blankOf(editMask);
}

QString maskedCellText(const QString& displayText, QChar blank) {
    QString text = displayText;
    text.replace(blank, QLatin1Char(' '));
    return text;
}

MaskDelegate::MaskDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void MaskDelegate::setColumnMask(int column, const QString& editMask) {
    columnMasks_[column] = editMask;
}
void MaskDelegate::setHeadingMask(const QString& heading, const QString& editMask) {
    headingMasks_[heading] = editMask;
}
void MaskDelegate::setColumnFilter(int column, Filter filter) {
    columnFilters_[column] = filter;
}
void MaskDelegate::setHeadingFilter(const QString& heading, Filter filter) {
    headingFilters_[heading] = filter;
}

QString MaskDelegate::headingOf(const QModelIndex& index) const {
    if (!index.model()) return {};
    return index.model()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
}

void MaskDelegate::setMaskProvider(std::function<QString(const QModelIndex&)> provider) {
    provider_ = std::move(provider);
}

QString MaskDelegate::editMask(const QModelIndex& index) const {
    if (provider_) {
        const QString mask = provider_(index);
        if (!mask.isEmpty()) return mask;
    }
    if (auto it = columnMasks_.find(index.column()); it != columnMasks_.end()) return *it;
    return headingMasks_.value(headingOf(index));
}

MaskDelegate::Filter MaskDelegate::filter(const QModelIndex& index) const {
    if (auto it = columnFilters_.find(index.column()); it != columnFilters_.end()) return *it;
    return headingFilters_.value(headingOf(index), Filter::None);
}

QWidget* MaskDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) return editor;
    const QString mask = editMask(index);
    if (!mask.isEmpty()) {
        line->setInputMask(toQtInputMask(mask));
        line->setProperty("ruvivavuBlank", QVariant(blankOf(mask)));
        return line;
    }
    QString pattern;
    switch (filter(index)) {
        case Filter::Amount:
            pattern = QStringLiteral("[0-9.,]*");
            break;
        case Filter::Rate:
            pattern = QStringLiteral("[0-9,]*");
            break;
        case Filter::Day:
            pattern = QStringLiteral("[0-9]*");
            break;
        case Filter::None:
            break;
    }
    if (!pattern.isEmpty()) line->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), line));
    return line;
}

void MaskDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    line->setText(index.data(Qt::EditRole).toString());
    line->setModified(false);
    if (!line->inputMask().isEmpty()) line->setCursorPosition(0);
}

void MaskDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    // An editor the user only passed through leaves the cell as it was.
    if (!line->isModified()) return;
    QString text = line->text();
    // A mask with literals keeps them and shows its blanks as spaces ("  /  /    "); a mask of
    // digits only (the anniversary day) stores just the digits typed, so "7" is not "7 ".
    const bool literals = qtMaskHasLiterals(line->inputMask());
    if (literals) text = maskedCellText(line->displayText(), line->property("ruvivavuBlank").toChar());
    model->setData(index, text, Qt::EditRole);
}

}  // namespace ruvivavu::gui
