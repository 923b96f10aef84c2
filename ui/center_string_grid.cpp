#include "ui/center_string_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace brennick {
namespace {

constexpr int kCellPadding = 8;

class CenteredCells : public QStyledItemDelegate {
 public:
  explicit CenteredCells(TCenterStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QPalette& pal = grid_->palette();
    const bool fixed = index.row() < grid_->fixed_rows();
    const bool selected = !fixed && (option.state & QStyle::State_Selected);
    const QColor background = fixed      ? pal.color(QPalette::Button)
                              : selected ? pal.color(QPalette::Highlight)
                                         : pal.color(QPalette::Base);
    const QColor text = fixed ? pal.color(QPalette::ButtonText)
                              : selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text);
    p->save();
    p->setClipRect(option.rect);
    p->fillRect(option.rect, background);
    p->setPen(text);
    p->setFont(option.font);
    p->drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
    if (fixed && index.column() == grid_->sort_column()) draw_sort_mark(p, option.rect, text);
    p->restore();
  }

 private:
  // A small triangle in the cell's top right corner: up for ascending.
  void draw_sort_mark(QPainter* p, const QRect& cell, const QColor& colour) const {
    const int w = 6, h = 3, right = cell.right() - 2, top = cell.top() + 2;
    const QPoint up[] = {{right - w, top + h}, {right, top + h}, {right - w / 2, top}};
    const QPoint down[] = {{right - w, top}, {right, top}, {right - w / 2, top + h}};
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(Qt::NoPen);
    p->setBrush(colour);
    p->drawPolygon(grid_->sort_descending() ? down : up, 3);
  }

  TCenterStringGrid* grid_;
};

}  // namespace

TCenterStringGrid::TCenterStringGrid(QWidget* parent) : QTableWidget(parent) {
  setItemDelegate(new CenteredCells(this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(4);
  verticalHeader()->setMinimumSectionSize(4);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
    if (row >= fixed_rows_) emit row_clicked(row);
  });
  connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    if (row >= fixed_rows_ && (item(row, 0) == nullptr || (item(row, 0)->flags() & Qt::ItemIsSelectable)))
      emit row_activated(row);
  });
}

void TCenterStringGrid::set_layout(int columns, int rows, int fixed_rows, int row_height) {
  clear();
  setColumnCount(columns);
  setRowCount(rows);
  fixed_rows_ = fixed_rows;
  verticalHeader()->setDefaultSectionSize(row_height);
  for (int r = 0; r < rows; ++r) {
    setRowHeight(r, row_height);
    for (int c = 0; c < columns; ++c) {
      auto* item = new QTableWidgetItem;
      // The header rows take no selection.
      item->setFlags(r < fixed_rows ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      setItem(r, c, item);
    }
  }
}

void TCenterStringGrid::mousePressEvent(QMouseEvent* event) {
  const QModelIndex at = indexAt(event->position().toPoint());
  if (at.isValid() && at.row() < fixed_rows_) {
    event->accept();
    if (event->button() == Qt::LeftButton) emit header_clicked(at.column());
    return;
  }
  QTableWidget::mousePressEvent(event);
}

void TCenterStringGrid::keyPressEvent(QKeyEvent* event) {
  const int before = selected_row();
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && before >= fixed_rows_) {
    event->accept();
    emit row_activated(before);
    return;
  }
  QTableWidget::keyPressEvent(event);
  const int after = selected_row();
  if (after != before && after >= fixed_rows_) emit row_clicked(after);
}

QModelIndex TCenterStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex current = currentIndex();
  const int column = std::max(0, current.column());
  // The first row from `row` on, going by `step`, that takes a selection.
  const auto item_row_from = [&](int row, int step) {
    for (; row >= fixed_rows_ && row < rowCount(); row += step)
      if (model()->index(row, column).flags() & Qt::ItemIsSelectable) return model()->index(row, column);
    return QModelIndex();
  };
  const auto or_current = [&](const QModelIndex& to) {
    return to.isValid() ? to : (current.row() >= fixed_rows_ ? current : QModelIndex());
  };
  // Home and End go to the first and the last item, not along the row.
  if (action == MoveHome) return or_current(item_row_from(fixed_rows_, 1));
  if (action == MoveEnd) return or_current(item_row_from(rowCount() - 1, -1));
  const QModelIndex to = QTableWidget::moveCursor(action, modifiers);
  if (to.isValid() && to.row() >= fixed_rows_ && (to.flags() & Qt::ItemIsSelectable)) return to;
  // Up past the first item (a page up, or nothing chosen yet): the first item.
  if (!current.isValid() || current.row() < fixed_rows_ || (to.isValid() && to.row() < fixed_rows_))
    return or_current(item_row_from(fixed_rows_, 1));
  // Down past the last item shown: the last one.
  if (to.isValid() && to.row() > current.row()) return or_current(item_row_from(to.row(), -1));
  return current;
}

void TCenterStringGrid::set_row_enabled(int row, bool enabled) {
  if (row < fixed_rows_ || row >= rowCount()) return;
  for (int c = 0; c < columnCount(); ++c)
    if (QTableWidgetItem* i = item(row, c)) i->setFlags(enabled ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
}

void TCenterStringGrid::set_sort_mark(int column, bool descending) {
  if (sort_column_ == column && sort_descending_ == descending) return;
  sort_column_ = column;
  sort_descending_ = descending;
  viewport()->update();
}

QString TCenterStringGrid::cell(int column, int row) const {
  const QTableWidgetItem* i = item(row, column);
  return i ? i->text() : QString();
}

void TCenterStringGrid::set_cell(int column, int row, const QString& text) {
  if (QTableWidgetItem* i = item(row, column)) i->setText(text);
}

int TCenterStringGrid::selected_row() const {
  const auto rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void TCenterStringGrid::select_row(int row) {
  if (row < fixed_rows_ || row >= rowCount()) return;
  selectRow(row);
}

int TCenterStringGrid::text_width(const QString& text) {
  if (widths_font_ != font()) {
    widths_.clear();
    widths_font_ = font();
  }
  auto it = widths_.constFind(text);
  if (it == widths_.constEnd()) it = widths_.insert(text, QFontMetrics(widths_font_).horizontalAdvance(text));
  return it.value();
}

QList<int> TCenterStringGrid::fitting_widths(const std::vector<std::vector<std::string>>& cells) {
  QList<int> widths;
  for (int c = 0; c < columnCount(); ++c) {
    int w = kCellPadding;
    for (int r = 0; r < rowCount(); ++r) {
      const auto row = static_cast<std::size_t>(r), column = static_cast<std::size_t>(c);
      const QString text = row < cells.size() && column < cells[row].size()
                               ? QString::fromStdString(cells[row][column])
                               : cell(c, r);
      w = std::max(w, text_width(text) + kCellPadding);
    }
    widths << w;
  }
  return widths;
}

int TCenterStringGrid::full_height() const {
  int h = 2 * frameWidth();
  for (int r = 0; r < rowCount(); ++r) h += rowHeight(r);
  return h;
}

QStringList TCenterStringGrid::clipped_cells() const {
  QStringList out;
  const QFontMetrics fm(font());
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (fm.horizontalAdvance(cell(c, r)) > columnWidth(c) - 2)
        out << QStringLiteral("%1 (%2,%3)").arg(cell(c, r)).arg(c).arg(r);
  return out;
}

}  // namespace brennick
