// Help > Keyboard: every shortcut of the menus, read from the menus
// themselves, and the keys that work on a control or in the large view.
#include "run_folder_fixture.h"

#include "keyboard_help.h"
#include "large_view_window.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

class KeyboardHelp : public RunFolderTest {
protected:
  QDialog *showHelp(frmOrvelModel &f) {
    scene::showKeyboardHelp(&f);
    const auto dialogs = f.findChildren<QDialog *>(QStringLiteral("keyboardHelp"));
    EXPECT_EQ(dialogs.size(), 1);
    return dialogs.value(0);
  }

  // The "What they do" texts of the rows whose keys are `keys`.
  static QStringList doneBy(QDialog *help, const QKeySequence &keys) {
    const QTableWidget *table = help->findChild<QTableWidget *>();
    QStringList what;
    for (int row = 0; row < table->rowCount(); ++row)
      if (table->item(row, 0)->text() == keys.toString(QKeySequence::NativeText))
        what << table->item(row, 1)->text();
    return what;
  }
};

} // namespace

TEST_F(KeyboardHelp, ListsTheMenusShortcutsByTheirPlaceInTheMenus) {
  frmOrvelModel &f = openWindow();
  QDialog *help = showHelp(f);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), "Keyboard");
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(help->isModal());
  EXPECT_TRUE(doneBy(help, Qt::Key_Space).contains("Simulation: Pause"));
  EXPECT_TRUE(doneBy(help, QKeySequence::Open).contains("File: Open Scenario"));
  EXPECT_TRUE(doneBy(help, QKeySequence(Qt::CTRL | Qt::Key_G)).contains("View: Large View"));
  EXPECT_TRUE(doneBy(help, QKeySequence(Qt::ALT | Qt::Key_F)).contains("Open the File menu"));
  EXPECT_TRUE(doneBy(help, Qt::Key_Tab).contains("Move to the next control"));

  const QTableWidget *table = help->findChild<QTableWidget *>();
  EXPECT_EQ(table->horizontalHeaderItem(0)->text(), "Keys");
  EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "What they do");
  EXPECT_FALSE(table->accessibleName().isEmpty());
  EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(KeyboardHelp, AShortcutGivenLaterIsListedWhenTheListShowsAgain) {
  frmOrvelModel &f = openWindow();
  QDialog *first = showHelp(f);
  EXPECT_TRUE(doneBy(first, Qt::Key_F1).isEmpty());
  f.mnuHelpTopics->setShortcut(Qt::Key_F1);
  QDialog *again = showHelp(f);
  EXPECT_EQ(again, first) << "one list, brought up again";
  EXPECT_EQ(doneBy(again, Qt::Key_F1), QStringList{"Help: Topics"});
}

// The large view's tool-bar shortcuts are listed as the large view has them.
TEST_F(KeyboardHelp, ListsTheLargeViewsShortcutsAsItHasThem) {
  frmOrvelModel &f = openWindow();
  f.mnuViewLargeView->trigger();
  const views::LargeViewWindow *large = f.largeViewWindow();
  QDialog *help = showHelp(f);
  for (const QAction *action : {large->colourBySpeed, large->fullScreen, large->exportPicture}) {
    const QStringList what = doneBy(help, action->shortcut());
    ASSERT_EQ(what.size(), 1) << action->text().toStdString();
    EXPECT_TRUE(what[0].startsWith("In the large view")) << what[0].toStdString();
  }
}

TEST_F(KeyboardHelp, EscapeAndCloseHideIt) {
  frmOrvelModel &f = openWindow();
  QDialog *help = showHelp(f);
  help->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  QTest::keyClick(help, Qt::Key_Escape);
  EXPECT_FALSE(help->isVisible());

  help = showHelp(f);
  ASSERT_TRUE(help->isVisible());
  QPushButton *close = help->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close);
  ASSERT_NE(close, nullptr);
  close->click();
  EXPECT_FALSE(help->isVisible());
}

// Tab leaves the list for the Close button instead of walking its cells.
TEST_F(KeyboardHelp, TabMovesFromTheListToClose) {
  frmOrvelModel &f = openWindow();
  QDialog *help = showHelp(f);
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  auto *table = help->findChild<QTableWidget *>();
  table->setFocus(Qt::TabFocusReason);
  QTest::keyClick(table, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(),
            help->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close));
}
