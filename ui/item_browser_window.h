// One item browser window: the grid of an item table, the class choice (and
// the weapon window's type choice), Reset, Close and the details panel of
// the clicked row. The texts come from data/browser_contents; the window
// only shows them. A picture that cannot be read goes to the application's
// error handler and leaves the details panel as it was.
//
// Above the grid a name filter and "Equip": a click on a header cell sorts
// the rows by that column (again: the other way round), the filter keeps
// the rows whose name holds its text (data/browser_view.h), and Equip, a
// double click or Enter puts the selected item on the sheet by the change
// the main window offers for it (pipeline/browser_equip.h), one undo step.
#pragma once

#include <QHash>
#include <QWidget>
#include <functional>
#include <optional>

#include "data/browser_contents.h"
#include "data/browser_view.h"
#include "pipeline/browser_equip.h"
#include "ui/browser_layout.h"
#include "ui/lazy_window.h"

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brennick {

class Calculator;
class PictureBox;
class TCenterStringGrid;

class ItemBrowserWindow : public LazyWindow {
  Q_OBJECT
 public:
  // Runs a change of the sheet as the user's own (MainWindow::act).
  using Equip = std::function<void(const UserAction&)>;
  // `report` is called after an error went to the application's handler
  // (the main window refreshes its status bar); `equip` takes what Equip
  // does (without it Equip does nothing).
  ItemBrowserWindow(BrowserKind kind, Calculator& calc, QWidget* owner, std::function<void()> report = {},
                    Equip equip = {});

  BrowserKind kind() const { return kind_; }
  TCenterStringGrid* grid() const {
    ensure_built();
    return grid_;
  }
  const BrowserChoice& choice() const { return choice_; }

  // Rebuilds every cell from the table and the choices.
  void fill_grid();
  // The details of the selected row (the grid's click).
  void StringGrid1Click();
  // No class, then fill_grid.
  void btn_resetClick();
  // The class choice set as a click on its row would (-1: none); on a
  // window not made yet, the choice it is made with.
  void set_class_row(int row);
  // The weapon window's type choice (kinds 0 .. 7), likewise.
  void set_weapon_kind(int kind);
  // Selects a grid row and runs the click on it, as a mouse click would.
  void click_row(int row);

  // The sort and the filter shown.
  const BrowserView& view() const { return view_; }
  // The grid row (of fill_grid, in table order) that grid row `shown` of
  // the window shows; -1 for a row that shows nothing.
  int table_row(int shown) const;
  // What Equip does for the selected row now, or why it cannot.
  EquipAction equip_choice() const;
  // Equip: puts the selected item on the sheet.
  void btn_equipClick();

  // The text of a label of the window by name ("lbl_defense", "Label15").
  QString label_text(const QString& name) const;
  // Captions and labels whose text does not fit (empty when everything fits).
  QStringList clipped_texts();

  // Makes the window and fits the grid's columns to the widest texts of
  // every class choice (and weapon kind), once: when the window first shows,
  // or before a zoom takes its built sizes.
  void finish_layout() override;

 protected:
  void build_contents() override;
  void showEvent(QShowEvent* e) override;
  // Back from the main window: Equip follows what the sheet holds now.
  void changeEvent(QEvent* e) override;

 private:
  void build();
  QWidget* build_find_row();
  QWidget* build_choices();
  void build_class_choice(QWidget* left, QHBoxLayout* choices);
  void build_type_choice(QWidget* left, QHBoxLayout* choices);
  QHBoxLayout* build_buttons(QWidget* left);
  QGroupBox* build_details();
  QGridLayout* build_detail_fields(QWidget* details);
  QHBoxLayout* build_resistances(QWidget* details);
  void place(QWidget* left, QWidget* details);
  void show_details(const BrowserDetails& d);
  void fit_grid_columns(int width);
  // Puts the rows of the grid into the order and the filter of the view,
  // keeping the selected item selected where it still shows.
  void show_view();
  void header_clicked(int column);
  void update_equip();

  BrowserKind kind_;
  Calculator& calc_;
  std::function<void()> report_;
  Equip equip_;
  BrowserChoice choice_;
  BrowserGrid shown_;
  BrowserView view_;
  std::vector<int> order_;  // the table rows the grid shows, from row 1 on
  TCenterStringGrid* grid_ = nullptr;
  QButtonGroup* classes_ = nullptr;
  QButtonGroup* types_ = nullptr;
  PictureBox* picture_ = nullptr;
  QLabel* name_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QPushButton* equip_button_ = nullptr;
  QHash<QString, QLabel*> labels_;
  int grid_width_ = 0;  // as built, before any zoom
  bool columns_fitted_ = false;
};

}  // namespace brennick
