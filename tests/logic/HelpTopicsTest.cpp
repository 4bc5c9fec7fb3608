// Every help context number the program uses has its topic in the help project that both the
// Linux help window and TIPPOMAT.chm are built from (tests/help/check-chm.sh checks the file).
#include "logic/AutostartFolder.h"
#include "logic/LogicFixture.h"

#include "integration/HelpProject.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <set>

using dialogs::TAdmindata;
using dialogs::THauptformular;

namespace {

class RecordingView;
using LiveViews = std::vector<RecordingView*>;

// A dialog's view that tells the numbers of its layout, of the topics it was asked for and of
// the messages it showed before it goes.
class RecordingView : public testing_support::FakeDialogView {
  public:
    RecordingView(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events,
                  std::set<int>& numbers, LiveViews& live)
        : FakeDialogView(layout, events), layout(layout), numbers_(numbers), live_(live) {
        live_.push_back(this);
        numbers_.insert(layout.helpContext);
        for (const dialogs::ControlLayout& control : layout.controls) {
            numbers_.insert(control.helpContext);
        }
    }
    ~RecordingView() override {
        live_.erase(std::find(live_.begin(), live_.end(), this));
        numbers_.insert(helpTopics.begin(), helpTopics.end());
        for (const dialogs::MessageQuestion& message : messages) {
            numbers_.insert(message.helpContext);
        }
    }
    const dialogs::DialogLayout layout;

  private:
    std::set<int>& numbers_;
    LiveViews& live_;
};

class RecordingViews : public testing_support::FakeViewFactory {
  public:
    explicit RecordingViews(std::set<int>& numbers) : numbers_(numbers) {}
    ~RecordingViews() {
        for (const dialogs::MessageQuestion& message : main.messages) {
            numbers_.insert(message.helpContext);
        }
    }
    std::unique_ptr<dialogs::DialogView> NewDialogView(const dialogs::DialogLayout& layout,
                                                       dialogs::DialogEvents& events) override {
        return std::make_unique<RecordingView>(layout, events, numbers_, live);
    }
    LiveViews live;

  private:
    std::set<int>& numbers_;
};

class HelpTopicsTest : public testing_support::LogicFixture {
  protected:
    struct Run {
        Run(const core::ConfigLocation& location, std::set<int>& numbers)
            : views(numbers), program((state.location = location, state), views) {}
        core::ProgramState state;
        RecordingViews views;
        dialogs::Program program;
    };

    // The numbers of every window's layout, of what its help buttons open and of the messages
    // a run shows: the hub opens every dialog it leads to, the help buttons of the dialogs still
    // open are pressed, both shortcut fields are refused.
    std::set<int> NumbersInUse() {
        testing_support::AutostartFolder autostart(folder_);
        std::set<int> numbers{core::Tmain::kHelpContext};
        {
            Run run(location_, numbers);
            dialogs::THauptformular& hub = run.program.hauptformular;
            for (const dialogs::ControlLayout& control : hub.Layout().controls) {
                // Schließen ends the program.
                if (control.kind == dialogs::ControlKind::Button && control.enabled &&
                    control.name != THauptformular::kClosebut.c_str()) {
                    hub.Show();
                    hub.Clicked(control.name);
                }
            }
            hub.Show();
            // The admin hotkey, Alt+F11.
            hub.KeyDown(THauptformular::kKuerzel, 0x7A, {false, false, true});
            run.program.admindata.KeyDown(TAdmindata::kKuerzel, 0x7B, {false, false, true});
            for (RecordingView* view : LiveViews(run.views.live)) {
                for (const dialogs::ControlLayout& control : view->layout.controls) {
                    if (control.kind == dialogs::ControlKind::Button &&
                        control.picture == dialogs::Picture::Help) {
                        view->user.Clicked(control.name);
                    }
                }
            }
        }
        numbers.erase(0);
        return numbers;
    }
};

TEST_F(HelpTopicsTest, EveryContextNumberInUseHasATopicInTheHelpSources) {
    const std::set<int> numbers = NumbersInUse();
    const auto pages = integration::HelpTopicPages(
        testing_support::ReadBytes(std::string(TIPPOMAT_HELP_DIR) + "/Tippomat.hhp"));
    for (const int number : numbers) {
        SCOPED_TRACE(number);
        const auto page = pages.find(number);
        ASSERT_NE(page, pages.end()) << "no topic";
        EXPECT_TRUE(platform::FileExists(std::string(TIPPOMAT_HELP_DIR) + "/" + page->second))
            << page->second;
    }
}

TEST(HelpProjectTest, ANumberLeadsToThePageOfItsName) {
    const auto pages = integration::HelpTopicPages("[OPTIONS]\r\nTitle=x\r\n"
                                                   "[ALIAS]\r\nIDH_900 = hub.html\r\n"
                                                   "IDH_5=\r\n"
                                                   "[MAP]\r\n#define IDH_900 900\r\n"
                                                   "#define IDH_5 5\r\n#define IDH_7 7\r\n"
                                                   "#define IDH_X x1\r\n");
    EXPECT_EQ(pages, (std::map<int, std::string>{{900, "hub.html"}}));
}

} // namespace
