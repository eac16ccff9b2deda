// The table view of every string grid: ends its cell editing on demand and tells when the focus
// leaves it (the moment the windows apply their leave-the-grid rules).
#pragma once

#include <QTableView>

#include <vector>

namespace ruvivavu::gui {

class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(QWidget* parent = nullptr);
    ~GridView() override;

    // Commits and closes an open cell editor.
    void endEditing();

    // True from the moment the view (or its cell editor) got the focus until left() was emitted.
    bool holdsFocus() const { return holdsFocus_; }

    // Ends editing and, when the view held the focus, emits left() as leaving it would. The
    // buttons that move on ("Próximo", "Finalizar", "Gravar") call it first.
    void leaveNow();

    // Column widths in pixels, in column order; kept across model resets. A column is widened
    // (never narrowed) when its texts would not fit, so no amount is shown cut; with
    // `fitHeadings` its heading is fitted too (off for grids whose headings wrap).
    void setColumnWidths(const std::vector<int>& widths);
    void setFitHeadings(bool fit) { fitHeadings_ = fit; }

    void setModel(QAbstractItemModel* model) override;

signals:
    // The focus went from the view (or its editor) to a widget outside it.
    void left();

private:
    void onFocusChanged(QWidget* old, QWidget* now);
    bool isInside(QWidget* widget) const;

    void applyColumnWidths();
    void widenToContents();
    int wantedWidth(int column) const;

    bool holdsFocus_ = false;
    std::vector<int> widths_;
    bool fitHeadings_ = true;
};

}  // namespace ruvivavu::gui
