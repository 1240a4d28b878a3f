#include "main_window/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "common/message_box.h"

namespace kalvest {
namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kInformation: return QMessageBox::Information;
        case MessageIcon::kExclamation: return QMessageBox::Warning;
        case MessageIcon::kCritical: return QMessageBox::Critical;
        case MessageIcon::kNone: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::kOk: break;
    }
    return QMessageBox::Ok;
}

// Message texts keep CR LF between lines; the box wants line feeds.
QString ShownText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void ShowQtMessageBox(const MessageBoxRequest& request) {
    QMessageBox box(QtIcon(request.icon), QString::fromStdString(request.title),
                    ShownText(request.text), QtButtons(request.buttons),
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace

void InstallQtMessageBoxHandler() { SetMessageBoxHandler(ShowQtMessageBox); }

}  // namespace kalvest
