// The random-action soak: the program as started for a user (main window
// and every secondary window) takes thousands of seeded user actions, and a
// headless core (the same Planner the command-line tool runs, with the same
// scripted dialogs) takes the same actions beside it.
//
// After each action: the program is alive and the sheet attached again, the
// status bar shows "OK" or a message, every control of every window shows
// what the headless core says, and every new line of error.log has the
// one-line format. On a failure the seed and the action are printed, the
// action list is shrunk (replays from a fresh program, dropping chunks) and
// the short list is printed one action per line.
//
//   BRENNICK_SOAK_SEED     the seed (a fixed one by default; printed)
//   BRENNICK_SOAK_ACTIONS  how many actions (10000 by default)
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <functional>
#include <random>

#include "app/startup_app.h"
#include "buildfile/build_file.h"
#include "data/browser_contents.h"
#include "data/skill_info.h"
#include "engine/error_log_file.h"
#include "engine/image_files.h"
#include "engine/sheet_json.h"
#include "engine/startup.h"
#include "pipeline/menu_items.h"
#include "equipment/weapon_menu.h"
#include "pipeline/menu_model.h"
#include "pipeline/planner.h"
#include "pipeline/session.h"
#include "tests/gui/gui_input.h"
#include "tools/aging_sim.h"
#include "tools/bmp_patcher.h"
#include "ui/center_string_grid.h"
#include "ui/item_browser_window.h"
#include "ui/build_code_menu.h"
#include "tests/support/recording.h"
#include "tests/support/window_fixture.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/popup_menus.h"
#include "ui/skill_info_window.h"
#include "ui/tool_windows.h"
#include "tests/support/qt_strings.h"

using namespace brennick;

namespace {

using test_support::q;
std::string name_of(Ctl id) { return std::string(control_spec(id).name); }

// ---------------------------------------------------------------------------
// What both programs are answered with, and what they record.

// Answers every question from the action's script and records each one.
class SoakDialogs : public Dialogs {
 public:
  struct Script {
    std::optional<std::string> open, save;
    Answer warning = Answer::No;
    Answer question = Answer::No;
  };
  Script script;
  std::string allowed;              // the only folder a question may be agreed to under
  bool asked_outside = false;       // a question named a folder outside it
  std::vector<std::string> asked;

  void information(const std::string& text) override { asked.push_back("information: " + text); }
  Answer error_ok(const std::string& text) override {
    asked.push_back("error: " + text);
    return Answer::Ok;
  }
  Answer warning_yes_no_abort(const std::string& text) override {
    asked.push_back("warning: " + text);
    return script.warning;
  }
  // The patcher's question: never Yes to a folder outside the soak's trees,
  // whatever the script says, so a fault can never write outside them.
  Answer question_yes_no(const std::string& text) override {
    asked.push_back("question: " + text);
    const std::size_t at = allowed.empty() ? std::string::npos : text.find(" under " + allowed);
    const char after = at == std::string::npos ? '\0' : text[at + 7 + allowed.size()];
    if (after != '/' && after != '?') {
      asked_outside = true;
      return Answer::No;
    }
    return script.question;
  }
  std::optional<std::string> open_file(const std::string& title, const std::string&) override {
    asked.push_back("open: " + title);
    return script.open;
  }
  std::optional<std::string> save_file(const std::string& title, const std::string&, const std::string&) override {
    asked.push_back("save: " + title);
    return script.save;
  }
};

// What a line of error.log holds after its date and time ("Error: ...").
std::string log_line_after_time(const test_support::LogLine& l) {
  std::string line = error_log_line("", "", l.message, l.owner, l.detail).substr(6);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
}

// The aging simulator's draws, the same on both sides.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(std::uint64_t seed) : gen_(seed) {}
  int draw(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(gen_); }

 private:
  std::mt19937_64 gen_;
};

// ---------------------------------------------------------------------------
// The folders of a soak: the program folder (pictures, patch.dat,
// error.log), the build files it loads and saves, the patcher's trees.

struct Folders {
  QTemporaryDir root;
  QString app, builds, trees, settings;
  std::vector<QString> loads;  // every file a load may choose (some missing)

  explicit Folders(std::uint64_t seed) {
    app = root.filePath("app");
    builds = root.filePath("builds");
    trees = root.filePath("trees");
    settings = root.filePath("settings");
    for (const QString& d : {app + "/images", builds, trees, settings}) QDir().mkpath(d);
    const QString from = QCoreApplication::applicationDirPath();
    QDirIterator images(from + "/images", QDir::Files);
    while (images.hasNext()) {
      const QString f = images.next();
      QFile::copy(f, app + "/images/" + QFileInfo(f).fileName());
    }
    QFile::copy(from + "/patch.dat", app + "/patch.dat");
    test_support::keep_settings_in(settings);

    // Golden builds, then damaged and random ones made from the seed.
    std::vector<QByteArray> goldens;
    for (const char* g : {"/tests/golden/load_build.brk", "/tests/golden/active_effects.brk",
                          "/tests/fuzz/corpus/fuzz_build_load/knight.brk",
                          "/tests/fuzz/corpus/fuzz_build_load/magician.brk"}) {
      QFile f(QStringLiteral(BRENNICK_SOURCE_DIR) + g);
      if (!f.open(QIODevice::ReadOnly)) continue;
      goldens.push_back(f.readAll());
      write("golden_" + QFileInfo(g).fileName(), goldens.back());
    }
    std::mt19937_64 gen(seed ^ 0x5eedf11e);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); };
    for (int i = 0; i < 8 && !goldens.empty(); ++i) {
      QByteArray b = goldens[static_cast<std::size_t>(pick(static_cast<int>(goldens.size())))];
      switch (i % 4) {
        case 0: b.truncate(pick(static_cast<int>(b.size()) + 1)); break;
        case 1:
          for (int k = 0; k < 8 && !b.isEmpty(); ++k) b[pick(static_cast<int>(b.size()))] = static_cast<char>(pick(256));
          break;
        case 2: {
          const char* junk[] = {"Level=abc\r\n", "Strength=1,5e99\r\n", "[Stats]\r\n", "=\r\n", "Class=99\r\n",
                                "Armor=-2147483648\r\n", "\x01\x02\x03", "ForceOrb=7,5\r\n"};
          for (int k = 0; k < 4; ++k) b.insert(pick(static_cast<int>(b.size()) + 1), junk[pick(8)]);
          break;
        }
        default: {
          QList<QByteArray> lines = b.split('\n');
          std::shuffle(lines.begin(), lines.end(), gen);
          b = lines.join('\n');
        }
      }
      write(QStringLiteral("damaged_%1.brk").arg(i), b);
    }
    for (int i = 0; i < 3; ++i) {
      QByteArray b;
      const int n = pick(4000);
      for (int k = 0; k < n; ++k) b.append(static_cast<char>(i == 0 ? pick(256) : " =[]\r\n09aZ,.-"[pick(14)]));
      write(QStringLiteral("random_%1.brk").arg(i), b);
    }
    write("empty.brk", {});
    loads.push_back(builds + "/missing.brk");
    loads.push_back(builds);  // a folder
    for (int s = 0; s < kSaves; ++s) loads.push_back(save_path(s) + ".brk");
  }
  static constexpr int kSaves = 3;
  QString save_path(int s) const { return builds + QStringLiteral("/save_%1").arg(s); }
  QString tree(bool window) const { return trees + (window ? "/w" : "/h"); }

  void write(const QString& name, const QByteArray& bytes) {
    QFile f(builds + "/" + name);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    loads.push_back(f.fileName());
  }

  // What a fresh start finds: no saves, no log, no settings, two equal trees.
  void reset() const {
    for (int s = 0; s < kSaves; ++s) QFile::remove(save_path(s) + ".brk");
    QFile::remove(app + "/error.log");
    QFile::remove(app + "/log.txt");
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brennick", "Brennick").clear();
    for (bool window : {true, false}) {
      const QString t = tree(window);
      QDir(t).removeRecursively();
      QDir().mkpath(t + "/sub/deep");
      for (const char* f : {"/a.bmp", "/B.BMP", "/sub/c.bmp", "/sub/deep/d.bmp", "/note.txt"}) {
        QFile file(t + f);
        if (file.open(QIODevice::WriteOnly)) file.write(QByteArray(64, 'x'));
      }
      // A link to the root of the file system: named as the folder, it is
      // refused; inside the tree, the walk never follows it.
      QFile::link(QStringLiteral("/"), t + "/to_root");
    }
  }
};

// ---------------------------------------------------------------------------
// The headless core beside the window: the planner with its undo history and
// recent files, and the models of the secondary windows.

struct HeadBrowser {
  BrowserChoice choice;
  BrowserGrid grid;
  std::map<std::string, std::string> labels;  // every label a step wrote
};

struct Headless;

// The secondary windows that follow the chosen class, as models.
class HeadClasses : public ClassListener {
 public:
  explicit HeadClasses(Headless& h) : h_(h) {}
  void set_class(WindowId window, int row) override;

 private:
  Headless& h_;
};

struct Headless {
  SoakDialogs dialogs;
  test_support::RecordingLog log;
  HeadClasses classes{*this};
  Session session;
  Planner& calc;  // the session's
  std::string clipboard;
  std::array<HeadBrowser, kBrowserKindCount> browsers;
  int skill_class = -1, skill_tier = -1;
  std::optional<SkillInfoTier> skill_shown;
  AgingSimulator aging;
  SeededRandom aging_random;
  BmpPatcher patcher;

  Headless(NumberFormat format, const std::string& app_dir, std::uint64_t seed)
      : session(format, {&dialogs, &log, nullptr}), calc(session.planner()), aging_random(seed), patcher(app_dir) {
    calc.state.app_dir = app_dir;
    CheckFiles(calc.state, &log);
    session.start(app_dir);
    calc.set_class_listener(&classes);  // the windows follow the class from here, as in the program
    for (BrowserKind k : kAllBrowserKinds) fill(k);
  }
  HeadBrowser& browser(BrowserKind k) { return browsers[static_cast<std::size_t>(k)]; }
  void fill(BrowserKind k) {
    HeadBrowser& b = browser(k);
    b.grid = fill_grid(k, b.choice, calc.format());
    for (const auto& [name, text] : b.grid.labels) b.labels[name] = text;
  }
  void set_browser_class(BrowserKind k, int row) {
    if (row < 0 || row >= static_cast<int>(browser_info(k).class_rows.size())) row = -1;
    browser(k).choice.class_row = row;
    fill(k);
  }
};

void HeadClasses::set_class(WindowId window, int row) {
  if (auto k = window_info(window).browser) h_.set_browser_class(*k, row);
  if (window == WindowId::Skills) h_.skill_class = row >= 0 && row < kClassCount ? row : -1;
}

// ---------------------------------------------------------------------------
// One program as the user has it, with its headless twin.

// Every box of the main window that lost the focus (for a reason the window
// acts on), in order: the user's Tab, or the focus moving on its own (a box
// whose text was put back takes the focus again). The headless core is told
// the same.
class FocusWatch : public QObject {
 public:
  void watch(MainWindow& w) {
    for (QWidget* box : w.findChildren<QWidget*>())
      if (qobject_cast<QLineEdit*>(box) || qobject_cast<QAbstractSpinBox*>(box)) box->installEventFilter(this);
  }
  std::vector<std::optional<Ctl>> take() { return std::exchange(left_, {}); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::FocusOut) return false;
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    std::optional<Ctl> id;
    if (qobject_cast<QLineEdit*>(watched)) id = control_by_name(watched->objectName().toStdString());
    left_.push_back(id);
    return false;
  }

 private:
  std::vector<std::optional<Ctl>> left_;
};

struct Program {
  const Folders& folders;
  SoakDialogs* wd = nullptr;  // the window's dialogs (owned by app)
  Application app;
  Headless head;
  FocusWatch focus;
  qint64 log_offset = 0;

  Program(const Folders& f, std::uint64_t seed, bool comma)
      : folders(f), app(start(f, comma, wd)), head(app.calc->format(), f.app.toStdString(), seed) {
    Session& session = *app.session;
    MainWindow* w = app.window.get();
    // Closing asks whether to save first, as the program's window does.
    w->set_may_close([&session, w] {
      const bool end = session.may_close();
      w->refresh();
      return end;
    });
    static_cast<AgingWindow*>(w->secondary_window(WindowId::Aging))
        ->set_random_source(std::make_unique<SeededRandom>(seed));
    QGuiApplication::clipboard()->clear();
    focus.watch(*w);
    w->show();
  }
  static Application start(const Folders& f, bool comma, SoakDialogs*& wd) {
    f.reset();
    auto dialogs = std::make_unique<SoakDialogs>();
    wd = dialogs.get();
    return start_application(f.app, std::move(dialogs),
                             comma ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
  }
  MainWindow& w() { return *app.window; }
  Planner& wc() { return *app.calc; }
  template <class T>
  T* secondary(WindowId id) {
    return static_cast<T*>(w().secondary_window(id));
  }
  // The window as start-up made it, its contents made or not yet.
  template <class T>
  T* unmade(WindowId id) {
    return qobject_cast<T*>(w().findChild<QWidget*>(QString::fromLatin1(window_info(id).object_name)));
  }
  // Shows a secondary window as its menu command does.
  template <class T>
  T* open(WindowId id) {
    if (!w().secondary_window(id)->isVisible()) w().show_window(id);
    return secondary<T>(id);
  }
  // Every window the user cannot get past (About, the patcher) closed again.
  void close_modal_windows() {
    for (WindowId id : {WindowId::About, WindowId::BmpPatcher})
      if (w().secondary_window(id)->isVisible()) w().secondary_window(id)->close();
    if (!w().isVisible()) w().show();  // the program was ended: the user starts it again
  }
  std::string normal(std::string s) const {
    for (const QString& t : {folders.tree(true), folders.tree(false)}) {
      const std::string from = t.toStdString();
      for (std::size_t at; (at = s.find(from)) != std::string::npos;) s.replace(at, from.size(), "<tree>");
    }
    return s;
  }
};

// The widget can be reached by the user: its tabs brought to the front, it
// is shown and enabled.
bool reachable(QWidget* widget) {
  if (!widget) return false;
  for (QWidget* child = widget; child; child = child->parentWidget()) {
    auto* stack = qobject_cast<QStackedWidget*>(child->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (!tabs) continue;
    const int index = tabs->indexOf(child);
    if (index < 0 || !tabs->isTabEnabled(index) || !tabs->isTabVisible(index)) return false;
    tabs->setCurrentIndex(index);
  }
  return widget->isVisible() && widget->isEnabled();
}

// An action menu item the user can reach: it and its menus enabled and shown.
bool reachable(QAction* a) {
  if (!a || !a->isEnabled() || !a->isVisible()) return false;
  for (QObject* o = a->parent(); o; o = o->parent())
    if (auto* m = qobject_cast<QMenu*>(o); m && !m->menuAction()->isEnabled()) return false;
  return true;
}

// ---------------------------------------------------------------------------
// Actions: one table of kinds with weights, one function per kind that
// makes an action and one that does it to both programs.

struct Action {
  int kind = 0;
  std::string target;  // a control, menu item, window or box
  int n = 0, m = 0;    // what the kind makes of them
  std::string text;
  int file = 0;        // the file a file dialog answers
  int answer = 0;      // the answer of a warning
};
Action action(std::string target, int n = 0, int m = 0, std::string text = {}) {
  Action a;
  a.target = std::move(target);
  a.n = n;
  a.m = m;
  a.text = std::move(text);
  return a;
}

// What the generator may choose from, read from a fresh program once.
struct Choices {
  std::vector<Ctl> texts, numbers, lists, checks, pictures, buttons;
  std::vector<std::string> menu_items;
  std::vector<std::tuple<Popup, Ctl, std::string>> popup_items;
  int files = 0;
};

struct Gen {
  std::mt19937_64 rng;
  const Choices& choices;
  int pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng); }
  bool chance(int percent) { return pick(100) < percent; }
  template <class T>
  const T& of(const std::vector<T>& v) { return v[static_cast<std::size_t>(pick(static_cast<int>(v.size())))]; }

  // Text of any kind a user may type or paste into a box.
  std::string text() {
    static const char* kTexts[] = {"0", "1", "7", "12", "-5", "+3", "12.5", "12,5", "0.05", "0,05", "1,234.5",
                                   "1.234,5", "1e5", "-1E-3", "2147483647", "-2147483648", "99999999999999999999",
                                   "", " ", " 7 ", "abc", "12a", "-", "+", ".", ",", "1.2.3", "1,,2", "NaN", "inf",
                                   "0x1F", "\xc3\xa4\xe2\x82\xac", "--1", "1-", "３", "100", "255", "150"};
    switch (pick(6)) {
      case 0: {  // a long text
        std::string s;
        const int n = 200 + pick(5000);
        for (int i = 0; i < n; ++i) s += "0123456789.,-+ aZ"[pick(17)];
        return s;
      }
      case 1: return std::to_string(pick(400) - 50);
      case 2: {  // a decimal with either separator
        const std::string whole = std::to_string(pick(300));
        const char* separator = chance(50) ? "." : ",";
        return whole + separator + std::to_string(pick(100));
      }
      default: return kTexts[pick(static_cast<int>(std::size(kTexts)))];
    }
  }
};

using Make = Action (*)(Gen&);
using Act = bool (*)(Program&, const Action&);  // false: the user could not reach it

// The dialogs of both programs answer this action alike.
void script_dialogs(Program& p, const Action& a) {
  SoakDialogs::Script s;
  const auto& loads = p.folders.loads;
  s.open = a.file % 9 == 0 ? std::nullopt : std::optional(loads[static_cast<std::size_t>(a.file) % loads.size()].toStdString());
  const int save = a.file % (Folders::kSaves + 3);
  if (save < Folders::kSaves) s.save = p.folders.save_path(save).toStdString() + (a.file % 2 ? ".brk" : "");
  else if (save == Folders::kSaves) s.save = (p.folders.builds + "/no_such_folder/x.brk").toStdString();
  else if (save == Folders::kSaves + 1) s.save = p.folders.builds.toStdString();  // a folder
  const Answer answers[] = {Answer::Yes, Answer::No, Answer::Abort, Answer::Closed};
  s.warning = answers[a.answer % 4];
  s.question = a.answer % 3 == 1 ? Answer::No : Answer::Yes;
  p.wd->script = s;
  p.head.dialogs.script = s;
}

// --- the main window's boxes, lists, switches and pictures -------------------

// The headless core leaves the boxes the window saw lose the focus, in order.
void drain_focus(Program& p) {
  Headless& h = p.head;
  for (const std::optional<Ctl>& left : p.focus.take()) {
    h.session.end_typing();
    if (!left) continue;
    const ControlSpec& spec = control_spec(*left);
    if (spec.kind == ControlKind::TextBox && (spec.flags & (cflag::IntCheck | cflag::RealCheck)))
      h.session.leave(*left);
  }
}

// The widget reached as the user reaches it (reachable above); bringing
// its page to the front may take the focus from a box on another page, and
// the headless core leaves that box at the same moment.
bool reach(Program& p, QWidget* widget) {
  const bool ok = reachable(widget);
  drain_focus(p);
  return ok;
}

void commit_box(Program& p, Ctl id) {
  // The user leaves the box (Tab): focus-out with the reason a key gives.
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(p.w().widget(id), &out);
  drain_focus(p);
}

Action make_paste_text(Gen& g) {
  const Ctl box = g.of(g.choices.texts);
  const int commit = g.chance(70);
  return action(name_of(box), commit, 0, g.text());
}
bool act_paste_text(Program& p, const Action& a) {
  const Ctl id = *control_by_name(a.target);
  if (!reach(p, p.w().widget(id))) return false;
  gui_test::enter_as_user(p.w().widget(id), q(a.text));
  Headless& h = p.head;
  h.session.set_text(id, a.text);
  if (a.n) commit_box(p, id);
  return true;
}

Action make_key_text(Gen& g) {
  std::string keys;
  for (int i = g.pick(6); i >= 0; --i) keys += "0123456789.,-+e a"[g.pick(17)];
  const Ctl box = g.of(g.choices.texts);
  const int backspaces = g.pick(3);
  return action(name_of(box), backspaces, g.chance(50), keys);
}
bool act_key_text(Program& p, const Action& a) {
  const Ctl id = *control_by_name(a.target);
  auto* edit = static_cast<QLineEdit*>(p.w().widget(id));
  if (!reach(p, edit)) return false;
  Headless& h = p.head;
  auto key = [&](const std::string& after) { h.session.set_text(id, after); };
  for (int i = 0; i < a.n; ++i) {  // backspaces at the end of the text
    edit->end(false);
    const bool empty = edit->text().isEmpty();
    QTest::keyClick(edit, Qt::Key_Backspace);
    if (!empty) key(QString::fromStdString(h.calc.sheet.text(id)).chopped(1).toStdString());  // one character
  }
  for (char c : a.text) {
    edit->end(false);
    QTest::keyClicks(edit, QString(QChar(c)));
    key(h.calc.sheet.text(id) + c);
  }
  if (a.m) commit_box(p, id);
  return true;
}

Action make_number(Gen& g) {
  const Ctl box = g.of(g.choices.numbers);
  const int how = g.pick(3);
  return action(name_of(box), how, g.pick(260) - 30);
}
bool act_number(Program& p, const Action& a) {
  const Ctl id = *control_by_name(a.target);
  auto* spin = static_cast<QSpinBox*>(p.w().widget(id));
  if (!reach(p, spin)) return false;
  // n: 0 a value typed, 1 the arrow keys, 2 page keys.
  const int wanted = a.n == 0 ? a.m : spin->value() + (a.n == 1 ? (a.m % 3) - 1 : a.m);
  const int now = spin->value();
  const int value = std::clamp(wanted, spin->minimum(), spin->maximum());
  spin->setValue(wanted);
  Headless& h = p.head;
  if (value != now) h.session.set_text(id, int_text(value));
  if (a.n == 0) commit_box(p, id);
  return true;
}

Action make_leave(Gen& g) {
  return action(name_of(g.chance(70) ? g.of(g.choices.texts) : g.of(g.choices.numbers)));
}
bool act_leave(Program& p, const Action& a) {
  const Ctl id = *control_by_name(a.target);
  if (!reach(p, p.w().widget(id))) return false;
  commit_box(p, id);
  return true;
}

bool choose_row(Program& p, Ctl id, int raw) {
  auto* combo = static_cast<QComboBox*>(p.w().widget(id));
  if (!reach(p, combo) || combo->count() == 0) return false;
  const int row = raw % combo->count();
  gui_test::enter_as_user(combo, QString::number(row));
  Headless& h = p.head;
  h.session.select_row(id, row);
  return true;
}
Action make_list(Gen& g) {
  const Ctl list = g.of(g.choices.lists);
  return action(name_of(list), g.pick(1000));
}
bool act_list(Program& p, const Action& a) { return choose_row(p, *control_by_name(a.target), a.n); }
Action make_class(Gen& g) { return action("Select_class", g.pick(1000)); }

Action make_check(Gen& g) { return action(name_of(g.of(g.choices.checks))); }
bool act_check(Program& p, const Action& a) {
  const Ctl id = *control_by_name(a.target);
  auto* check = static_cast<QCheckBox*>(p.w().widget(id));
  if (!reach(p, check)) return false;
  const bool to = !check->isChecked();
  check->click();
  Headless& h = p.head;
  h.session.set_checked(id, to);
  return true;
}

// The headless side of a command of the main window (a menu item, a tool
// button, a picture, a button), as the window performs it.
void head_perform(Program& p, Ctl id) {
  Headless& h = p.head;
  if (window_of_command(id) || id == Ctl::MainMenu_help_help) return;  // a window shows; the sheet stays
  if (id == Ctl::MainMenu_file_exit || id == Ctl::Button1) {
    (void)h.session.may_close();
    return;
  }
  if (control_spec(id).kind == ControlKind::ToolButton) return head_perform(p, layout::tool_button_command(id));
  h.session.click(id);
}
Action make_picture(Gen& g) { return action(name_of(g.of(g.choices.pictures))); }
bool act_picture(Program& p, const Action& a) {
  const Ctl id = *control_by_name(a.target);
  QWidget* picture = p.w().widget(id);
  if (!reach(p, picture)) return false;
  QTest::mouseClick(picture, Qt::LeftButton);
  head_perform(p, id);
  p.close_modal_windows();
  return true;
}

Action make_button(Gen& g) { return action(name_of(g.of(g.choices.buttons))); }
bool act_button(Program& p, const Action& a) {
  const Ctl id = *control_by_name(a.target);
  auto* button = qobject_cast<QAbstractButton*>(p.w().widget(id));
  if (!reach(p, button)) return false;
  button->click();
  head_perform(p, id);
  p.close_modal_windows();
  return true;
}

// --- menus ----------------------------------------------------------------------

Action make_menu_item(Gen& g) { return action(g.of(g.choices.menu_items)); }
bool act_menu_item(Program& p, const Action& a) {
  QAction* item = p.w().findChild<QAction*>(q(a.target));
  if (!reachable(item)) return false;
  Headless& h = p.head;
  const QString name = q(a.target);
  item->trigger();
  if (auto id = control_by_name(a.target)) {
    head_perform(p, *id);
  } else if (name == "undo") {
    h.session.undo();
  } else if (name == "redo") {
    h.session.redo();
  } else if (name.startsWith("recent_file_")) {
    h.session.load_recent(static_cast<std::size_t>(name.mid(12).toInt() - 1));
  } else if (name == "MainMenu_export_copy_code") {
    h.clipboard = h.session.copy_build_code();
  } else if (name == "MainMenu_file_paste_code") {
    h.session.paste_build_code(h.clipboard);
  }  // zoom_*: the windows' size only
  p.close_modal_windows();
  return true;
}

// A load or save by the menu (the tool buttons and recent files come as
// menu items and buttons too); the file comes from the action's script.
Action make_load(Gen& g) { return action(g.chance(80) ? "MainMenu_file_load" : "MainMenu_file_save"); }

// A code on the clipboard, then "Paste Build Code".
Action make_paste_code(Gen& g) {
  Action a = action("MainMenu_file_paste_code", g.pick(4));
  if (a.n == 1) a.text = "BRK-" + g.text();
  if (a.n == 2) a.text = g.text();
  return a;
}
bool act_paste_code(Program& p, const Action& a) {
  if (a.n == 0) {  // the window's own code, copied first
    act_menu_item(p, action("MainMenu_export_copy_code"));
  } else if (a.n != 3) {
    QGuiApplication::clipboard()->setText(q(a.text));
    p.head.clipboard = a.text;
  }
  return act_menu_item(p, a);
}

Action make_popup(Gen& g) {
  const auto& [which, page, item] = g.of(g.choices.popup_items);
  return action(item, static_cast<int>(which), static_cast<int>(page));
}
bool head_popup_enabled(Headless& h, Popup which, Ctl page, const std::string& item) {
  PopupMenus menus;
  menus.handle_popup(h.calc, which, page);
  const auto found = menus.find(item);
  return found && found->item->enabled && (!found->parent || found->parent->enabled);
}
bool act_popup(Program& p, const Action& a) {
  const auto which = static_cast<Popup>(a.n);
  const auto page = static_cast<Ctl>(a.m);
  QWidget* on = p.w().widget(page);
  if (!reach(p, on)) return false;
  auto* view = p.w().findChild<PopupMenuView*>(QStringLiteral("popup_menus"));
  // The right click: the menu is prepared for the page and pops up.
  emit on->customContextMenuRequested(QPoint(5, 5));
  QMenu* menu = view->menu(which);
  QAction* item = menu->findChild<QAction*>(q(a.target));
  const bool enabled = item && item->isEnabled() && (!qobject_cast<QMenu*>(item->parent()) ||
                                                     static_cast<QMenu*>(item->parent())->menuAction()->isEnabled());
  Headless& h = p.head;
  const bool head_enabled = head_popup_enabled(h, which, page, a.target);
  if (enabled) item->trigger();
  menu->hide();
  if (enabled != head_enabled) {
    h.calc.sheet.status_panel1 = "[soak] the menu item is " + std::string(head_enabled ? "enabled" : "disabled") +
                                 " in the headless core";
    return false;
  }
  if (enabled) h.session.click_menu_item(a.target, page);
  return enabled;
}

// --- secondary windows --------------------------------------------------------------

Action make_browser(Gen& g) {
  const BrowserKind k = kAllBrowserKinds[static_cast<std::size_t>(g.pick(kBrowserKindCount))];
  const int op = g.pick(6);
  return action(std::string(browser_info(k).key), op, g.pick(60));
}
bool act_browser(Program& p, const Action& a) {
  const BrowserKind k = *browser_kind_of(a.target);
  auto* b = p.open<ItemBrowserWindow>(window_of(k));
  HeadBrowser& hb = p.head.browser(k);
  const BrowserInfo& info = browser_info(k);
  switch (a.n) {
    case 0:
    case 1: {  // a class of the class choice
      const int row = a.m % static_cast<int>(info.class_rows.size());
      auto* box = b->findChild<QGroupBox*>(q(browser_layout(k).class_choice_name));
      const auto buttons = box->findChildren<QRadioButton*>();
      buttons.at(row)->click();
      hb.choice.class_row = row;
      p.head.fill(k);
      break;
    }
    case 2: {  // a type of the weapon window
      if (k != BrowserKind::Weapon) return false;
      const int kind = a.m % kWeaponKindCount;
      b->findChild<QGroupBox*>(QStringLiteral("Select_type"))->findChildren<QRadioButton*>().at(kind)->click();
      hb.choice.weapon_kind = kind;
      p.head.fill(k);
      break;
    }
    case 3:
    case 4: {  // a row of the grid
      const int row = a.m % (info.rows + 1);
      b->click_row(row);
      const auto d = item_details(k, hb.choice, hb.grid, b->grid()->selected_row(), p.head.calc.format());
      if (!d) break;
      const std::string path = resolve_image(p.head.calc.state.app_dir, d->picture);
      QImageReader reader(QString::fromStdString(path));
      if (reader.read().isNull()) {
        p.head.calc.AppException(b->objectName().toStdString(), "Armor_pic",
                                 "Cannot read the picture " + path + ": " + reader.errorString().toStdString());
        break;
      }
      if (d->resistances)
        for (std::size_t i = 0; i < kResistanceFields.size(); ++i)
          hb.labels[std::string(kResistanceFields[i].value_name)] = (*d->resistances)[i];
      for (const auto& [name, text] : d->labels) hb.labels[name] = text;
      break;
    }
    default:  // Reset
      b->findChild<QPushButton*>(QStringLiteral("btn_reset"))->click();
      p.head.set_browser_class(k, -1);
  }
  return true;
}

Action make_skills(Gen& g) {
  const int op = g.pick(2);
  return action("FrmSkills", op, g.pick(40));
}
bool act_skills(Program& p, const Action& a) {
  auto* s = p.open<SkillInfoWindow>(WindowId::Skills);
  Headless& h = p.head;
  if (a.n == 0) {
    s->choose_tier(1 + a.m % 4);
    h.skill_tier = 1 + a.m % 4;
  } else {
    const int row = a.m % 8;
    gui_test::enter_as_user(s->class_list(), QString::number(row));
    h.skill_class = row;
  }
  if (h.skill_tier >= 1 && h.skill_class >= 0) h.skill_shown = skill_info(h.skill_class, h.skill_tier, h.calc.format());
  return true;
}

Action make_aging(Gen& g) {
  const int op = g.pick(10);
  Action a = action("FrmFunAge", op, g.pick(kPricedSheltoms * 4));
  if (a.n == 3) a.text = g.chance(50) ? g.text() : std::to_string(g.pick(100000));
  return a;
}
bool act_aging(Program& p, const Action& a) {
  auto* w = p.open<AgingWindow>(WindowId::Aging);
  Headless& h = p.head;
  switch (a.n) {
    case 0:
    case 1: {  // Select Item
      const int row = a.m % kSampleItems;
      w->findChild<QGroupBox*>(QStringLiteral("Select_item"))->findChildren<QRadioButton*>().at(row)->click();
      h.aging.selected_item = row;
      break;
    }
    case 2:  // Reset
      w->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
      reset_aging(h.aging);
      break;
    case 3: {  // a price typed
      const int box = a.m % kPricedSheltoms;
      w->findChild<QLineEdit*>(QString::fromLatin1(kPriceBoxNames[static_cast<std::size_t>(box)]))->setText(q(a.text));
      h.aging.price_texts[static_cast<std::size_t>(box)] = QString::fromStdString(a.text).toStdString();
      break;
    }
    default: {  // Age!
      auto* age = w->findChild<QPushButton*>(QStringLiteral("Button1"));
      if (!age->isEnabled()) return false;
      age->click();
      try {
        age_once(h.aging, h.aging_random, h.dialogs, h.calc.format());
      } catch (const std::exception& e) {
        h.calc.AppException("FunAgeForm", "Button1", e.what());
      }
    }
  }
  return true;
}

// The patcher only ever on a tree of its own: the tree, a folder in it, a
// missing folder, a file, a link to the root; and the texts the window
// refuses: empty, blank, relative, the root itself. The dialogs never agree
// to a folder outside the trees (SoakDialogs::question_yes_no).
Action make_patcher(Gen& g) {
  const int folder = g.pick(9);
  return action("FrmBMPPatch", folder, g.pick(4));
}
bool act_patcher(Program& p, const Action& a) {
  auto* w = p.open<PatcherWindow>(WindowId::BmpPatcher);
  struct Folder {
    const char* text;
    bool in_tree;  // below the tree, or the text as it stands
  };
  static constexpr Folder kFolders[] = {{"", true},        {"/sub", true}, {"/missing", true},
                                        {"/a.bmp", true},  {"/to_root", true}, {"", false},
                                        {"   ", false},    {"sub", false},  {"/", false}};
  const Folder& f = kFolders[a.n];
  auto text = [&](bool window) {
    return f.in_tree ? p.folders.tree(window) + QString::fromLatin1(f.text) : QString::fromLatin1(f.text);
  };
  w->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(text(true));
  Headless& h = p.head;
  if (a.m < 3) {
    p.wd->allowed = p.folders.tree(true).toStdString();
    h.dialogs.allowed = p.folders.tree(false).toStdString();
    w->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    try {
      h.patcher.patch_after_asking(text(false).toStdString(), h.dialogs);
    } catch (const std::exception& e) {
      h.calc.AppException("bmpPatchForm", "Button1", e.what());
    }
  } else {
    w->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    h.patcher.save_log(h.dialogs);
  }
  w->findChild<QPushButton*>(QStringLiteral("Button3"))->click();  // Close
  return true;
}

struct Kind {
  const char* name;
  int weight;
  Make make;
  Act act;
};
const Kind kKinds[] = {
    {"paste_text", 16, &make_paste_text, &act_paste_text},
    {"key_text", 9, &make_key_text, &act_key_text},
    {"number", 10, &make_number, &act_number},
    {"leave_box", 4, &make_leave, &act_leave},
    {"list", 12, &make_list, &act_list},
    {"class", 4, &make_class, &act_list},
    {"check", 6, &make_check, &act_check},
    {"picture", 8, &make_picture, &act_picture},
    {"button", 3, &make_button, &act_button},
    {"menu_item", 7, &make_menu_item, &act_menu_item},
    {"load_save", 4, &make_load, &act_menu_item},
    {"paste_code", 2, &make_paste_code, &act_paste_code},
    {"popup", 10, &make_popup, &act_popup},
    {"browser", 5, &make_browser, &act_browser},
    {"skills", 2, &make_skills, &act_skills},
    {"aging", 4, &make_aging, &act_aging},
    {"patcher", 1, &make_patcher, &act_patcher},
};

std::vector<Action> make_actions(const Choices& choices, std::uint64_t seed, int count) {
  Gen g{std::mt19937_64(seed), choices};
  int total = 0;
  for (const Kind& k : kKinds) total += k.weight;
  std::vector<Action> actions;
  actions.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    int roll = g.pick(total), kind = 0;
    while (roll >= kKinds[kind].weight) roll -= kKinds[kind++].weight;
    Action a = kKinds[kind].make(g);
    a.kind = kind;
    a.file = g.pick(1000);
    a.answer = g.pick(4);
    actions.push_back(std::move(a));
  }
  return actions;
}

std::string describe(const Action& a) {
  std::string text = a.text.size() > 60 ? a.text.substr(0, 60) + "...(" + std::to_string(a.text.size()) + " chars)" : a.text;
  std::string s = std::string(kKinds[a.kind].name) + " " + a.target + " n=" + std::to_string(a.n) +
                  " m=" + std::to_string(a.m);
  if (!a.text.empty() || a.kind == 0) s += " text=\"" + text + "\"";
  return s + " file=" + std::to_string(a.file) + " answer=" + std::to_string(a.answer);
}

Choices read_choices(Program& p) {
  Choices c;
  for (Ctl id : all_controls()) {
    switch (control_spec(id).kind) {
      case ControlKind::TextBox: c.texts.push_back(id); break;
      case ControlKind::NumberField: c.numbers.push_back(id); break;
      case ControlKind::DropDown:
        if (id != Ctl::Select_class) c.lists.push_back(id);
        break;
      case ControlKind::CheckBox: c.checks.push_back(id); break;
      case ControlKind::Picture:
        if (layout::clickable_picture(id)) c.pictures.push_back(id);
        break;
      case ControlKind::Button:
      case ControlKind::ToolButton: c.buttons.push_back(id); break;
      default: break;
    }
  }
  std::function<void(QMenu*)> walk = [&](QMenu* menu) {
    for (QAction* a : menu->actions()) {
      if (a->menu()) walk(a->menu());
      else if (!a->isSeparator() && !a->objectName().isEmpty()) c.menu_items.push_back(a->objectName().toStdString());
    }
  };
  for (QAction* a : p.w().menuBar()->actions())
    if (a->menu()) walk(a->menu());
  const PopupMenus menus;
  std::function<void(Popup, Ctl, const std::vector<MenuEntry>&)> items = [&](Popup w, Ctl page,
                                                                              const std::vector<MenuEntry>& es) {
    for (const MenuEntry& e : es) {
      if (e.separator) continue;
      if (!e.items.empty()) items(w, page, e.items);
      else c.popup_items.emplace_back(w, page, e.name);
    }
  };
  for (Popup w : kAllPopups)
    for (Ctl page : popup_pages(w)) items(w, page, menus.menu(w).items);
  return c;
}

// ---------------------------------------------------------------------------
// The checks after each action. Each gives the first fault it finds.

using Fault = std::optional<std::string>;

QString memo_text(const std::string& text) {
  QString s = q(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  while (s.endsWith(QLatin1Char('\n'))) s.chop(1);
  return s;
}

std::string differing_field(const Control& w, const Control& h) {
  if (w.text != h.text) return "text '" + w.text.substr(0, 80) + "' / '" + h.text.substr(0, 80) + "'";
  if (w.row != h.row) return "row " + std::to_string(w.row) + " / " + std::to_string(h.row);
  if (w.rows != h.rows) return "rows";
  if (w.checked != h.checked) return "checked";
  if (w.enabled != h.enabled) return "enabled";
  if (w.visible != h.visible) return "visible";
  if (w.color != h.color) return "color";
  if (w.picture != h.picture) return "picture '" + w.picture + "' / '" + h.picture + "'";
  if (w.min != h.min || w.max != h.max) return "range";
  return "hint";
}

Fault check_alive(Program& p) {
  if (!p.w().isVisible()) return "the main window is gone";
  if (!p.wc().attached(Ctl::stat_level) || !p.wc().attached(Ctl::Select_class)) return "the sheet is left detached";
  if (p.w().status_text(1).isEmpty()) return "the status bar shows neither \"OK\" nor a message";
  return std::nullopt;
}

// The sheet, state, history and dialogs of the window against the headless core's.
Fault check_core(Program& p) {
  Planner& w = p.wc();
  Headless& h = p.head;
  for (Ctl id : all_controls())
    if (!(w.sheet[id] == h.calc.sheet[id]))
      return name_of(id) + " differs from the headless core: " + differing_field(w.sheet[id], h.calc.sheet[id]);
  if (p.normal(w.sheet.status_panel1) != p.normal(h.calc.sheet.status_panel1))
    return "status '" + w.sheet.status_panel1 + "' / headless '" + h.calc.sheet.status_panel1 + "'";
  if (w.sheet.status_panel0 != h.calc.sheet.status_panel0)
    return "status hint '" + w.sheet.status_panel0 + "' / headless '" + h.calc.sheet.status_panel0 + "'";
  if (!(w.state == h.calc.state)) {
    const auto ws = sheet_json(w)["state"], hs = sheet_json(h.calc)["state"];
    for (auto it = ws.begin(); it != ws.end(); ++it)
      if (!hs.contains(it.key()) || hs[it.key()] != it.value()) return "state " + it.key() + " differs";
    return "the calculation state differs";
  }
  const Session& ws = p.w().session();
  if (ws.undo_count() != h.session.undo_count() || ws.redo_count() != h.session.redo_count() ||
      ws.modified() != h.session.modified())
    return "undo history " + std::to_string(ws.undo_count()) + "/" + std::to_string(ws.redo_count()) + " / headless " +
           std::to_string(h.session.undo_count()) + "/" + std::to_string(h.session.redo_count());
  if (ws.recent_files() != h.session.recent_files()) return "recent files differ";
  if (ws.current_file() != h.session.current_file()) return "the current file differs";
  std::vector<std::string> wa, ha;
  for (const auto& s : p.wd->asked) wa.push_back(p.normal(s));
  for (const auto& s : h.dialogs.asked) ha.push_back(p.normal(s));
  if (wa != ha) return "dialogs asked differ: " + (wa.empty() ? "-" : wa.back()) + " / " + (ha.empty() ? "-" : ha.back());
  if (p.wd->asked_outside || h.dialogs.asked_outside)
    return "the patcher asked to write outside its tree: " + (wa.empty() ? "-" : wa.back());
  return std::nullopt;
}

// Every widget of the main window shows its control.
Fault check_view(Program& p) {
  MainWindow& w = p.w();
  const Sheet& sheet = p.wc().sheet;
  if (w.status_text(1) != q(sheet.status_panel1)) return "status bar shows '" + w.status_text(1).toStdString() + "'";
  const bool modified = w.windowTitle().contains(QStringLiteral(" * \u2014 "));
  if (modified != w.session().modified()) return "the title's modified mark is wrong";
  if (w.windowTitle().count(QString::fromStdString(sheet.text(Ctl::MainForm))) != 1)
    return "the title does not name the program once: " + w.windowTitle().toStdString();
  for (Ctl id : all_controls()) {
    const Control& c = sheet[id];
    QWidget* widget = w.widget(id);
    bool same = true;
    switch (control_spec(id).kind) {
      case ControlKind::Label: same = static_cast<QLabel*>(widget)->text() == q(c.text); break;
      case ControlKind::TextBox: same = static_cast<QLineEdit*>(widget)->text() == q(c.text); break;
      case ControlKind::Memo: same = static_cast<QPlainTextEdit*>(widget)->toPlainText() == memo_text(c.text); break;
      case ControlKind::NumberField: {
        auto* spin = static_cast<QSpinBox*>(widget);
        same = spin->value() == std::clamp(sheet.value(id), c.min, c.max) && spin->minimum() == c.min &&
               spin->maximum() == c.max;
        break;
      }
      case ControlKind::DropDown: {
        auto* combo = static_cast<QComboBox*>(widget);
        same = combo->currentIndex() == c.row && combo->count() == static_cast<int>(c.rows.size());
        break;
      }
      case ControlKind::CheckBox: {
        auto* check = static_cast<QCheckBox*>(widget);
        same = check->isChecked() == c.checked && check->text() == q(c.text);
        break;
      }
      default: continue;
    }
    if (!same) return "the window's " + name_of(id) + " does not show its control";
    if (widget->isEnabled() != c.enabled || widget->isHidden() == c.visible)
      return "the window's " + name_of(id) + " is not enabled or shown as its control";
  }
  return std::nullopt;
}

Fault check_secondary(Program& p) {
  Headless& h = p.head;
  // A window whose contents are not made yet holds its choices alone; the
  // check makes none (the user's actions open them).
  for (BrowserKind k : kAllBrowserKinds) {
    auto* b = p.unmade<ItemBrowserWindow>(window_of(k));
    const HeadBrowser& hb = h.browser(k);
    const std::string key(browser_info(k).key);
    if (b->choice().class_row != hb.choice.class_row || b->choice().weapon_kind != hb.choice.weapon_kind)
      return key + " browser: the choice differs";
    if (!b->built()) continue;
    for (int r = 0; r < b->grid()->rowCount() && r < static_cast<int>(hb.grid.cells.size()); ++r)
      for (int c = 0; c < b->grid()->columnCount(); ++c)
        if (b->grid()->cell(c, r) != q(hb.grid.cell(c, r)))
          return key + " browser: cell " + std::to_string(c) + "," + std::to_string(r) + " differs";
    for (const auto& [name, text] : hb.labels)
      if (b->label_text(q(name)) != q(text)) return key + " browser: " + name + " differs";
  }
  auto* s = p.unmade<SkillInfoWindow>(WindowId::Skills);
  if (s->class_row() != h.skill_class) return "skill window: the class differs";
  if (s->built() && s->class_list()->currentIndex() != h.skill_class) return "skill window: the list differs";
  if (h.skill_shown)
    for (int k = 1; k <= 4; ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      if (s->skill_name(k)->text() != q(h.skill_shown->names[i])) return "skill window: a name differs";
      const auto& cells = h.skill_shown->grids[i].cells;
      for (int r = 0; r < static_cast<int>(cells.size()); ++r)
        for (int c = 0; c < kSkillInfoColumns; ++c)
          if (s->grid(k)->cell(c, r) != q(cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]))
            return "skill window: grid " + std::to_string(k) + " differs";
    }
  auto* aging = p.secondary<AgingWindow>(WindowId::Aging);
  const AgingSimulator& ws = aging->simulator();
  const AgingSimulator& hs = h.aging;
  if (ws.aging_level != hs.aging_level || ws.history != hs.history || ws.item_info != hs.item_info ||
      ws.counts != hs.counts || ws.total_price != hs.total_price || ws.shelt_price != hs.shelt_price ||
      ws.age_price != hs.age_price || ws.plus2 != hs.plus2 || ws.minus2 != hs.minus2 ||
      ws.selected_item != hs.selected_item || ws.price_texts != hs.price_texts || ws.age_enabled != hs.age_enabled)
    return "aging simulator differs from the headless one";
  for (int k = 0; k < kSheltomKinds; ++k)
    if (aging->findChild<QLabel*>(QString::fromLatin1(kSheltomNames[static_cast<std::size_t>(k)]))->text() !=
        q(hs.count_text(k)))
      return "aging window: the count of " + std::string(kSheltomNames[static_cast<std::size_t>(k)]) + " differs";
  if (aging->findChild<QLabel*>(QStringLiteral("total_price"))->text() != q(hs.total_price))
    return "aging window: the total price differs";
  auto* patcher = p.secondary<PatcherWindow>(WindowId::BmpPatcher);
  const BmpPatcher& wp = patcher->patcher();
  std::vector<std::string> wl, hl;
  for (const auto& l : wp.log) wl.push_back(p.normal(l));
  for (const auto& l : h.patcher.log) hl.push_back(p.normal(l));
  if (wp.success != h.patcher.success || wp.fail != h.patcher.fail || wl != hl) return "the patcher differs";
  if (patcher->findChild<QLabel*>(QStringLiteral("lbl_success"))->text() != QString::number(wp.success))
    return "the patcher's success count is not shown";
  return std::nullopt;
}

// The lines error.log gained: each in the one-line format, and saying what
// the headless core logged.
Fault check_error_log(Program& p, std::size_t& head_lines) {
  QFile log(p.folders.app + "/error.log");
  std::vector<std::string> lines;
  if (log.open(QIODevice::ReadOnly)) {
    log.seek(p.log_offset);
    const QByteArray added = log.readAll();
    p.log_offset += added.size();
    if (!added.isEmpty() && !added.endsWith('\n')) return "error.log does not end its line";
    static const QRegularExpression format(
        QStringLiteral("^\\[([^\\[\\]\\r\\n]+)\\] \\[(\\d{1,2}:\\d{2}:\\d{2}(?: [AP]M)?)\\] "
                       "(Error: [^\\r\\n]* \\| Owner: [^\\r\\n]* \\| Detail: [^\\r\\n]*)$"));
    for (const QString& line : QString::fromUtf8(added).split('\n', Qt::SkipEmptyParts)) {
      const auto m = format.match(line);
      if (!m.hasMatch()) return "error.log line in a wrong format: " + line.toStdString();
      if (!QLocale::system().toDate(m.captured(1), QLocale::ShortFormat).isValid())
        return "error.log line with a date in a wrong format: " + line.toStdString();
      lines.push_back(m.captured(3).toStdString());
    }
  }
  const auto& head = p.head.log.lines;
  if (head.size() - head_lines != lines.size())
    return "error.log gained " + std::to_string(lines.size()) + " lines, the headless core logged " +
           std::to_string(head.size() - head_lines);
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (const std::string h = log_line_after_time(head[head_lines + i]); p.normal(lines[i]) != p.normal(h))
      return "error.log line '" + lines[i] + "' / headless '" + h + "'";
  head_lines = head.size();
  return std::nullopt;
}

// ---------------------------------------------------------------------------
// A run: a fresh program, the actions one by one, the checks after each.

struct Outcome {
  std::optional<std::size_t> failed_at;
  std::string fault;
};

struct Soak {
  Folders& folders;
  std::uint64_t seed;
  bool comma;
  // Per kind: actions run, and the time of their actions and of the checks after them.
  std::array<int, std::size(kKinds)> tried{}, runs{};
  std::array<qint64, std::size(kKinds)> act_ns{}, check_ns{};
  std::size_t logged = 0, asked = 0;  // error.log lines and dialogs of the last run

  Outcome run(const std::vector<Action>& actions) {
    Program p(folders, seed, comma);
    asked = 0;
    std::size_t head_lines = p.head.log.lines.size();
    if (auto f = check_error_log(p, head_lines)) return {0, *f};
    for (std::size_t i = 0; i < actions.size(); ++i) {
      const Action& a = actions[i];
      script_dialogs(p, a);
      p.wd->asked.clear();
      p.head.dialogs.asked.clear();
      QElapsedTimer t;
      t.start();
      bool done = false;
      try {
        done = kKinds[a.kind].act(p, a);
      } catch (const std::exception& e) {
        return {i, std::string("an exception escaped: ") + e.what()};
      }
      QCoreApplication::processEvents();
      drain_focus(p);
      const qint64 acted = t.nsecsElapsed();
      const auto k = static_cast<std::size_t>(a.kind);
      ++tried[k];
      runs[k] += done;
      act_ns[k] += acted;
      for (Fault f : {check_alive(p), check_core(p), check_view(p), check_secondary(p), check_error_log(p, head_lines)})
        if (f) return {i, *f};
      check_ns[k] += t.nsecsElapsed() - acted;
      logged = head_lines;
      asked += p.wd->asked.size();
    }
    return {};
  }

  // Delta debugging: drops chunks of the actions while the run still fails.
  std::vector<Action> shrink(std::vector<Action> actions, int budget = 400) {
    // Most faults need only the last few actions: the shortest tail that
    // still fails (1, 2, 4, ... actions) is where the chunks are dropped from.
    for (std::size_t tail = 1; tail < actions.size() && budget > 0; tail *= 2, --budget) {
      std::vector<Action> last(actions.end() - static_cast<std::ptrdiff_t>(tail), actions.end());
      const Outcome o = run(last);
      if (o.failed_at) {
        last.resize(*o.failed_at + 1);
        actions = std::move(last);
        break;
      }
    }
    std::size_t chunks = 2;
    while (actions.size() > 1 && budget > 0) {
      const std::size_t size = (actions.size() + chunks - 1) / chunks;
      bool dropped = false;
      for (std::size_t start = 0; start < actions.size() && budget > 0; start += size) {
        std::vector<Action> rest(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(start));
        rest.insert(rest.end(), actions.begin() + static_cast<std::ptrdiff_t>(std::min(actions.size(), start + size)),
                    actions.end());
        --budget;
        const Outcome o = run(rest);
        if (o.failed_at) {
          rest.resize(*o.failed_at + 1);
          actions = std::move(rest);
          chunks = std::max<std::size_t>(chunks - 1, 2);
          dropped = true;
          break;
        }
      }
      if (!dropped) {
        if (size == 1) break;
        chunks = std::min(actions.size(), chunks * 2);
      }
    }
    return actions;
  }
};

}  // namespace

// The offscreen platform says for every window shown that it cannot raise
// it or grab the keyboard; the soak shows thousands.
QtMessageHandler g_qt_messages = nullptr;
void quiet_platform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  g_qt_messages(type, context, message);
}

class SoakTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { g_qt_messages = qInstallMessageHandler(&quiet_platform); }
  void random_actions_keep_every_window_right() {
    const std::uint64_t seed = qEnvironmentVariableIsSet("BRENNICK_SOAK_SEED")
                                   ? qEnvironmentVariable("BRENNICK_SOAK_SEED").toULongLong()
                                   : 20261209;
    const int count = qEnvironmentVariableIsSet("BRENNICK_SOAK_ACTIONS")
                          ? qEnvironmentVariableIntValue("BRENNICK_SOAK_ACTIONS")
                          : 10000;
    const bool comma = seed % 2 == 1;
    qInfo("soak: seed %llu, %d actions, %s locale", static_cast<unsigned long long>(seed), count,
          comma ? "comma" : "point");
    Folders folders(seed);
    Soak soak{folders, seed, comma};
    Choices choices;
    {
      Program p(folders, seed, comma);
      choices = read_choices(p);
    }
    choices.files = static_cast<int>(folders.loads.size());
    const std::vector<Action> actions = make_actions(choices, seed, count);
    QElapsedTimer timer;
    timer.start();
    const Outcome o = soak.run(actions);
    qInfo("soak: %d actions in %.1f s", count, static_cast<double>(timer.elapsed()) / 1000.0);
    qInfo("soak: %zu lines in error.log, %zu dialogs answered", soak.logged, soak.asked);
    for (std::size_t k = 0; k < std::size(kKinds); ++k)
      qInfo("soak: %-10s %6d actions (%6d the user could reach), %7.1f ms acting, %7.1f ms checking", kKinds[k].name,
            soak.tried[k], soak.runs[k],
            static_cast<double>(soak.act_ns[k]) / 1e6, static_cast<double>(soak.check_ns[k]) / 1e6);
    if (!o.failed_at) return;
    std::fprintf(stderr, "soak: seed %llu fails at action %zu: %s\n  %s\n", static_cast<unsigned long long>(seed), *o.failed_at,
             o.fault.c_str(), describe(actions[*o.failed_at]).c_str());
    std::vector<Action> prefix(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(*o.failed_at + 1));
    const std::vector<Action> shrunk = soak.shrink(prefix);
    const Outcome again = soak.run(shrunk);
    std::string list;
    for (const Action& a : shrunk) list += "  " + describe(a) + "\n";
    std::fprintf(stderr, "soak: shrunk to %zu actions (seed %llu), failing with: %s\n%s", shrunk.size(),
             static_cast<unsigned long long>(seed), again.fault.c_str(), list.c_str());
    QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3").arg(seed).arg(*o.failed_at).arg(q(o.fault))));
  }
};

// The soak's one test function runs as long as its actions ask (the ctest
// entry has its own limit), not Qt Test's five minutes.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  SoakTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}
#include "soak_test.moc"
