// What the window program says about itself: --version agrees with the
// caption, --help and --version need no window, and every window shows
// the program's icon in every size of the icon set.
#include <QApplication>
#include <sstream>

#include "frm_main_fixture.h"
#include "main_window/program_options.h"
#include "windows/frm_all.h"
#include "windows/frm_pop_up.h"
#include "windows/frm_view.h"
#include "windows/program_icon.h"

namespace kalvest {
namespace {

TEST_F(FrmMainTest, VersionOptionPrintsTheCaption) {
    std::ostringstream out;
    EXPECT_EQ(HandleInformationOptions({"--version"}, out), 0);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')), window->windowTitle().toStdString());
    EXPECT_EQ(WindowProgramVersionLine(), window->windowTitle().toStdString());
}

TEST(ProgramOptions, HelpAndVersionEndTheProgramOtherArgumentsGoToQt) {
    std::ostringstream help;
    EXPECT_EQ(HandleInformationOptions({"-style", "fusion", "--help"}, help), 0);
    EXPECT_EQ(help.str().rfind("Usage: kalvest ", 0), 0u);
    EXPECT_NE(help.str().find("--version"), std::string::npos);

    std::ostringstream none;
    EXPECT_EQ(HandleInformationOptions({}, none), std::nullopt);
    EXPECT_EQ(HandleInformationOptions({"-platform", "offscreen", "2021", "-help"}, none),
              std::nullopt);
    EXPECT_EQ(none.str(), "");
}

TEST_F(FrmMainTest, EveryWindowShowsTheProgramIcon) {
    const QList<QSize> sizes = ProgramIcon().availableSizes();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        EXPECT_EQ(ProgramIcon().pixmap(size).size(), QSize(size, size)) << size;
    }
    frmAll all;
    frmPopUp pop_up;
    frmView* view = new frmView;  // deletes itself when closed
    for (QWidget* w : std::initializer_list<QWidget*>{window.get(), &all, &pop_up, view}) {
        EXPECT_EQ(w->windowIcon().cacheKey(), ProgramIcon().cacheKey())
            << w->objectName().toStdString();
    }
    delete view;
}

}  // namespace
}  // namespace kalvest
