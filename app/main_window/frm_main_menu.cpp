// The menu bar of frmMain, above the designed client area: every command
// of the window and of the windows it opens, each with its mnemonic and
// the shortcuts desktop users expect. The commands run the same handlers
// as the controls; the window grows by the bar's height, and no control
// moves within the client area.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "common/message_box.h"
#include "main_window/about_kalvest.h"
#include "main_window/frm_main.h"
#include "windows/window_twips.h"

namespace kalvest {
namespace {

// The system's colours on the bar and its menus, whatever colours the
// window is given: the window's own would leave dark text on navy.
void KeepSystemLook(QWidget* widget) {
    QPalette palette = QApplication::palette(widget);
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setColor(group, r, palette.color(group, r));
        }
    }
    widget->setPalette(palette);
}

QAction* Command(QMenu* menu, const char* text, const char* name, std::function<void()> run,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, menu, [run = std::move(run)] { run(); });
    return action;
}

}  // namespace

void frmMain::CreateMenuBar() {
    mnuBar = new QMenuBar(this);
    mnuBar->setObjectName(QStringLiteral("mnuBar"));
    mnuBar->setAccessibleName(QStringLiteral("Menu bar"));
    KeepSystemLook(mnuBar);

    mnuFile = mnuBar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuCalculate = Command(mnuFile, "&Calculate dates and times of selected events",
                           "mnuCalculate", [this] { cmdCalculate_Click(); });
    mnuExport = Command(mnuFile, "&Export...", "mnuExport", [this] { mnuExport_Click(); },
                        QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuSaveSettings = Command(mnuFile, "&Save settings", "mnuSaveSettings",
                              [this] { cmdSaveSettings_Click(); });
    mnuFile->addSeparator();
    mnuQuit = Command(mnuFile, "&Quit", "mnuQuit", [this] { cmdQuit_Click(); },
                      QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuView = mnuBar->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuDisplayAll = Command(mnuView, "&Display all for the year", "mnuDisplayAll",
                            [this] { cmdDisplayAll_Click(); });
    mnuMoonList->setText(QStringLiteral("&Moon list of the year"));
    mnuWheel->setText(QStringLiteral("&Wheel of the year"));
    mnuView->addAction(mnuMoonList);
    mnuView->addAction(mnuWheel);
    mnuView->addAction(mnuTerms);
    mnuView->addSeparator();
    mnuCopy = Command(mnuView, "C&opy output to clipboard", "mnuCopy",
                      [this] { cmdCopyToClipboard_Click(); });
    mnuClear = Command(mnuView, "C&lear output", "mnuClear", [this] { cmdClear_Click(); });

    mnuOptions = mnuBar->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuOtherZone = Command(mnuOptions, "&Time zone...", "mnuOtherZone",
                           [this] { mnuOtherZone_Click(); });
    mnuOptions->addSeparator();
    mnuSeconds = Command(mnuOptions, "Times to the &second", "mnuSeconds", [] {});
    mnuPrecise = Command(mnuOptions, "&Precise equinoxes and solstices (modern Delta T)",
                         "mnuPrecise", [] {});
    for (QAction* option : {mnuSeconds, mnuPrecise}) option->setCheckable(true);
    mnuOptions->addSeparator();
    const char* const all_or_none[4] = {"&All equinoxes and solstices",
                                        "&No equinoxes and solstices",
                                        "All &cross-quarter days", "No cross-&quarter days"};
    const char* const names[4] = {"mnuAllOrNone0", "mnuAllOrNone1", "mnuAllOrNone2",
                                  "mnuAllOrNone3"};
    for (int index = 0; index < 4; ++index) {
        mnuAllOrNone[index] = Command(mnuOptions, all_or_none[index], names[index],
                                      [this, index] { cmdAllOrNoneKalvest_Click(index); });
    }

    mnuHelp = mnuBar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpText = Command(mnuHelp, "&Help", "mnuHelpText", [this] { cmdHelp_Click(); },
                          QKeySequence(Qt::Key_F1));
    mnuManual = Command(mnuHelp, "Online &user manual", "mnuManual",
                        [this] { lblOnlineUserManual_Click(); });
    mnuSite = Command(mnuHelp, "&Orvanth Systems website", "mnuSite",
                      [this] { lblOrvanthSystems_Click(); });
    mnuHelp->addSeparator();
    mnuAbout = Command(mnuHelp, "&About Kalvest", "mnuAbout", [this] { mnuAbout_Click(); });

    for (QMenu* menu : {mnuFile, mnuView, mnuOptions, mnuHelp}) {
        KeepSystemLook(menu);
        // Each shortcut works wherever the focus is in the window.
        addActions(menu->actions());
    }
    PlaceClientArea();
}

void frmMain::PlaceClientArea() {
    const int bar = mnuBar->sizeHint().height();
    const QSize client = ClientArea->size();
    mnuBar->setGeometry(0, 0, client.width(), bar);
    ClientArea->move(0, bar);
    setFixedSize(client.width(), client.height() + bar);
}

void frmMain::mnuAbout_Click() {
    ShowMessageBox({AboutText(GatherAboutFacts()), "About Kalvest", MessageIcon::kInformation,
                    MessageButtons::kOk});
}

}  // namespace kalvest
