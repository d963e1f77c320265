#include "keyboard_help.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <vector>

namespace scene {

namespace {

constexpr char kContext[] = "scene::KeyboardHelp";
constexpr char kObjectName[] = "keyboardHelp";
constexpr QSize kStartSize{620, 520}; // pixels

QString translated(const char *source) { return QCoreApplication::translate(kContext, source); }

// Keys that are no menu shortcut: on a control of the main window, and in
// the large view (the keys its picture takes and its tool bar's shortcuts).
struct FixedRow {
  QList<QKeySequence> keys; // any one of them
  const char *what;
};

const std::vector<FixedRow> &fixedRows() {
  static const std::vector<FixedRow> rows{
      {{QKeySequence(Qt::Key_Tab)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "Move to the next control")},
      {{QKeySequence(Qt::SHIFT | Qt::Key_Tab)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "Move to the previous control")},
      {{QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Space)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp",
                         "On a place in the landscape: load its simulation")},
      {{QKeySequence(Qt::Key_Return)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "On the atom view: open the large view")},
      {{QKeySequence(Qt::Key_Up), QKeySequence(Qt::Key_Down)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "On the season bar: summer or winter")},
      {{QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp",
                         "On the time-of-day bar: earlier or later in the day")},
      {{QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "In the large view: turn the box left or right")},
      {{QKeySequence(Qt::Key_Up), QKeySequence(Qt::Key_Down)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "In the large view: tip the box up or down")},
      {{QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Minus)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "In the large view: zoom in or out")},
      {{QKeySequence(Qt::Key_Home)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "In the large view: back to the front view")},
      {{QKeySequence(Qt::Key_C)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp",
                         "In the large view: colour the atoms by speed, or by material")},
      {{QKeySequence(Qt::Key_F11)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "In the large view: full screen, or back")},
      {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "In the large view: export the picture")},
      {{QKeySequence(Qt::Key_Escape)},
       QT_TRANSLATE_NOOP("scene::KeyboardHelp", "Close a menu or a dialog")}};
  return rows;
}

QString keysText(const QList<QKeySequence> &keys) {
  QStringList texts;
  for (const QKeySequence &key : keys)
    texts << key.toString(QKeySequence::NativeText);
  return texts.join(translated(", "));
}

// A menu caption as read: without its access-key marks ("&&" stays one
// "&") and without the ellipsis that announces a dialog.
QString plainCaption(const QString &caption) {
  QString plain;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size())
      ++i;
    plain += caption[i];
  }
  for (const QString &ellipsis : {QStringLiteral("\u2026"), QStringLiteral("...")})
    if (plain.endsWith(ellipsis))
      plain.chop(ellipsis.size());
  return plain.trimmed();
}

struct Row {
  QString keys;
  QString what;
};

// Every entry of the menu, its submenus included, that has a shortcut,
// named by its path through the menus.
void addMenuShortcuts(const QMenu &menu, const QString &path, std::vector<Row> &rows) {
  for (const QAction *action : menu.actions()) {
    if (action->isSeparator() || !action->isVisible())
      continue;
    const QString entry = translated("%1: %2").arg(path, plainCaption(action->text()));
    if (action->menu() != nullptr)
      addMenuShortcuts(*action->menu(), entry, rows);
    else if (!action->shortcuts().isEmpty())
      rows.push_back({keysText(action->shortcuts()), entry});
  }
}

// Alt and a menu's access key open it; then the entries' own shortcuts.
std::vector<Row> menuRows(const QMenuBar &bar) {
  std::vector<Row> rows;
  for (const QAction *action : bar.actions()) {
    if (action->menu() == nullptr || !action->isVisible())
      continue;
    const QString title = plainCaption(action->text());
    const QKeySequence opener = QKeySequence::mnemonic(action->text());
    if (!opener.isEmpty())
      rows.push_back(
          {opener.toString(QKeySequence::NativeText), translated("Open the %1 menu").arg(title)});
  }
  for (const QAction *action : bar.actions())
    if (action->menu() != nullptr && action->isVisible())
      addMenuShortcuts(*action->menu(), plainCaption(action->text()), rows);
  return rows;
}

const QMenuBar *menuBarOf(QWidget *parent) {
  auto *main = parent != nullptr ? qobject_cast<QMainWindow *>(parent->window()) : nullptr;
  return main != nullptr ? main->menuBar() : nullptr;
}

std::vector<Row> allRows(QWidget *parent) {
  std::vector<Row> rows;
  for (const FixedRow &fixed : fixedRows())
    rows.push_back({keysText(fixed.keys), translated(fixed.what)});
  rows.push_back({translated("Alt+underlined letter"),
                  translated("Work the control or open the menu whose caption has that letter "
                             "underlined, as in the Lab")});
  if (const QMenuBar *bar = menuBarOf(parent)) {
    const std::vector<Row> menus = menuRows(*bar);
    rows.insert(rows.end(), menus.begin(), menus.end());
  }
  return rows;
}

void fill(QTableWidget &table, const std::vector<Row> &rows) {
  table.setRowCount(int(rows.size()));
  for (int i = 0; i < int(rows.size()); ++i) {
    table.setItem(i, 0, new QTableWidgetItem(rows[i].keys));
    table.setItem(i, 1, new QTableWidgetItem(rows[i].what));
  }
  table.resizeColumnToContents(0);
}

QTableWidget *makeTable(QWidget *parent) {
  auto *table = new QTableWidget(0, 2, parent);
  table->setHorizontalHeaderLabels({translated("Keys"), translated("What they do")});
  table->setAccessibleName(translated("Keyboard shortcuts"));
  table->setAccessibleDescription(
      translated("Each row names keys and what they do; the arrow keys move between rows"));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  // Tab leaves the list for the Close button; the arrow keys move within it.
  table->setTabKeyNavigation(false);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->setWordWrap(true);
  return table;
}

QDialog *makeDialog(QWidget *parent) {
  auto *dialog = new QDialog(parent);
  dialog->setObjectName(QString::fromLatin1(kObjectName));
  dialog->setWindowTitle(translated("Keyboard"));
  dialog->setAccessibleName(dialog->windowTitle());
  auto *layout = new QVBoxLayout(dialog);
  layout->addWidget(makeTable(dialog));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog->resize(kStartSize);
  return dialog;
}

} // namespace

void showKeyboardHelp(QWidget *parent) {
  auto *dialog = parent != nullptr ? parent->findChild<QDialog *>(QString::fromLatin1(kObjectName),
                                                                  Qt::FindDirectChildrenOnly)
                                   : nullptr;
  if (dialog == nullptr) {
    dialog = makeDialog(parent);
    // Without a parent to keep it, the list goes once it is closed.
    dialog->setAttribute(Qt::WA_DeleteOnClose, parent == nullptr);
  }
  fill(*dialog->findChild<QTableWidget *>(), allRows(parent));
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

} // namespace scene
