// The centred-cell grid of the item browsers and the skill window: a string
// grid whose cells are drawn on one line, centred both ways and cut at both
// edges of the cell, on the fixed-cell colour for header rows, the highlight
// colour (with highlight text) for the selected row, and the grid's own
// colour elsewhere. Cells are addressed (column, row) as in a string grid;
// fixed rows count as rows and cannot be selected.
#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QTableWidget>

#include <string>
#include <vector>

namespace brennick {

class TCenterStringGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit TCenterStringGrid(QWidget* parent = nullptr);

  // Column and row count (fixed rows included), the number of fixed header
  // rows at the top, and the height of every row. Every cell starts empty.
  void set_layout(int columns, int rows, int fixed_rows, int row_height);
  int fixed_rows() const { return fixed_rows_; }

  QString cell(int column, int row) const;
  void set_cell(int column, int row, const QString& text);

  // The selected row, -1 for none.
  int selected_row() const;
  void select_row(int row);

  // Widths that fit every cell's text with the current font, for the grid
  // showing `cells` (row by row; rows it does not hold keep their texts),
  // without showing them.
  QList<int> fitting_widths(const std::vector<std::vector<std::string>>& cells);
  // The height the grid needs to show every row without scroll bars.
  int full_height() const;

  // Cells whose text is wider than their column (empty when none).
  QStringList clipped_cells() const;

 protected:
  // Presses on a header row are not passed on: they select nothing.
  void mousePressEvent(QMouseEvent* event) override;

 signals:
  // A click on an item row (never a fixed row).
  void row_clicked(int row);
 private:
  // The width of a text in the current font: the item browsers measure the
  // same texts many times while they fit their columns.
  int text_width(const QString& text);

  int fixed_rows_ = 0;
  QFont widths_font_;
  QHash<QString, int> widths_;
};

}  // namespace brennick
