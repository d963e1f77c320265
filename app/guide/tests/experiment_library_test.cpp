// Where the lessons are found and how a teacher's file from anywhere is
// taken into the user's folder with the files it needs.
#include "user_folder_fixture.h"

#include <QTemporaryDir>

using guide::ExperimentEntry;

namespace {

QByteArray lesson(const char *title, const char *extra = "") {
  return QByteArray("experiment = ") + title + "\n" + extra + "step = Look\n";
}

QStringList titles(const QList<ExperimentEntry> &entries) {
  QStringList result;
  for (const ExperimentEntry &entry : entries)
    result << entry.title;
  return result;
}

// A lesson beside its own scenario, card and picture, with a file it does
// not name and a shipped scenario it loads.
const QByteArray kOwnLesson = R"(experiment = My own
step = Mine
picture = crystal.png
do = load own.ams
step = Shipped
do = load gas.ams
)";

} // namespace

class Library : public UserFolderTest {
protected:
  QString shippedFile(int folder, const QString &name) const {
    return QDir(shipped[folder].path()).filePath(name);
  }
  QString elsewhereFile(const QString &name) const { return QDir(elsewhere.path()).filePath(name); }
  QStringList shippedFolders() const { return {shipped[0].path(), shipped[1].path()}; }
  // A teacher's lesson outside every folder the program knows.
  void writeOwnLesson() {
    write(elsewhereFile(QStringLiteral("mine.experiment")), kOwnLesson);
    write(elsewhereFile(QStringLiteral("own.ams")), "scenario");
    write(elsewhereFile(QStringLiteral("own.card")), "card");
    write(elsewhereFile(QStringLiteral("crystal.png")), "picture");
    write(elsewhereFile(QStringLiteral("notes.txt")), "not named");
  }
  QString userFile(const QString &name) const {
    return QDir(guide::userExperimentFolder()).filePath(name);
  }

  QTemporaryDir shipped[2];
  QTemporaryDir elsewhere;
};

TEST_F(Library, ListsTheShippedFoldersInOrderThenTheUsersOwnEachByFileName) {
  write(shippedFile(0, "b.experiment"), lesson("Beta", "minutes = 7\nsummary = Second.\n"));
  write(shippedFile(0, "a.experiment"), lesson("Alpha"));
  write(shippedFile(1, "c.experiment"), lesson("Gamma"));
  write(shippedFile(1, "a.experiment"), lesson("Alpha again"));
  write(shippedFile(1, "notes.txt"), lesson("Not a lesson"));
  write(userFile("z/z.experiment"), lesson("Zeta"));
  write(userFile("y/a.experiment"), lesson("Own alpha"));

  const QList<ExperimentEntry> entries = guide::listExperiments(shippedFolders());
  EXPECT_EQ(titles(entries), QStringList({"Alpha", "Beta", "Gamma", "Own alpha", "Zeta"}));
  ASSERT_EQ(entries.size(), 5);
  EXPECT_EQ(entries[0].path, shippedFile(0, "a.experiment"));
  EXPECT_TRUE(entries[2].shipped);
  EXPECT_FALSE(entries[3].shipped);
  EXPECT_EQ(entries[3].path, userFile("y/a.experiment"));
  EXPECT_EQ(entries[1].minutes, 7);
  EXPECT_EQ(entries[1].summary, QStringLiteral("Second."));
}

TEST_F(Library, LeavesOutFilesThatCannotBeRead) {
  write(shippedFile(0, "good.experiment"), lesson("Good"));
  write(shippedFile(0, "bad.experiment"), "experiment = Bad\nstep = One\ndo = fly\n");
  write(shippedFile(0, "empty.experiment"), "");
  write(userFile("mine/mine.experiment"), "no lesson at all");
  EXPECT_EQ(titles(guide::listExperiments(shippedFolders())), QStringList({"Good"}));
}

TEST_F(Library, FindsALessonByItsTitleInAnyCaseOrByItsFileName) {
  write(shippedFile(0, "melting-point.experiment"), lesson("The melting point"));
  write(shippedFile(0, "boiling.experiment"), lesson("Boiling"));
  const QList<ExperimentEntry> entries = guide::listExperiments(shippedFolders());
  EXPECT_EQ(guide::findExperiment(entries, QStringLiteral("the MELTING point")).path,
            shippedFile(0, "melting-point.experiment"));
  EXPECT_EQ(guide::findExperiment(entries, QStringLiteral("melting-point")).path,
            shippedFile(0, "melting-point.experiment"));
  EXPECT_EQ(guide::findExperiment(entries, QStringLiteral("Boiling")).title,
            QStringLiteral("Boiling"));
  EXPECT_TRUE(guide::findExperiment(entries, QStringLiteral("melting")).path.isEmpty());
}

TEST_F(Library, ALessonFromElsewhereIsCopiedWithTheFilesItNames) {
  writeOwnLesson();
  const guide::Opened opened =
      guide::openExperiment(elsewhereFile(QStringLiteral("mine.experiment")), shippedFolders());
  ASSERT_TRUE(opened.problem.isEmpty()) << opened.problem.toStdString();
  EXPECT_TRUE(opened.note.isEmpty()) << opened.note.toStdString();
  EXPECT_EQ(opened.experiment.title, "My own");
  EXPECT_EQ(opened.path, userFile(QStringLiteral("mine/mine.experiment")));
  const QDir copy(userFile(QStringLiteral("mine")));
  EXPECT_EQ(copy.entryList(QDir::Files, QDir::Name),
            QStringList({"crystal.png", "mine.experiment", "own.ams", "own.card"}));
  EXPECT_EQ(contents(copy.filePath(QStringLiteral("mine.experiment"))), kOwnLesson);
  EXPECT_EQ(contents(copy.filePath(QStringLiteral("own.card"))), "card");
  EXPECT_EQ(titles(guide::listExperiments(shippedFolders())), QStringList({"My own"}));
}

TEST_F(Library, OpeningALessonAgainBringsItsNewerVersionIn) {
  writeOwnLesson();
  const QString source = elsewhereFile(QStringLiteral("mine.experiment"));
  guide::openExperiment(source, shippedFolders());
  QByteArray changed = kOwnLesson;
  changed.replace("My own", "My own, corrected");
  write(source, changed);
  write(elsewhereFile(QStringLiteral("own.ams")), "scenario, corrected");
  const guide::Opened opened = guide::openExperiment(source, shippedFolders());
  EXPECT_EQ(opened.experiment.title, "My own, corrected");
  EXPECT_EQ(contents(opened.path), changed);
  EXPECT_EQ(contents(userFile(QStringLiteral("mine/own.ams"))), "scenario, corrected");
}

TEST_F(Library, ABrokenLessonIsRefusedWithItsLineAndNothingIsCopied) {
  const QString path = elsewhereFile(QStringLiteral("broken.experiment"));
  write(path, "experiment = Broken\nstep = One\ndo = load own.ams\ndo = fly away\n");
  write(elsewhereFile(QStringLiteral("own.ams")), "scenario");
  const guide::Opened opened = guide::openExperiment(path, shippedFolders());
  EXPECT_TRUE(opened.problem.startsWith(path + QStringLiteral(", line 4: ")))
      << opened.problem.toStdString();
  EXPECT_FALSE(QFileInfo::exists(userFile(QStringLiteral("broken"))));
}

TEST_F(Library, ALessonInTheUsersFolderOrAShippedOneIsOpenedWhereItLies) {
  writeOwnLesson();
  const QString copy =
      guide::openExperiment(elsewhereFile(QStringLiteral("mine.experiment")), shippedFolders())
          .path;
  const guide::Opened again = guide::openExperiment(copy, shippedFolders());
  EXPECT_TRUE(again.problem.isEmpty()) << again.problem.toStdString();
  EXPECT_EQ(again.path, copy);
  EXPECT_EQ(contents(copy), kOwnLesson) << "a file is never copied onto itself";
  EXPECT_EQ(QDir(userFile(QStringLiteral("mine")))
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                .size(),
            4);

  write(shippedFile(1, "shipped.experiment"), lesson("Shipped"));
  const guide::Opened shippedLesson =
      guide::openExperiment(shippedFile(1, "shipped.experiment"), shippedFolders());
  EXPECT_EQ(shippedLesson.path, shippedFile(1, "shipped.experiment"));
  EXPECT_FALSE(QFileInfo::exists(userFile(QStringLiteral("shipped"))));
}
