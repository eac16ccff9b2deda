// In-place cell editors of the string grids: an edit mask per column (chosen by column number or
// by the column's heading text) and key filters for amount, rate and day cells.
#pragma once

#include <QHash>
#include <QString>
#include <QStyledItemDelegate>

#include <functional>

namespace ruvivavu::gui {

// Turns a program edit mask ("!99/99/0000;1", "!00;1", fields: picture; keep literals; blank
// character) into a QLineEdit input mask. Every digit position is optional, so a half-typed date
// can still be left; the leave-the-grid rules repair it.
QString toQtInputMask(const QString& editMask);

// The text a masked cell stores: the editor's text with the blank character as a space and the
// literals kept, so an untouched date reads "  /  /    ".
QString maskedCellText(const QString& displayText, QChar blank);

class MaskDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Filter {
        None,
        Amount,  // digits, "," and "."
        Rate,    // digits and ","
        Day,     // digits only
    };

    explicit MaskDelegate(QObject* parent = nullptr);

    void setColumnMask(int column, const QString& editMask);
    void setHeadingMask(const QString& heading, const QString& editMask);
    void setColumnFilter(int column, Filter filter);
    void setHeadingFilter(const QString& heading, Filter filter);
    // Asks a function for the mask of a cell before the column and heading tables (an empty
    // answer falls through to them).
    void setMaskProvider(std::function<QString(const QModelIndex&)> provider);

    // The program edit mask for a cell (empty when none).
    QString editMask(const QModelIndex& index) const;
    Filter filter(const QModelIndex& index) const;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QString headingOf(const QModelIndex& index) const;

    std::function<QString(const QModelIndex&)> provider_;
    QHash<int, QString> columnMasks_;
    QHash<QString, QString> headingMasks_;
    QHash<int, Filter> columnFilters_;
    QHash<QString, Filter> headingFilters_;
};

}  // namespace ruvivavu::gui
