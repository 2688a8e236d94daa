#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "dialogs/FileDialogs.h"
#include "support/TempDir.h"

namespace quorvane::test {
namespace {

using PlatformFileDialog = GuiTest;

bool IsFileDialog(QWidget* w) {
  return qobject_cast<QFileDialog*>(w) != nullptr;
}

// A question of the file dialog itself, captioned with its title.
std::function<bool(QWidget*)> IsQuestion(const QString& title) {
  return [title](QWidget* w) {
    return qobject_cast<QMessageBox*>(w) != nullptr && w->windowTitle() == title;
  };
}

void Press(QWidget* box, QMessageBox::StandardButton button) {
  auto* question = qobject_cast<QMessageBox*>(box);
  ASSERT_NE(question, nullptr);
  QTest::mouseClick(question->button(button), Qt::LeftButton);
}

void ChooseName(QWidget* w, const QString& name) {
  auto* edit = Child<QLineEdit>(w, "fileNameEdit");
  edit->setText(name);
  auto* box = Child<QDialogButtonBox>(w, "buttonBox");
  QPushButton* accept = box->button(QDialogButtonBox::Save);
  if (!accept) accept = box->button(QDialogButtonBox::Open);
  ASSERT_NE(accept, nullptr);
  QTest::mouseClick(accept, Qt::LeftButton);
}

// The names the dialog lists, once its folder has been read.
QStringList ListedNames(QWidget* w) {
  auto* view = Child<QListView>(w, "listView");
  QStringList names;
  for (int wait = 0; wait < 300 && names.isEmpty(); ++wait) {
    QTest::qWait(10);
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
      names << view->model()->index(row, 0, view->rootIndex()).data().toString();
  }
  names.sort();
  return names;
}

TEST_F(PlatformFileDialog, CryptFilterListsCryptsInAnyCase) {
  TempDir dir;
  for (const char* name : {"a.crp", "b.CRP", "c.Crp", "d.txt", "crp"})
    WriteFileBytes(dir / name, "x");
  FileRequest request;
  request.title = QStringLiteral("Select Encrypted File To Get Statistics For");
  request.filters = CryptFilesFilters();
  request.initialName = QString::fromStdString(dir / "a.crp");
  ModalScript script;
  script.Window(
      IsFileDialog,
      [&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), request.title);
        EXPECT_EQ(ListedNames(w), QStringList({"a.crp", "b.CRP", "c.Crp"}));
        ChooseName(w, "b.CRP");
      },
      "file dialog");
  script.Start();
  EXPECT_EQ(PlatformFileDialogs().Choose(nullptr, request), QString::fromStdString(dir / "b.CRP"));
}

TEST_F(PlatformFileDialog, AllFilesListsNamesWithoutADotAndOpenWantsAnExistingFile) {
  TempDir dir;
  for (const char* name : {"README", "a.txt"}) WriteFileBytes(dir / name, "x");
  FileRequest request;
  request.title = QStringLiteral("Select File To Be Encrypted");
  request.filters = AllFilesFilters();
  request.initialName = QString::fromStdString(dir / "README");
  ModalScript script;
  script.Window(
      IsFileDialog,
      [&](QWidget* w) {
        EXPECT_EQ(ListedNames(w), QStringList({"README", "a.txt"}));
        EXPECT_EQ(qobject_cast<QFileDialog*>(w)->fileMode(), QFileDialog::ExistingFile);
        qobject_cast<QDialog*>(w)->reject();
      },
      "file dialog");
  script.Start();
  EXPECT_EQ(PlatformFileDialogs().Choose(nullptr, request), std::nullopt);
}

TEST_F(PlatformFileDialog, SaveAsksBeforeReplacingAndBeforeCreating) {
  TempDir dir;
  WriteFileBytes(dir / "old.crp", "x");
  FileRequest request;
  request.kind = FileRequest::Kind::Save;
  request.title = QStringLiteral("Select Name To Use For Encrypted File");
  request.filters = CryptFilesFilters();
  request.initialName = QString::fromStdString(dir / "old.crp");

  // An existing file: replace it? Yes.
  ModalScript replace;
  replace
      .Window(
          IsFileDialog, [](QWidget* w) { ChooseName(w, "old.crp"); }, "file dialog")
      .Window(
          IsQuestion(request.title), [](QWidget* w) { Press(w, QMessageBox::Yes); },
          "replace question");
  replace.Start();
  EXPECT_EQ(PlatformFileDialogs().Choose(nullptr, request),
            QString::fromStdString(dir / "old.crp"));

  // A new file: create it? No goes back to the dialog, Yes takes the name.
  ModalScript create;
  create
      .Window(
          IsFileDialog, [](QWidget* w) { ChooseName(w, "new.crp"); }, "file dialog")
      .Window(
          IsQuestion(request.title),
          [](QWidget* w) {
            EXPECT_TRUE(qobject_cast<QMessageBox*>(w)->text().contains("new.crp"));
            Press(w, QMessageBox::No);
          },
          "create question")
      .Window(
          IsFileDialog, [](QWidget* w) { ChooseName(w, "new.crp"); }, "file dialog again")
      .Window(
          IsQuestion(request.title), [](QWidget* w) { Press(w, QMessageBox::Yes); },
          "create question again");
  create.Start();
  EXPECT_EQ(PlatformFileDialogs().Choose(nullptr, request),
            QString::fromStdString(dir / "new.crp"));
  EXPECT_FALSE(FileExists(dir / "new.crp")) << "the dialog only chooses a name";
}

}  // namespace
}  // namespace quorvane::test
