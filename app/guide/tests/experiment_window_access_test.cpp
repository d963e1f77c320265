// The Experiments window without a mouse and with a screen reader: every
// control and readout is reached with Tab, each page's access keys are its
// own, and the feedback of Check, a problem and the value measured are what
// a reader reads of their labels. (The change events themselves go out only
// while a platform's screen reader bridge listens, which offscreen none does.)
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>

#include <set>
#include <vector>

namespace {

class ReaderWindow : public Window {
protected:
  // What a screen reader reads of a widget.
  static QString heard(QWidget *widget, QAccessible::Text text) {
    const QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(widget);
    return reader == nullptr ? QString() : reader->text(text);
  }

  // The widgets Tab visits on the page shown, in the order it visits them.
  std::vector<QWidget *> tabChain() const {
    std::vector<QWidget *> chain;
    QWidget *page = window->pages->currentWidget();
    for (QWidget *w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain())
      if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(page) && w->isEnabled() &&
          page->isAncestorOf(w))
        chain.push_back(w);
    return chain;
  }

  // The access keys of the page shown: its buttons' and its labels' with a buddy.
  std::vector<QKeySequence> accessKeys() const {
    QWidget *page = window->pages->currentWidget();
    std::vector<QKeySequence> keys;
    for (QAbstractButton *button : page->findChildren<QAbstractButton *>())
      if (button->isVisibleTo(page))
        keys.push_back(QKeySequence::mnemonic(button->text()));
    for (QLabel *label : page->findChildren<QLabel *>())
      if (label->isVisibleTo(page) && label->buddy() != nullptr)
        keys.push_back(QKeySequence::mnemonic(label->text()));
    return keys;
  }

  static bool inChain(const std::vector<QWidget *> &chain, QWidget *widget) {
    return std::find(chain.begin(), chain.end(), widget) != chain.end();
  }
};

// Each access key of the page once; the empty keys of the question's own
// prompt are left out.
void expectDistinct(const std::vector<QKeySequence> &keys) {
  std::set<QString> seen;
  for (const QKeySequence &key : keys) {
    if (key.isEmpty())
      continue;
    EXPECT_TRUE(seen.insert(key.toString()).second) << key.toString().toStdString();
  }
  EXPECT_GE(seen.size(), 3u);
}

} // namespace

TEST_F(ReaderWindow, CheckSendsItsFeedbackToAScreenReader) {
  start();
  window->measureButton->click();
  type(QStringLiteral("9"));
  window->checkButton->click();
  EXPECT_TRUE(window->feedback->text().startsWith(QStringLiteral("Not yet:")));
  EXPECT_EQ(heard(window->feedback, QAccessible::Name), QStringLiteral("Feedback"));
  EXPECT_EQ(heard(window->feedback, QAccessible::Description), window->feedback->text());

  window->next->click();
  EXPECT_TRUE(heard(window->feedback, QAccessible::Description).isEmpty())
      << "the next step's feedback starts empty for the reader too";
}

TEST_F(ReaderWindow, TheValueMeasuredAndAProblemReachTheReader) {
  start();
  EXPECT_EQ(heard(window->measured, QAccessible::Description), QStringLiteral("not measured yet"));
  window->measureButton->click();
  EXPECT_EQ(heard(window->measured, QAccessible::Description), QStringLiteral("2.39 kJ/mol"));

  ASSERT_TRUE(stage.loadScenario(stage.shippedScenario(QStringLiteral("gas.ams"))));
  window->measureButton->click();
  EXPECT_TRUE(window->problem->text().contains(QStringLiteral("pair.ams")));
  EXPECT_EQ(heard(window->problem, QAccessible::Description), window->problem->text());
}

TEST_F(ReaderWindow, TabReachesEveryControlAndReadoutOfAStep) {
  start();
  window->measureButton->click();
  const std::vector<QWidget *> chain = tabChain();
  for (QWidget *control :
       {static_cast<QWidget *>(window->text), static_cast<QWidget *>(window->setUpAgain),
        static_cast<QWidget *>(window->measured), static_cast<QWidget *>(window->measureButton),
        static_cast<QWidget *>(window->answer->line), static_cast<QWidget *>(window->checkButton),
        static_cast<QWidget *>(window->feedback), static_cast<QWidget *>(window->chooseButton),
        static_cast<QWidget *>(window->worksheetButton), static_cast<QWidget *>(window->next)})
    EXPECT_TRUE(inChain(chain, control))
        << control->metaObject()->className() << " " << control->accessibleName().toStdString();
  window->next->click(); // a choice, and a step before it
  EXPECT_TRUE(inChain(tabChain(), window->answer->choices));
  EXPECT_TRUE(inChain(tabChain(), window->back));
}

TEST_F(ReaderWindow, TabReachesTheListOfExperimentsAndItsButtons) {
  const std::vector<QWidget *> chain = tabChain();
  EXPECT_TRUE(inChain(chain, window->list));
  EXPECT_TRUE(inChain(chain, window->startButton));
  EXPECT_TRUE(inChain(chain, window->openButton));
}

TEST_F(ReaderWindow, EachPageHasItsOwnAccessKeys) {
  expectDistinct(accessKeys());
  start();
  expectDistinct(accessKeys());
  window->next->click();
  expectDistinct(accessKeys());
}
