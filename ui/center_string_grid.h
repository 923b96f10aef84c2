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

  // Item rows without an item (a filter left them empty): they take no
  // selection, and the arrow keys pass over them.
  void set_row_enabled(int row, bool enabled);
  // The column the rows are sorted by, marked in its header cell by a small
  // triangle pointing up (ascending) or down; -1 for none.
  void set_sort_mark(int column, bool descending);
  int sort_column() const { return sort_column_; }
  bool sort_descending() const { return sort_descending_; }

 protected:
  // Presses on a header row select nothing: they are header clicks.
  void mousePressEvent(QMouseEvent* event) override;
  // The arrow keys, Home, End and the page keys move the selection as a
  // click does (row_clicked); Enter activates the selected row.
  void keyPressEvent(QKeyEvent* event) override;
  // The keys never move onto a header row or a row without an item.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 signals:
  // A click on an item row (never a fixed row), or a key that moved the
  // selection to it.
  void row_clicked(int row);
  // A double click on an item row, or Enter on the selected one.
  void row_activated(int row);
  // A press on a cell of a header row.
  void header_clicked(int column);
 private:
  // The width of a text in the current font: the item browsers measure the
  // same texts many times while they fit their columns.
  int text_width(const QString& text);

  int fixed_rows_ = 0;
  int sort_column_ = -1;
  bool sort_descending_ = false;
  QFont widths_font_;
  QHash<QString, int> widths_;
};

}  // namespace brennick
