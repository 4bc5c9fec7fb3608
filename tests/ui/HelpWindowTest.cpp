// The help window: F1 and the help buttons open the topic of the help context; the pages come
// from inside the program and their links lead from page to page.
#include "ui/UiFixture.h"

#include "dialogs/HelpTopics.h"
#include "integration/HelpProject.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using dialogs::THauptformular;

namespace {

class HelpWindowTest : public testing_support::UiFixture {
  protected:
    ~HelpWindowTest() override {
        if (QTextBrowser* window = HelpWindow()) {
            delete window;
        }
    }
    static QTextBrowser* HelpWindow() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "help" && window->isVisible()) {
                return qobject_cast<QTextBrowser*>(window);
            }
        }
        return nullptr;
    }
};

TEST_F(HelpWindowTest, F1InTheHubOpensItsTopic) {
    Start start(folder_);
    start.program.hauptformular.Show();
    QDialog& hub = *start.hub.Window();
    QWidget* okbut = hub.findChild<QPushButton*>(THauptformular::kOkbut.c_str());
    okbut->setFocus();
    QTest::keyClick(okbut, Qt::Key_F1);
    QTextBrowser* help = HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->documentTitle(), "Der Einstellungsdialog");
    EXPECT_TRUE(help->toPlainText().contains("Portable Modus"));
}

TEST_F(HelpWindowTest, TheTrayMenusHelpOpensTheHubsTopicWhileTheHubIsHidden) {
    Start start(folder_);
    QAction* help = nullptr;
    for (QAction* item : start.main.PopupMenu()->findChildren<QAction*>()) {
        if (item->text() == "Hilfe") {
            help = item;
        }
    }
    ASSERT_NE(help, nullptr);
    help->trigger();
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->documentTitle(), "Der Einstellungsdialog");
    EXPECT_FALSE(start.hub.Window()->isVisible());
}

TEST_F(HelpWindowTest, ALinkOpensTheNextPageInTheSameWindow) {
    dialogs::ShowHelpTopic(nullptr, 900);
    QTextBrowser* help = HelpWindow();
    ASSERT_NE(help, nullptr);
    // The first link of every page leads to the overview.
    QTest::keyClick(help, Qt::Key_Tab);
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_EQ(HelpWindow(), help);
    EXPECT_EQ(help->documentTitle(), "Tippomat – Übersicht");
}

TEST_F(HelpWindowTest, EveryTopicShowsItsPicturesFromInsideTheProgram) {
    QFile project(":/help/Tippomat.hhp");
    ASSERT_TRUE(project.open(QIODevice::ReadOnly));
    int pictures = 0;
    for (const auto& [context, page] :
         integration::HelpTopicPages(project.readAll().toStdString())) {
        SCOPED_TRACE(page);
        dialogs::ShowHelpTopic(nullptr, context);
        QTextBrowser* help = HelpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_FALSE(help->documentTitle().isEmpty());
        for (QTextBlock block = help->document()->begin(); block.isValid(); block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextCharFormat format = fragment.fragment().charFormat();
                if (format.isImageFormat()) {
                    ++pictures;
                    const QString name = format.toImageFormat().name();
                    const QVariant data = help->loadResource(QTextDocument::ImageResource,
                                                             help->source().resolved(QUrl(name)));
                    EXPECT_FALSE(QImage::fromData(data.toByteArray()).isNull())
                        << name.toStdString();
                }
            }
        }
    }
    EXPECT_GT(pictures, 0);
}

TEST_F(HelpWindowTest, ANumberWithoutTopicOpensNothing) {
    dialogs::ShowHelpTopic(nullptr, 0);
    dialogs::ShowHelpTopic(nullptr, 12345);
    EXPECT_EQ(HelpWindow(), nullptr);
}

} // namespace
