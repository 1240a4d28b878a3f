#include "windows/frm_wheel.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

#include "common/message_box.h"
#include "outside/library_error.h"
#include "run/run_messages.h"
#include "wheel/wheel_file.h"
#include "wheel/wheel_painter.h"
#include "windows/window_twips.h"

namespace kalvest {
namespace {

// Twips, as the main window's controls.
constexpr int kMargin = 120;
constexpr int kGap = 120;
constexpr int kButtonHeight = 360;
// The wheel's first size on the screen, in pixels: as high as fits.
constexpr int kFirstWheelHeight = 760;

const char* const kSaveTitle = "Save the wheel of the year";
const char* const kFileTypes = "PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)";

QPushButton* Button(const QString& caption, const char* name, const QFont& font,
                    QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setPalette(QGuiApplication::palette());
    button->setFixedHeight(PixelsFromTwips(kButtonHeight));
    return button;
}

QCheckBox* Box(const QString& caption, const char* name, const WindowLook& look,
               QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(look.caption);
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, look.text);
    box->setPalette(palette);
    return box;
}

// The dialog's answer with the extension of the chosen type when the
// name has none of the three.
QString AskWithDialog(QWidget* parent, const QString& suggested) {
    QString type;
    QString name = QFileDialog::getSaveFileName(parent, kSaveTitle, suggested, kFileTypes, &type);
    if (name.isEmpty() || WheelPictureFormatOfFileName(name.toStdString())) return name;
    const qsizetype star = type.indexOf('*');
    return name + (star >= 0 ? type.mid(star + 1, 4) : QStringLiteral(".png"));
}

}  // namespace

WheelView::WheelView(QWidget* parent) : QWidget(parent) {
    setObjectName("picWheel");
    setMinimumSize(360, 330);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void WheelView::SetLayout(WheelLayout layout) {
    layout_ = std::move(layout);
    update();
}

void WheelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintWheel(painter, layout_, QRectF(rect()));
}

frmWheel::frmWheel(const WindowLook& look, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmWheel");
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, look.background);
    setPalette(palette);
    setAutoFillBackground(true);

    picWheel = new WheelView(this);
    chkMoonRing = Box("Full and new moons", "chkMoonRing", look, this);
    chkMoonRing->setChecked(true);
    chkTermRing = Box("Solar terms", "chkTermRing", look, this);
    cmdSaveAs = Button("Save as...", "cmdSaveAs", look.button, this);
    cmdCopyToClipboard = Button("Copy to clipboard", "cmdCopyToClipboard", look.button, this);
    cmdClose = Button("Close", "cmdClose", look.button, this);
    connect(chkMoonRing, &QCheckBox::clicked, this, &frmWheel::chkRing_Click);
    connect(chkTermRing, &QCheckBox::clicked, this, &frmWheel::chkRing_Click);
    connect(cmdSaveAs, &QPushButton::clicked, this, &frmWheel::cmdSaveAs_Click);
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmWheel::cmdCopyToClipboard_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmWheel::cmdClose_Click);

    auto* controls = new QHBoxLayout;
    controls->addWidget(chkMoonRing);
    controls->addWidget(chkTermRing);
    controls->addStretch();
    controls->addWidget(cmdSaveAs);
    controls->addWidget(cmdCopyToClipboard);
    controls->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    const int margin = PixelsFromTwips(kMargin);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(PixelsFromTwips(kGap));
    layout->addWidget(picWheel, 1);
    layout->addLayout(controls);

    LastFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (LastFolder.isEmpty()) LastFolder = QDir::homePath();
    AskSaveFileName = [this](const QString& suggested) { return AskWithDialog(this, suggested); };
}

void frmWheel::ShowWheel(QWidget* main_window, LayoutMaker make) {
    WheelLayout layout;
    try {
        layout = make(chkMoonRing->isChecked(), chkTermRing->isChecked());
    } catch (const LibraryError& error) {
        ShowMessageBox({LibraryFailureMessage(error), kSaveTitle, MessageIcon::kExclamation,
                        MessageButtons::kOk});
        return;
    }
    make_ = std::move(make);
    setWindowTitle(QString::fromStdString(layout.title));
    picWheel->SetLayout(std::move(layout));
    if (!placed_) {
        placed_ = true;
        int height = kFirstWheelHeight;
        if (const QScreen* screen = main_window ? main_window->screen() : this->screen()) {
            height = std::min(height, screen->availableGeometry().height() * 85 / 100);
        }
        const int width = static_cast<int>(height * kWheelCanvas.width() / kWheelCanvas.height());
        resize(width + 2 * PixelsFromTwips(kMargin),
               height + PixelsFromTwips(kButtonHeight + kGap + 2 * kMargin));
        if (main_window) {
            const QRect beside = main_window->window()->frameGeometry();
            move(beside.left() + PixelsFromTwips(kGap * 4), beside.top() + PixelsFromTwips(kGap * 4));
        }
    }
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void frmWheel::Redraw() {
    if (!make_) return;
    try {
        picWheel->SetLayout(make_(chkMoonRing->isChecked(), chkTermRing->isChecked()));
    } catch (const LibraryError& error) {
        ShowMessageBox({LibraryFailureMessage(error), kSaveTitle, MessageIcon::kExclamation,
                        MessageButtons::kOk});
    }
}

void frmWheel::chkRing_Click() { Redraw(); }

void frmWheel::cmdSaveAs_Click() {
    const QString suggested =
        QDir(LastFolder).filePath("wheel-of-the-year-" +
                                  QString::fromStdString(picWheel->Layout().year_text) + ".png");
    QString path = AskSaveFileName(suggested);
    if (path.isEmpty()) return;
    std::optional<WheelPictureFormat> format = WheelPictureFormatOfFileName(path.toStdString());
    if (!format) {
        path += ".png";
        format = WheelPictureFormat::kPng;
    }
    const std::string failure =
        WriteWheelPicture(picWheel->Layout(), path.toStdString(), *format);
    if (!failure.empty()) {
        ShowMessageBox({"The wheel could not be saved to " + path.toStdString() + ": " + failure,
                        kSaveTitle, MessageIcon::kExclamation, MessageButtons::kOk});
        return;
    }
    LastFolder = QFileInfo(path).absolutePath();
}

void frmWheel::cmdCopyToClipboard_Click() {
    QGuiApplication::clipboard()->setImage(WheelImage(picWheel->Layout(), kWheelDefaultPngWidth));
}

}  // namespace kalvest
