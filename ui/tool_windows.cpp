#include "ui/tool_windows.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "engine/image_files.h"
#include "tools/aging_odds.h"
#include "ui/picture_box.h"

namespace brennick {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QLabel* named_label(const char* name, const QString& text, QWidget* parent, const QString& hint = {}) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) l->setToolTip(hint);
  return l;
}

QPushButton* named_button(const char* name, const QString& text, const QString& hint, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setToolTip(hint);
  return b;
}

void set_lines(QPlainTextEdit* box, const std::vector<std::string>& lines) {
  QStringList l;
  for (const std::string& s : lines) l << q(s);
  const QString text = l.join(QLatin1Char('\n'));
  if (box->toPlainText() == text) return;
  box->setPlainText(text);
  box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
}

}  // namespace

// --- aging simulator -----------------------------------------------------------

AgingWindow::AgingWindow(ToolServices services, QWidget* owner, std::unique_ptr<RandomSource> random)
    : LazyWindow(owner, Qt::Window), services_(std::move(services)), random_(std::move(random)) {
  if (!random_) random_ = std::make_unique<ClockRandomSource>();
}

void AgingWindow::build_contents() {
  auto* top = new QHBoxLayout;
  top->addLayout(build_item_column());
  auto* colB = new QVBoxLayout;
  colB->addWidget(build_cost_box());
  add_notes(colB);
  top->addLayout(colB);
  top->addLayout(build_buttons_column());

  auto* outer = new QVBoxLayout(page());
  outer->addLayout(top);
  outer->addLayout(build_history_and_odds(), 1);

  show_model();
}

// The item text, the item choice and the sheltom prices.
QVBoxLayout* AgingWindow::build_item_column() {
  auto* colA = new QVBoxLayout;
  item_info_ = new QPlainTextEdit(this);
  item_info_->setObjectName(QStringLiteral("ItemInfo"));
  item_info_->setAccessibleName(QStringLiteral("Item"));
  item_info_->setReadOnly(true);
  item_info_->setFixedSize(210, 76);
  item_info_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  colA->addWidget(item_info_);

  auto* select = new QGroupBox(QStringLiteral("Select Item"), this);
  select->setObjectName(QStringLiteral("Select_item"));
  auto* sl = new QVBoxLayout(select);
  items_ = new QButtonGroup(this);
  for (int r = 0; r < kSampleItems; ++r) {
    auto* rb = new QRadioButton(QString::fromLatin1(sample_item(r).name), select);
    items_->addButton(rb, r);
    sl->addWidget(rb);
  }
  connect(items_, &QButtonGroup::idClicked, this, [this](int id) {
    sim_.selected_item = id;
    show_odds();
  });
  colA->addWidget(select);

  auto* prices = new QGroupBox(QStringLiteral("Set Sheltom Price"), this);
  prices->setObjectName(QStringLiteral("GroupBox2"));
  prices->setToolTip(QStringLiteral("Change the Sheltom price here."));
  auto* pf = new QFormLayout(prices);
  for (int i = 0; i < kPricedSheltoms; ++i) {
    auto* e = new QLineEdit(QString::fromLatin1(kDefaultPrices[static_cast<std::size_t>(i)]), prices);
    e->setObjectName(QString::fromLatin1(kPriceBoxNames[static_cast<std::size_t>(i)]));
    prices_[static_cast<std::size_t>(i)] = e;
    pf->addRow(QString::fromLatin1(kSheltomNames[static_cast<std::size_t>(i + 2)]) + QLatin1Char(':'), e);
    connect(e, &QLineEdit::textChanged, this, [this, i](const QString& t) {
      sim_.price_texts[static_cast<std::size_t>(i)] = t.toStdString();
      show_odds();
    });
  }
  colA->addWidget(prices);
  colA->addStretch();

  return colA;
}

// The sheltoms a run burned, with their pictures, and the gold it cost.
QGroupBox* AgingWindow::build_cost_box() {
  auto* cost = new QGroupBox(QStringLiteral("Cost"), this);
  cost->setObjectName(QStringLiteral("GroupBox1"));
  auto* cg = new QGridLayout(cost);
  bool pictures_ok = true;
  for (int k = 0; k < kSheltomKinds; ++k) {
    auto* img = new PictureBox(cost);
    img->setObjectName(QStringLiteral("img_%1").arg(k + 1));
    img->setFixedSize(22, 22);
    img->setToolTip(QString::fromLatin1(kSheltomNames[static_cast<std::size_t>(k)]));
    if (pictures_ok) {
      QImageReader reader(q(resolve_image(services_.app_dir, "sheltom_" + std::to_string(k + 3) + ".bmp")));
      QImage image = reader.read();
      if (image.isNull()) {
        // The pictures after a failed one stay empty; the window works on.
        pictures_ok = false;
        if (services_.error_log)
          services_.error_log->write_error_log(reader.errorString().toStdString(), "FunAgeForm", "---");
      } else {
        img->set_image(image);
      }
    }
    counts_[static_cast<std::size_t>(k)] = named_label(kSheltomNames[static_cast<std::size_t>(k)], QStringLiteral("x 0"), cost);
    cg->addWidget(img, k, 0);
    cg->addWidget(counts_[static_cast<std::size_t>(k)], k, 1);
  }
  shelt_price_ = named_label("shelt_price", QStringLiteral("0"), cost, QStringLiteral("The total gold for the \"burned\" sheltoms."));
  age_price_ = named_label("age_price", QStringLiteral("0"), cost, QStringLiteral("The total gold for the Aging process."));
  total_price_ = named_label("total_price", QStringLiteral("0"), cost, QStringLiteral("Complete Aging cost."));
  for (QLabel* l : {shelt_price_, age_price_, total_price_}) {
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(QFontMetrics(l->font()).horizontalAdvance(QStringLiteral("9,999,999,999,999")));
  }
  cg->addWidget(new QLabel(QStringLiteral("Sheltom Price:"), cost), kSheltomKinds, 0, 1, 2);
  cg->addWidget(shelt_price_, kSheltomKinds, 2);
  cg->addWidget(new QLabel(QStringLiteral("Aging Price:"), cost), kSheltomKinds + 1, 0, 1, 2);
  cg->addWidget(age_price_, kSheltomKinds + 1, 2);
  auto* total_line = new QFrame(cost);
  total_line->setFrameShape(QFrame::HLine);
  cg->addWidget(total_line, kSheltomKinds + 2, 0, 1, 3);
  cg->addWidget(total_price_, kSheltomKinds + 3, 2);
  return cost;
}

// The two notes on how the simulator draws.
void AgingWindow::add_notes(QVBoxLayout* colB) {
  auto* label1 = named_label("Label1",
                             QStringLiteral("don't try to find some secret formula here, its really complete random. "
                                            "sometimes you get 10+ without a single de-age, sometimes you de-age 20 "
                                            "times before it fail at 6+. "),
                             this);
  auto* label2 = named_label(
      "Label2",
      QStringLiteral("for now it work like this, 5 to 6 for example: 20% chance for all possible results. but if you "
                     "get a +2/-2. Brennick create another random number (0 or 1). if the 2nd number is 0 you get "
                     "only a +1/-1, if not you get a +2/-2. at the end its more like +2/-2 = 10%,       +1/-1 = 30 "
                     "%, fail = 20%"),
      this);
  for (QLabel* l : {label1, label2}) {
    l->setWordWrap(true);
    l->setFixedWidth(250);
  }
  colB->addWidget(label1);
  colB->addWidget(label2);
  colB->addStretch();

}

// The tallies of +2/+1/-2/-1 and the window's buttons.
QVBoxLayout* AgingWindow::build_buttons_column() {
  auto* colC = new QVBoxLayout;
  const QString tally_hint = QStringLiteral("Display how many +1/-1 +2/-2 you got.");
  auto* tallies = new QGridLayout;
  p2_ = named_label("lbl_p2", QStringLiteral("0"), this, tally_hint);
  p1_ = named_label("lbl_p1", QStringLiteral("0"), this, tally_hint);
  m2_ = named_label("lbl_m2", QStringLiteral("0"), this, tally_hint);
  m1_ = named_label("lbl_m1", QStringLiteral("0"), this, tally_hint);
  const std::array<std::pair<const char*, QLabel*>, 4> rows{{{"+2:", p2_}, {"+1:", p1_}, {"-2:", m2_}, {"-1:", m1_}}};
  for (int r = 0; r < 4; ++r) {
    auto* caption = new QLabel(QString::fromLatin1(rows[static_cast<std::size_t>(r)].first), this);
    caption->setToolTip(tally_hint);
    tallies->addWidget(caption, r, 0);
    tallies->addWidget(rows[static_cast<std::size_t>(r)].second, r, 1);
  }
  tallies->setColumnStretch(1, 1);
  colC->addLayout(tallies);
  age_ = named_button("Button1", QStringLiteral("Age! "), QStringLiteral("guess what...?"), this);
  auto* reset = named_button("Button3", QStringLiteral("Reset"), QStringLiteral("Reset the Aging Process"), this);
  auto* close = named_button("Button2", QStringLiteral("Close"), QStringLiteral("Close the current window."), this);
  connect(age_, &QPushButton::clicked, this, &AgingWindow::on_age);
  connect(reset, &QPushButton::clicked, this, &AgingWindow::on_reset);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  // The exact odds open beside the history on demand; closed, the window
  // keeps its designed size.
  odds_button_ = named_button("btn_odds", QStringLiteral("Odds >>"),
                              QStringLiteral("Show the exact odds and costs from the current level."), this);
  odds_button_->setCheckable(true);
  connect(odds_button_, &QPushButton::toggled, this, &AgingWindow::show_odds_panel);
  colC->addStretch();
  colC->addWidget(odds_button_);
  colC->addWidget(age_);
  colC->addWidget(reset);
  colC->addWidget(close);

  return colC;
}

// Bottom row: the history and, beside it, the exact odds (closed at first).
QHBoxLayout* AgingWindow::build_history_and_odds() {
  auto* bottom = new QHBoxLayout;
  auto* hist = new QVBoxLayout;
  hist->addWidget(new QLabel(QStringLiteral("History"), this));
  history_ = new QPlainTextEdit(this);
  history_->setObjectName(QStringLiteral("History"));
  history_->setAccessibleName(QStringLiteral("Aging history"));
  history_->setReadOnly(true);
  history_->setToolTip(QStringLiteral("Aging History"));
  history_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  history_->setFixedWidth(140);
  hist->addWidget(history_);
  bottom->addLayout(hist);

  auto* odds = new QGroupBox(QStringLiteral("Odds"), this);
  odds->setObjectName(QStringLiteral("grp_odds"));
  auto* ol = new QVBoxLayout(odds);
  odds_caption_ = named_label("lbl_odds", QString(), odds);
  odds_caption_->setWordWrap(true);
  odds_caption_->setMinimumHeight(2 * QFontMetrics(font()).lineSpacing() + 4);
  odds_ = new QTableWidget(odds);
  odds_->setObjectName(QStringLiteral("odds_table"));
  odds_->setAccessibleName(QStringLiteral("Odds of each target level"));
  odds_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  odds_->setSelectionMode(QAbstractItemView::NoSelection);
  odds_->verticalHeader()->hide();
  odds_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 4);
  odds_->setToolTip(QStringLiteral(
      "Exact odds from the current level: the chance that one try reaches the target before it fails, what that "
      "try costs on average, and the gold to budget when every failure starts again from +0."));
  ol->addWidget(odds_caption_);
  ol->addWidget(odds_);
  bottom->addWidget(odds, 1);
  odds_panel_ = odds;
  odds->hide();

  return bottom;
}

AgingWindow::~AgingWindow() = default;

bool AgingWindow::grows_with_contents() const { return odds_panel_ && !odds_panel_->isHidden(); }

void AgingWindow::show_odds_panel(bool shown) {
  odds_button_->setText(shown ? QStringLiteral("<< Odds") : QStringLiteral("Odds >>"));
  odds_panel_->setVisible(shown);
  refit();
}

void AgingWindow::on_age() {
  try {
    age_once(sim_, *random_, *services_.dialogs, services_.format);
  } catch (const std::exception& e) {
    if (services_.on_error) services_.on_error("FunAgeForm", "Button1", e.what());
  }
  show_model();
}

void AgingWindow::on_reset() {
  reset_aging(sim_);
  show_model();
}

void AgingWindow::show_model() {
  set_lines(item_info_, sim_.item_info);
  set_lines(history_, sim_.history);
  for (int k = 0; k < kSheltomKinds; ++k) counts_[static_cast<std::size_t>(k)]->setText(q(sim_.count_text(k)));
  shelt_price_->setText(q(sim_.shelt_price));
  age_price_->setText(q(sim_.age_price));
  total_price_->setText(q(sim_.total_price));
  p2_->setText(q(int_text(sim_.plus2)));
  p1_->setText(q(int_text(sim_.plus1)));
  m2_->setText(q(int_text(sim_.minus2)));
  m1_->setText(q(int_text(sim_.minus1)));
  age_->setEnabled(sim_.age_enabled);
  show_odds();
}

void AgingWindow::show_odds() {
  const NumberFormat& fmt = services_.format;
  AgingOdds odds;
  try {
    odds = aging_odds_of(sim_);
  } catch (const std::exception& e) {
    odds_caption_->setText(QStringLiteral("A price is not a number: %1").arg(q(e.what())));
    odds_->setRowCount(0);
    return;
  }
  const std::string item = sim_.selected_item >= 0 ? sample_item(sim_.selected_item).name : "no item";
  odds_caption_->setText(
      odds.targets.empty()
          ? QStringLiteral("From +%1 no attempt is possible.").arg(sim_.aging_level)
          : QStringLiteral("From +%1, fee of %2. P: one try reaches the target before a failure. Until success: "
                           "every failure starts again from +0.")
                .arg(sim_.aging_level)
                .arg(q(item)));
  const auto table = aging_odds_table(odds, fmt);
  const int cols = static_cast<int>(table.front().size());
  odds_->setColumnCount(cols);
  QStringList head;
  for (const std::string& h : table.front()) head << q(h);
  odds_->setHorizontalHeaderLabels(head);
  odds_->setRowCount(static_cast<int>(table.size()) - 1);
  for (std::size_t r = 1; r < table.size(); ++r)
    for (int c = 0; c < cols; ++c) {
      auto* cell = new QTableWidgetItem(q(table[r][static_cast<std::size_t>(c)]));
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      odds_->setItem(static_cast<int>(r) - 1, c, cell);
    }
  odds_->resizeColumnsToContents();
  // Room for every column and for the ten targets from +0, without scrolling.
  int width = 2 * odds_->frameWidth();
  for (int c = 0; c < cols; ++c) width += odds_->columnWidth(c);
  const int height = 2 * odds_->frameWidth() + odds_->horizontalHeader()->sizeHint().height() +
                     kHighestTarget * odds_->verticalHeader()->defaultSectionSize();
  odds_->setMinimumSize(std::max(odds_->minimumWidth(), width), std::max(odds_->minimumHeight(), height));
}

// --- bitmap patcher ------------------------------------------------------------

PatcherWindow::PatcherWindow(ToolServices services, QWidget* owner)
    : LazyWindow(owner, Qt::Dialog), services_(std::move(services)), patcher_(services_.app_dir) {
  patcher_.log_dir = services_.log_dir;
}

void PatcherWindow::build_contents() {
  auto* outer = new QVBoxLayout(page());
  auto* logbox = new QGroupBox(QStringLiteral("log window"), this);
  logbox->setObjectName(QStringLiteral("GroupBox1"));
  auto* ll = new QVBoxLayout(logbox);
  log_ = new QPlainTextEdit(logbox);
  log_->setObjectName(QStringLiteral("LogW"));
  log_->setReadOnly(true);
  log_->setToolTip(QStringLiteral("Display the result for each BMP file."));
  log_->setLineWrapMode(QPlainTextEdit::NoWrap);
  ll->addWidget(log_);
  outer->addWidget(logbox, 1);

  auto* bottom = new QHBoxLayout;
  auto* path = new QGroupBox(QStringLiteral("Veldara Folder Path"), this);
  path->setObjectName(QStringLiteral("GroupBox2"));
  auto* pl = new QVBoxLayout(path);
  folder_ = new QLineEdit(QStringLiteral("C:\\Backup\\Harrowlight\\Veldara"), path);
  folder_->setObjectName(QStringLiteral("Edit1"));
  folder_->setToolTip(QStringLiteral("Full Path to your Veldara-Backup folder."));
  pl->addWidget(folder_);
  pl->addWidget(named_label("Label1", QStringLiteral("your Veldara (Backup!) folder like C:\\Backup\\Harrowlight"), path));
  bottom->addWidget(path, 1);

  auto* counters = new QGridLayout;
  success_ = named_label("lbl_success", QStringLiteral("0"), this, QStringLiteral("number of patched files."));
  fail_ = named_label("lbl_fail", QStringLiteral("0"), this,
                      QStringLiteral("number of errors while patching. check the log window for details"));
  counters->addWidget(new QLabel(QStringLiteral("success:"), this), 0, 0);
  counters->addWidget(success_, 0, 1);
  counters->addWidget(new QLabel(QStringLiteral("fail:"), this), 1, 0);
  counters->addWidget(fail_, 1, 1);
  for (QLabel* l : {success_, fail_}) l->setMinimumWidth(QFontMetrics(l->font()).horizontalAdvance(QStringLiteral("99999999999")));
  bottom->addLayout(counters);

  auto* buttons = new QVBoxLayout;
  auto* patch = named_button("Button1", QStringLiteral("Patch!"), QStringLiteral("Click here to start the Patcher."), this);
  auto* save = named_button("Button2", QStringLiteral("Save Log"),
                            QStringLiteral("Save the content of the log window to log.txt in the Brennick.exe folder."), this);
  auto* close = named_button("Button3", QStringLiteral("Close"), QStringLiteral("Close the current window."), this);
  connect(patch, &QPushButton::clicked, this, &PatcherWindow::on_patch);
  connect(save, &QPushButton::clicked, this, &PatcherWindow::save_log);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  buttons->addWidget(patch);
  buttons->addWidget(save);
  buttons->addWidget(close);
  bottom->addLayout(buttons);
  outer->addLayout(bottom);

  patcher_.on_line = [this](const std::string& line) {
    log_->appendPlainText(q(line));
    success_->setText(QString::number(patcher_.success));
    fail_->setText(QString::number(patcher_.fail));
    success_->repaint();
    fail_->repaint();
  };
}

void PatcherWindow::on_patch() {
  try {
    patcher_.patch_after_asking(folder_->text().toStdString(), *services_.dialogs);
  } catch (const std::exception& e) {
    if (services_.on_error) services_.on_error("bmpPatchForm", "Button1", e.what());
  }
}

LazyWindow* make_tool_window(WindowId window, ToolServices services, QWidget* owner) {
  if (window == WindowId::Aging) return new AgingWindow(std::move(services), owner);
  if (window == WindowId::BmpPatcher) return new PatcherWindow(std::move(services), owner);
  return nullptr;
}

}  // namespace brennick

// The meta-object code of the tool windows is compiled here, the one source
// of the windows that sees the tools' cores.
#include "moc_tool_windows.cpp"
