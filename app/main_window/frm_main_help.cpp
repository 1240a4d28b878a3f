// Help and links of frmMain: the Help button shows the help text of the
// program's data folder in the text viewer, placed over the main window; the two link
// labels open the maker's page and the online manual. The commands of the
// secondary windows are connected here as well.
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "common/document_address.h"
#include "common/language.h"
#include "common/install_layout.h"
#include "common/program_folder.h"
#include "main_window/frm_main.h"
#include "main_window/link_tool_tips.h"
#include "main_window/web_page_launcher.h"
#include "windows/frm_view.h"
#include "windows/window_twips.h"

namespace kalvest {
namespace {

// Texts of the program-text table.
constexpr std::int16_t kSiteAddressText = 14;
constexpr std::int16_t kManualAddressText = 15;
constexpr std::int16_t kHelpFileText = 16;
constexpr std::int16_t kHelpCaptionText = 36;

// The viewer over the main window, twips.
constexpr int kViewerTopOffset = 380;
constexpr int kViewerLeftOffset = 100;
constexpr int kViewerNarrower = 200;
constexpr int kViewerLower = 480;

// Runs a handler when the left button is released over a label; a press
// dragged off the label before its release is no click.
class LabelClick : public QObject {
public:
    LabelClick(QLabel* label, std::function<void()> handler)
        : QObject(label), handler_(std::move(handler)) {
        label->installEventFilter(this);
        label->setCursor(Qt::PointingHandCursor);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (static_cast<QWidget*>(watched)->rect().contains(at)) handler_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

}  // namespace

void frmMain::ConnectSecondaryCommands() {
    connect(cmdSaveSettings, &QPushButton::clicked, this, [this] { cmdSaveSettings_Click(); });
    connect(cmdDisplayAll, &QPushButton::clicked, this, [this] { cmdDisplayAll_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    LinkPages = new WebPageLauncher(this);
    new LabelClick(lblOrvanthSystems, [this] { lblOrvanthSystems_Click(); });
    new LabelClick(lblOnlineUserManual, [this] { lblOnlineUserManual_Click(); });
}

void frmMain::SetLinkToolTips() {
    lblOrvanthSystems->setToolTip(
        QString::fromStdString(SiteLinkToolTip(GetProgramText(kSiteAddressText))));
    lblOnlineUserManual->setToolTip(
        QString::fromStdString(ManualLinkToolTip(GetProgramText(kManualAddressText))));
}

void frmMain::cmdHelp_Click() {
    if (frmViewForm.isNull()) frmViewForm = new frmView;
    frmView* view = frmViewForm;
    // A minimized viewer comes back normal, even one that was maximized
    // before it was minimized, and is then placed like any normal one.
    if (view->isMinimized()) {
        view->setWindowState(view->windowState() &
                             ~(Qt::WindowMinimized | Qt::WindowMaximized));
    }
    if (!(view->windowState() & Qt::WindowMaximized)) {
        const QRect main = geometry();
        const QPoint corner = frameGeometry().topLeft();
        view->move(corner.x() + PixelsFromTwips(kViewerLeftOffset),
                   corner.y() + PixelsFromTwips(kViewerTopOffset));
        view->resize(main.width() - PixelsFromTwips(kViewerNarrower),
                     main.height() - PixelsFromTwips(kViewerLower));
    }
    // A name relative to the data folder, or a complete path that stands
    // alone, as the installed data folder's does in the data folder lookup.
    view->strFilename =
        QString::fromStdString(JoinRelativePath(DataFolder(), GetProgramText(kHelpFileText)));
    view->setWindowTitle(QString::fromStdString(GetProgramText(kHelpCaptionText)));
    view->show();
    view->raise();
    view->activateWindow();
}

// The page opens while the window goes on; a failure is reported when the
// opener has given its verdict.
void frmMain::lblOrvanthSystems_Click() {
    LinkPages->Open(ProgramDocumentAddress(GetProgramText(kSiteAddressText)));
}

void frmMain::lblOnlineUserManual_Click() {
    LinkPages->Open(ProgramDocumentAddress(GetProgramText(kManualAddressText)));
}

}  // namespace kalvest
