#include "ui/center_string_grid.h"

#include <QHeaderView>
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
    p->restore();
  }

 private:
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
    return;
  }
  QTableWidget::mousePressEvent(event);
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
