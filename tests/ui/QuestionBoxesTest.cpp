// Qt's boxes and choosers as the questions bring them up, unscripted.
#include "dialogs/Questions.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QListView>
#include <QTest>
#include <QTimer>

#include <utility>

#include <sys/stat.h>

namespace {

// It opens in the start folder with its title, and its first choice lists the folders and the
// files the user may execute.
TEST(QuestionBoxesTest, FileChoosersFirstChoiceListsFoldersAndTheFilesTheUserMayExecute) {
    testing_support::TestFolder folder;
    for (const auto& [name, mode] : {std::pair{"prog", 0755}, std::pair{"text.exe", 0644}}) {
        testing_support::WriteBytes(folder.Path(name), "");
        ::chmod(folder.Path(name).c_str(), static_cast<mode_t>(mode));
    }
    ::mkdir(folder.Path("sub").c_str(), 0755);
    QStringList listed;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        title = chooser->windowTitle();
        auto* files = chooser->findChild<QListView*>("listView");
        const auto rows = [files] { return files->model()->rowCount(files->rootIndex()); };
        QTest::qWaitFor([&] { return rows() == 2; });
        for (int row = 0; row < rows(); ++row) {
            listed << files->model()->index(row, 0, files->rootIndex()).data().toString();
        }
        chooser->reject();
    });
    const dialogs::PathQuestion question{dialogs::PathKind::OpenFile, "Programm wählen",
                                         "Nur Programme|*.exe|Alle Dateien|*.*", "exe",
                                         folder.Path()};
    EXPECT_EQ(dialogs::AskPath(nullptr, question), std::nullopt);
    EXPECT_EQ(title, "Programm wählen");
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"prog", "sub"}));
}

} // namespace
